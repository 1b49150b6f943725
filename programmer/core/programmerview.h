#pragma once

#include "flowjobs.h"
#include "hexfile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>


// "КОРВЕЛ-4П (KVL4P-3)" for type 23 variant 3; empty for a type without a name.
QString firmwareDeviceName(quint8 deviceType, quint8 variant);
// The name, or the type code and variant for a type without one.
QString deviceDescription(quint8 deviceType, quint8 variant);

// The targets a port speed allows: 9600 the device only, 38400 the device and the
// configurator, any other speed none.
QStringList programmerTargets(qint32 baudRate);

// Why a file is refused, naming its line: "Рядок 3: неправильна контрольна сума ...".
QString hexErrorText(const HexError &error);

// What the window shows of an opened file before anything is written.
struct FirmwareSummary {
    QString fileName;
    QString size;
    QString addresses;
    QString bytes;
    QString device;
    QString crc;
    QString state; // loadable, or why not
    bool loadable = false;
};
FirmwareSummary summarize(const QString &fileName, const HexFile &file);

// What the flow writes of the firmware: each data record into the device, the merged
// blocks into the configurator.
FirmwareJob firmwareJob(const HexFirmware &firmware, bool toConfigurator);

// The question to ask before writing, or empty when none is needed: the identified
// device is another model, or the file names none. No identity: the configurator is written.
QString confirmationQuestion(const HexFirmware &firmware, const std::optional<DeviceIdentity> &connected);
