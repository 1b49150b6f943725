// A write cut to what the device does not hold yet, against runs worked out by hand from
// the memory maps: which positioned runs go out (each with its own set-address), for one
// change or several, for every byte changed and for none.
#include "registry.h"
#include "writecut.h"

#include <QTest>

namespace {

struct Change {
    ImageArea area;
    int offset;
};

// Bytes that differ from one another and from zero.
SettingsImages pattern(const DeviceDefinition &d)
{
    SettingsImages images{QByteArray(d.eepromSize, '\0'), QByteArray(d.memorySize, '\0')};
    for (int i = 0; i < images.eeprom.size(); ++i)
        images.eeprom[i] = char(0x21 + i);
    for (int i = 0; i < images.memory.size(); ++i)
        images.memory[i] = char(0x35 + 3 * i);
    return images;
}

// "M 6980 48 @610": area, device address, length and image offset of a run.
QStringList runsOf(const TransferPlan &plan)
{
    QStringList runs;
    for (const PlanStage &stage : plan.stages) {
        for (const PlanStep &step : stage.steps) {
            const auto *run = std::get_if<DeviceRun>(&step);
            if (!run) {
                runs << QStringLiteral("other");
                continue;
            }
            runs << QStringLiteral("%1 %2 %3 @%4%5")
                        .arg(run->area == ImageArea::Eeprom ? QStringLiteral("E") : QStringLiteral("M"))
                        .arg(run->deviceAddress, 4, 16, QLatin1Char('0'))
                        .arg(run->length)
                        .arg(run->imageOffset)
                        .arg(run->constant.isEmpty() ? QString() : QStringLiteral(" constant"));
        }
    }
    return runs;
}

} // namespace

class TstWriteCut : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runsThatDiffer_data();
    void runsThatDiffer();
    void everyOrNoByteChanged_data();
    void everyOrNoByteChanged();
};

void TstWriteCut::runsThatDiffer_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QList<Change>>("changes");
    QTest::addColumn<QStringList>("runs");

    constexpr auto E = ImageArea::Eeprom;
    constexpr auto M = ImageArea::Memory;
    const int sixteen = int(Model::Korvel16p);
    // 16-zone panel: EEPROM 0x0000 (20 bytes, 8 a request), 0x0018 (times) and 0x0040 (codes);
    // each memory block goes whole in one request.
    QTest::newRow("16p-zone-table-byte") << sixteen << 2 << QList<Change>{{E, 5}} << QStringList{"E 0000 8 @0"};
    QTest::newRow("16p-two-zone-bytes-apart")
        << sixteen << 2 << QList<Change>{{E, 1}, {E, 17}} << QStringList{"E 0000 8 @0", "E 0010 4 @16"};
    QTest::newRow("16p-access-code-2") << sixteen << 2 << QList<Change>{{E, 24}} << QStringList{"E 0040 4 @24"};
    QTest::newRow("16p-telephone-digit") << sixteen << 2 << QList<Change>{{M, 6}} << QStringList{"M 4e80 8 @4"};
    QTest::newRow("16p-section-18-byte") << sixteen << 2 << QList<Change>{{M, 35}} << QStringList{"M 4880 16 @30"};
    QTest::newRow("16p-code-and-telephone")
        << sixteen << 2 << QList<Change>{{M, 6}, {E, 25}} << QStringList{"E 0040 4 @24", "M 4e80 8 @4"};
    // 16.64P: module 2's relay masks at 0x6940 go as 64 then 48 bytes; 0x699C lies in the second.
    const int system = int(Model::Korvel16_64p);
    QTest::newRow("16.64p-relay-mask") << system << 2 << QList<Change>{{M, 546 + 64 + 28}}
                                       << QStringList{"M 6980 48 @610"};
    QTest::newRow("16.64p-first-mask-and-code")
        << system << 2 << QList<Change>{{M, 436}, {E, 23}} << QStringList{"E 0040 6 @23", "M 68c0 64 @434"};
    // GSM.4: EEPROM 0x0040 in 16-byte requests, the byte at 0x00FE; the IP block's last byte
    // lies under the port block that follows it.
    const int gsm4 = int(Model::ZmuGsm4);
    QTest::newRow("gsm4-eeprom-byte") << gsm4 << 1 << QList<Change>{{E, 20}} << QStringList{"E 0050 16 @16"};
    QTest::newRow("gsm4-port") << gsm4 << 1 << QList<Change>{{M, 111}} << QStringList{"M 6a38 4 @110"};
    QTest::newRow("gsm4-ip-then-the-port-it-covers")
        << gsm4 << 1 << QList<Change>{{M, 80}} << QStringList{"M 6a28 17 @76", "M 6a38 4 @110"};
    QTest::newRow("gsm4-ip-tail-under-the-port") << gsm4 << 1 << QList<Change>{{M, 92}} << QStringList{};
}

void TstWriteCut::runsThatDiffer()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(QList<Change>, changes);
    QFETCH(QStringList, runs);
    const DeviceDefinition &d = modelInfo(Model(model));
    const SettingsImages device = pattern(d);
    SettingsImages sent = device;
    for (const Change &c : changes) {
        QByteArray &image = c.area == ImageArea::Eeprom ? sent.eeprom : sent.memory;
        image[c.offset] = char(image.at(c.offset) ^ 0x5A);
    }
    const CutPlan cut = cutWritePlan(d.deviceWrite(quint8(variant)), sent, d.segments(quint8(variant)), device);
    QCOMPARE(runsOf(cut.plan), runs);
    QCOMPARE(cut.runs, runs.size());
}

void TstWriteCut::everyOrNoByteChanged_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("changed");
    for (const auto &[name, model, variant] : {std::tuple{"16p", Model::Korvel16p, 2}, {"16.64p", Model::Korvel16_64p, 2},
                                               {"gsm4", Model::ZmuGsm4, 1}, {"gsm-constant-marker", Model::ZmuGsm, 1}}) {
        QTest::addRow("%s-every-byte", name) << int(model) << variant << true;
        QTest::addRow("%s-none", name) << int(model) << variant << false;
    }
}

// Every byte changed is the whole write, request for request; none is no write at all.
void TstWriteCut::everyOrNoByteChanged()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(bool, changed);
    const DeviceDefinition &d = modelInfo(Model(model));
    const TransferPlan write = d.deviceWrite(quint8(variant));
    const SettingsImages sent = pattern(d);
    SettingsImages device = sent;
    for (QByteArray *image : {&device.eeprom, &device.memory}) {
        for (char &byte : *image)
            byte = changed ? char(~byte) : byte;
    }
    const CutPlan cut = cutWritePlan(write, sent, d.segments(quint8(variant)), device);
    if (!changed) {
        QVERIFY(cut.plan.isEmpty());
        QCOMPARE(cut.runs, 0);
        return;
    }
    const TPacketList whole = planRequests(write, sent.eeprom, sent.memory).list;
    const TPacketList sentCut = planRequests(cut.plan, sent.eeprom, sent.memory).list;
    QCOMPARE(sentCut.size(), whole.size());
    for (qsizetype i = 0; i < whole.size(); ++i)
        QCOMPARE(sentCut.at(i).Data.toHex(' '), whole.at(i).Data.toHex(' '));
}

QTEST_GUILESS_MAIN(TstWriteCut)
#include "tst_writecut.moc"
