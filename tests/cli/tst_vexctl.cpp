// vexctl as users and scripts run it: the real program against vexsim on a pseudo-terminal,
// judged by its exit code, its output, what the simulated device holds afterwards and what
// the archive recorded.
#include "eventcodes.h"
#include "registry.h"
#include "sitearchive.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

constexpr int kWaitMs = 60000;
// The 16-zone panel's memory bytes 25 to 29 and 434 to 511 have no place in the device: a
// read gives them back as 0, so the files keep them 0.
constexpr int kUnplaced[][2] = {{25, 30}, {434, 512}};
// Its device write sends 33 memory-write requests (0x02), one per block of its table.
constexpr int kPanelMemoryWrites = 33;
const QString kSimSave = QStringLiteral("SIM");

QString program(const char *name)
{
    return qEnvironmentVariable("VEX_BIN_DIR") + u'/' + QLatin1String(name);
}

QByteArray settingsFile(Model model, quint8 variant, const std::function<char(int)> &byte)
{
    const DeviceDefinition &d = modelInfo(model);
    QByteArray file;
    file.append(char(d.typeCode)).append(char(variant));
    for (int i = 0; i < d.eepromSize + d.memorySize; ++i)
        file.append(byte(i));
    return file;
}

// A 16-zone panel file of variant 2: EEPROM byte i is 0x20 + i, memory byte i is i * 7.
QByteArray panelPattern()
{
    const int eeprom = modelInfo(Model::Korvel16p).eepromSize;
    QByteArray file = settingsFile(Model::Korvel16p, 2, [eeprom](int i) { return char(i < eeprom ? 0x20 + i : (i - eeprom) * 7); });
    for (const auto &[first, end] : kUnplaced)
        file.replace(2 + eeprom + first, end - first, QByteArray(end - first, '\0'));
    return file;
}

// One Intel HEX data record with its checksum.
QByteArray hexRecord(quint16 address, const QByteArray &data)
{
    QByteArray record;
    record.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF)).append('\0');
    record += data;
    quint8 sum = 0;
    for (const char b : record)
        sum = quint8(sum + quint8(b));
    return ':' + (record + char(-sum)).toHex().toUpper() + '\n';
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;

    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// Noise where an archive file should be: no database at all.
QByteArray noise()
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 37 + 11) & 0xFF));
    return bytes;
}

// "kind/outcome/site" of each event the archive file holds, newest first ("-": no device);
// the newest event's images, EEPROM then memory, into `newestImages`.
QStringList recordedEvents(const QString &path, QByteArray &newestImages)
{
    if (!QFile::exists(path))
        return {};
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(path));
    if (!opened.ok())
        return {opened.error.message};
    SiteArchive &archive = *opened.value;
    const QList<EventRecord> records = archive.findEvents({}).value;
    QStringList events;
    for (const EventRecord &record : records) {
        const ArchiveEvent &e = record.event;
        const SiteId site = e.device ? archive.device(e.device).value.info.site : 0;
        events << QStringLiteral("%1/%2/%3").arg(eventKindCode(e.kind), outcomeCode(e.outcome),
                                                 site ? archive.site(site).value.info.name : QStringLiteral("-"));
    }
    if (!records.isEmpty())
        newestImages = records.first().event.eeprom + records.first().event.memory;
    return events;
}

class Vexsim
{
public:
    bool start(const QStringList &arguments)
    {
        m_process.start(program("vexsim"), arguments);
        QElapsedTimer clock;
        clock.start();
        while (m_process.waitForStarted(kWaitMs) && !m_process.canReadLine() && clock.elapsed() < kWaitMs)
            m_process.waitForReadyRead(1000);
        m_port = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        return !m_port.isEmpty();
    }
    const QString &port() const { return m_port; }
    // Frames vexsim received so far with command byte `command` (-v prints each on stderr).
    int received(const QString &command)
    {
        m_log += QString::fromLocal8Bit(m_process.readAllStandardError());
        int count = 0;
        for (const QString &line : m_log.split(u'\n')) {
            const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
            count += fields.value(1) == QLatin1String("in") && fields.value(5) == command;
        }
        return count;
    }
    bool stop()
    {
        m_process.terminate();
        return m_process.waitForFinished(kWaitMs) && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
    QString m_port;
    QString m_log;
};

} // namespace

