#pragma once

#include "archivelocation.h"

#include <QString>
#include <variant>

// The archive a run names with --archive: "sqlite:PATH", or
// "postgresql://USER@HOST[:PORT]/DATABASE" (the default port 5432; the outbox beside the
// default archive file). The password is never part of it: PGPASSWORD or the keyring
// gives it.
using ArchiveAddress = std::variant<ArchiveLocation, QString>; // or what is wrong, one line
ArchiveAddress parseArchiveAddress(const QString &text);

// The location as --archive names it, without the password.
QString archiveAddressText(const ArchiveLocation &location);
