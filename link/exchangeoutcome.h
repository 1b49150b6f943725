#pragma once

#include <QString>
#include <optional>

// What the user asked for when an exchange started: named in the log, in failure boxes
// and in the status bar.
struct Operation {
    enum class Kind {
        ReadDevice,
        WriteDevice,
        ReadSlot,
        WriteSlot,
        SurveySlots,
        ClearConfigurator,
        FirmwareToDevice,
        FirmwareToConfigurator,
        RegularMode,
        VerifyDevice,  // reading back what a write stored
        VerifySlot,
        CompareDevice, // reading the device to compare it with the editor
    };
    Kind kind = Kind::ReadDevice;
    int slot = 0; // 1..4 for the slot operations

    // Reads, slot reads and surveys: a failure stops reading, not writing.
    bool reads() const;
    // "зчитування з приладу", "запис у конфігуратор (конфігурація 2)", ...
    QString name() const;
};

// Why an exchange failed: the fifth miss since it last got further.
struct ExchangeFailure {
    enum class Cause {
        NoReply,     // nothing came back in the reply time
        BadChecksum, // the reply's checksum was wrong
        WrongAnswer, // the reply answered another request, or was too short for this one
    };
    Cause cause = Cause::NoReply;
    int request = 0; // 1-based number of the request the exchange could not get past
    int total = 0;   // requests in the exchange
    bool writesAcknowledged = false; // the device or configurator took at least one write
    int resumeFrom = 0; // index of the request a repeat of the failed run starts from

    // "немає відповіді після 5 спроб на запит 3 з 98"
    QString causeText() const;
};

// Where an exchange the user cancelled stopped: after the request that was in flight.
struct ExchangeCancel {
    int answered = 0; // requests that got their good reply
    int total = 0;    // requests in the exchange
    bool writesAcknowledged = false; // the device or configurator took at least one write
    int resumeFrom = 0; // index of the request a repeat of the rest starts from
};

// What a window needs to report an exchange after its link is gone.
struct LinkOutcome {
    Operation operation;
    QString port;
    QString openError;                      // the system's reason when the port did not open
    std::optional<ExchangeFailure> failure; // why the exchange failed
    std::optional<ExchangeCancel> cancel;   // where the user stopped it
};

// The numbered text of a failed transfer: error 6 for writes; for reads its first line
// followed by "Зчитування даних з приладу зупинено".
QString transmitErrorText(const Operation &operation);
// The line under it: the operation, the port and the cause, and for a write that the
// device got part of, that it may hold part of the new settings.
QString transmitErrorDetail(const Operation &operation, const QString &port,
                            const ExchangeFailure &failure);
// For a write the target got part of: it may hold part of the new settings.
QString partialWriteWarning(const Operation &operation);
// Status-bar text of a cancelled operation: "Зчитування з приладу скасовано".
QString cancelledStatus(const Operation &operation);
// What a cancelled operation did and what that leaves: the requests answered, and for a
// write that the target may hold part of it (firmware: that the firmware is incomplete).
QString cancelledText(const Operation &operation, const ExchangeCancel &cancel);
// The line under error 3: the port and the system's reason.
QString openErrorDetail(const Operation &operation, const QString &port, const QString &reason);
// The line under error 11 or 13: what the device said it is (`model`: its name, as the
// slot descriptions give it), and what the editor holds.
QString foundDeviceDetail(quint8 typeCode, quint8 variant, const QString &model);
QString deviceMismatchDetail(quint8 foundType, quint8 foundVariant, const QString &foundModel,
                             const QString &editorTitle, quint8 editorType, quint8 editorVariant);
// Status-bar text of an operation that failed for `reason`.
QString operationFailedStatus(const Operation &operation, const QString &reason);