class TstVexctl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void offlineCommands_data();
    void offlineCommands();
    void deviceCommands_data();
    void deviceCommands();
    void slotWriteThenRead();
    void interruptedWriteResumes();
    void recordedEvent_data();
    void recordedEvent();
    void archiveLookupAndExport();
    void cleanup();

private:
    QProcess *startVexctl(const QStringList &arguments);
    Run vexctl(const QStringList &arguments);
    void writeFile(const QString &name, const QByteArray &bytes);
    QByteArray fileBytes(const QString &name) const;
    void verifyRun(const Run &run, int exitCode, const QString &stdoutHas, const QString &stderrHas);
    void storeArchiveSettings(const QString &path, bool enabled);

    QTemporaryDir m_dir;
};

void TstVexctl::initTestCase()
{
    QVERIFY(QFileInfo(program("vexctl")).isExecutable());
    const auto zero = [](int) { return '\0'; };
    writeFile("p16.vau", panelPattern());
    writeFile("z16.vau", settingsFile(Model::Korvel16p, 2, zero));
    writeFile("f4v0.vau", settingsFile(Model::Korvel4p, 0, zero));
    writeFile("g1.vau", settingsFile(Model::ZmuGsm, 1, zero));
    writeFile("g4.vau", settingsFile(Model::ZmuGsm, 4, zero));
    writeFile("p64.vau", settingsFile(Model::Korvel16_64p, 2, zero));
    const SettingsImages factory = modelInfo(Model::Korvel16p).factoryImages(2);
    const QByteArray factoryBytes = factory.eeprom + factory.memory;
    writeFile("f16.vau", settingsFile(Model::Korvel16p, 2, [factoryBytes](int i) { return factoryBytes.at(i); }));
    writeFile("short.vau", panelPattern().left(12));
    writeFile("unknown.vau", QByteArray("\x63\x01", 2) + QByteArray(600, '\0'));
    writeFile("bad.hex", ":0100000000FE\n:00000001FF\n");
    writeFile("noise.sqlite", noise());
    // Firmware whose record at 0x0800 names type 23 (the 4-zone panel), variant 3.
    writeFile("other.hex", hexRecord(0x0800, QByteArray("\x01\x02\x03\x04\x17\x03\x05\x06", 8)) + ":00000001FF\n");
}

