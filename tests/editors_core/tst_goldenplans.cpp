// Every request of every panel, GSM module and 2/4 transfer, decoded frame by frame, against the
// request lists written by hand from the documented memory maps in golden/ (format:
// tests/support/goldenplan.h). The end-to-end tests load the simulator through the
// program's own tables, so a wrong address there is invisible to them; here it is not.
#include "controlstartdefinition.h"
#include "controlstartmap.h"
#include "goldenplan.h"
#include "gsmdefinition.h"
#include "gsmplans.h"
#include "paneldefinition.h"
#include "systempaneldefinition.h"

#include <QTest>

#include <functional>

using Build = std::function<void(TPacketList &)>;
Q_DECLARE_METATYPE(Build)

namespace {

const QString kPanelPlans = QStringLiteral(":/golden/panels.txt");
const QString kSystemPanelPlans = QStringLiteral(":/golden/systempanel.txt");
const QString kGsmPlans = QStringLiteral(":/golden/gsm.txt");
const QString kControlStartPlans = QStringLiteral(":/golden/controlstart.txt");

// Frame lengths do not depend on the image bytes; these images are large enough for
// every model.
const QByteArray kEeprom(54, '\x11');
const QByteArray kMemory(664, '\x22');

// A configurator slot and the base the table adds to its slot-1 addresses.
struct Slot {
    int number;
    const char *base;
};
constexpr Slot kSlots[] = {{1, "0"}, {3, "0x80"}};
constexpr const char *kNoBase = "0"; // device lists have no slot

struct Case {
    PanelModel model;
    int variant;
    const char *name;
    const char *list;
};

QByteArray modelName(PanelModel model)
{
    static const char *const names[] = {"4-zone", "8-zone", "16-zone"};
    return names[int(model)];
}

// Row name from its parts, the empty ones left out.
QByteArray rowName(std::initializer_list<QByteArray> parts)
{
    QByteArrayList words;
    for (const QByteArray &part : parts) {
        if (!part.isEmpty())
            words.append(part);
    }
    return words.join(' ');
}

QByteArray number(int value)
{
    return QByteArray::number(value);
}

// `version`: the variant the list's configurator descriptors record ($v).
void addRow(const QByteArray &name, const Build &build, const char *list, const char *base,
            const QString &book = kPanelPlans, const char *version = "0")
{
    QTest::newRow(name.constData()) << build << book << QString::fromLatin1(list)
                                    << QString::fromLatin1(base) << QString::fromLatin1(version);
}

Build built(const TransferPlan &plan)
{
    return [plan](TPacketList &list) { list = planRequests(plan, kEeprom, kMemory).list; };
}

// Every list is built from the model's transfer plan, as the editors build theirs.
Build planned(std::function<TransferPlan(const DeviceDefinition &)> plan, PanelModel model)
{
    return [=](TPacketList &list) { list = planRequests(plan(panelDefinition(model)), kEeprom, kMemory).list; };
}

Build deviceWrite(PanelModel model, int variant)
{
    return planned([=](const DeviceDefinition &d) { return d.deviceWrite(quint8(variant)); }, model);
}

Build deviceRead(PanelModel model, int variant, int baudRate)
{
    return planned([=](const DeviceDefinition &d) { return d.deviceRead(quint8(variant), baudRate); }, model);
}

Build configuratorWrite(PanelModel model, int variant, int slot)
{
    return planned([=](const DeviceDefinition &d) { return d.slotWrite(quint8(variant), slot); }, model);
}

Build configuratorRead(PanelModel model, int slot)
{
    return planned([=](const DeviceDefinition &d) { return d.slotRead(0, slot); }, model);
}

const golden::PlanBook &plans(const QString &path)
{
    static QMap<QString, golden::PlanBook> books;
    if (!books.contains(path))
        books.insert(path, golden::PlanBook::load(path));
    return books[path];
}

// A memory image of the 2/4 with its clock bytes set, or left at zero (no clock write).
QByteArray controlStartImage(bool clockSet)
{
    QByteArray image(controlstart::kMemorySize, '\x22');
    if (!clockSet)
        image.replace(controlstart::offsetOf(controlstart::Block::Clock), controlstart::kClockSize,
                      QByteArray(controlstart::kClockSize, '\0'));
    return image;
}

Build controlStartTransfer(bool write, bool clockSet)
{
    return [=](TPacketList &list) {
        const DeviceDefinition d = controlStartDefinition();
        const TransferPlan plan = write ? d.deviceWrite(1) : d.deviceRead(1, 9600);
        list = planRequests(plan, QByteArray(), controlStartImage(clockSet)).list;
    };
}

constexpr auto kFour = PanelModel::FourZone;
constexpr auto kEight = PanelModel::EightZone;
constexpr auto kSixteen = PanelModel::SixteenZone;

} // namespace

class TstGoldenPlans : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transfers_data();
    void transfers();

private:
    static void addDeviceWrites();
    static void addDeviceReads();
    static void addConfiguratorWrites();
    static void addConfiguratorReads();
    static void addSystemPanelTransfers();
    static void addGsmTransfers();
    static void addGsm4Transfers();
    static void addControlStartTransfers();
};

