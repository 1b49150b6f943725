#include "portlist.h"

#include <algorithm>

namespace {

bool isUsb(const SerialPortRecord &port)
{
    return port.vendorId.has_value();
}

bool names(const SerialPortRecord &port, const QString &stored)
{
    return port.name == stored || port.systemLocation == stored;
}

// "/dev/ttyUSB0 — FT232R USB UART, FTDI, серійний номер A9XK"
QString choiceText(const SerialPortRecord &port)
{
    QStringList details;
    if (!port.description.isEmpty())
        details.append(port.description);
    if (!port.manufacturer.isEmpty() && port.manufacturer != port.description)
        details.append(port.manufacturer);
    if (!port.serialNumber.isEmpty())
        details.append(QStringLiteral("серійний номер ") + port.serialNumber);
    const QString path = port.systemLocation.isEmpty() ? port.name : port.systemLocation;
    return details.isEmpty() ? path : path + QStringLiteral(" — ") + details.join(QStringLiteral(", "));
}

} // namespace

PortList portChoices(QList<SerialPortRecord> ports, const QString &stored, bool storedIsReachable)
{
    std::stable_partition(ports.begin(), ports.end(), isUsb);
    PortList list;
    const auto found = std::find_if(ports.cbegin(), ports.cend(),
                                    [&stored](const SerialPortRecord &p) { return names(p, stored); });
    if (!stored.isEmpty() && found == ports.cend()) {
        const QString mark = storedIsReachable ? QString() : QStringLiteral(" (не підключено)");
        list.choices.append({stored, stored + mark, storedIsReachable});
        list.current = 0;
    }
    for (const SerialPortRecord &port : std::as_const(ports)) {
        if (found != ports.cend() && &port == &*found)
            list.current = int(list.choices.size());
        list.choices.append({port.name, choiceText(port), true});
    }
    return list;
}