// Without a device: arguments, files, reports, and ports that are not there.
void TstVexctl::offlineCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("startsWith");

    const QString none;
    QTest::newRow("no command") << QStringList{} << 2 << none << "no command given" << none << QByteArray();
    QTest::newRow("unknown command") << QStringList{"frob"} << 2 << none << "unknown command \"frob\"" << none << QByteArray();
    QTest::newRow("bad baud") << QStringList{"--baud", "fast", "identify"} << 2 << none << "--baud: \"fast\"" << none << QByteArray();
    QTest::newRow("slot out of range") << QStringList{"slot-read", "5", "-o", "x.vau"} << 2 << none << "slot must be 1 to 4" << none << QByteArray();
    QTest::newRow("read without -o") << QStringList{"read"} << 2 << none << "read needs -o FILE" << none << QByteArray();
    QTest::newRow("option of another command") << QStringList{"read", "-o", "x.vau", "--resume"} << 2 << none
                                               << "read does not take --resume" << none << QByteArray();
    QTest::newRow("no port stored") << QStringList{"identify"} << 2 << none << "no port" << none << QByteArray();
    QTest::newRow("missing file") << QStringList{"show", "missing.vau"} << 2 << none << "missing.vau: no such file" << none << QByteArray();
    QTest::newRow("short file") << QStringList{"show", "short.vau"} << 2 << none
                                << "short.vau: the file is cut short: 12 bytes of the 542" << none << QByteArray();
    QTest::newRow("unknown type") << QStringList{"check", "unknown.vau", "--port", "/dev/null"} << 2 << none
                                  << "unknown device type code 99" << none << QByteArray();
    QTest::newRow("bad hex") << QStringList{"--port", "/dev/null", "flash", "bad.hex"} << 2 << none
                             << "bad.hex: line 1: bad checksum 0xFE, the bytes need 0xFF" << none << QByteArray();
    QTest::newRow("configurator firmware at 9600") << QStringList{"--port", "/dev/null", "--baud", "9600", "flash", "--configurator", "other.hex"}
                                                   << 2 << none << "38400 baud only" << none << QByteArray();
    QTest::newRow("port not there") << QStringList{"--port", "/dev/vexctl-absent", "identify"} << 3 << none
                                    << "cannot open port /dev/vexctl-absent" << none << QByteArray();
    QTest::newRow("resume with nothing stored") << QStringList{"--port", "/dev/null", "write", "p16.vau", "--resume"} << 2 << none
                                                << "no interrupted write" << none << QByteArray();
    QTest::newRow("show") << QStringList{"show", "p16.vau"} << 0 << "КОРВЕЛ - 16П (KVL16P-2)" << none << none << QByteArray();
    QTest::newRow("show as json") << QStringList{"--json", "show", "p16.vau"} << 0 << "\"fields\":[{\"group\":" << none << none << QByteArray();
    QTest::newRow("factory settings: nothing changed") << QStringList{"--json", "show", "--changed", "f16.vau"} << 0
                                                       << "\"changed\":[]" << none << none << QByteArray();
    QTest::newRow("changed from the factory's") << QStringList{"--json", "show", "--changed", "p16.vau"} << 0
                                                << "\"changed\":[{\"headings\":[\"№ ЗОНИ\"" << none << none << QByteArray();
    QTest::newRow("report suffix") << QStringList{"report", "p16.vau", "-o", "r.txt"} << 2 << none << "-o r.txt" << none << QByteArray();
    QTest::newRow("rtf report") << QStringList{"report", "p16.vau", "-o", "r.rtf"} << 0 << none << none << "r.rtf" << QByteArray("{\\rtf1");
    QTest::newRow("pdf report") << QStringList{"report", "p16.vau", "-o", "r.pdf"} << 0 << none << none << "r.pdf" << QByteArray("%PDF");
    QTest::newRow("archive help") << QStringList{"archive", "--help"} << 0 << "archive export EVENT -o FILE" << none << none << QByteArray();
    QTest::newRow("archive without a command") << QStringList{"archive"} << 2 << none << "archive needs one of sites" << none << QByteArray();
    QTest::newRow("damaged archive looked up") << QStringList{"--archive", "sqlite:noise.sqlite", "archive", "sites"} << 4 << none
                                               << "archive sqlite:noise.sqlite: the archive is damaged" << none << QByteArray();
    QTest::newRow("history of an unknown device") << QStringList{"--archive", "sqlite:empty.sqlite", "archive", "history", "5"} << 2
                                                  << none << "archive history: no device 5 in the archive" << none << QByteArray();
    QTest::newRow("archive address with a password") << QStringList{"--archive", "postgresql://me:pw@db/vex", "archive", "sites"} << 2
                                                     << none << "holds a password" << none << QByteArray();
}

void TstVexctl::offlineCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, stdoutHas);
    QFETCH(QString, stderrHas);
    QFETCH(QString, written);
    QFETCH(QByteArray, startsWith);
    verifyRun(vexctl(arguments), exitCode, stdoutHas, stderrHas);
    if (!written.isEmpty())
        QVERIFY(fileBytes(written).startsWith(startsWith));
}

