// The recording layer: which event an operation's result makes, which known device an
// event belongs to, and the archive settings read back from what a user's store may hold.
//
// The matching fixture (16-zone panel type 30, 8-zone panel 22, GSM.4 module 49):
//
//   device  site    type  object number   images that hold it
//   D1      Школа   30    0A1B            memory bytes 0-1: 0A 1B
//   D2      Школа   30    0C00            memory bytes 0-1: 0C 00
//   D3      Ліцей   30    0C00
//   D4      Ліцей   49    A1B             EEPROM bytes 0-1: 0A 1B (shown without leading zeros)
#include "archivekeyring.h"
#include "archivesettings.h"
#include "archivetesting.h"
#include "devicematching.h"
#include "eventrecording.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

using namespace archivetesting;
using Code = ArchiveError::Code;
using Status = FlowResult::Status;

namespace {

constexpr quint8 kSixteenZone = 30;
constexpr quint8 kEightZone = 22;
constexpr quint8 kGsm4 = 49;
constexpr int kPanelEeprom = 28;
constexpr int kPanelMemory = 512;

// What the result's images are made of; a device read comes back longer than the model's.
const SettingsImages kSent{QByteArray(kPanelEeprom, 'S'), QByteArray(kPanelMemory, 's')};
const SettingsImages kResult{QByteArray(kPanelEeprom, 'R'), QByteArray(600, 'r')};

enum class Images { None, Sent, Result };

// A 16-zone panel's (or 8-zone's) memory image whose first object number is `high` `low`.
SettingsImages panelImages(char high, char low)
{
    QByteArray memory(kPanelMemory, '\0');
    memory[0] = high;
    memory[1] = low;
    memory[3] = '\x55'; // the second object number never counts
    return {QByteArray(kPanelEeprom, '\0'), memory};
}

ArchiveEvent eventOf(quint8 typeCode, const SettingsImages &images)
{
    return fileEvent(EventKind::FileOpened, QStringLiteral("/a.vau"), typeCode, 2, images);
}

} // namespace

Q_DECLARE_METATYPE(Images)
Q_DECLARE_METATYPE(EventKind)
Q_DECLARE_METATYPE(EventOutcome)
Q_DECLARE_METATYPE(Status)
Q_DECLARE_METATYPE(SettingsImages)

class TstArchiveRecording : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exchangeEvents_data();
    void exchangeEvents();
    void matching_data();
    void matching();
    void siteNamed_data();
    void siteNamed();
    void deviceWithoutNumberRefused();
    void storedSettings_data();
    void storedSettings();
    void operatorByDefault_data();
    void operatorByDefault();
    void settingsRoundTrip();
    void locationOfSettings();
    void defaultArchiveShared();
    void keyringUnreachable();

private:
    QStringList deviceLabels(const QList<DeviceRecord> &devices) const;

    QTemporaryDir m_dir;
    std::unique_ptr<SiteArchive> m_archive;
    QHash<QString, qint64> m_sites;
    QHash<QString, qint64> m_devices;
};

void TstArchiveRecording::initTestCase()
{
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(m_dir.filePath("a.sqlite")));
    ARCHIVE_VERIFY(opened);
    m_archive = std::move(opened.value);
    for (const char *name : {"Школа", "Ліцей"})
        m_sites.insert(QString::fromUtf8(name), m_archive->addSite({QString::fromUtf8(name)}).value);
    const struct { const char *label, *site; quint8 type; const char *object; } devices[] = {
        {"D1", "Школа", kSixteenZone, "0A1B"}, {"D2", "Школа", kSixteenZone, "0C00"},
        {"D3", "Ліцей", kSixteenZone, "0C00"}, {"D4", "Ліцей", kGsm4, "A1B"},
    };
    for (const auto &d : devices) {
        const ArchiveResult<DeviceId> id = m_archive->addDevice({m_sites.value(QString::fromUtf8(d.site)), d.type, 2, QLatin1String(d.object)});
        ARCHIVE_VERIFY(id);
        m_devices.insert(QLatin1String(d.label), id.value);
    }
}

QStringList TstArchiveRecording::deviceLabels(const QList<DeviceRecord> &devices) const
{
    QStringList labels;
    for (const DeviceRecord &device : devices)
        labels.append(m_devices.key(device.id, QStringLiteral("?")));
    return labels;
}

