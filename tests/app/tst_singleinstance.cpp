// Two real processes: a second start hands over to the first; a killed first instance
// never blocks a later start.
#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QUuid>

class TstSingleInstance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void secondStartActivatesFirst();
    void killedFirstInstanceDoesNotBlock();

private:
    QString helper() const
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/singleinstance_helper");
    }
    bool waitForLine(QProcess &process, const QByteArray &line);
    const QString m_name = QStringLiteral("vextest-") + QUuid::createUuid().toString(QUuid::Id128);
};

bool TstSingleInstance::waitForLine(QProcess &process, const QByteArray &line)
{
    QByteArray seen;
    for (int i = 0; i < 200 && !seen.contains(line); ++i) {
        process.waitForReadyRead(100);
        seen += process.readAllStandardOutput();
    }
    return seen.contains(line);
}

void TstSingleInstance::secondStartActivatesFirst()
{
    QProcess first;
    first.start(helper(), {m_name});
    QVERIFY(waitForLine(first, "primary"));

    QProcess second;
    second.start(helper(), {m_name});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 3);
    QVERIFY(waitForLine(first, "activated"));

    first.kill();
    first.waitForFinished();
}

void TstSingleInstance::killedFirstInstanceDoesNotBlock()
{
    QProcess first;
    first.start(helper(), {m_name + "-killed"});
    QVERIFY(waitForLine(first, "primary"));
    first.kill(); // SIGKILL: no clean-up of lock file or socket
    QVERIFY(first.waitForFinished(30000));

    QProcess later;
    later.start(helper(), {m_name + "-killed"});
    QVERIFY(waitForLine(later, "primary"));
    later.kill();
    later.waitForFinished();
}

QTEST_GUILESS_MAIN(TstSingleInstance)
#include "tst_singleinstance.moc"