// Each row: vexsim's options, vexctl's arguments (after --port), and then the file that must
// hold exactly what another file holds: the file vexctl wrote, or "SIM", the device saved.
void TstVexctl::deviceCommands_data()
{
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas"); // "=" : nothing at all
    QTest::addColumn<QString>("stderrHas");
    QTest::addColumn<QString>("produced");
    QTest::addColumn<QString>("sameAs");

    const QString none;
    QTest::newRow("identify") << QStringList{"--model", "16p", "--variant", "2"} << QStringList{"identify"} << 0
                              << "16-zone panel, variant 2" << none << none << none;
    QTest::newRow("identify as json") << QStringList{"--model", "gsm4", "--variant", "2"} << QStringList{"--json", "identify"} << 0
                                      << "\"typeCode\":49,\"variant\":2}" << none << none << none;
    QTest::newRow("read into a file") << QStringList{"--load", "p16.vau"} << QStringList{"read", "-o", "out.vau"} << 0
                                      << "into out.vau" << none << "out.vau" << "p16.vau";
    QTest::newRow("write and check") << QStringList{"--load", "z16.vau"} << QStringList{"write", "p16.vau"} << 0
                                     << "wrote and checked the device" << none << kSimSave << "p16.vau";
    QTest::newRow("write unchecked") << QStringList{"--load", "z16.vau"} << QStringList{"write", "p16.vau", "--no-check"} << 0
                                     << "wrote the device" << none << kSimSave << "p16.vau";
    QTest::newRow("other model refused") << QStringList{"--model", "8p", "--variant", "3"}
                                         << QStringList{"write", "p16.vau"} << 4 << none
                                         << "the device is a 8-zone panel, variant 3; p16.vau holds settings for a 16-zone panel, variant 2"
                                         << none << none;
    QTest::newRow("4-zone file of variant 0 to a panel reporting 0")
        << QStringList{"--model", "4p", "--variant", "0"} << QStringList{"write", "f4v0.vau"} << 0 << "wrote and checked" << none << none << none;
    QTest::newRow("4-zone file of variant 0 refused by variant 2") << QStringList{"--model", "4p", "--variant", "2"}
                                                                   << QStringList{"write", "f4v0.vau"} << 4 << none
                                                                   << "f4v0.vau holds settings for a 4-zone panel, variant 0" << none << none;
    QTest::newRow("GSM version 1 file to a version 2 module that holds it")
        << QStringList{"--model", "gsm", "--variant", "2"} << QStringList{"write", "g1.vau"} << 0
        << "the device already holds these settings: nothing written" << none << none << none;
    QTest::newRow("GSM version 1 file written whole") << QStringList{"--model", "gsm", "--variant", "2"}
                                                      << QStringList{"write", "g1.vau", "--all"} << 0 << "wrote and checked"
                                                      << none << none << none;
    QTest::newRow("GSM version 4 file refused by version 1") << QStringList{"--model", "gsm", "--variant", "1"}
                                                             << QStringList{"write", "g4.vau"} << 4 << none << "GSM module, variant 1" << none << none;
    QTest::newRow("check, same: quiet") << QStringList{"--load", "p16.vau"} << QStringList{"check", "p16.vau"} << 0 << "=" << none << none << none;
    QTest::newRow("compare, same") << QStringList{"--load", "p16.vau"} << QStringList{"compare", "p16.vau"} << 0
                                   << "no differences" << none << none << none;
    QTest::newRow("check, different") << QStringList{"--load", "z16.vau"} << QStringList{"--json", "check", "p16.vau"} << 1
                                      << "\"result\":\"differs\"" << none << none << none;
    QTest::newRow("silent device") << QStringList{"--faults", "silent"} << QStringList{"identify"} << 4 << none
                                   << "identifying the device: no reply to request 1 of 1" << none << none;
    QTest::newRow("slots, all empty") << QStringList{} << QStringList{"slots"} << 0 << "slot 4: empty" << none << none << none;
    QTest::newRow("system panel kept out of slots") << QStringList{} << QStringList{"slot-write", "1", "p64.vau"} << 4 << none
                                                    << "does not carry settings of the 16.64 system panel" << none << none;
    QTest::newRow("clear needs --yes") << QStringList{} << QStringList{"clear"} << 4 << none << "--yes" << none << none;
    QTest::newRow("clear with --yes") << QStringList{} << QStringList{"--yes", "clear"} << 0 << "cleared" << none << none << none;
    QTest::newRow("firmware for another device declined") << QStringList{} << QStringList{"flash", "other.hex"} << 4 << none
                                                          << "the firmware is for a 4-zone panel, variant 3, the device is a 16-zone panel"
                                                          << none << none;
    QTest::newRow("firmware for another device with --yes") << QStringList{} << QStringList{"--yes", "flash", "other.hex"} << 0
                                                            << "wrote 1 firmware blocks into the device" << none << none << none;
}