void TstArchiveRecording::exchangeEvents_data()
{
    QTest::addColumn<EventKind>("reported");
    QTest::addColumn<Status>("status");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("otherMismatch");
    QTest::addColumn<EventKind>("kind");
    QTest::addColumn<EventOutcome>("outcome");
    QTest::addColumn<Images>("images");
    QTest::addColumn<int>("differences");

    using K = EventKind;
    using O = EventOutcome;
    QTest::newRow("read") << K::Read << Status::Done << false << false << K::Read << O::Done << Images::Result << 0;
    QTest::newRow("read failed: no images") << K::Read << Status::Failed << false << false << K::Read << O::Failed << Images::None << 0;
    QTest::newRow("read cancelled") << K::Read << Status::Cancelled << false << false << K::Read << O::Cancelled << Images::None << 0;
    QTest::newRow("port not opened") << K::Read << Status::PortNotOpened << false << false << K::Read << O::Failed << Images::None << 0;
    QTest::newRow("write not read back: as sent") << K::Write << Status::Done << false << false << K::Write << O::Done << Images::Sent << 0;
    QTest::newRow("checked write: as read back") << K::Write << Status::Done << true << false << K::CheckedWrite << O::Done << Images::Result << 0;
    QTest::newRow("checked write differs") << K::Write << Status::Differs << true << false << K::CheckedWrite << O::Differs << Images::Result << 1;
    QTest::newRow("check found a constant changed") << K::Write << Status::Done << true << true << K::CheckedWrite << O::Differs << Images::Result << 1;
    QTest::newRow("write declined") << K::Write << Status::Declined << false << false << K::Write << O::Cancelled << Images::None << 0;
    QTest::newRow("write failed part-way") << K::Write << Status::Failed << false << false << K::Write << O::Failed << Images::None << 0;
    QTest::newRow("compare differs: the device") << K::Compare << Status::Differs << false << false << K::Compare << O::Differs << Images::Result << 1;
    QTest::newRow("slot write read back") << K::SlotWrite << Status::Done << true << false << K::SlotWrite << O::Done << Images::Result << 0;
    QTest::newRow("slot write not read back") << K::SlotWrite << Status::Done << false << false << K::SlotWrite << O::Done << Images::Sent << 0;
    QTest::newRow("slot read") << K::SlotRead << Status::Done << false << false << K::SlotRead << O::Done << Images::Result << 0;
    QTest::newRow("firmware") << K::FirmwareFlash << Status::Done << false << false << K::FirmwareFlash << O::Done << Images::None << 0;
}

void TstArchiveRecording::exchangeEvents()
{
    QFETCH(EventKind, reported);
    QFETCH(Status, status);
    QFETCH(bool, checked);
    QFETCH(bool, otherMismatch);
    QFETCH(EventKind, kind);
    QFETCH(EventOutcome, outcome);
    QFETCH(Images, images);
    QFETCH(int, differences);

    FlowResult result;
    result.status = status;
    result.checked = checked;
    if (reported != EventKind::FirmwareFlash)
        result.images = kResult;
    if (status == Status::Differs)
        result.differences = {{QStringLiteral("Зони"), QStringLiteral("Зона 3"), QStringLiteral("1"), QStringLiteral("2")}};
    if (otherMismatch)
        result.otherMismatches = {QStringLiteral("0x4F05..0x4F09")};
    const ExchangeReport report{reported, QStringLiteral("/dev/ttyUSB0"), kSixteenZone, 2, kSent, QStringLiteral("/a.vau")};

    const ArchiveEvent event = exchangeEvent(report, result);
    QCOMPARE(event.kind, kind);
    QCOMPARE(event.outcome, outcome);
    QCOMPARE(event.port, QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(event.filePath, QStringLiteral("/a.vau"));
    QCOMPARE(event.differences.size(), differences);
    // The read's 600 memory bytes are cut to the 16-zone panel's 512.
    const SettingsImages expected = images == Images::Sent     ? kSent
                                    : images == Images::Result ? SettingsImages{kResult.eeprom, kResult.memory.left(kPanelMemory)}
                                                               : SettingsImages{};
    QCOMPARE(event.eeprom, expected.eeprom);
    QCOMPARE(event.memory, expected.memory);
}

void TstArchiveRecording::matching_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<SettingsImages>("images");
    QTest::addColumn<QString>("objectNumber");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("single");

    SettingsImages gsm4{QByteArray(54, '\0'), QByteArray(132, '\0')};
    gsm4.eeprom[0] = '\x0A';
    gsm4.eeprom[1] = '\x1B';
    QTest::newRow("one known device") << int(kSixteenZone) << panelImages('\x0A', '\x1B') << "0A1B" << QStringList{"D1"} << "D1";
    QTest::newRow("two sites have one") << int(kSixteenZone) << panelImages('\x0C', '\x00') << "0C00" << QStringList{"D2", "D3"} << "";
    QTest::newRow("none known") << int(kSixteenZone) << panelImages('\x12', '\x34') << "1234" << QStringList{} << "";
    QTest::newRow("the device holds none") << int(kSixteenZone) << panelImages('\x00', '\x00') << "" << QStringList{} << "";
    QTest::newRow("same number, another model") << int(kEightZone) << panelImages('\x0A', '\x1B') << "0A1B" << QStringList{} << "";
    QTest::newRow("GSM.4: from its EEPROM") << int(kGsm4) << gsm4 << "A1B" << QStringList{"D4"} << "D4";
    QTest::newRow("unknown model") << 99 << panelImages('\x0A', '\x1B') << "" << QStringList{} << "";
}

