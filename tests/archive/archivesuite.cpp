// The fixture below is the hand-worked table the query rows are checked against:
//
//   site  name                 address                            archived
//   S1    Школа №5             м. Київ, вул. Хрещатик, 1
//   S2    ТРЦ «Океан»          м. Львів, просп. Свободи, 10
//   S3    Будинок обʼєднання   смт Ворзель, вул. Київська, 3      (U+02BC in the name)
//   S4    Склад 100%           Kyiv, Main st 5
//   S5    Старий офіс          м. Київ, вул. Січових Стрільців, 7  yes
//   S6    Цех                  вул. Заводська, 100
//   Sorted by name: S3 S4 S5 S2 S6 S1 (б < ск < ст < т < ц < ш).
//
//   device  site  type  object        event  device  kind / outcome            time (UTC, 2024-03-..)
//   D1      S1    0x21  0A1B          e1     D1      read / done               01 10:00
//   D2      S1    0x05  0C00          e2     D1      write / done              02 10:00
//   D3      S2    0x21  0a1b (typed)  e3     D1      compare / differs         03 10:00
//   D4      S3    0x05  1234          e4     D2      read / failed             02 12:00
//   D5      S5    0x21  7777          e5     D3      checked write / done      04 09:00
//   D6      S6    0x30  0A1B          e6     D4      read / cancelled          05 08:00
//                                     e7     none    file opened / done, 0x21  06 00:00
//                                     e8     D6      read / done               01 23:59:59.999
//                                     e9     D1      slot read / done          03 10:00 (after e3)
//   Newest first: e7 e6 e5 e9 e3 e4 e2 e8 e1.
#include "archivesuite.h"

#include "archivetesting.h"
#include "migrations.h"

#include <QThread>

using namespace archivetesting;
using Code = ArchiveError::Code;
using Attempt = std::function<ArchiveError(SiteArchive &)>;
using Migrations = QList<Migration>;

Q_DECLARE_METATYPE(Attempt)
Q_DECLARE_METATYPE(Migrations)

namespace {

constexpr int kNoType = -1;
constexpr int kMissingId = 999999;

std::optional<quint8> typeOf(int code)
{
    return code == kNoType ? std::nullopt : std::optional<quint8>(quint8(code));
}

ArchiveEvent fixtureEvent(DeviceId device, EventKind kind, EventOutcome outcome, const char *at, quint8 type,
                          const QString &label)
{
    ArchiveEvent event;
    event.device = device;
    event.kind = kind;
    event.outcome = outcome;
    event.at = utc(at);
    event.typeCode = type;
    event.port = label;
    return event;
}

} // namespace

std::unique_ptr<SiteArchive> TstArchiveSuite::openFresh(ArchiveLocation *location)
{
    const ArchiveLocation where = m_backend.freshLocation();
    if (location)
        *location = where;
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(where, {QStringLiteral("тест"), QStringLiteral("стенд")});
    if (!opened.ok())
        qWarning("open: %s", qPrintable(opened.error.message));
    return std::move(opened.value);
}

void TstArchiveSuite::initTestCase()
{
    if (!m_backend.skipReason().isEmpty())
        QSKIP(qPrintable(m_backend.skipReason()));
    QVERIFY2(m_backend.failure().isEmpty(), qPrintable(m_backend.failure()));
    m_fixture = openFresh();
    QVERIFY(m_fixture);
    buildFixture();
}

