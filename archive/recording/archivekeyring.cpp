#include "archivekeyring.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

using Answer = ArchiveKeyring::Answer;
using Status = ArchiveKeyring::Status;

// Without a session bus the Secret Service fails with "other error", not "no backend": the
// caller can only ask, whatever the cause.
Status statusOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError: return Status::Done;
    case QKeychain::EntryNotFound: return Status::NotStored;
    default: return Status::Unavailable;
    }
}

Answer answerOf(QKeychain::Job &job)
{
    Answer answer{statusOf(job.error()), {}, {}};
    if (answer.status != Status::Done)
        answer.reason = job.errorString();
    else if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(&job))
        answer.password = read->textData();
    return answer;
}

// The job deletes itself once it has finished, even after the wait has given up on it.
Answer runJob(QKeychain::Job *job, const QString &key)
{
    Answer answer{Status::Unavailable, {}, QStringLiteral("the keyring did not answer")};
    bool ended = false;
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job *done) {
        answer = answerOf(*done);
        ended = true;
        loop.quit();
    });
    QTimer::singleShot(ArchiveKeyring::kAnswerLimitMs, &loop, &QEventLoop::quit);
    job->setAutoDelete(true);
    // Where no keyring runs the job fails rather than keep the password in a plain file.
    job->setInsecureFallback(false);
    job->setKey(key);
    job->start();
    if (!ended)
        loop.exec();
    return answer;
}

} // namespace

ArchiveKeyring::ArchiveKeyring(const QString &service) : m_service(service)
{
}

ArchiveKeyring::Answer ArchiveKeyring::readPassword(const ServerLocation &server) const
{
    return runJob(new QKeychain::ReadPasswordJob(m_service), keyOf(server));
}

ArchiveKeyring::Answer ArchiveKeyring::storePassword(const ServerLocation &server, const QString &password) const
{
    auto *job = new QKeychain::WritePasswordJob(m_service);
    job->setTextData(password);
    return runJob(job, keyOf(server));
}

ArchiveKeyring::Answer ArchiveKeyring::forgetPassword(const ServerLocation &server) const
{
    return runJob(new QKeychain::DeletePasswordJob(m_service), keyOf(server));
}

QString ArchiveKeyring::keyOf(const ServerLocation &server)
{
    return QStringLiteral("%1@%2:%3/%4").arg(server.user, server.host).arg(server.port).arg(server.database);
}