void TstGoldenPlans::transfers_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("version");
    addDeviceWrites();
    addDeviceReads();
    addConfiguratorWrites();
    addConfiguratorReads();
    addSystemPanelTransfers();
    addGsmTransfers();
    addGsm4Transfers();
    addControlStartTransfers();
}

// The built requests, decoded frame by frame, are the table's list, request for request.
void TstGoldenPlans::transfers()
{
    QFETCH(Build, build);
    QFETCH(QString, book);
    QFETCH(QString, list);
    QFETCH(QString, base);
    QFETCH(QString, version);
    const golden::PlanBook &tables = plans(book);
    QVERIFY2(tables.error().isEmpty(), qPrintable(tables.error()));
    QString error;
    const golden::Requests expected =
        tables.requests(list, {{QStringLiteral("base"), base}, {QStringLiteral("v"), version}}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(list + QStringLiteral(": ") + error));
    QVERIFY(!expected.isEmpty());
    TPacketList built;
    build(built);
    const QString difference = golden::firstDifference(expected, golden::decodeRequests(built));
    QVERIFY2(difference.isEmpty(), qPrintable(list + QStringLiteral(": ") + difference));
}

void TstGoldenPlans::addDeviceWrites()
{
    const Case cases[] = {
        {kFour, 2, "leaves byte 14", "device-write-4z-v2"},
        {kFour, 3, "", "device-write-4z-v3-6"},
        {kFour, 4, "", "device-write-4z-v3-6"},
        {kFour, 5, "", "device-write-4z-v3-6"},
        {kFour, 6, "", "device-write-4z-v3-6"},
        {kFour, 7, "writes memory only", "memory-write-4z"},
        {kEight, 2, "leaves bytes 14 and 15", "device-write-8z-v2"},
        {kEight, 3, "", "device-write-8z-v3-6"},
        {kEight, 4, "", "device-write-8z-v3-6"},
        {kEight, 5, "", "device-write-8z-v3-6"},
        {kEight, 6, "", "device-write-8z-v3-6"},
        {kEight, 1, "writes memory only", "memory-write-8z"},
        {kSixteen, 2, "", "device-write-16z"},
        {kSixteen, 3, "", "device-write-16z"},
        {kSixteen, 4, "", "device-write-16z"},
    };
    for (const Case &c : cases)
        addRow(rowName({modelName(c.model), "variant", number(c.variant), "device write", c.name}),
               deviceWrite(c.model, c.variant), c.list, kNoBase);
}

void TstGoldenPlans::addDeviceReads()
{
    struct ReadCase {
        Case c;
        int baudRate;
    };
    const ReadCase cases[] = {
        {{kFour, 2, "", "device-read-4z-v2-4"}, 19200},
        {{kFour, 3, "", "device-read-4z-v2-4"}, 19200},
        {{kFour, 4, "", "device-read-4z-v2-4"}, 9600},
        {{kFour, 5, "", "device-read-4z-v5-6"}, 19200},
        {{kFour, 5, "reads whole blocks", "device-read-4z-v5-6"}, 9600},
        {{kFour, 6, "", "device-read-4z-v5-6"}, 38400},
        {{kFour, 6, "reads short", "device-read-4z-v6-9600"}, 9600},
        {{kFour, 7, "reads EEPROM only", "eeprom-read-4z"}, 19200},
        {{kEight, 2, "", "device-read-8z-v2-3"}, 19200},
        {{kEight, 3, "", "device-read-8z-v2-3"}, 9600},
        {{kEight, 4, "", "device-read-8z-v4-6"}, 19200},
        {{kEight, 5, "", "device-read-8z-v4-6"}, 9600},
        {{kEight, 6, "", "device-read-8z-v4-6"}, 19200},
        {{kEight, 6, "reads short", "device-read-8z-v6-9600"}, 9600},
        {{kEight, 1, "reads EEPROM only", "eeprom-read-8z"}, 19200},
        {{kSixteen, 2, "", "device-read-16z"}, 19200},
        {{kSixteen, 3, "", "device-read-16z"}, 9600},
        {{kSixteen, 4, "", "device-read-16z"}, 38400},
    };
    for (const ReadCase &r : cases)
        addRow(rowName({modelName(r.c.model), "variant", number(r.c.variant), "device read at",
                        number(r.baudRate), r.c.name}),
               deviceRead(r.c.model, r.c.variant, r.baudRate), r.c.list, kNoBase);
}