void TstArchiveSuite::buildFixture()
{
    const struct { const char *label, *name, *address; bool archived; } sites[] = {
        {"S1", "Школа №5", "м. Київ, вул. Хрещатик, 1", false},
        {"S2", "ТРЦ «Океан»", "м. Львів, просп. Свободи, 10", false},
        {"S3", "Будинок обʼєднання", "смт Ворзель, вул. Київська, 3", false},
        {"S4", "Склад 100%", "Kyiv, Main st 5", false},
        {"S5", "Старий офіс", "м. Київ, вул. Січових Стрільців, 7", true},
        {"S6", "Цех", "вул. Заводська, 100", false},
    };
    for (const auto &s : sites) {
        const ArchiveResult<SiteId> id = m_fixture->addSite({QString::fromUtf8(s.name), QString::fromUtf8(s.address)});
        ARCHIVE_VERIFY(id);
        m_sites.insert(QString::fromLatin1(s.label), id.value);
        if (s.archived)
            ARCHIVE_NO_ERROR(m_fixture->setSiteArchived(id.value, true));
    }
    const struct { const char *label, *site; quint8 type, variant; const char *object; } devices[] = {
        {"D1", "S1", 0x21, 2, "0A1B"}, {"D2", "S1", 0x05, 1, "0C00"}, {"D3", "S2", 0x21, 2, "0a1b"},
        {"D4", "S3", 0x05, 1, "1234"}, {"D5", "S5", 0x21, 2, "7777"}, {"D6", "S6", 0x30, 0, "0A1B"},
    };
    for (const auto &d : devices) {
        const ArchiveResult<DeviceId> id = m_fixture->addDevice(
            {m_sites.value(QString::fromLatin1(d.site)), d.type, d.variant, QString::fromLatin1(d.object)});
        ARCHIVE_VERIFY(id);
        m_devices.insert(QString::fromLatin1(d.label), id.value);
    }
    const auto device = [this](const char *label) { return m_devices.value(QString::fromLatin1(label)); };
    const ArchiveEvent events[] = {
        fixtureEvent(device("D1"), EventKind::Read, EventOutcome::Done, "2024-03-01T10:00:00Z", 0x21, QStringLiteral("e1")),
        fixtureEvent(device("D1"), EventKind::Write, EventOutcome::Done, "2024-03-02T10:00:00Z", 0x21, QStringLiteral("e2")),
        fixtureEvent(device("D1"), EventKind::Compare, EventOutcome::Differs, "2024-03-03T10:00:00Z", 0x21, QStringLiteral("e3")),
        fixtureEvent(device("D2"), EventKind::Read, EventOutcome::Failed, "2024-03-02T12:00:00Z", 0x05, QStringLiteral("e4")),
        fixtureEvent(device("D3"), EventKind::CheckedWrite, EventOutcome::Done, "2024-03-04T09:00:00Z", 0x21, QStringLiteral("e5")),
        fixtureEvent(device("D4"), EventKind::Read, EventOutcome::Cancelled, "2024-03-05T08:00:00Z", 0x05, QStringLiteral("e6")),
        fixtureEvent(0, EventKind::FileOpened, EventOutcome::Done, "2024-03-06T00:00:00Z", 0x21, QStringLiteral("e7")),
        fixtureEvent(device("D6"), EventKind::Read, EventOutcome::Done, "2024-03-01T23:59:59.999Z", 0x30, QStringLiteral("e8")),
        fixtureEvent(device("D1"), EventKind::SlotRead, EventOutcome::Done, "2024-03-03T10:00:00Z", 0x21, QStringLiteral("e9")),
    };
    for (const ArchiveEvent &event : events)
        ARCHIVE_VERIFY(m_fixture->record(event));
}

QStringList TstArchiveSuite::siteLabels(const QList<SiteRecord> &sites) const
{
    QStringList labels;
    for (const SiteRecord &site : sites)
        labels.append(m_sites.key(site.id, QStringLiteral("?")));
    return labels;
}

QStringList TstArchiveSuite::eventLabels(const QList<EventRecord> &events) const
{
    QStringList labels;
    for (const EventRecord &event : events)
        labels.append(event.event.port);
    return labels;
}

void TstArchiveSuite::findSites_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("objectNumber");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<bool>("includeArchived");
    QTest::addColumn<QStringList>("expected");

    const QString none;
    QTest::newRow("lower-case Cyrillic finds name and address") << QStringLiteral("київ") << none << kNoType << false << QStringList{"S3", "S1"};
    QTest::newRow("upper-case Cyrillic with Ї") << QStringLiteral("КИЇВ") << none << kNoType << false << QStringList{"S3", "S1"};
    QTest::newRow("typed apostrophe finds modifier letter") << QStringLiteral("ОБ'ЄДНАННЯ") << none << kNoType << false << QStringList{"S3"};
    QTest::newRow("right quote finds modifier letter") << QStringLiteral("об’єднання") << none << kNoType << false << QStringList{"S3"};
    QTest::newRow("inside guillemets") << QStringLiteral("океан") << none << kNoType << false << QStringList{"S2"};
    QTest::newRow("percent sign is literal") << QStringLiteral("100%") << none << kNoType << false << QStringList{"S4"};
    QTest::newRow("underscore is literal") << QStringLiteral("_") << none << kNoType << false << QStringList{};
    QTest::newRow("Latin in any case") << QStringLiteral("MAIN ST") << none << kNoType << false << QStringList{"S4"};
    QTest::newRow("archived site on request") << QStringLiteral("київ") << none << kNoType << true << QStringList{"S3", "S5", "S1"};
    QTest::newRow("everything") << none << none << kNoType << true << QStringList{"S3", "S4", "S5", "S2", "S6", "S1"};
    QTest::newRow("everything not archived") << none << none << kNoType << false << QStringList{"S3", "S4", "S2", "S6", "S1"};
    QTest::newRow("object number in any case") << none << QStringLiteral("0a1b") << kNoType << false << QStringList{"S2", "S6", "S1"};
    QTest::newRow("object number and type") << none << QStringLiteral("0A1B") << 0x21 << false << QStringList{"S2", "S1"};
    QTest::newRow("type alone") << none << none << 0x05 << false << QStringList{"S3", "S1"};
    QTest::newRow("device of archived site hidden") << none << QStringLiteral("7777") << kNoType << false << QStringList{};
    QTest::newRow("device of archived site on request") << none << QStringLiteral("7777") << kNoType << true << QStringList{"S5"};
    QTest::newRow("text and type") << QStringLiteral("київ") << none << 0x21 << false << QStringList{"S1"};
}

