// Reading back a write: what each written range is expected to hold afterwards.
#include "verification.h"

#include <QTest>

class TstVerification : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void laterWriteOverAnEarlierBlockIsExpectedThere();
    void rereadDiffersOnlyWhereItDiffers_data();
    void rereadDiffersOnlyWhereItDiffers();
};

// The GSM module's IP block (15 characters and two 0xFF) runs one byte into the port block
// written after it: that byte reads back as the port's first character, not as 0xFF.
void TstVerification::laterWriteOverAnEarlierBlockIsExpectedThere()
{
    const QByteArray memory = QByteArray("1234") + QByteArray("\xFF\xFF") + QByteArray("56");
    const TransferPlan write{TransferPlan::Direction::Write,
                             {{QString(),
                               {DeviceRun{ImageArea::Memory, 0x7336, 0, 6, 64, RequestForm::Chunked, {}},
                                DeviceRun{ImageArea::Memory, 0x733B, 6, 2, 64, RequestForm::Chunked, {}}}}}};
    const Verification v = verificationOf(write, {QByteArray(), memory}, TransferPlan{});
    QCOMPARE(v.expected.memory, QByteArray("1234\xFF"
                                           "5"
                                           "56"));

    // The device as the two writes leave it.
    const SettingsImages scratch{QByteArray(), QByteArray("1234\xFF"
                                                          "5"
                                                          "56")};
    QVERIFY(checkVerification(v, {QByteArray(), memory}, scratch).matches);
}

// Two reads of a device whose plan reads 4 memory bytes and then the clock into bytes 4 to 10.
void TstVerification::rereadDiffersOnlyWhereItDiffers_data()
{
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("the clock moved on") << QByteArray::fromHex("0102030431301407030026") << true;
    QTest::newRow("a setting changed") << QByteArray::fromHex("0102030925301407030026") << false;
    QTest::newRow("the read was shorter") << QByteArray::fromHex("01020304") << false;
}

void TstVerification::rereadDiffersOnlyWhereItDiffers()
{
    QFETCH(QByteArray, second);
    QFETCH(bool, same);
    const TransferPlan read{TransferPlan::Direction::Read,
                            {{QString(),
                              {DeviceRun{ImageArea::Memory, 0x7000, 0, 4, 4, RequestForm::Chunked, {}}, ClockRun{4}}}}};
    const SettingsImages first{QByteArray(), QByteArray::fromHex("0102030425301407030026")};
    QCOMPARE(sameSettings(read, first, {QByteArray(), second}), same);
}

QTEST_GUILESS_MAIN(TstVerification)
#include "tst_verification.moc"
