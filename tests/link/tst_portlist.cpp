// The port dialog's list from the ports the system reports: USB-serial adapters first, each
// port with its path, description, maker and serial number, and the stored port marked
// when it is not there.
#include "portlist.h"

#include <QTest>

using Records = QList<SerialPortRecord>;
Q_DECLARE_METATYPE(Records)

namespace {

SerialPortRecord builtIn(const QString &name)
{
    return {name, QStringLiteral("/dev/") + name, {}, {}, {}, {}, {}};
}

SerialPortRecord usb(const QString &name, const QString &description, const QString &maker,
                     const QString &serial)
{
    return {name, QStringLiteral("/dev/") + name, description, maker, serial, 0x0403, 0x6001};
}

// The system's order as a Linux machine with two built-in ports and two adapters lists them.
Records machinePorts()
{
    return {builtIn("ttyS0"), usb("ttyUSB0", "FT232R USB UART", "FTDI", "A9XK3P1"),
            builtIn("ttyS1"), usb("ttyACM0", "USB Serial", "USB Serial", "")};
}

const QStringList kMachineTexts = {
    "/dev/ttyUSB0 — FT232R USB UART, FTDI, серійний номер A9XK3P1",
    "/dev/ttyACM0 — USB Serial", // the maker repeats the description
    "/dev/ttyS0",
    "/dev/ttyS1",
};
const QStringList kMachinePorts = {"ttyUSB0", "ttyACM0", "ttyS0", "ttyS1"};

} // namespace

class TstPortList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choices_data();
    void choices();
};

void TstPortList::choices_data()
{
    QTest::addColumn<Records>("ports");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("absent"); // the line marked not connected, or -1

    QTest::newRow("adapters first, stored built-in port chosen")
        << machinePorts() << "ttyS1" << false << kMachineTexts << kMachinePorts << 3 << -1;
    QTest::newRow("stored by its path")
        << machinePorts() << "/dev/ttyUSB0" << false << kMachineTexts << kMachinePorts << 0 << -1;
    QTest::newRow("nothing stored")
        << machinePorts() << "" << false << kMachineTexts << kMachinePorts << -1 << -1;
    QTest::newRow("stored adapter unplugged")
        << machinePorts() << "ttyUSB1" << false
        << QStringList{"ttyUSB1 (не підключено)"} + kMachineTexts
        << QStringList{"ttyUSB1"} + kMachinePorts << 0 << 0;
    QTest::newRow("stored pseudo-terminal is there")
        << machinePorts() << "/dev/pts/7" << true << QStringList{"/dev/pts/7"} + kMachineTexts
        << QStringList{"/dev/pts/7"} + kMachinePorts << 0 << -1;
    QTest::newRow("no ports at all, stored one absent")
        << Records{} << "COM3" << false << QStringList{"COM3 (не підключено)"} << QStringList{"COM3"}
        << 0 << 0;
    QTest::newRow("adapter without serial number or maker")
        << Records{usb("ttyUSB2", "CP2102 USB to UART Bridge Controller", "", ""), builtIn("ttyS0")}
        << "ttyUSB2" << false
        << QStringList{"/dev/ttyUSB2 — CP2102 USB to UART Bridge Controller", "/dev/ttyS0"}
        << QStringList{"ttyUSB2", "ttyS0"} << 0 << -1;
}

void TstPortList::choices()
{
    QFETCH(Records, ports);
    QFETCH(QString, stored);
    QFETCH(bool, reachable);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, names);
    QFETCH(int, current);
    QFETCH(int, absent);

    const PortList list = portChoices(ports, stored, reachable);
    QStringList gotTexts, gotNames;
    int gotAbsent = -1;
    for (int i = 0; i < list.choices.size(); ++i) {
        gotTexts.append(list.choices.at(i).text);
        gotNames.append(list.choices.at(i).port);
        if (!list.choices.at(i).present)
            gotAbsent = i;
    }
    QCOMPARE(gotTexts, texts);
    QCOMPARE(gotNames, names);
    QCOMPARE(list.current, current);
    QCOMPARE(gotAbsent, absent);
}

QTEST_GUILESS_MAIN(TstPortList)
#include "tst_portlist.moc"
