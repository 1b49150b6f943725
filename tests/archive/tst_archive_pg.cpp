// The shared suite on a PostgreSQL server the test starts for itself, then the server going
// away and coming back: events queue in the outbox and reach the server in order, once.
#include "archivesuite.h"
#include "archivetesting.h"
#include "pgcluster.h"

#include <QCoreApplication>

using namespace archivetesting;
using Code = ArchiveError::Code;

class TstArchiveServer : public QObject
{
    Q_OBJECT
public:
    explicit TstArchiveServer(PgCluster &cluster) : m_cluster(cluster) {}

private Q_SLOTS:
    void initTestCase();
    void serverAwayAndBack();
    void resentAfterCrashStoredOnce();
    void opensWhileServerAway();
    void cleanup();

private:
    ArchiveLocation freshLocation();
    void stopServer();
    void startServer();

    PgCluster &m_cluster;
    QTemporaryDir m_dir;
    int m_outboxes = 0;
};

namespace {

ArchiveResult<RecordReceipt> recordLabelled(SiteArchive &archive, DeviceId device, const QString &label)
{
    ArchiveEvent event;
    event.device = device;
    event.port = label;
    return archive.record(event);
}

DeviceId addDevice(SiteArchive &archive)
{
    return archive.addDevice({archive.addSite({QStringLiteral("Ліцей")}).value, 0x21, 2, QStringLiteral("0A1B")}).value;
}

} // namespace

void TstArchiveServer::initTestCase()
{
    if (!m_cluster.missing().isEmpty())
        QSKIP(qPrintable(m_cluster.missing()));
    QVERIFY2(m_cluster.failure().isEmpty(), qPrintable(m_cluster.failure()));
}

ArchiveLocation TstArchiveServer::freshLocation()
{
    return ArchiveLocation::team(m_cluster.createDatabase(), m_dir.filePath(QStringLiteral("outbox-%1.sqlite").arg(++m_outboxes)));
}

void TstArchiveServer::stopServer()
{
    QVERIFY2(m_cluster.stop(), qPrintable(m_cluster.failure()));
}

void TstArchiveServer::startServer()
{
    QVERIFY2(m_cluster.start(), qPrintable(m_cluster.failure()));
}

void TstArchiveServer::cleanup()
{
    // A failed test may leave the server stopped; the next one needs it.
    m_cluster.start();
}

void TstArchiveServer::serverAwayAndBack()
{
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(freshLocation());
    ARCHIVE_VERIFY(opened);
    SiteArchive &archive = *opened.value;
    const DeviceId device = addDevice(archive);
    ARCHIVE_VERIFY(recordLabelled(archive, device, QStringLiteral("e1")));

    stopServer();
    for (const QString &label : {QStringLiteral("e2"), QStringLiteral("e3"), QStringLiteral("e4")}) {
        const ArchiveResult<RecordReceipt> queued = recordLabelled(archive, device, label);
        ARCHIVE_VERIFY(queued);
        QVERIFY(queued.value.queued);
    }
    QVERIFY(!archive.isOnline());
    QCOMPARE(archive.queuedCount().value, qint64(3));
    QCOMPARE(archive.findSites({}).error.code, Code::ServerUnreachable);
    QCOMPARE(archive.sendQueued().error.code, Code::ServerUnreachable);

    startServer();
    const ArchiveResult<int> sent = archive.sendQueued();
    ARCHIVE_VERIFY(sent);
    QCOMPARE(sent.value, 3);
    QCOMPARE(archive.sendQueued().value, 0);
    QCOMPARE(archive.queuedCount().value, qint64(0));
    const ArchiveResult<RecordReceipt> last = recordLabelled(archive, device, QStringLiteral("e5"));
    ARCHIVE_VERIFY(last);
    QVERIFY(!last.value.queued);

    const QList<EventRecord> stored = archive.history(device, 0, 100).value;
    QStringList inIdOrder;
    EventId previous = 0;
    for (auto it = stored.crbegin(); it != stored.crend(); ++it) {
        QVERIFY(it->id > previous);
        previous = it->id;
        inIdOrder.append(it->event.port);
    }
    QCOMPARE(inIdOrder, (QStringList{"e1", "e2", "e3", "e4", "e5"}));
}

void TstArchiveServer::resentAfterCrashStoredOnce()
{
    const ArchiveLocation location = freshLocation();
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(location);
    ARCHIVE_VERIFY(opened);
    ArchiveEvent event;
    event.uuid = QUuid::createUuid();
    event.device = addDevice(*opened.value);
    event.port = QStringLiteral("resent");

    stopServer();
    QVERIFY(opened.value->record(event).value.queued);
    startServer();
    // What a crash between sending and marking it sent leaves: the server holds it already.
    ArchiveResult<std::unique_ptr<SiteArchive>> direct = SiteArchive::open(ArchiveLocation::team(location.server, QString()));
    ARCHIVE_VERIFY(direct);
    ARCHIVE_VERIFY(direct.value->record(event));

    QCOMPARE(opened.value->sendQueued().value, 1);
    QCOMPARE(opened.value->queuedCount().value, qint64(0));
    const QList<EventRecord> stored = direct.value->history(event.device, 0, 10).value;
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().event.uuid, event.uuid);
}

void TstArchiveServer::opensWhileServerAway()
{
    const ArchiveLocation location = freshLocation();
    stopServer();
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(location);
    ARCHIVE_VERIFY(opened);
    QVERIFY(!opened.value->isOnline());
    QCOMPARE(SiteArchive::open(ArchiveLocation::team(location.server, QString())).error.code, Code::ServerUnreachable);
    ArchiveEvent unmatched;
    unmatched.kind = EventKind::FileSaved;
    unmatched.filePath = QStringLiteral("/home/оксана/школа.vau");
    QVERIFY(opened.value->record(unmatched).value.queued);

    startServer();
    // The schema is made on the first connection, then the queue is sent.
    QCOMPARE(opened.value->sendQueued().value, 1);
    const QList<EventRecord> stored = opened.value->findEvents({}).value;
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().event.filePath, unmatched.filePath);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    PgCluster cluster;
    cluster.start();
    PgBackend backend(cluster);
    TstArchiveSuite suite(backend);
    TstArchiveServer server(cluster);
    const int suiteFailures = QTest::qExec(&suite, argc, argv);
    return suiteFailures + QTest::qExec(&server, argc, argv);
}

#include "tst_archive_pg.moc"
