#include "portsettings.h"

#include <QSettings>

namespace {

const QString kOrganisation = QStringLiteral("VexLoad");
const QString kApplication = QStringLiteral("ComPort");

const QStringList kBaudTexts = {"110",   "300",   "600",   "1200",   "2400",   "4800",
                                "9600",  "14400", "19200", "38400",  "56000",  "57600",
                                "115200", "128000", "256000"};
const QStringList kStopTexts = {"1", "1.5", "2"};
const QStringList kDataTexts = {"5", "6", "7", "8"};
const QStringList kParityTexts = {"None", "Odd", "Even", "Mark", "Space"};
const QStringList kFlowTexts = {"Hardware", "Software", "None", "Custom"};
const QStringList kParityNames = {"Немає", "Непарна", "Парна", "Маркер", "Пробіл"};
const QStringList kFlowNames = {"Апаратне", "Програмне (XON/XOFF)", "Немає", "Не змінювати"};

constexpr QSerialPort::StopBits kStopValues[] = {QSerialPort::OneStop, QSerialPort::OneAndHalfStop,
                                                 QSerialPort::TwoStop};
constexpr QSerialPort::Parity kParityValues[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                 QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                 QSerialPort::SpaceParity};
constexpr PortSettings::Flow kFlowValues[] = {PortSettings::Flow::Hardware,
                                              PortSettings::Flow::Software,
                                              PortSettings::Flow::None, PortSettings::Flow::Custom};

// Index of `text` in `texts` compared without case, or -1.
int indexOf(const QStringList &texts, const QString &text)
{
    const QString wanted = text.trimmed();
    for (int i = 0; i < texts.size(); ++i) {
        if (texts.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString readText(const QSettings &store, const char *key)
{
    return store.value(QLatin1String(key)).toString();
}

} // namespace

QStringList standardBaudRateTexts() { return kBaudTexts; }
QStringList stopBitsTexts() { return kStopTexts; }
QStringList dataBitsTexts() { return kDataTexts; }
QStringList parityTexts() { return kParityTexts; }
QStringList flowControlTexts() { return kFlowTexts; }
QStringList parityNames() { return kParityNames; }
QStringList flowControlNames() { return kFlowNames; }

QSerialPort::StopBits stopBitsFromText(const QString &text)
{
    const int i = indexOf(kStopTexts, text);
    return i >= 0 ? kStopValues[i] : QSerialPort::OneStop;
}

QSerialPort::DataBits dataBitsFromText(const QString &text)
{
    const int i = indexOf(kDataTexts, text);
    return i >= 0 ? QSerialPort::DataBits(kDataTexts.at(i).toInt()) : QSerialPort::Data8;
}

QSerialPort::Parity parityFromText(const QString &text)
{
    const int i = indexOf(kParityTexts, text);
    return i >= 0 ? kParityValues[i] : QSerialPort::NoParity;
}

PortSettings::Flow flowFromText(const QString &text)
{
    const int i = indexOf(kFlowTexts, text);
    return i >= 0 ? kFlowValues[i] : PortSettings::Flow::Custom;
}

QString stopBitsText(QSerialPort::StopBits bits)
{
    const auto it = std::find(std::begin(kStopValues), std::end(kStopValues), bits);
    return kStopTexts.value(int(it - std::begin(kStopValues)), kStopTexts.first());
}

QString parityText(QSerialPort::Parity parity)
{
    const auto it = std::find(std::begin(kParityValues), std::end(kParityValues), parity);
    return kParityTexts.value(int(it - std::begin(kParityValues)), kParityTexts.first());
}

QString flowText(PortSettings::Flow flow)
{
    const auto it = std::find(std::begin(kFlowValues), std::end(kFlowValues), flow);
    return kFlowTexts.value(int(it - std::begin(kFlowValues)), kFlowTexts.last());
}

PortSettings PortSettings::fromSettings(const QSettings &store)
{
    PortSettings s;
    s.port = readText(store, "Port");

    const QString baud = readText(store, "BaudRate");
    if (baud.trimmed().compare(QLatin1String("Custom"), Qt::CaseInsensitive) == 0) {
        bool ok = false;
        const int rate = store.value(QStringLiteral("CustomBaudRate")).toInt(&ok);
        s.customBaud = ok && rate > 0;
        s.baudRate = s.customBaud ? rate : 9600;
    } else if (const int i = indexOf(kBaudTexts, baud); i >= 0) {
        s.baudRate = kBaudTexts.at(i).toInt();
    }

    s.stopBits = stopBitsFromText(readText(store, "StopBits"));
    s.dataBits = dataBitsFromText(readText(store, "DataBits"));
    s.parity = parityFromText(readText(store, "Parity"));
    s.flow = flowFromText(readText(store, "FlowControl"));
    return s;
}

void PortSettings::toSettings(QSettings &store) const
{
    store.setValue(QStringLiteral("Port"), port);
    if (customBaud) {
        store.setValue(QStringLiteral("BaudRate"), QStringLiteral("Custom"));
        store.setValue(QStringLiteral("CustomBaudRate"), baudRate);
    } else {
        store.setValue(QStringLiteral("BaudRate"), QString::number(baudRate));
    }
    store.setValue(QStringLiteral("StopBits"), stopBitsText(stopBits));
    store.setValue(QStringLiteral("DataBits"), QString::number(int(dataBits)));
    store.setValue(QStringLiteral("Parity"), parityText(parity));
    store.setValue(QStringLiteral("FlowControl"), flowText(flow));
}

PortSettings PortSettings::load()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation,
                          kApplication);
    return fromSettings(store);
}

void PortSettings::store() const
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    toSettings(store);
    store.sync();
}

void PortSettings::applyTo(QSerialPort &serial) const
{
    serial.setPortName(port);
    serial.setBaudRate(baudRate);
    serial.setDataBits(dataBits);
    serial.setStopBits(stopBits);
    serial.setParity(parity);
    switch (flow) {
    case Flow::None: serial.setFlowControl(QSerialPort::NoFlowControl); break;
    case Flow::Hardware: serial.setFlowControl(QSerialPort::HardwareControl); break;
    case Flow::Software: serial.setFlowControl(QSerialPort::SoftwareControl); break;
    case Flow::Custom: break;
    }
}
