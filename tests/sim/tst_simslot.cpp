// Applying a configurator slot to a device as the hand-held unit does: the descriptor chain
// is followed from the slot's first descriptor and each block lands at its device address;
// a refused chain leaves the device as it was.
#include "simconfigurator.h"
#include "simdevice.h"
#include "simtesthelpers.h"
#include "slotapply.h"

#include <QTest>

using Error = SlotApplyResult::Error;
Q_DECLARE_METATYPE(SlotApplyResult::Error)

namespace {

// Descriptor bytes: type, variant, area, data (lo hi), device address (lo hi), count, next (lo hi).
// A 16-zone panel's chain in slot 1: four EEPROM bytes to 0x0000, then four memory bytes to
// 0x4800; the second descriptor ends the chain.
const QStringList kGoodChain = {
    "1000: 1E 02 01 00 15 00 00 04 00 12",
    "1200: 1E 02 02 00 40 00 48 04 00 00",
    "1500: 11 22 33 44",
    "4000: A1 A2 A3 A4",
};

QStringList goodChainWith(const QString &replacedDescriptor)
{
    QStringList store = kGoodChain;
    for (QString &entry : store) {
        if (entry.left(4) == replacedDescriptor.left(4))
            entry = replacedDescriptor;
    }
    return store;
}

} // namespace

class TstSimSlot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void applySlot_data();
    void applySlot();
};

void TstSimSlot::applySlot_data()
{
    QTest::addColumn<QStringList>("store"); // "address: bytes" written into the configurator
    QTest::addColumn<int>("slot");
    QTest::addColumn<Error>("error");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("failedAt");
    QTest::addColumn<QString>("eeprom");    // device EEPROM 0x0000..0x0003 afterwards
    QTest::addColumn<QString>("memory");    // device memory 0x4800..0x4803 afterwards

    const QString untouched = QStringLiteral("00 00 00 00");
    QTest::newRow("chain-of-two-copied") << kGoodChain << 1 << Error::None << 2 << -1
                                         << "11 22 33 44" << "A1 A2 A3 A4";
    QTest::newRow("slot-2-chain-ending-at-its-slot-base")
        << QStringList{"1040: 1E 02 01 40 15 00 00 04 40 00", "1540: 55 66 77 88"} << 2
        << Error::None << 1 << -1 << "55 66 77 88" << untouched;
    QTest::newRow("loop-back-to-the-first-refused")
        << goodChainWith("1200: 1E 02 02 00 40 00 48 04 00 10") << 1 << Error::Loop << 0
        << 0x1000 << untouched << untouched;
    QTest::newRow("descriptor-pointing-at-itself-refused")
        << goodChainWith("1000: 1E 02 01 00 15 00 00 04 00 10") << 1 << Error::Loop << 0
        << 0x1000 << untouched << untouched;
    QTest::newRow("erased-slot") << QStringList{} << 3 << Error::EmptySlot << 0 << 0x1080
                                 << untouched << untouched;
    QTest::newRow("chain-into-erased-store-names-no-such-device")
        << goodChainWith("1200: 1E 02 02 00 40 00 48 04 00 13") << 1 << Error::WrongDevice << 0
        << 0x1300 << untouched << untouched;
    QTest::newRow("other-device-type")
        << goodChainWith("1000: 17 02 01 00 15 00 00 04 00 12") << 1 << Error::WrongDevice << 0
        << 0x1000 << untouched << untouched;
    QTest::newRow("unknown-area")
        << goodChainWith("1200: 1E 02 03 00 40 00 48 04 00 00") << 1 << Error::BadArea << 0
        << 0x1200 << untouched << untouched;
    QTest::newRow("eeprom-target-past-its-end")
        << goodChainWith("1000: 1E 02 01 00 15 FE 00 04 00 12") << 1 << Error::OutOfRange << 0
        << 0x1000 << untouched << untouched;
    QTest::newRow("data-past-the-top-of-the-store")
        << goodChainWith("1200: 1E 02 02 FE FF 00 48 04 00 00") << 1 << Error::OutOfRange << 0
        << 0x1200 << untouched << untouched;
    QTest::newRow("next-descriptor-past-the-top-of-the-store")
        << goodChainWith("1200: 1E 02 02 00 40 00 48 04 F8 FF") << 1 << Error::OutOfRange << 0
        << 0xFFF8 << untouched << untouched;
    QTest::newRow("slot-5-does-not-exist") << kGoodChain << 5 << Error::NoSuchSlot << 0 << -1
                                           << untouched << untouched;
}

void TstSimSlot::applySlot()
{
    QFETCH(QStringList, store);
    QFETCH(int, slot);
    QFETCH(Error, error);
    QFETCH(int, blocks);
    QFETCH(int, failedAt);
    QFETCH(QString, eeprom);
    QFETCH(QString, memory);

    SimConfigurator configurator;
    for (const QString &entry : store)
        QVERIFY(configurator.write(entry.section(u':', 0, 0).toInt(nullptr, 16),
                                   hexBytes(entry.section(u':', 1))));
    SimDevice device(0x1E, 2);
    const SlotApplyResult result = ::applySlot(configurator, slot, device);
    QCOMPARE(result.error, error);
    QCOMPARE(result.blocksCopied, blocks);
    QCOMPARE(result.failedDescriptor, failedAt);
    QCOMPARE(*device.read(SimArea::Eeprom, 0, 4), hexBytes(eeprom));
    QCOMPARE(*device.read(SimArea::Memory, 0x4800, 4), hexBytes(memory));
}

QTEST_GUILESS_MAIN(TstSimSlot)
#include "tst_simslot.moc"
