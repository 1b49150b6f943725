#pragma once

// Helpers shared by the archive tests.

#include "connection.h"
#include "sitearchive.h"

#include <QDateTime>
#include <QTest>
#include <memory>

namespace archivetesting {

// A plain connection to an archive's database, for what the program itself never does:
// damaging rows, writing a newer schema version, reading the version table.
std::unique_ptr<ArchiveConnection> rawConnection(const ArchiveLocation &location);
// The first column of the first row as text; the error's message when the statement fails.
QString textOf(ArchiveConnection &connection, const QString &sql);

// "2024-03-01T10:00:00.000Z" as a time.
QDateTime utc(const char *iso);

// CRC check values of the CRC-32 used by zip: "123456789" gives 0xCBF43926, the sentence
// 0x414FA339.
inline const QByteArray kCheckDigits = QByteArrayLiteral("123456789");
inline constexpr quint32 kCheckDigitsCrc = 0xCBF43926;
inline const QByteArray kFox = QByteArrayLiteral("The quick brown fox jumps over the lazy dog");
inline constexpr quint32 kFoxCrc = 0x414FA339;

} // namespace archivetesting

// Stops the test with the archive's message when `result` failed; evaluates it once.
#define ARCHIVE_VERIFY(result)                                                                  \
    do {                                                                                        \
        const auto &checked_ = (result);                                                        \
        QVERIFY2(checked_.ok(), qPrintable(checked_.error.message));                            \
    } while (false)
#define ARCHIVE_NO_ERROR(error)                                                                 \
    do {                                                                                        \
        const ArchiveError checked_ = (error);                                                  \
        QVERIFY2(!checked_.isError(), qPrintable(checked_.message));                            \
    } while (false)

Q_DECLARE_METATYPE(ArchiveError::Code)
