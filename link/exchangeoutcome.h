#pragma once

#include <QString>
#include <optional>

// What an exchange is for, when it failed or was stopped, and what that left: values that
// the windows and the command line put in words of their own.

// What the user asked for when an exchange started.
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
    // A write into the configurator (a slot, firmware, clearing) rather than the device.
    bool targetsConfigurator() const;
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
