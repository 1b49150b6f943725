// Archive benchmark on SQLite: the time to record one event with both images (a 28-byte
// EEPROM with a 512-byte and with a 4 KB memory image; target under 20 ms), then each search
// over 10,000 sites and 100,000 events (target under 100 ms). The large archive is made
// through the same calls the program uses, one transaction per event. Unless --folder says
// otherwise it goes to /dev/shm where there is one: on a disk the 130,000 commits wait for
// the disk each time and take minutes, while the searches read from the page cache anyway.
#include "sitearchive.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>

namespace {

constexpr double kRecordTargetMs = 20;
constexpr double kSearchTargetMs = 100;
constexpr int kRecordSamples = 200;
constexpr int kSearchRuns = 7;
constexpr quint8 kTypeCodes[] = {0x05, 0x11, 0x21, 0x22, 0x30, 0x31, 0x40};
const char *const kTowns[] = {"Київ", "Львів", "Одеса", "Харків", "Дніпро", "Житомир", "Ужгород", "Чернігів"};
const char *const kStreets[] = {"Хрещатик", "Січових Стрільців", "Шевченка", "Франка", "Соборна", "Лесі Українки"};
const char *const kKinds[] = {"Школа", "Ліцей", "Склад", "ТРЦ", "Лікарня", "Офіс", "Цех", "Готель"};

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

template <typename T, std::size_t N>
QString pick(const T (&list)[N], int n)
{
    return QString::fromUtf8(list[n % N]);
}

struct Figures {
    double median = 0;
    double p95 = 0;
    double max = 0;
};

Figures figuresOf(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms.at(ms.size() / 2), ms.at(ms.size() * 95 / 100), ms.last()};
}

double elapsedMs(const std::function<bool()> &work, bool *ok)
{
    QElapsedTimer timer;
    timer.start();
    *ok = work() && *ok;
    return timer.nsecsElapsed() / 1e6;
}

ArchiveEvent eventFor(DeviceId device, quint8 type, int n, int memorySize)
{
    ArchiveEvent event;
    event.device = device;
    event.kind = EventKind(n % 9);
    event.outcome = EventOutcome(n % 13 == 0 ? 2 : n % 7 == 0 ? 1 : 0);
    event.typeCode = type;
    event.port = QStringLiteral("/dev/ttyUSB0");
    event.eeprom = QByteArray(28, char(n));
    event.memory = QByteArray(memorySize, char(n * 7));
    return event;
}

bool recordTimes(SiteArchive &archive, DeviceId device, int memorySize)
{
    QList<double> ms;
    bool ok = true;
    for (int n = 0; n < kRecordSamples; ++n)
        ms.append(elapsedMs([&] { return archive.record(eventFor(device, 0x21, n, memorySize)).ok(); }, &ok));
    const Figures f = figuresOf(ms);
    out() << QStringLiteral("record, 28 B EEPROM + %1 B memory: median %2 ms, 95% %3 ms, max %4 ms (target < %5 ms)\n")
                 .arg(memorySize).arg(f.median, 0, 'f', 2).arg(f.p95, 0, 'f', 2).arg(f.max, 0, 'f', 2).arg(kRecordTargetMs);
    return ok;
}