void TstArchiveSuite::findSites()
{
    QFETCH(QString, text);
    QFETCH(QString, objectNumber);
    QFETCH(int, typeCode);
    QFETCH(bool, includeArchived);
    QFETCH(QStringList, expected);

    const ArchiveResult<QList<SiteRecord>> found = m_fixture->findSites({text, objectNumber, typeOf(typeCode), includeArchived});
    ARCHIVE_VERIFY(found);
    QCOMPARE(siteLabels(found.value), expected);
}

void TstArchiveSuite::findEvents_data()
{
    QTest::addColumn<QString>("siteText");
    QTest::addColumn<QString>("objectNumber");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("expected");

    const QString none;
    const QDateTime open;
    const int any = -1;
    const int done = int(EventOutcome::Done);
    const int differs = int(EventOutcome::Differs);
    QTest::newRow("all, newest first") << none << none << kNoType << open << open << any << 0 << 100
                                       << QStringList{"e7", "e6", "e5", "e9", "e3", "e4", "e2", "e8", "e1"};
    QTest::newRow("object number") << none << QStringLiteral("0A1B") << kNoType << open << open << any << 0 << 100
                                   << QStringList{"e5", "e9", "e3", "e2", "e8", "e1"};
    QTest::newRow("object number and type") << none << QStringLiteral("0a1b") << 0x21 << open << open << any << 0 << 100
                                            << QStringList{"e5", "e9", "e3", "e2", "e1"};
    QTest::newRow("type takes unmatched events too") << none << none << 0x21 << open << open << any << 0 << 100
                                                     << QStringList{"e7", "e5", "e9", "e3", "e2", "e1"};
    QTest::newRow("other type") << none << none << 0x05 << open << open << any << 0 << 100 << QStringList{"e6", "e4"};
    QTest::newRow("start inclusive, end exclusive") << none << none << kNoType << utc("2024-03-02T00:00:00Z")
                                                    << utc("2024-03-03T10:00:00Z") << any << 0 << 100 << QStringList{"e4", "e2"};
    QTest::newRow("last millisecond of a day") << none << none << kNoType << utc("2024-03-01T00:00:00Z")
                                               << utc("2024-03-02T00:00:00Z") << any << 0 << 100 << QStringList{"e8", "e1"};
    QTest::newRow("outcome") << none << none << kNoType << open << open << differs << 0 << 100 << QStringList{"e3"};
    QTest::newRow("outcome and type") << none << none << 0x21 << open << open << done << 0 << 100
                                      << QStringList{"e7", "e5", "e9", "e2", "e1"};
    QTest::newRow("site text") << QStringLiteral("КИЇВ") << none << kNoType << open << open << any << 0 << 100
                               << QStringList{"e6", "e9", "e3", "e4", "e2", "e1"};
    QTest::newRow("a page") << none << none << kNoType << open << open << any << 2 << 3 << QStringList{"e5", "e9", "e3"};
    QTest::newRow("a page past the end") << none << none << kNoType << open << open << any << 9 << 5 << QStringList{};
}

void TstArchiveSuite::findEvents()
{
    QFETCH(QString, siteText);
    QFETCH(QString, objectNumber);
    QFETCH(int, typeCode);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(int, outcome);
    QFETCH(int, offset);
    QFETCH(int, limit);
    QFETCH(QStringList, expected);

    EventQuery query{siteText, objectNumber, typeOf(typeCode), from, to, std::nullopt, offset, limit};
    if (outcome >= 0)
        query.outcome = EventOutcome(outcome);
    const ArchiveResult<QList<EventRecord>> found = m_fixture->findEvents(query);
    ARCHIVE_VERIFY(found);
    QCOMPARE(eventLabels(found.value), expected);
}

void TstArchiveSuite::history_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("whole, same time newest recorded first") << "D1" << 0 << 10 << QStringList{"e9", "e3", "e2", "e1"};
    QTest::newRow("middle page") << "D1" << 1 << 2 << QStringList{"e3", "e2"};
    QTest::newRow("past the end") << "D1" << 4 << 5 << QStringList{};
    QTest::newRow("one of one") << "D2" << 0 << 1 << QStringList{"e4"};
    QTest::newRow("device without events") << "D5" << 0 << 10 << QStringList{};
}