void TstGoldenPlans::addConfiguratorWrites()
{
    const Case cases[] = {
        {kFour, 2, "", "configurator-write-4z-v2"},
        {kFour, 3, "recorded as 0", "configurator-write-4z-v3-4"},
        {kFour, 4, "recorded as 0", "configurator-write-4z-v3-4"},
        {kFour, 5, "", "configurator-write-4z-v5"},
        {kFour, 6, "", "configurator-write-4z-v6"},
        {kFour, 7, "stores memory only", "configurator-write-4z-v7"},
        {kEight, 2, "", "configurator-write-8z-v2"},
        {kEight, 3, "", "configurator-write-8z-v3"},
        {kEight, 4, "", "configurator-write-8z-v4"},
        {kEight, 5, "", "configurator-write-8z-v5"},
        {kEight, 6, "", "configurator-write-8z-v6"},
        {kEight, 1, "stores memory only", "configurator-write-8z-v1"},
        {kSixteen, 2, "", "configurator-write-16z-v2"},
        {kSixteen, 3, "", "configurator-write-16z-v3"},
        {kSixteen, 4, "", "configurator-write-16z-v4"},
    };
    for (const Case &c : cases) {
        for (const Slot &s : kSlots)
            addRow(rowName({modelName(c.model), "variant", number(c.variant), "slot",
                            number(s.number), "write", c.name}),
                   configuratorWrite(c.model, c.variant, s.number), c.list, s.base);
    }
}

void TstGoldenPlans::addConfiguratorReads()
{
    const std::pair<PanelModel, const char *> lists[] = {
        {kFour, "configurator-read-4z"},
        {kEight, "configurator-read-8z"},
        {kSixteen, "configurator-read-16z"},
    };
    for (const auto &[model, list] : lists) {
        for (const Slot &s : kSlots)
            addRow(rowName({modelName(model), "slot", number(s.number), "read"}),
                   configuratorRead(model, s.number), list, s.base);
    }
}

// The 16.64P panel has one firmware variant and reads alike at every speed.
void TstGoldenPlans::addSystemPanelTransfers()
{
    const DeviceDefinition definition = systemPanelDefinition();
    addRow("16.64P variant 2 device write", built(definition.deviceWrite(2)), "device-write-64p", kNoBase,
           kSystemPanelPlans);
    for (int baudRate : {9600, 38400})
        addRow("16.64P variant 2 device read at " + number(baudRate), built(definition.deviceRead(2, baudRate)),
               "device-read-64p", kNoBase, kSystemPanelPlans);
}

void TstGoldenPlans::addGsmTransfers()
{
    const DeviceDefinition gsm = gsmModuleDefinition();
    struct Version {
        quint8 number;
        const char *write;
        const char *read;
        const char *slot;
    };
    const Version versions[] = {{1, "gsm-device-write-v12", "gsm-device-read-v12", "gsm-slot-write-v12"},
                                {2, "gsm-device-write-v12", "gsm-device-read-v12", "gsm-slot-write-v12"},
                                {4, "gsm-device-write-v4", "gsm-device-read-v4", "gsm-slot-write-v4"}};
    for (const Version &v : versions) {
        const QByteArray name = "GSM version " + number(v.number);
        addRow(name + " device write", built(gsm.deviceWrite(v.number)), v.write, kNoBase, kGsmPlans);
        addRow(name + " device read", built(gsm.deviceRead(v.number, 19200)), v.read, kNoBase, kGsmPlans);
        for (const Slot &s : kSlots)
            addRow(name + " slot " + number(s.number) + " write", built(gsm.slotWrite(v.number, s.number)), v.slot,
                   s.base, kGsmPlans, number(v.number).constData());
    }
    for (const Slot &s : kSlots)
        addRow("GSM slot " + number(s.number) + " read", built(gsm.slotRead(1, s.number)), "gsm-slot-read", s.base,
               kGsmPlans);
}

void TstGoldenPlans::addGsm4Transfers()
{
    const DeviceDefinition gsm4 = gsm4ModuleDefinition();
    for (const quint8 variant : {quint8(1), quint8(2)}) {
        const QByteArray name = "GSM.4 variant " + number(variant);
        addRow(name + " device write", built(gsm4.deviceWrite(variant)), "gsm4-device-write", kNoBase, kGsmPlans);
        addRow(name + " device read", built(gsm4.deviceRead(variant, 9600)), "gsm4-device-read", kNoBase, kGsmPlans);
        for (const Slot &s : kSlots) {
            addRow(name + " slot " + number(s.number) + " write", built(gsm4.slotWrite(variant, s.number)),
                   "gsm4-slot-write", s.base, kGsmPlans, "1");
            addRow(name + " slot " + number(s.number) + " read", built(gsm4.slotRead(variant, s.number)),
                   "gsm4-slot-read", s.base, kGsmPlans);
        }
    }
    addRow("GSM.4 slot write after adopting version 2", built(gsm4SlotWrite(Gsm4Variant::Gsm4, 2, 4)),
           "gsm4-slot-write", "0xC0", kGsmPlans, "2");
}

// The clock write goes only with a date to set; the device's read order does not depend on
// the firmware variant or the port's speed.
void TstGoldenPlans::addControlStartTransfers()
{
    addRow("2/4 device write", controlStartTransfer(true, true), "device-write", kNoBase, kControlStartPlans);
    addRow("2/4 device write leaves the clock alone", controlStartTransfer(true, false),
           "device-write-without-clock", kNoBase, kControlStartPlans);
    addRow("2/4 device read", controlStartTransfer(false, true), "device-read", kNoBase, kControlStartPlans);
}

QTEST_GUILESS_MAIN(TstGoldenPlans)
#include "tst_goldenplans.moc"