void TstArchiveRecording::matching()
{
    QFETCH(int, typeCode);
    QFETCH(SettingsImages, images);
    QFETCH(QString, objectNumber);
    QFETCH(QStringList, expected);
    QFETCH(QString, single);

    const ArchiveResult<DeviceMatch> match = matchEventDevice(*m_archive, eventOf(quint8(typeCode), images));
    ARCHIVE_VERIFY(match);
    QCOMPARE(match.value.objectNumber, objectNumber);
    QCOMPARE(deviceLabels(match.value.devices), expected);
    QCOMPARE(match.value.single(), m_devices.value(single));
}

void TstArchiveRecording::siteNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("existing"); // empty: a new site

    QTest::newRow("as named") << QStringLiteral("Школа") << QStringLiteral("Школа");
    QTest::newRow("in other letter case, with spaces") << QStringLiteral("  ЛІЦЕЙ ") << QStringLiteral("Ліцей");
    QTest::newRow("part of a name is another site") << QStringLiteral("Шко") << QString();
}

void TstArchiveRecording::siteNamed()
{
    QFETCH(QString, name);
    QFETCH(QString, existing);

    const qint64 before = m_archive->findSites({}).value.size();
    const ArchiveResult<SiteId> site = ::siteNamed(*m_archive, name);
    ARCHIVE_VERIFY(site);
    const qint64 after = m_archive->findSites({}).value.size();
    if (!existing.isEmpty()) {
        QCOMPARE(site.value, m_sites.value(existing));
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after, before + 1);
    QCOMPARE(m_archive->site(site.value).value.info.name, name.simplified());
    QCOMPARE(::siteNamed(*m_archive, name).value, site.value);
}

void TstArchiveRecording::deviceWithoutNumberRefused()
{
    const ArchiveEvent nothing = eventOf(kSixteenZone, panelImages('\x00', '\x00'));
    QCOMPARE(addEventDevice(*m_archive, m_sites.value(QStringLiteral("Школа")), nothing).error.code, Code::EmptyObjectNumber);

    // A new device is what the next read of that device matches.
    const ArchiveEvent read = eventOf(kSixteenZone, panelImages('\x77', '\x01'));
    const ArchiveResult<DeviceId> added = addEventDevice(*m_archive, m_sites.value(QStringLiteral("Ліцей")), read);
    ARCHIVE_VERIFY(added);
    QCOMPARE(matchEventDevice(*m_archive, read).value.single(), added.value);
    QCOMPARE(m_archive->device(added.value).value.info.objectNumber, QStringLiteral("7701"));
}

void TstArchiveRecording::storedSettings_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("server");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("operatorName");

    QTest::newRow("nothing stored") << QVariantMap{} << true << false << 5432 << "";
    QTest::newRow("switched off") << QVariantMap{{"Enabled", "false"}} << false << false << 5432 << "";
    QTest::newRow("server in capitals") << QVariantMap{{"Location", "PostgreSQL"}, {"Port", "5433"}} << true << true << 5433 << "";
    QTest::newRow("unknown engine is the file") << QVariantMap{{"Location", "oracle"}} << true << false << 5432 << "";
    QTest::newRow("port out of range") << QVariantMap{{"Location", "postgresql"}, {"Port", "70000"}} << true << true << 5432 << "";
    QTest::newRow("port not a number") << QVariantMap{{"Port", "five"}} << true << false << 5432 << "";
    QTest::newRow("operator trimmed") << QVariantMap{{"Operator", "  Іван Петренко "}} << true << false << 5432 << "Іван Петренко";
}

void TstArchiveRecording::storedSettings()
{
    QFETCH(QVariantMap, stored);
    QFETCH(bool, enabled);
    QFETCH(bool, server);
    QFETCH(int, port);
    QFETCH(QString, operatorName);

    QSettings store(m_dir.filePath(QStringLiteral("%1.ini").arg(QTest::currentDataTag())), QSettings::IniFormat);
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        store.setValue(it.key(), it.value());
    const ArchiveSettings s = ArchiveSettings::fromSettings(store);
    QCOMPARE(s.enabled, enabled);
    QCOMPARE(s.engine == ArchiveLocation::Engine::Postgres, server);
    QCOMPARE(s.server.port, port);
    QCOMPARE(s.operatorName, operatorName);
    QCOMPARE(s.author().operatorName, operatorName.isEmpty() ? Author::current().operatorName : operatorName);
}