void TstArchiveSuite::history()
{
    QFETCH(QString, device);
    QFETCH(int, offset);
    QFETCH(int, limit);
    QFETCH(QStringList, expected);

    const ArchiveResult<QList<EventRecord>> events = m_fixture->history(m_devices.value(device), offset, limit);
    ARCHIVE_VERIFY(events);
    QCOMPARE(eventLabels(events.value), expected);
}

void TstArchiveSuite::matchDevice_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<QString>("objectNumber");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("two sites, one number") << 0x21 << QStringLiteral("0A1B") << QStringList{"D1", "D3"};
    QTest::newRow("typed lower case with spaces") << 0x21 << QStringLiteral(" 0a1b ") << QStringList{"D1", "D3"};
    QTest::newRow("same number, other model") << 0x30 << QStringLiteral("0A1B") << QStringList{"D6"};
    QTest::newRow("none") << 0x05 << QStringLiteral("0A1B") << QStringList{};
    QTest::newRow("on an archived site") << 0x21 << QStringLiteral("7777") << QStringList{"D5"};
}

void TstArchiveSuite::matchDevice()
{
    QFETCH(int, typeCode);
    QFETCH(QString, objectNumber);
    QFETCH(QStringList, expected);

    const ArchiveResult<QList<DeviceRecord>> found = m_fixture->matchDevice(quint8(typeCode), objectNumber);
    ARCHIVE_VERIFY(found);
    QStringList labels;
    for (const DeviceRecord &device : found.value)
        labels.append(m_devices.key(device.id));
    QCOMPARE(labels, expected);
}

void TstArchiveSuite::refusedInput_data()
{
    QTest::addColumn<Attempt>("attempt");
    QTest::addColumn<Code>("expected");

    const SiteId s1 = m_sites.value(QStringLiteral("S1"));
    const DeviceId d1 = m_devices.value(QStringLiteral("D1"));
    ArchiveEvent huge;
    huge.eeprom = QByteArray(1024 * 1024 + 1, '\0');
    const EventQuery longPage{{}, {}, {}, {}, {}, {}, 0, SiteArchive::kMaxPageSize + 1};

    QTest::newRow("site without a name") << Attempt([](SiteArchive &a) { return a.addSite({QStringLiteral("  ")}).error; }) << Code::EmptyName;
    QTest::newRow("site renamed to nothing") << Attempt([=](SiteArchive &a) { return a.updateSite(s1, {}); }) << Code::EmptyName;
    QTest::newRow("device without object number")
        << Attempt([=](SiteArchive &a) { return a.addDevice({s1, 1, 0, QStringLiteral(" ")}).error; }) << Code::EmptyObjectNumber;
    QTest::newRow("device on a missing site")
        << Attempt([](SiteArchive &a) { return a.addDevice({kMissingId, 1, 0, QStringLiteral("0001")}).error; }) << Code::NotFound;
    QTest::newRow("missing site edited") << Attempt([](SiteArchive &a) { return a.updateSite(kMissingId, {QStringLiteral("x")}); }) << Code::NotFound;
    QTest::newRow("missing device archived") << Attempt([](SiteArchive &a) { return a.setDeviceArchived(kMissingId, true); }) << Code::NotFound;
    QTest::newRow("negative offset") << Attempt([=](SiteArchive &a) { return a.history(d1, -1, 10).error; }) << Code::BadPaging;
    QTest::newRow("empty page") << Attempt([=](SiteArchive &a) { return a.history(d1, 0, 0).error; }) << Code::BadPaging;
    QTest::newRow("page over the limit") << Attempt([=](SiteArchive &a) { return a.findEvents(longPage).error; }) << Code::BadPaging;
    QTest::newRow("image over the limit") << Attempt([=](SiteArchive &a) { return a.record(huge).error; }) << Code::ImageTooLarge;
    QTest::newRow("event given a missing device") << Attempt([](SiteArchive &a) { return a.attachEvent(1, kMissingId); }) << Code::NotFound;
    QTest::newRow("missing event given a device") << Attempt([=](SiteArchive &a) { return a.attachEvent(kMissingId, d1); }) << Code::NotFound;
    QTest::newRow("missing event exported") << Attempt([](SiteArchive &a) { return a.exportSettings(kMissingId).error; }) << Code::NotFound;
}

void TstArchiveSuite::refusedInput()
{
    QFETCH(Attempt, attempt);
    QFETCH(Code, expected);

    const ArchiveError error = attempt(*m_fixture);
    QCOMPARE(error.code, expected);
    QVERIFY(!error.message.isEmpty());
    // Nothing of a refused call is stored.
    QCOMPARE(m_fixture->findSites({{}, {}, {}, true}).value.size(), 6);
    QCOMPARE(m_fixture->findEvents({}).value.size(), 9);
}