// Sites with one to three devices each, then events spread over every device and two years.
bool generate(SiteArchive &archive, int sites, int events)
{
    QList<QPair<DeviceId, quint8>> devices;
    for (int s = 0; s < sites; ++s) {
        const SiteInfo info{QStringLiteral("%1 №%2").arg(pick(kKinds, s)).arg(s),
                            QStringLiteral("м. %1, вул. %2, %3").arg(pick(kTowns, s / 3), pick(kStreets, s / 5)).arg(s % 200)};
        const ArchiveResult<SiteId> site = archive.addSite(info);
        for (int d = 0; site.ok() && d <= s % 3; ++d) {
            const quint8 type = kTypeCodes[(s + d) % std::size(kTypeCodes)];
            const QString object = QStringLiteral("%1").arg((s * 3 + d) % 0x10000, 4, 16, QLatin1Char('0')).toUpper();
            const ArchiveResult<DeviceId> device = archive.addDevice({site.value, type, 1, object});
            if (!device.ok())
                return false;
            devices.append({device.value, type});
        }
        if (!site.ok())
            return false;
    }
    const qint64 start = QDateTime(QDate(2023, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    const qint64 step = 2LL * 365 * 24 * 3600 * 1000 / qMax(events, 1);
    for (int n = 0; n < events; ++n) {
        const auto &[device, type] = devices.at((n * 7919) % devices.size());
        ArchiveEvent event = eventFor(device, type, n, 512);
        event.at = QDateTime::fromMSecsSinceEpoch(start + n * step, Qt::UTC);
        if (!archive.record(event).ok())
            return false;
        if ((n + 1) % 10000 == 0)
            out() << "  " << (n + 1) << " events\n" << Qt::flush;
    }
    return true;
}

struct Search {
    const char *name;
    std::function<bool(SiteArchive &)> run;
};

bool timeSearches(SiteArchive &archive)
{
    const QDateTime from(QDate(2024, 3, 1), QTime(0, 0), Qt::UTC);
    const Search searches[] = {
        {"sites by name part (\"ліцей №12\")", [](SiteArchive &a) { return a.findSites({QStringLiteral("ліцей №12")}).ok(); }},
        {"sites by street (\"СІЧОВИХ\")", [](SiteArchive &a) { return a.findSites({QStringLiteral("СІЧОВИХ")}).ok(); }},
        {"sites by object number", [](SiteArchive &a) { return a.findSites({{}, QStringLiteral("0A1B")}).ok(); }},
        {"device match", [](SiteArchive &a) { return a.matchDevice(0x21, QStringLiteral("0A1B")).ok(); }},
        {"newest 100 events", [](SiteArchive &a) { return a.findEvents({}).ok(); }},
        {"events by object number", [](SiteArchive &a) { return a.findEvents({{}, QStringLiteral("0A1B")}).ok(); }},
        {"events by site text", [](SiteArchive &a) { return a.findEvents({QStringLiteral("житомир")}).ok(); }},
        {"events by type, month, outcome",
         [from](SiteArchive &a) { return a.findEvents({{}, {}, 0x21, from, from.addMonths(1), EventOutcome::Failed}).ok(); }},
        {"events by type, page 50",
         [](SiteArchive &a) { return a.findEvents({{}, {}, 0x30, {}, {}, {}, 5000, 100}).ok(); }},
        {"device history", [](SiteArchive &a) { return a.history(1, 0, 100).ok(); }},
    };
    bool ok = true;
    for (const Search &search : searches) {
        QList<double> ms;
        for (int n = 0; n < kSearchRuns; ++n)
            ms.append(elapsedMs([&] { return search.run(archive); }, &ok));
        const Figures f = figuresOf(ms);
        out() << QStringLiteral("search, %1: median %2 ms, max %3 ms (target < %4 ms)\n")
                     .arg(QString::fromUtf8(search.name)).arg(f.median, 0, 'f', 2).arg(f.max, 0, 'f', 2).arg(kSearchTargetMs);
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption sites(QStringLiteral("sites"), QStringLiteral("Sites to make."), QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption events(QStringLiteral("events"), QStringLiteral("Events to make."), QStringLiteral("N"), QStringLiteral("100000"));
    const QCommandLineOption folder(QStringLiteral("folder"), QStringLiteral("Where the archives go (default: a temporary folder)."),
                                    QStringLiteral("DIR"));
    parser.addOptions({sites, events, folder});
    parser.process(app);
    QTemporaryDir temporary;
    QTemporaryDir inMemory(QStringLiteral("/dev/shm/archive_bench-XXXXXX"));
    const QDir dir(parser.isSet(folder) ? parser.value(folder) : temporary.path());
    const QDir searchDir(parser.isSet(folder) || !inMemory.isValid() ? dir.path() : inMemory.path());

    ArchiveResult<std::unique_ptr<SiteArchive>> small = SiteArchive::open(ArchiveLocation::file(dir.filePath(QStringLiteral("record.sqlite"))));
    ArchiveResult<std::unique_ptr<SiteArchive>> large = SiteArchive::open(ArchiveLocation::file(searchDir.filePath(QStringLiteral("search.sqlite"))));
    if (!small.ok() || !large.ok()) {
        out() << (small.ok() ? large : small).error.message << '\n';
        return 1;
    }
    const DeviceId device = small.value->addDevice({small.value->addSite({QStringLiteral("Стенд")}).value, 0x21, 2, QStringLiteral("0001")}).value;
    bool ok = recordTimes(*small.value, device, 512) && recordTimes(*small.value, device, 4096);

    QElapsedTimer generation;
    generation.start();
    out() << "making " << parser.value(sites) << " sites and " << parser.value(events) << " events\n" << Qt::flush;
    ok = ok && generate(*large.value, parser.value(sites).toInt(), parser.value(events).toInt());
    out() << QStringLiteral("made in %1 s\n").arg(generation.elapsed() / 1000.0, 0, 'f', 1);
    ok = ok && timeSearches(*large.value);
    if (!ok)
        out() << "an archive call failed\n";
    return ok ? 0 : 1;
}
