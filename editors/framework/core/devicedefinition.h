#pragma once

#include "devicemodel.h"
#include "settingfields.h"
#include "transferplan.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <functional>
#include <optional>

struct SettingsReport;

// Everything the program knows about one device model, in one place: identification,
// titles and files per variant, capabilities, where its settings live in the device, how
// they travel, and its factory settings. The list of every definition is the registry.

// The byte spaces of a device.
enum class DeviceSpace {
    Eeprom, // reached through the address pointer
    Memory, // working memory, reached through the address pointer
    Short,  // reached by the short-address commands
    Clock,  // the 7 clock bytes, at address 0
};

// A run of settings-image bytes kept at consecutive addresses of one device space.
struct ImageSegment {
    using Image = ImageArea;
    Image image;
    int imageOffset;
    int length;
    DeviceSpace space;
    int address;
};

struct SelectionLink {
    int number;
    const char *text;
    const char *heading;
    Model model;
    quint8 variant;
};

struct SettingsImages {
    QByteArray eeprom;
    QByteArray memory;

    friend bool operator==(const SettingsImages &, const SettingsImages &) = default;
};

struct DeviceDefinition {
    Model model;
    quint8 typeCode;          // what the device answers to identification
    const char *editorClass;  // "TKorvelForm4p"
    const char *component;    // window component name and option.ini section: "KorvelForm4p"
    int eepromSize;           // settings file and transfer image sizes
    int memorySize;
    QList<quint8> acceptedVariants;
    int readMemorySize = 0;   // memory image size while a device read runs; 0: memorySize
    // The variant an editor takes for a reported one (the 4-zone panel's 0 is its 3).
    std::function<quint8(quint8 reported)> editorVariant = [](quint8 v) { return v; };
    // Whether a device of the model that reports `reported` takes settings held for `held`
    // (an editor's variant, or the one a settings file records): the variant they are then
    // written with, which the holder adopts; nothing when the device cannot take them.
    std::function<std::optional<quint8>(quint8 held, quint8 reported)> writeVariant =
        [](quint8 held, quint8 reported) { return held == reported ? std::optional<quint8>(held) : std::nullopt; };
    // The editor variant of images recorded (in a file or a slot) as `recorded`: the recorded
    // one, unless the images name their own.
    std::function<quint8(const SettingsImages &images, quint8 recorded)> imagesVariant =
        [](const SettingsImages &, quint8 recorded) { return recorded; };
    // Editor title (also its hint); empty when the variant leaves the title as it was.
    std::function<QString(quint8 variant)> title = {};
    // Factory settings file relative to the program's folder, chosen by the editor's
    // title; empty when the model has none.
    std::function<QString(const QString &title)> factoryFile = [](const QString &) { return QString(); };
    // Text after "Конфігурація n " in the read-slot menu items.
    std::function<QString(quint8 variant)> slotDescription = {};
    QList<SelectionLink> links = {};
    // What `vexsim --model` calls the model: "16p".
    QStringList simulatorNames = {};
    // The programmer names firmware for the model by this, the variant and ")"; none: the
    // programmer has no name for it.
    const char *firmwareName = nullptr;
    bool takesConfiguratorTransfers = true;
    bool hasReport = true;

    // The memory map and the transfers; absent for a model without an editor yet.
    std::function<QList<ImageSegment>(quint8 variant)> segments = {};
    std::function<TransferPlan(quint8 editorVariant)> deviceWrite = {};
    std::function<TransferPlan(quint8 firmwareVariant, qint32 baudRate)> deviceRead = {};
    // The variant recorded in a configurator slot.
    std::function<quint8(quint8 editorVariant)> slotVariant = [](quint8 v) { return v; };
    std::function<TransferPlan(quint8 editorVariant, int slot)> slotWrite = {};
    std::function<TransferPlan(quint8 editorVariant, int slot)> slotRead = {};
    // The settings the images hold, field by field as the report prints them.
    std::function<QList<SettingField>(const SettingsImages &images, quint8 variant)> settingFields = {};
    // The settings report of the images, as the editor of `variant` prints it.
    std::function<SettingsReport(const SettingsImages &images, quint8 variant)> report = {};
    // The images an editor holds right after a reset to the factory settings.
    std::function<SettingsImages(quint8 variant)> factoryImages = {};
    // The object number the device reports to the monitoring station, as its editor shows
    // it: what the site archive knows the device by. Empty when the images hold none.
    std::function<QString(const SettingsImages &images, quint8 variant)> objectNumber =
        [](const SettingsImages &, quint8) { return QString(); };
    // Firmware that answers a two-byte memory read at the start of a block with the whole
    // block: device address -> block length (empty for firmware that does not).
    std::function<QMap<int, int>(quint8 variant)> wholeBlockReads = [](quint8) { return QMap<int, int>(); };

    int deviceReadMemorySize() const { return readMemorySize ? readMemorySize : memorySize; }
    bool hasEditor() const { return bool(deviceWrite); }
};