void TstVexctl::deviceCommands()
{
    QFETCH(QStringList, simulator);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, stdoutHas);
    QFETCH(QString, stderrHas);
    QFETCH(QString, produced);
    QFETCH(QString, sameAs);
    QFile::remove(m_dir.filePath("saved.vau"));
    for (QString &argument : simulator) {
        if (argument.endsWith(".vau"))
            argument = m_dir.filePath(argument);
    }
    Vexsim vexsim;
    QVERIFY(vexsim.start(simulator << "--save" << m_dir.filePath("saved.vau")));
    verifyRun(vexctl(QStringList{"--port", vexsim.port()} + arguments), exitCode, stdoutHas, stderrHas);
    QVERIFY(vexsim.stop());
    if (!produced.isEmpty())
        QCOMPARE(fileBytes(produced == kSimSave ? QStringLiteral("saved.vau") : produced), fileBytes(sameAs));
}

void TstVexctl::slotWriteThenRead()
{
    Vexsim vexsim;
    QVERIFY(vexsim.start({}));
    const QStringList port{"--port", vexsim.port()};
    verifyRun(vexctl(port + QStringList{"slot-write", "3", "p16.vau"}), 0, "wrote and checked configurator slot 3", {});
    verifyRun(vexctl(port + QStringList{"slot-read", "3", "-o", "slot.vau"}), 0, "read configurator slot 3", {});
    verifyRun(vexctl(port + QStringList{"slots"}), 0, "slot 3: 16-zone panel, variant 2", {});
    QVERIFY(vexsim.stop());
    QCOMPARE(fileBytes("slot.vau"), fileBytes("p16.vau"));
}

// Memory writes are slowed so that Ctrl+C surely comes in the middle of the write. The resumed
// write sends only the rest: together no more memory writes than one whole write and the one
// in flight when it stopped.
void TstVexctl::interruptedWriteResumes()
{
    Vexsim vexsim;
    QVERIFY(vexsim.start({"--load", m_dir.filePath("z16.vau"), "--save", m_dir.filePath("resumed.vau"), "--baud", "9600",
                          "--faults", "delay:100,cmd=0x02,always", "-v"}));
    const QStringList write{"--port", vexsim.port(), "write", "p16.vau"};
    QProcess *cut = startVexctl(write);
    QVERIFY(QTest::qWaitFor([&] { return vexsim.received("02") >= 5; }, kWaitMs));
    ::kill(pid_t(cut->processId()), SIGINT);
    QVERIFY(cut->waitForFinished(kWaitMs));
    verifyRun({cut->exitCode(), QString::fromLocal8Bit(cut->readAllStandardOutput()), QString::fromLocal8Bit(cut->readAllStandardError())},
              5, {}, "the device may now hold part of the new settings");
    QVERIFY(QFile::exists(m_dir.filePath("data/vexctl/resume.json")));

    verifyRun(vexctl(write + QStringList{"--resume"}), 0, "wrote and checked the device", {});
    QVERIFY(!QFile::exists(m_dir.filePath("data/vexctl/resume.json")));
    QVERIFY(vexsim.received("02") <= kPanelMemoryWrites + 1);
    QVERIFY(vexsim.stop());
    QCOMPARE(fileBytes("resumed.vau"), fileBytes("p16.vau"));
}