void TstArchiveSuite::eventRoundTrip()
{
    const std::unique_ptr<SiteArchive> archive = openFresh();
    QVERIFY(archive);
    const SiteId site = archive->addSite({QStringLiteral("Ліцей")}).value;
    const DeviceId device = archive->addDevice({site, 0x21, 2, QStringLiteral("0A1B")}).value;

    ArchiveEvent full;
    full.uuid = QUuid::fromString(QStringLiteral("6f1c2a9e-3b7d-4e2a-9c51-0d8e7f6a5b43"));
    full.device = device;
    full.kind = EventKind::CheckedWrite;
    full.at = QDateTime(QDate(2024, 5, 6), QTime(10, 8, 9, 123), Qt::OffsetFromUTC, 3 * 3600);
    full.port = QStringLiteral("/dev/ttyUSB0");
    full.author = {QStringLiteral("Оксана"), QStringLiteral("ноутбук-2")};
    full.outcome = EventOutcome::Differs;
    full.typeCode = 0x21;
    full.variant = 2;
    full.eeprom = kCheckDigits;
    full.memory = kFox;
    full.differences = {{QStringLiteral("Зона 1"), QStringLiteral("Тип"), QStringLiteral("Пожежна"), QStringLiteral("Охоронна")},
                        {QStringLiteral("GSM"), QStringLiteral("APN"), QString(), QStringLiteral("internet")}};
    full.filePath = QStringLiteral("/home/оксана/об’єкти/школа.vau");
    ArchiveEvent bare;
    bare.device = device;
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    ArchiveEvent binary;
    binary.eeprom = everyByte;
    binary.memory = QByteArray(everyByte).repeated(16);

    const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-1);
    const ArchiveResult<RecordReceipt> fullId = archive->record(full);
    const ArchiveResult<RecordReceipt> bareId = archive->record(bare);
    const ArchiveResult<RecordReceipt> binaryId = archive->record(binary);
    ARCHIVE_VERIFY(fullId);
    ARCHIVE_VERIFY(bareId);
    ARCHIVE_VERIFY(binaryId);
    QCOMPARE(fullId.value.uuid, full.uuid);
    QVERIFY(!fullId.value.queued);

    const ArchiveResult<EventRecord> a = archive->event(fullId.value.id);
    ARCHIVE_VERIFY(a);
    QCOMPARE(a.value.event.uuid, full.uuid);
    QCOMPARE(a.value.event.at, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 123), Qt::UTC));
    QCOMPARE(a.value.event.kind, EventKind::CheckedWrite);
    QCOMPARE(a.value.event.outcome, EventOutcome::Differs);
    QCOMPARE(a.value.event.port, full.port);
    QCOMPARE(a.value.event.author, full.author);
    QCOMPARE(a.value.event.typeCode, quint8(0x21));
    QCOMPARE(a.value.event.variant, quint8(2));
    QCOMPARE(a.value.event.eeprom, kCheckDigits);
    QCOMPARE(a.value.event.memory, kFox);
    QCOMPARE(a.value.eepromCrc, kCheckDigitsCrc);
    QCOMPARE(a.value.memoryCrc, kFoxCrc);
    QCOMPARE(a.value.event.differences, full.differences);
    QCOMPARE(a.value.event.filePath, full.filePath);
    QCOMPARE(a.value.damage, QString());

    const ArchiveResult<EventRecord> b = archive->event(bareId.value.id);
    ARCHIVE_VERIFY(b);
    QVERIFY(!b.value.event.uuid.isNull());
    QVERIFY(b.value.event.at >= before && b.value.event.at <= QDateTime::currentDateTimeUtc());
    QCOMPARE(b.value.event.author, Author({QStringLiteral("тест"), QStringLiteral("стенд")}));
    QVERIFY(b.value.event.eeprom.isEmpty() && b.value.event.memory.isEmpty());
    QCOMPARE(b.value.eepromCrc, 0u);

    const ArchiveResult<EventRecord> c = archive->event(binaryId.value.id);
    ARCHIVE_VERIFY(c);
    QCOMPARE(c.value.event.device, DeviceId(0));
    QCOMPARE(c.value.event.eeprom, binary.eeprom);
    QCOMPARE(c.value.event.memory, binary.memory);
    QCOMPARE(c.value.damage, QString());
}

