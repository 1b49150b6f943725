// Port settings in the per-user store: accepted texts without regard to case, fallbacks,
// the custom rate, and what a link with nothing stored does.
#include "comport.h"
#include "portsettings.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Values = QMap<QString, QString>;

class TstPortSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void parse_data();
    void parse();
    void roundTrip();
    void nothingStoredCannotOpen();

private:
    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
};

void TstPortSettings::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QDir::setCurrent(m_dir.path());
}

void TstPortSettings::parse_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("flow");

    QTest::newRow("nothing-stored") << Values{} << "" << 9600 << 8 << int(QSerialPort::OneStop)
                                    << int(QSerialPort::NoParity) << int(PortSettings::Flow::Custom);
    QTest::newRow("all-known-any-case")
        << Values{{"Port", "COM3"}, {"BaudRate", "38400"}, {"DataBits", "7"}, {"StopBits", "2"},
                  {"Parity", "eVeN"}, {"FlowControl", "HARDWARE"}}
        << "COM3" << 38400 << 7 << int(QSerialPort::TwoStop) << int(QSerialPort::EvenParity)
        << int(PortSettings::Flow::Hardware);
    QTest::newRow("unknown-texts-fall-back")
        << Values{{"Port", "/dev/ttyUSB0"}, {"BaudRate", "12345"}, {"DataBits", "9"}, {"StopBits", "3"},
                  {"Parity", "weird"}, {"FlowControl", "maybe"}}
        << "/dev/ttyUSB0" << 9600 << 8 << int(QSerialPort::OneStop) << int(QSerialPort::NoParity)
        << int(PortSettings::Flow::Custom);
    QTest::newRow("custom-rate")
        << Values{{"BaudRate", "custom"}, {"CustomBaudRate", "250000"}, {"StopBits", "1.5"},
                  {"FlowControl", "none"}}
        << "" << 250000 << 8 << int(QSerialPort::OneAndHalfStop) << int(QSerialPort::NoParity)
        << int(PortSettings::Flow::None);
    QTest::newRow("custom-without-rate") << Values{{"BaudRate", "Custom"}} << "" << 9600 << 8
                                         << int(QSerialPort::OneStop) << int(QSerialPort::NoParity)
                                         << int(PortSettings::Flow::Custom);
}

void TstPortSettings::parse()
{
    QFETCH(Values, values);
    QSettings store(m_dir.filePath("parse.ini"), QSettings::IniFormat);
    store.clear();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store.setValue(it.key(), it.value());
    const PortSettings s = PortSettings::fromSettings(store);
    QTEST(s.port, "port");
    QTEST(s.baudRate, "baud");
    QTEST(int(s.dataBits), "dataBits");
    QTEST(int(s.stopBits), "stopBits");
    QTEST(int(s.parity), "parity");
    QTEST(int(s.flow), "flow");
}

void TstPortSettings::roundTrip()
{
    PortSettings s;
    s.port = "/dev/pts/3";
    s.baudRate = 115200;
    s.parity = QSerialPort::OddParity;
    s.flow = PortSettings::Flow::Software;
    s.store();
    const PortSettings back = PortSettings::load();
    QCOMPARE(back.port, s.port);
    QCOMPARE(back.baudRate, 115200);
    QCOMPARE(back.parity, QSerialPort::OddParity);
    QCOMPARE(back.flow, PortSettings::Flow::Software);
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "VexLoad", "ComPort");
    QCOMPARE(raw.value("BaudRate").toString(), QStringLiteral("115200"));
    QCOMPARE(raw.value("Parity").toString(), QStringLiteral("Odd"));
}

void TstPortSettings::nothingStoredCannotOpen()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "VexLoad", "ComPort").clear();
    ExchangeState state;
    TMainCPort port(state);
    port.LoadSettings();
    QCOMPARE(port.settings().baudRate, 9600);
    QVERIFY(port.settings().port.isEmpty());
    QVERIFY(!port.OpenPort());
}

QTEST_GUILESS_MAIN(TstPortSettings)
#include "tst_portsettings.moc"
