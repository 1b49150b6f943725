#pragma once

#include "devicemodel.h"
#include "packets.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

// A transfer (a device read or write, a configurator slot read or write) described as
// data: stages, each with its progress text and its steps. The framework turns a plan into
// the requests of one exchange; verification and comparison read the same plan.

enum class RequestForm {
    Chunked,     // requests of at most requestSize bytes, in order through the run
    ShortRead, // one two-byte memory read for the whole run (the reply fills from its offset)
};

// A set-address request for `deviceAddress`, then the transfer of `length` image bytes
// from `imageOffset` at the device's pointer. Reads of EEPROM go one byte per request.
struct DeviceRun {
    ImageArea area;
    quint16 deviceAddress;
    int imageOffset;
    int length;
    int requestSize;
    RequestForm form = RequestForm::Chunked;
    QByteArray constant = {}; // written instead of image bytes when not empty (a fixed marker)

    friend bool operator==(const DeviceRun &, const DeviceRun &) = default;
};

// Short-address requests (device commands 0x09, 0x0A) moving memory-image bytes into the
// device's byte-addressed area; each request carries its own address.
struct ShortRun {
    quint8 shortAddress;
    int imageOffset;
    int length;
    int requestSize;

    friend bool operator==(const ShortRun &, const ShortRun &) = default;
};

// The seven clock bytes (device commands 0x0B, 0x0C) at `imageOffset` of the memory image.
// Seven zero bytes are no date: a write then leaves the device's clock alone and sends
// nothing.
struct ClockRun {
    int imageOffset;

    friend bool operator==(const ClockRun &, const ClockRun &) = default;
};

// Image bytes kept at a configurator data address (slot base included).
struct SlotData {
    ImageArea area;
    quint16 dataAddress;
    int imageOffset;
    int length;
    QByteArray constant = {}; // stored instead of image bytes when not empty

    friend bool operator==(const SlotData &, const SlotData &) = default;
};

using PlanStep = std::variant<DeviceRun, ShortRun, ClockRun, TPacketList::Descriptor, SlotData>;

struct PlanStage {
    QString text; // progress window and status bar while the stage runs
    QList<PlanStep> steps;
};

struct TransferPlan {
    enum class Direction { Read, Write };
    Direction direction = Direction::Read;
    QList<PlanStage> stages;

    bool isEmpty() const;
};

// The requests of a plan, and where each stage's requests begin.
struct PlannedExchange {
    TPacketList list;
    QList<int> stageStarts;
    QStringList stageTexts;

    // The text of the stage that request `index` belongs to.
    QString stageTextAt(int index) const;
};

// Writes take their bytes from the images as they are now.
PlannedExchange planRequests(const TransferPlan &plan, const QByteArray &eepromImage,
                             const QByteArray &memoryImage);

// Appends the requests of one step.
void appendStep(TPacketList &list, TransferPlan::Direction direction, const PlanStep &step,
                const QByteArray &eepromImage, const QByteArray &memoryImage);

// The descriptor of `count` bytes kept at configurator address `data` for `deviceAddress`;
// type, variant and next address are left to the caller.
TPacketList::Descriptor blockDescriptor(quint16 record, quint16 data, quint16 deviceAddress,
                                        ImageArea area, int count);

// Sets each descriptor's next address to the following one's record; the last points to
// `end` (below 0x1000: no descriptor is stored there).
void chainDescriptors(QList<TPacketList::Descriptor> &descriptors, quint16 end);

// Texts of the usual stages.
namespace stagetext {
inline const QString kWriteEeprom = QStringLiteral("Запис даних в EEPROM");
inline const QString kWriteMemory = QStringLiteral("Запис даних у память");
inline const QString kReadEeprom = QStringLiteral("Отримання даних з EEPROM");
inline const QString kReadMemory = QStringLiteral("Отримання даних з памяті");
inline const QString kReadSlot = QStringLiteral("Отримання даних з конфігуратора");
inline const QString kSurvey = QStringLiteral("Опитування конфігуратора");
inline const QString kClearConfigurator = QStringLiteral("Очистка памяті конфігуратора");
inline const QString kWriteFirmware = QStringLiteral("Запис HEX");
QString writeSlot(int slot); // "Запис даних в конфігуратор (конфігурація 2)"
} // namespace stagetext
