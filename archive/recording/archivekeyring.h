#pragma once

#include "archivelocation.h"

// The password of an archive's PostgreSQL server, kept in the system's keyring (the Secret
// Service or KWallet on Linux, the Credential Manager on Windows), never in a settings
// file. Where the keyring gives no password (none runs, it cannot be reached, the user
// refused it, or it holds none), the caller asks for the password for the session (vexctl
// takes it from PGPASSWORD).
//
// Each call waits for the keyring's answer in a local event loop, for at most
// kAnswerLimitMs: the keyring may first ask the user to unlock it. A QCoreApplication must
// exist.
class ArchiveKeyring
{
public:
    static constexpr int kAnswerLimitMs = 120000;

    enum class Status {
        Done,
        NotStored,   // the keyring holds no password for this server
        Unavailable, // no keyring here, or it refused or failed: `reason` says why
    };
    struct Answer {
        Status status = Status::Unavailable;
        QString password{}; // what readPassword found
        QString reason{};   // the keyring's own words, when it did not do it
    };

    // Entries are kept under `service`; tests use one of their own.
    explicit ArchiveKeyring(const QString &service = QStringLiteral("VexLoad Archive"));

    Answer readPassword(const ServerLocation &server) const;
    Answer storePassword(const ServerLocation &server, const QString &password) const;
    Answer forgetPassword(const ServerLocation &server) const;

    // "USER@HOST:PORT/DATABASE": one entry per account on each server's database.
    static QString keyOf(const ServerLocation &server);

private:
    QString m_service;
};
