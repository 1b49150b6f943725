#pragma once

#include "devicedefinition.h"
#include "exchangeoutcome.h"
#include "settingfields.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

// What the exchange flow is asked to do, and what it says when it has done it: plain
// values, so that a window, the command line and tests read them alike.

// What a device or a configurator slot says it is.
struct DeviceIdentity {
    quint8 deviceType = 0;
    quint8 variant = 0;

    friend bool operator==(const DeviceIdentity &, const DeviceIdentity &) = default;
};

// The settings a model's images hold, field by field, read as `variant` keeps them.
using FieldsOf = std::function<QList<SettingField>(const SettingsImages &images, quint8 variant)>;

// A device read or a configurator slot read into images of the given sizes.
struct ReadJob {
    Operation operation = {};
    TransferPlan plan = {};
    int eepromSize = 0;
    int memorySize = 0;
};

// The device or slot read, compared field by field with `held` (the settings of the
// editor or a file, kept for `heldVariant`).
struct CompareJob {
    ReadJob read = {};
    SettingsImages held = {};
    quint8 heldVariant = 0;
    quint8 deviceVariant = 0;
    FieldsOf fields = {};
};

// A write to a device or a configurator slot, with the check that reads back what it
// stored. When the device was read earlier in this session, it is read again first to make
// sure it has not changed since; a device write after such a read sends only what the
// device does not hold yet (unless `whole`), and the check reads only that.
struct WriteJob {
    Operation operation = {};    // WriteDevice or WriteSlot
    TransferPlan plan = {};
    SettingsImages sent = {};
    quint8 heldVariant = 0; // the variant the sent images are kept for
    FieldsOf fields = {};
    bool check = true;
    // The model's device read: the request sizes the check reads memory with (empty for a
    // slot, which is read back as it was written).
    TransferPlan checkReadPlan = {};
    // The device as read before in this session; the device is then read again first.
    std::optional<SettingsImages> lastRead = {};
    bool readFirst = false; // read it first even so, to send only what differs
    bool whole = false;     // send every run, whatever the device holds
    ReadJob reRead = {};
    quint8 deviceVariant = 0;
    QList<ImageSegment> segments = {}; // where the read puts each of the device's bytes
    // What the device held when the flow cut the plan to what differed (set by the flow).
    std::optional<SettingsImages> cutAgainst = {};
};

// A write that stopped after the target took part of it, and where a repeat goes on:
// `from` counts the requests of the whole write.
struct CutWrite {
    WriteJob job = {};
    int from = 0;
};

// Firmware into the connected device (identified first) or into the configurator.
struct FirmwareJob {
    bool toConfigurator = false;
    QList<THexData> blocks = {};
    std::optional<DeviceIdentity> target = {}; // the device the file names, if it names one
};

// Whether firmware naming `target` (or none) may go into `found` without asking.
bool firmwareFits(const std::optional<DeviceIdentity> &target, const DeviceIdentity &found);

// The questions a flow asks on the way; an unset one is answered no.
struct FlowQuestions {
    // The device holds other settings than when it was read: `changes` lists them (the
    // value to be written first, the device's second). Yes: write anyway.
    std::function<bool(const QList<FieldDifference> &changes)> writeOverChanges;
    // The firmware names another device than `found`, or none. Yes: write it anyway.
    std::function<bool(const DeviceIdentity &found)> flashOtherDevice;
};

struct FlowResult {
    enum class Status {
        Done,          // everything asked was done; a check or comparison found no difference
        Differs,       // a check or comparison found the differences listed
        Declined,      // a question was answered no: nothing more was sent
        Cancelled,     // cancel() stopped it after the request in flight
        Failed,        // the link's cause in `link.failure`
        PortNotOpened, // the system's reason in `link.openError`
    };
    Status status = Status::Done;
    // The exchange that ended the operation: its operation (for a write, perhaps the read
    // before it or the check after it), port, failure or cancel.
    LinkOutcome link;
    qint64 elapsedMs = 0;

    DeviceIdentity identity;                         // identification, slot header, firmware
    QList<std::optional<DeviceIdentity>> slotsFound; // a survey: slots 1..4 as far as answered
    SettingsImages images; // a read; a comparison: the device; a check: the images read back
    QList<FieldDifference> differences; // changed since read, differs after a write, compared
    QStringList otherMismatches;        // a check: written constants that read back otherwise
    bool checked = false;               // a write was read back
    // A write cut to what the device did not hold: the positioned runs it sent (0: the
    // device held everything already) and the settings that differed. Nothing: sent whole.
    std::optional<int> runsWritten;
    int settingsWritten = 0;
    // A write the target took part of, to go on with.
    std::optional<CutWrite> cut;
    // This operation learnt what the device holds (a read before a write, a check, a
    // comparison): `deviceNow`, or nothing when a write left it unknown.
    bool deviceLearnt = false;
    std::optional<SettingsImages> deviceNow;

    bool ok() const { return status == Status::Done; }
    // The target took some writes of a write that did not complete.
    bool partialWrite() const { return cut.has_value(); }
};
