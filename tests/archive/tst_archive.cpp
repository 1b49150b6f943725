// The shared suite on SQLite files, then what only a file archive has: damaged and foreign
// files, a newer schema left byte for byte as it was, the backup copy, the write-ahead log.
#include "archivesuite.h"
#include "archivetesting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace archivetesting;
using Code = ArchiveError::Code;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool overwrite(const QString &path, qint64 at, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(at) && file.write(bytes) == bytes.size();
}

// An archive file with `events` events of a 28-byte EEPROM and 512-byte memory image.
bool makeArchive(const QString &path, int events)
{
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(path));
    if (!opened.ok())
        return false;
    SiteArchive &archive = *opened.value;
    const SiteId site = archive.addSite({QStringLiteral("Склад")}).value;
    const DeviceId device = archive.addDevice({site, 0x21, 2, QStringLiteral("0A1B")}).value;
    for (int i = 0; i < events; ++i) {
        ArchiveEvent event;
        event.device = device;
        event.eeprom = QByteArray(28, char(i));
        event.memory = QByteArray(512, char(i * 7));
        if (!archive.record(event).ok())
            return false;
    }
    return true;
}

} // namespace

class TstArchiveFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void damagedFile_data();
    void damagedFile();
    void damagedPages();
    void newerSchemaUntouched();
    void cannotOpen_data();
    void cannotOpen();
    void backup();
    void writeAheadLog();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TstArchiveFile::damagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(char((i * 37 + 11) & 0xFF));
    QTest::newRow("noise") << noise;
    QTest::newRow("text") << QStringLiteral("Це не база даних\n").toUtf8().repeated(100);
    QTest::newRow("short noise") << QByteArrayLiteral("\x01\x02garbage");
    const QString source = path(QStringLiteral("header.sqlite"));
    QVERIFY(makeArchive(source, 1));
    QTest::newRow("archive with its header overwritten") << QByteArrayLiteral("NOT A DATABASE!!") + contents(source).mid(16);
}

void TstArchiveFile::damagedFile()
{
    QFETCH(QByteArray, bytes);

    const QString file = path(QStringLiteral("damaged.sqlite"));
    QFile::remove(file);
    QVERIFY(overwrite(file, 0, bytes));
    const ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(file));
    QCOMPARE(opened.error.code, Code::Damaged);
    QVERIFY(opened.error.message.startsWith(QStringLiteral("Архів пошкоджено: ")));
    QCOMPARE(contents(file), bytes);
}

void TstArchiveFile::damagedPages()
{
    const QString file = path(QStringLiteral("pages.sqlite"));
    QVERIFY(makeArchive(file, 300));
    const qint64 size = QFileInfo(file).size();
    QVERIFY(overwrite(file, size / 2, QByteArray(8192, '\x5A')));

    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(file));
    const Code found = opened.ok() ? opened.value->checkIntegrity().code : opened.error.code;
    QCOMPARE(found, Code::Damaged);
}

void TstArchiveFile::newerSchemaUntouched()
{
    const QString file = path(QStringLiteral("newer.sqlite"));
    QVERIFY(makeArchive(file, 2));
    rawConnection(ArchiveLocation::file(file))->run(QStringLiteral("INSERT INTO archive_schema VALUES (9, 0, 'newer')"));
    const QByteArray before = contents(file);

    const ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(file));
    QCOMPARE(opened.error.code, Code::TooNew);
    QVERIFY2(opened.error.message.contains(QStringLiteral("9")), qPrintable(opened.error.message));
    QCOMPARE(contents(file), before);
}

void TstArchiveFile::cannotOpen_data()
{
    QTest::addColumn<QString>("file");

    QFile plain(path(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QTest::newRow("a folder") << m_dir.path();
    QTest::newRow("inside a file") << plain.fileName() + QStringLiteral("/archive.sqlite");
    QTest::newRow("no name") << QString();
}

void TstArchiveFile::cannotOpen()
{
    QFETCH(QString, file);

    QCOMPARE(SiteArchive::open(ArchiveLocation::file(file)).error.code, Code::CannotOpen);
}

void TstArchiveFile::backup()
{
    const QString file = path(QStringLiteral("live.sqlite"));
    QVERIFY(makeArchive(file, 3));
    ArchiveResult<std::unique_ptr<SiteArchive>> live = SiteArchive::open(ArchiveLocation::file(file));
    ARCHIVE_VERIFY(live);
    const QString copy = path(QStringLiteral("копія архіву.sqlite"));
    QVERIFY(overwrite(copy, 0, QByteArrayLiteral("an older copy")));

    ARCHIVE_NO_ERROR(live.value->backup(copy));
    QCOMPARE(live.value->backup(path(QStringLiteral("missing/copy.sqlite"))).code, Code::BackupFailed);
    QCOMPARE(live.value->backup(file).code, Code::BackupOverArchive);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".archive-backup-*")}, QDir::Hidden | QDir::Files), QStringList());

    ArchiveResult<std::unique_ptr<SiteArchive>> restored = SiteArchive::open(ArchiveLocation::file(copy));
    ARCHIVE_VERIFY(restored);
    ARCHIVE_NO_ERROR(restored.value->checkIntegrity());
    const QList<EventRecord> original = live.value->findEvents({}).value;
    const QList<EventRecord> copied = restored.value->findEvents({}).value;
    QCOMPARE(copied.size(), 3);
    for (int i = 0; i < copied.size(); ++i) {
        QCOMPARE(copied.at(i).event.uuid, original.at(i).event.uuid);
        QCOMPARE(copied.at(i).event.memory, original.at(i).event.memory);
    }
}

void TstArchiveFile::writeAheadLog()
{
    // 200 events of 64 KiB are over 3200 pages of 4 KiB: a log never copied back into the
    // file would hold them all (13 MB); checkpoints every 1000 pages keep it near 4 MB.
    constexpr qint64 kMostLogBytes = 6 * 1024 * 1024;
    const QString file = path(QStringLiteral("wal.sqlite"));
    const ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(file));
    ARCHIVE_VERIFY(opened);
    QCOMPARE(textOf(*rawConnection(ArchiveLocation::file(file)), QStringLiteral("PRAGMA journal_mode")), QStringLiteral("wal"));
    ArchiveEvent event;
    event.memory = QByteArray(64 * 1024, '\x3C');
    for (int i = 0; i < 200; ++i)
        ARCHIVE_VERIFY(opened.value->record(event));
    const qint64 logSize = QFileInfo(file + QStringLiteral("-wal")).size();
    QVERIFY2(logSize < kMostLogBytes, qPrintable(QString::number(logSize)));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SqliteBackend backend;
    TstArchiveSuite suite(backend);
    TstArchiveFile file;
    const int suiteFailures = QTest::qExec(&suite, argc, argv);
    return suiteFailures + QTest::qExec(&file, argc, argv);
}

#include "tst_archive.moc"