// The system user: USER, else USERNAME, else the account the program runs as (as `id -un`
// names it), so that a program started by a service never records an empty operator.
void TstArchiveRecording::operatorByDefault_data()
{
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("userName");
    QTest::addColumn<QString>("expected"); // empty: the account's name

    QTest::newRow("USER") << QByteArray("olena") << QByteArray("ivan") << "olena";
    QTest::newRow("USERNAME") << QByteArray() << QByteArray("ivan") << "ivan";
    QTest::newRow("neither") << QByteArray() << QByteArray() << "";
}

void TstArchiveRecording::operatorByDefault()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, userName);
    QFETCH(QString, expected);
    const QByteArray savedUser = qgetenv("USER");
    const QByteArray savedUserName = qgetenv("USERNAME");
    qputenv("USER", user);
    qputenv("USERNAME", userName);
    const QString name = Author::current().operatorName;
    qputenv("USER", savedUser);
    qputenv("USERNAME", savedUserName);

    if (expected.isEmpty()) {
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-un")});
        QVERIFY(id.waitForFinished(30000));
        expected = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
        QVERIFY(!expected.isEmpty());
    }
    QCOMPARE(name, expected);
}

void TstArchiveRecording::settingsRoundTrip()
{
    ArchiveSettings written;
    written.enabled = false;
    written.operatorName = QStringLiteral("Оксана");
    written.engine = ArchiveLocation::Engine::Postgres;
    written.filePath = QStringLiteral("/srv/архів.sqlite");
    written.server = {QStringLiteral("db.local"), 6543, QStringLiteral("vex"), QStringLiteral("installer"), QString()};
    QSettings store(m_dir.filePath(QStringLiteral("round.ini")), QSettings::IniFormat);
    written.toSettings(store);
    QVERIFY(!store.allKeys().contains(QStringLiteral("Password"), Qt::CaseInsensitive));

    const ArchiveSettings read = ArchiveSettings::fromSettings(store);
    QCOMPARE(read.enabled, false);
    QCOMPARE(read.operatorName, written.operatorName);
    QCOMPARE(read.filePath, written.filePath);
    QCOMPARE(read.server.host, written.server.host);
    QCOMPARE(read.server.port, 6543);
    QCOMPARE(read.server.database, written.server.database);
    QCOMPARE(read.server.user, written.server.user);
}

void TstArchiveRecording::locationOfSettings()
{
    ArchiveSettings s;
    QCOMPARE(s.location().filePath, defaultArchivePath());
    s.filePath = QStringLiteral("/srv/a.sqlite");
    QCOMPARE(s.location().filePath, s.filePath);
    s.engine = ArchiveLocation::Engine::Postgres;
    s.server = {QStringLiteral("db.local"), 5432, QStringLiteral("vex"), QStringLiteral("installer"), QString()};
    const ArchiveLocation team = s.location(QStringLiteral("секрет"));
    QCOMPARE(team.engine, ArchiveLocation::Engine::Postgres);
    QCOMPARE(team.server.password, QStringLiteral("секрет"));
    QCOMPARE(team.outboxPath, defaultOutboxPath());
}

// vexctl and vexloader record into one archive whatever each program calls itself.
void TstArchiveRecording::defaultArchiveShared()
{
    const QString before = defaultArchivePath();
    QCoreApplication::setApplicationName(QStringLiteral("vexctl"));
    QCOMPARE(defaultArchivePath(), before);
    QVERIFY2(before.endsWith(QStringLiteral("/vexloader/archive.sqlite")), qPrintable(before));
    QCOMPARE(QFileInfo(defaultOutboxPath()).path(), QFileInfo(before).path());
}

// No keyring can be reached here: each call ends with the keyring's own reason, at once, and
// the caller is left to ask for the password.
void TstArchiveRecording::keyringUnreachable()
{
    const ServerLocation server{QStringLiteral("db.local"), 5432, QStringLiteral("vex"), QStringLiteral("installer"), QString()};
    const ArchiveKeyring keyring(QStringLiteral("VexLoad Archive test"));
    const ArchiveKeyring::Answer answers[] = {keyring.storePassword(server, QStringLiteral("Пароль-7f3a")),
                                              keyring.readPassword(server), keyring.forgetPassword(server)};
    for (const ArchiveKeyring::Answer &answer : answers) {
        QCOMPARE(answer.status, ArchiveKeyring::Status::Unavailable);
        QVERIFY(answer.password.isEmpty());
        QVERIFY(!answer.reason.isEmpty());
        QVERIFY2(answer.reason != QStringLiteral("the keyring did not answer"), "the wait missed the keyring's answer");
    }
}

int main(int argc, char **argv)
{
    // A session bus that is not there: no keyring answers, whatever runs on this machine.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/vexload-test-bus");
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TstArchiveRecording test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_archive_recording.moc"