// Each row records into an archive of its own, chosen by the user's archive settings, and
// lists what it holds afterwards: "kind/outcome/site of the device" newest first; `images`
// is the file whose images the newest event holds (none: it holds none).
void TstVexctl::recordedEvent_data()
{
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("archive"); // "off": switched off; "noise": a damaged file
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("images");

    const QString none;
    const QStringList p16{"--load", "p16.vau"};
    const QStringList z16{"--load", "z16.vau"};
    const QString unknownPanel = QStringLiteral("recorded without a device: the archive knows no 16-zone panel with object number 0007");
    QTest::newRow("read of a device the archive does not know") << p16 << QStringList{"read", "-o", "r.vau"} << none << 0
                                                                << unknownPanel << QStringList{"read/done/-"} << "p16.vau";
    QTest::newRow("read with --site: a new device there") << p16 << QStringList{"read", "-o", "r.vau", "--site", "Школа №5"} << none << 0
                                                          << none << QStringList{"read/done/Школа №5"} << "p16.vau";
    QTest::newRow("checked write: as read back") << z16 << QStringList{"write", "p16.vau"} << none << 0 << unknownPanel
                                                 << QStringList{"checked-write/done/-"} << "p16.vau";
    QTest::newRow("unchecked write: as sent") << z16 << QStringList{"write", "p16.vau", "--no-check"} << none << 0 << unknownPanel
                                              << QStringList{"write/done/-"} << "p16.vau";
    QTest::newRow("comparison: the device as read") << z16 << QStringList{"compare", "p16.vau"} << none << 1 << none
                                                    << QStringList{"compare/differs/-"} << "z16.vau";
    QTest::newRow("slot write") << QStringList{} << QStringList{"slot-write", "2", "p16.vau"} << none << 0 << none
                                << QStringList{"slot-write/done/-"} << "p16.vau";
    QTest::newRow("firmware declined") << QStringList{} << QStringList{"flash", "other.hex"} << none << 4 << none
                                       << QStringList{"firmware/cancelled/-"} << none;
    QTest::newRow("failed read") << QStringList{"--load", "p16.vau", "--faults", "silent,req=2"} << QStringList{"read", "-o", "r.vau"}
                                 << none << 4 << none << QStringList{"read/failed/-"} << none;
    QTest::newRow("--no-archive records nothing") << p16 << QStringList{"read", "-o", "r.vau", "--no-archive"} << none << 0 << none
                                                  << QStringList{} << none;
    QTest::newRow("switched off in the settings") << p16 << QStringList{"read", "-o", "r.vau"} << "off" << 0 << none << QStringList{} << none;
    QTest::newRow("damaged archive: a note, the read done") << p16 << QStringList{"read", "-o", "r.vau"} << "noise" << 0
                                                            << "the archive is damaged" << QStringList{} << none;
}

void TstVexctl::recordedEvent()
{
    QFETCH(QStringList, simulator);
    QFETCH(QStringList, arguments);
    QFETCH(QString, archive);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);
    QFETCH(QStringList, events);
    QFETCH(QString, images);
    const QString path = m_dir.filePath(QStringLiteral("recorded-%1.sqlite").arg(QTest::currentDataTag()));
    storeArchiveSettings(path, archive != QLatin1String("off"));
    if (archive == QLatin1String("noise"))
        writeFile(QFileInfo(path).fileName(), noise());
    for (QString &argument : simulator) {
        if (argument.endsWith(".vau"))
            argument = m_dir.filePath(argument);
    }
    Vexsim vexsim;
    QVERIFY(vexsim.start(simulator));
    const Run run = vexctl(QStringList{"--port", vexsim.port()} + arguments);
    QVERIFY(vexsim.stop());
    verifyRun(run, exitCode, {}, stderrHas);
    QVERIFY2(stderrHas.contains("without a device") == run.err.contains("without a device"), qPrintable(run.err));

    if (archive == QLatin1String("noise")) {
        QCOMPARE(fileBytes(QFileInfo(path).fileName()), noise());
        return;
    }
    QByteArray held;
    QCOMPARE(recordedEvents(path, held), events);
    QCOMPARE(held, images.isEmpty() ? QByteArray() : fileBytes(images).mid(2));
}

