// A writer killed with SIGKILL in the middle of its work: the archive opens, passes the
// integrity check and holds every event the writer had reported committed (and at most
// the one it was writing).
#include "archivetesting.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

using namespace archivetesting;

class TstArchiveCrash : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killedWriter_data();
    void killedWriter();

private:
    QTemporaryDir m_dir;
    QSet<QString> m_committed; // over all rows: each row's writer adds to the same file
    int m_kills = 0;
};

namespace {

// UUIDs of the complete lines in `output`; a cut last line stays in it.
QStringList takeLines(QByteArray &output)
{
    const qsizetype end = output.lastIndexOf('\n');
    if (end < 0)
        return {};
    const QStringList lines = QString::fromLatin1(output.left(end)).split(u'\n', Qt::SkipEmptyParts);
    output.remove(0, end + 1);
    return lines;
}

QSet<QString> storedUuids(SiteArchive &archive)
{
    QSet<QString> uuids;
    for (int offset = 0;; offset += SiteArchive::kMaxPageSize) {
        const QList<EventRecord> page = archive.findEvents({{}, {}, {}, {}, {}, {}, offset, SiteArchive::kMaxPageSize}).value;
        for (const EventRecord &record : page)
            uuids.insert(record.event.uuid.toString(QUuid::WithoutBraces));
        if (page.size() < SiteArchive::kMaxPageSize)
            return uuids;
    }
}

} // namespace

void TstArchiveCrash::killedWriter_data()
{
    QTest::addColumn<int>("committedBeforeKill");

    // Rows run one after another on the same file, each one a writer started on what the
    // killed one before it left.
    QTest::newRow("first writer") << 20;
    QTest::newRow("writer after a kill") << 37;
    QTest::newRow("third writer") << 5;
}

void TstArchiveCrash::killedWriter()
{
    QFETCH(int, committedBeforeKill);

    const QString file = m_dir.filePath(QStringLiteral("archive.sqlite"));
    QProcess writer;
    writer.start(QCoreApplication::applicationDirPath() + QStringLiteral("/archive_writer"), {file});
    QVERIFY2(writer.waitForStarted(30000), qPrintable(writer.errorString()));
    QByteArray output;
    int reported = 0;
    QDeadlineTimer deadline(120000);
    while (reported < committedBeforeKill && writer.state() == QProcess::Running && !deadline.hasExpired()) {
        writer.waitForReadyRead(1000);
        output += writer.readAllStandardOutput();
        for (const QString &uuid : takeLines(output)) {
            m_committed.insert(uuid);
            ++reported;
        }
    }
    QVERIFY2(reported >= committedBeforeKill, writer.readAllStandardError().constData());
    writer.kill();
    ++m_kills;
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
    output += writer.readAllStandardOutput();
    for (const QString &uuid : takeLines(output))
        m_committed.insert(uuid);

    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(file));
    ARCHIVE_VERIFY(opened);
    ARCHIVE_NO_ERROR(opened.value->checkIntegrity());
    const QSet<QString> stored = storedUuids(*opened.value);
    QVERIFY(stored.contains(m_committed));
    // Each kill may have cut off the report of an event that was already committed.
    QVERIFY(stored.size() <= m_committed.size() + m_kills);
}

QTEST_GUILESS_MAIN(TstArchiveCrash)
#include "tst_archive_crash.moc"
