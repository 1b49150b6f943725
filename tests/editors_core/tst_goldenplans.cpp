// Every request of every panel transfer, decoded frame by frame, against the request lists
// written by hand from the documented memory map in golden/panels.txt (format:
// tests/support/goldenplan.h). The end-to-end tests load the simulator through the
// program's own tables, so a wrong address there is invisible to them; here it is not.
#include "paneldefinition.h"
#include "goldenplan.h"
#include "systempaneldefinition.h"

#include <QTest>

#include <functional>

using Build = std::function<void(TPacketList &)>;
Q_DECLARE_METATYPE(Build)

namespace {

const QString kPanelPlans = QStringLiteral(":/golden/panels.txt");
const QString kSystemPanelPlans = QStringLiteral(":/golden/systempanel.txt");

// Frame lengths do not depend on the image bytes; these images are large enough for
// every panel model.
const QByteArray kEeprom(29, '\x11');
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

void addRow(const QByteArray &name, const Build &build, const char *list, const char *base,
            const QString &book = kPanelPlans)
{
    QTest::newRow(name.constData()) << build << book << QString::fromLatin1(list)
                                    << QString::fromLatin1(base);
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
};

void TstGoldenPlans::transfers_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("base");
    addDeviceWrites();
    addDeviceReads();
    addConfiguratorWrites();
    addConfiguratorReads();
    addSystemPanelTransfers();
}

// The built requests, decoded frame by frame, are the table's list, request for request.
void TstGoldenPlans::transfers()
{
    QFETCH(Build, build);
    QFETCH(QString, book);
    QFETCH(QString, list);
    QFETCH(QString, base);
    const golden::PlanBook &tables = plans(book);
    QVERIFY2(tables.error().isEmpty(), qPrintable(tables.error()));
    QString error;
    const golden::Requests expected =
        tables.requests(list, {{QStringLiteral("base"), base}}, &error);
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
    const auto built = [](const TransferPlan &plan) -> Build {
        return [plan](TPacketList &list) { list = planRequests(plan, kEeprom, kMemory).list; };
    };
    addRow("16.64P variant 2 device write", built(definition.deviceWrite(2)), "device-write-64p", kNoBase,
           kSystemPanelPlans);
    for (int baudRate : {9600, 38400})
        addRow("16.64P variant 2 device read at " + number(baudRate), built(definition.deviceRead(2, baudRate)),
               "device-read-64p", kNoBase, kSystemPanelPlans);
}

QTEST_GUILESS_MAIN(TstGoldenPlans)
#include "tst_goldenplans.moc"