void TstArchiveSuite::sameEventStoredOnce()
{
    const std::unique_ptr<SiteArchive> archive = openFresh();
    QVERIFY(archive);
    const SiteId site = archive->addSite({QStringLiteral("Ліцей")}).value;
    ArchiveEvent event;
    event.uuid = QUuid::createUuid();
    event.device = archive->addDevice({site, 0x21, 2, QStringLiteral("0A1B")}).value;
    event.port = QStringLiteral("first");
    const ArchiveResult<RecordReceipt> first = archive->record(event);
    event.port = QStringLiteral("again");
    const ArchiveResult<RecordReceipt> again = archive->record(event);
    ARCHIVE_VERIFY(first);
    ARCHIVE_VERIFY(again);
    QCOMPARE(again.value.id, first.value.id);
    QCOMPARE(eventLabels(archive->history(event.device, 0, 10).value), QStringList{"first"});
}

void TstArchiveSuite::storedEvents_data()
{
    QTest::addColumn<bool>("withEeprom");
    QTest::addColumn<bool>("withMemory");
    QTest::addColumn<QString>("tamper");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<Code>("exportCode");
    QTest::addColumn<bool>("flagged");
    QTest::addColumn<Code>("historyCode");

    const QString none;
    QTest::newRow("intact") << true << true << none << QVariant() << Code::None << false << Code::None;
    QTest::newRow("no memory image") << true << false << none << QVariant() << Code::NoConfiguration << false << Code::None;
    QTest::newRow("no EEPROM image, as the 2/4 keeps none") << false << true << none << QVariant() << Code::None << false << Code::None;
    QTest::newRow("EEPROM byte changed") << true << true << QStringLiteral("UPDATE events SET eeprom = :value")
                                         << QVariant(QByteArrayLiteral("123456780")) << Code::Damaged << true << Code::None;
    QTest::newRow("CRC changed") << true << true << QStringLiteral("UPDATE events SET memory_crc = :value") << QVariant(1)
                                 << Code::Damaged << true << Code::None;
    QTest::newRow("differences not JSON") << true << true << QStringLiteral("UPDATE events SET differences = :value")
                                          << QVariant(QStringLiteral("[{\"group\":")) << Code::Damaged << true << Code::None;
    QTest::newRow("differences of wrong shape") << true << true << QStringLiteral("UPDATE events SET differences = :value")
                                                << QVariant(QStringLiteral("[{\"group\":1}]")) << Code::Damaged << true << Code::None;
    QTest::newRow("unknown kind") << true << true << QStringLiteral("UPDATE events SET kind = :value") << QVariant(QStringLiteral("teleport"))
                                  << Code::Damaged << false << Code::Damaged;
    QTest::newRow("unknown outcome") << true << true << QStringLiteral("UPDATE events SET outcome = :value") << QVariant(QStringLiteral("maybe"))
                                     << Code::Damaged << false << Code::Damaged;
}

void TstArchiveSuite::storedEvents()
{
    QFETCH(bool, withEeprom);
    QFETCH(bool, withMemory);
    QFETCH(QString, tamper);
    QFETCH(QVariant, value);
    QFETCH(Code, exportCode);
    QFETCH(bool, flagged);
    QFETCH(Code, historyCode);

    ArchiveLocation location;
    const std::unique_ptr<SiteArchive> archive = openFresh(&location);
    QVERIFY(archive);
    ArchiveEvent event;
    event.device = archive->addDevice({archive->addSite({QStringLiteral("Ліцей")}).value, 0x21, 2, QStringLiteral("0A1B")}).value;
    event.typeCode = 0x21;
    event.variant = 0x02;
    event.eeprom = withEeprom ? kCheckDigits : QByteArray();
    event.memory = withMemory ? kFox : QByteArray();
    const EventId id = archive->record(event).value.id;
    QVERIFY(id);
    if (!tamper.isEmpty())
        ARCHIVE_NO_ERROR(rawConnection(location)->run(tamper, {{QStringLiteral("value"), value}}));

    const ArchiveResult<SettingsExport> exported = archive->exportSettings(id);
    QCOMPARE(exported.error.code, exportCode);
    if (exported.ok())
        QCOMPARE(exported.value.fileBytes(), QByteArrayLiteral("\x21\x02") + event.eeprom + kFox);
    const ArchiveResult<QList<EventRecord>> history = archive->history(event.device, 0, 10);
    QCOMPARE(history.error.code, historyCode);
    if (history.ok()) {
        QCOMPARE(history.value.size(), 1);
        QCOMPARE(!history.value.first().damage.isEmpty(), flagged);
    }
}

