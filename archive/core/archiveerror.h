#pragma once

#include <QString>

// What went wrong in the archive, as a value. The code is for the program; the message is
// the sentence for the user with the database's or the system's own words after it.
struct ArchiveError {
    enum class Code {
        None,
        NoDriver,          // the Qt SQL driver for the engine is not installed
        CannotOpen,        // the file or folder cannot be opened or created
        Damaged,           // the file is not a database, or stored data fail their checks
        NotAnArchive,      // a database with tables of something else
        TooNew,            // written by a newer program: refused and left as it is
        ServerUnreachable, // the PostgreSQL server cannot be reached now
        QueryFailed,       // any other refusal by the database
        NotFound,          // no site, device or event with that number
        EmptyName,         // a site without a name
        EmptyObjectNumber, // a device without an object number
        BadPaging,         // a negative offset or a limit outside 1..kMaxPageSize
        ImageTooLarge,     // an image over kMaxImageBytes
        AlreadyMatched,    // the event already belongs to a device
        NoConfiguration,   // the event holds no pair of images to export
        ServerBackup,      // the copy of a server archive is the server's business
        BackupOverArchive, // the copy would replace the archive itself
        BackupFailed,
    };

    Code code = Code::None;
    QString message;

    bool isError() const { return code != Code::None; }

    // The error with the sentence for `code`, followed by `detail` when there is one.
    static ArchiveError make(Code code, const QString &detail = QString());
    // A schema `found` that this program, which knows versions up to `known`, cannot read.
    static ArchiveError tooNew(int found, int known);
};

// A value or the reason there is none.
template <typename T>
struct ArchiveResult {
    T value{};
    ArchiveError error{};

    bool ok() const { return !error.isError(); }
};

// Why a stored event cannot be trusted, for EventRecord::damage.
namespace archivedamage {
QString eepromCrc(qint64 eventId);
QString memoryCrc(qint64 eventId);
QString differences(qint64 eventId);
QString unknownCode(const QString &column, const QString &code, qint64 rowId);
QString outOfRange(const QString &column, qint64 rowId);
} // namespace archivedamage
