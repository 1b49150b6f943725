#pragma once

#include <QList>
#include <QString>
#include <optional>

// A serial port as the system reports it.
struct SerialPortRecord {
    QString name;           // "ttyUSB0", "COM3"
    QString systemLocation; // "/dev/ttyUSB0", "\\\\.\\COM3"
    QString description;
    QString manufacturer;
    QString serialNumber;
    std::optional<quint16> vendorId; // only USB devices have them
    std::optional<quint16> productId;
};

// One line of the port dialog's list.
struct PortChoice {
    QString port; // what is stored and opened
    QString text; // what the user sees
    bool present = true;
};

struct PortList {
    QList<PortChoice> choices;
    int current = -1; // the stored port's line; -1 when none is stored
};

// The ports to offer, USB-serial adapters first (each group in the system's order), each
// named by its full path, description, maker and serial number. A stored port the system
// does not report leads the list, marked "не підключено" unless it is there all the same
// (`storedIsReachable`: a pseudo-terminal, which is never listed).
PortList portChoices(QList<SerialPortRecord> ports, const QString &stored, bool storedIsReachable);