void TstArchiveSuite::editingAndArchiving()
{
    ArchiveLocation location;
    const std::unique_ptr<SiteArchive> first = openFresh(&location);
    QVERIFY(first);
    const Author other{QStringLiteral("Богдан"), QStringLiteral("пк-2")};
    const ArchiveResult<std::unique_ptr<SiteArchive>> second = SiteArchive::open(location, other);
    ARCHIVE_VERIFY(second);
    const SiteId site = first->addSite({QStringLiteral("Школа №5"), QStringLiteral("м. Київ")}).value;
    ARCHIVE_NO_ERROR(second.value->updateSite(site, {QStringLiteral("Ліцей №5"), QStringLiteral("м. Київ")}));

    const SiteRecord edited = first->site(site).value;
    QCOMPARE(edited.info.name, QStringLiteral("Ліцей №5"));
    QCOMPARE(edited.created.author.operatorName, QStringLiteral("тест"));
    QCOMPARE(edited.changed.author, other);
    QCOMPARE(first->findSites({QStringLiteral("школа")}).value.size(), 0);
    QCOMPARE(first->findSites({QStringLiteral("ЛІЦЕЙ")}).value.size(), 1);

    ARCHIVE_NO_ERROR(first->setSiteArchived(site, true));
    QCOMPARE(first->findSites({QStringLiteral("ліцей")}).value.size(), 0);
    const QList<SiteRecord> hidden = first->findSites({QStringLiteral("ліцей"), {}, {}, true}).value;
    QCOMPARE(hidden.size(), 1);
    QVERIFY(hidden.first().archived);
    ARCHIVE_NO_ERROR(first->setSiteArchived(site, false));
    QCOMPARE(first->findSites({QStringLiteral("ліцей")}).value.size(), 1);

    const DeviceId device = first->addDevice({site, 0x21, 2, QStringLiteral("0a1b"), QStringLiteral("щит 2, поверх 1")}).value;
    ARCHIVE_NO_ERROR(first->updateDevice(device, QStringLiteral("щит 3"), QStringLiteral("замінено")));
    const DeviceRecord moved = first->device(device).value;
    QCOMPARE(moved.info.place, QStringLiteral("щит 3"));
    QCOMPARE(moved.info.objectNumber, QStringLiteral("0A1B"));
    ARCHIVE_NO_ERROR(first->setDeviceArchived(device, true));
    QCOMPARE(first->devices(site).value.size(), 0);
    QCOMPARE(first->devices(site, true).value.size(), 1);
}

void TstArchiveSuite::attachEvent()
{
    const std::unique_ptr<SiteArchive> archive = openFresh();
    QVERIFY(archive);
    const SiteId site = archive->addSite({QStringLiteral("Ліцей")}).value;
    const DeviceId one = archive->addDevice({site, 0x21, 2, QStringLiteral("0001")}).value;
    const DeviceId two = archive->addDevice({site, 0x21, 2, QStringLiteral("0002")}).value;
    ArchiveEvent opened;
    opened.kind = EventKind::FileOpened;
    opened.port = QStringLiteral("file");
    const EventId event = archive->record(opened).value.id;

    ARCHIVE_NO_ERROR(archive->attachEvent(event, one));
    QCOMPARE(archive->attachEvent(event, two).code, Code::AlreadyMatched);
    QCOMPARE(eventLabels(archive->history(one, 0, 10).value), QStringList{"file"});
    QCOMPARE(archive->history(two, 0, 10).value.size(), 0);
}

void TstArchiveSuite::migrationSteps_data()
{
    QTest::addColumn<Migrations>("steps");
    QTest::addColumn<Code>("expected");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("hasRegion");

    const QString addRegion = QStringLiteral("ALTER TABLE sites ADD COLUMN region TEXT NOT NULL DEFAULT ''");
    const Migration region{2, {addRegion}};
    QTest::newRow("two steps forward") << Migrations{region, {3, {QStringLiteral("CREATE INDEX sites_region ON sites (region)")}}}
                                       << Code::None << 3 << true;
    QTest::newRow("failing step leaves no trace")
        << Migrations{{2, {addRegion, QStringLiteral("INSERT INTO no_such_table VALUES (1)")}}} << Code::QueryFailed << 1 << false;
    QTest::newRow("later failing step keeps the earlier")
        << Migrations{region, {3, {QStringLiteral("CREATE INDEX broken ON no_such_table (x)")}}} << Code::QueryFailed << 2 << true;
}