// A device read twice, the second time known by its object number; found by its site, its
// history listed, and the first read exported byte for byte as the read saved it.
void TstVexctl::archiveLookupAndExport()
{
    Vexsim vexsim;
    QVERIFY(vexsim.start({"--load", m_dir.filePath("p16.vau")}));
    const QStringList archive{"--json", "--archive", "sqlite:lookup.sqlite"};
    const QStringList port{"--port", vexsim.port()};
    const Run first = vexctl(archive + port + QStringList{"read", "-o", "first.vau", "--site", "Ліцей №2"});
    verifyRun(first, 0, "\"archive\":", {});
    const Run second = vexctl(archive + port + QStringList{"read", "-o", "second.vau"});
    QVERIFY(vexsim.stop());
    verifyRun(second, 0, {}, {});
    const QJsonObject recorded = first.json().value("archive").toObject();
    QCOMPARE(second.json().value("archive").toObject().value("device"), recorded.value("device"));

    const QJsonArray sites = vexctl(archive + QStringList{"archive", "sites", "ліцей"}).json().value("sites").toArray();
    QCOMPARE(sites.size(), 1);
    QCOMPARE(sites.first().toObject().value("name").toString(), QStringLiteral("Ліцей №2"));
    const QString site = QString::number(sites.first().toObject().value("id").toInteger());
    const QJsonArray devices = vexctl(archive + QStringList{"archive", "devices", site}).json().value("devices").toArray();
    QCOMPARE(devices.size(), 1);
    const QJsonObject device = devices.first().toObject();
    QCOMPARE(device.value("objectNumber").toString(), QStringLiteral("0007"));
    QCOMPARE(device.value("id"), recorded.value("device"));

    const QString deviceId = QString::number(device.value("id").toInteger());
    const QJsonArray history = vexctl(archive + QStringList{"archive", "history", deviceId}).json().value("events").toArray();
    QCOMPARE(history.size(), 2);
    const QJsonObject oldest = history.last().toObject();
    QCOMPARE(oldest.value("id"), recorded.value("event"));
    QCOMPARE(oldest.value("kind").toString(), QStringLiteral("read"));
    QCOMPARE(oldest.value("outcome").toString(), QStringLiteral("done"));
    QCOMPARE(oldest.value("file").toString(), m_dir.filePath("first.vau"));
    QCOMPARE(oldest.value("memoryCrc"), history.first().toObject().value("memoryCrc"));

    const QString eventId = QString::number(oldest.value("id").toInteger());
    verifyRun(vexctl(QStringList{"--archive", "sqlite:lookup.sqlite", "archive", "export", eventId, "-o", "exported.vau"}), 0,
              "wrote event " + eventId, {});
    QCOMPARE(fileBytes("exported.vau"), fileBytes("first.vau"));
}

// The archive settings a row stored are not the next test's.
void TstVexctl::cleanup()
{
    QFile::remove(m_dir.filePath("config/VexLoad/Archive.conf"));
}

void TstVexctl::storeArchiveSettings(const QString &path, bool enabled)
{
    QSettings store(m_dir.filePath("config/VexLoad/Archive.conf"), QSettings::IniFormat);
    store.setValue("Enabled", enabled);
    store.setValue("Location", "sqlite");
    store.setValue("Path", path);
}

// Stored port settings and the resume point stay inside the test's folder.
QProcess *TstVexctl::startVexctl(const QStringList &arguments)
{
    auto *process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", m_dir.path());
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(m_dir.path());
    process->start(program("vexctl"), arguments);
    return process;
}

Run TstVexctl::vexctl(const QStringList &arguments)
{
    QProcess *process = startVexctl(arguments);
    process->closeWriteChannel();
    const bool finished = process->waitForFinished(kWaitMs);
    const Run run{finished ? process->exitCode() : -1, QString::fromLocal8Bit(process->readAllStandardOutput()),
                  QString::fromLocal8Bit(process->readAllStandardError())};
    process->deleteLater();
    return run;
}

void TstVexctl::verifyRun(const Run &run, int exitCode, const QString &stdoutHas, const QString &stderrHas)
{
    const QString shown = QStringLiteral("stdout: %1\nstderr: %2").arg(run.out, run.err);
    QVERIFY2(run.exitCode == exitCode, qPrintable(shown));
    QVERIFY2(stdoutHas == "=" ? run.out.isEmpty() : run.out.contains(stdoutHas), qPrintable(shown));
    QVERIFY2(run.err.contains(stderrHas), qPrintable(shown));
}

void TstVexctl::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray TstVexctl::fileBytes(const QString &name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTEST_GUILESS_MAIN(TstVexctl)
#include "tst_vexctl.moc"