void TstArchiveSuite::migrationSteps()
{
    QFETCH(Migrations, steps);
    QFETCH(Code, expected);
    QFETCH(int, version);
    QFETCH(bool, hasRegion);

    ArchiveLocation location;
    std::unique_ptr<SiteArchive> archive = openFresh(&location);
    QVERIFY(archive);
    ARCHIVE_VERIFY(archive->addSite({QStringLiteral("Школа")}));
    archive.reset();

    const std::unique_ptr<ArchiveConnection> connection = rawConnection(location);
    const Migrations all = archiveMigrations() + steps;
    QCOMPARE(prepareSchema(*connection, all, {}).code, expected);
    QCOMPARE(schemaVersion(*connection).value, version);
    QCOMPARE(connection->number(QStringLiteral("SELECT count(*) FROM sites")).value, qint64(1));
    QCOMPARE(connection->run(QStringLiteral("SELECT region FROM sites")).isError(), !hasRegion);
    if (expected == Code::None) {
        ARCHIVE_NO_ERROR(prepareSchema(*connection, all, {}));
        QCOMPARE(connection->number(QStringLiteral("SELECT count(*) FROM archive_schema")).value, qint64(version));
    }
}

void TstArchiveSuite::newerSchemaRefused()
{
    ArchiveLocation location;
    std::unique_ptr<SiteArchive> archive = openFresh(&location);
    QVERIFY(archive);
    ARCHIVE_VERIFY(archive->addSite({QStringLiteral("Школа")}));
    archive.reset();
    const std::unique_ptr<ArchiveConnection> connection = rawConnection(location);
    ARCHIVE_NO_ERROR(connection->run(QStringLiteral("INSERT INTO archive_schema VALUES (2, 0, 'newer')")));

    const ArchiveResult<std::unique_ptr<SiteArchive>> refused = SiteArchive::open(location);
    QCOMPARE(refused.error.code, Code::TooNew);
    QVERIFY(!refused.value);
    QCOMPARE(connection->number(QStringLiteral("SELECT count(*) FROM archive_schema")).value, qint64(2));
    QCOMPARE(connection->number(QStringLiteral("SELECT max(version) FROM archive_schema")).value, qint64(2));
}

void TstArchiveSuite::notAnArchive()
{
    const ArchiveLocation location = m_backend.freshLocation();
    const std::unique_ptr<ArchiveConnection> connection = rawConnection(location);
    ARCHIVE_NO_ERROR(connection->run(QStringLiteral("CREATE TABLE other (x INTEGER)")));

    QCOMPARE(SiteArchive::open(location).error.code, Code::NotAnArchive);
    const QString exists = connection->dialect().tableExists();
    QCOMPARE(connection->number(exists, {{QStringLiteral("name"), QStringLiteral("sites")}}).value, qint64(0));
    QCOMPARE(connection->number(exists, {{QStringLiteral("name"), QStringLiteral("archive_schema")}}).value, qint64(0));
}

void TstArchiveSuite::twoWriters()
{
    constexpr int kEach = 25;
    ArchiveLocation location;
    const std::unique_ptr<SiteArchive> archive = openFresh(&location);
    QVERIFY(archive);
    const DeviceId device = archive->addDevice({archive->addSite({QStringLiteral("Ліцей")}).value, 0x21, 2, QStringLiteral("0A1B")}).value;

    QStringList failures[2];
    const auto writer = [&](int n) {
        const QString name = n ? QStringLiteral("B") : QStringLiteral("A");
        ArchiveResult<std::unique_ptr<SiteArchive>> own = SiteArchive::open(location, {name, name});
        for (int i = 0; own.ok() && i < kEach; ++i) {
            ArchiveEvent event;
            event.device = device;
            event.port = name;
            event.filePath = QString::number(i);
            if (const ArchiveResult<RecordReceipt> r = own.value->record(event); !r.ok())
                failures[n].append(r.error.message);
        }
        if (!own.ok())
            failures[n].append(own.error.message);
    };
    std::unique_ptr<QThread> threads[] = {std::unique_ptr<QThread>(QThread::create(writer, 0)),
                                          std::unique_ptr<QThread>(QThread::create(writer, 1))};
    for (auto &thread : threads)
        thread->start();
    for (auto &thread : threads)
        QVERIFY(thread->wait(QDeadlineTimer(120000)));
    QVERIFY2(failures[0].isEmpty() && failures[1].isEmpty(), qPrintable((failures[0] + failures[1]).join(u'\n')));

    const QList<EventRecord> stored = archive->history(device, 0, 100).value;
    QCOMPARE(stored.size(), 2 * kEach);
    QHash<QString, QList<QPair<EventId, int>>> byWriter;
    QSet<QUuid> uuids;
    for (const EventRecord &record : stored) {
        byWriter[record.event.port].append({record.id, record.event.filePath.toInt()});
        uuids.insert(record.event.uuid);
    }
    QCOMPARE(uuids.size(), 2 * kEach);
    for (QList<QPair<EventId, int>> &events : byWriter) {
        std::sort(events.begin(), events.end());
        for (int i = 0; i < kEach; ++i)
            QCOMPARE(events.at(i).second, i);
    }
}

void TstArchiveSuite::cleanupTestCase()
{
    m_fixture.reset();
}
