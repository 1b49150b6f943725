// The firmware programmer through the main window: opening a HEX file, the targets by
// port speed, writing into a simulated device and into the configurator.
#include "comport.h"
#include "main.h"
#include "programmator.h"
#include "progress.h"
#include "scripteddialogs.h"
#include "simconfigurator.h"
#include "simdevice.h"
#include "simendpoint.h"
#include "simport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Firmware for a 4-zone panel, variant 3: 16 bytes at 0x0800 (naming the target), 8 + 8
// bytes at 0x1000, and an erased line that is not sent.
const char kFirmware[] = ":10080000000102031703060708090A0B0C0D0E0F00\n"
                         ":081000001122334455667788FF\n"
                         ":0810080099AABBCCDDEEFF00FF\n"
                         ":10200000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00\n"
                         ":00000001FF\n";

} // namespace

class TstProgrammer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void openShowsTargetAndOffers_data();
    void openShowsTargetAndOffers();
    void writesIntoDevice();
    void writesIntoConfigurator();
    void nothingToSendStartsNothing();
    void portSettingsRefillTargets();
    void loadButtonWaitsWhileTransferRuns();

private:
    void storeBaud(int baud);
    TProgrammatorForm *openHex(const QByteArray &content);
    void waitForEnd();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<SimConfigurator> m_configurator;
    std::unique_ptr<SimEndpoint> m_endpoint;
    std::unique_ptr<TMainForm> m_form;
    int m_requests = 0;
};

void TstProgrammer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_dir->path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
    storeBaud(9600);
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_device = std::make_unique<SimDevice>(23, 3);
    m_configurator = std::make_unique<SimConfigurator>();
    m_endpoint = std::make_unique<SimEndpoint>(*m_device, m_configurator.get());
    m_requests = 0;
    m_endpoint->setTraceObserver([this](const TraceEntry &e) { m_requests += e.kind == TraceEntry::Kind::Request; });
    m_form = std::make_unique<TMainForm>(m_dir->filePath("option.ini"));
    m_form->setLinkFactory([this](ExchangeState &state) {
        auto link = std::make_unique<TMainCPort>(state, std::make_unique<SimPort>(*m_endpoint));
        link->LoadSettings();
        return link;
    });
    m_form->setHexOpener([this](const QString &path) { showProgrammer(*m_form)->OpenHex(path); });
}

void TstProgrammer::cleanup()
{
    m_form.reset();
    TProgressForm::closeAll();
    m_endpoint.reset();
    m_dialogs.reset();
    QDir::setCurrent(QDir::tempPath());
    m_dir.reset();
}

void TstProgrammer::storeBaud(int baud)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "VexLoad", "ComPort")
        .setValue("BaudRate", QString::number(baud));
}

TProgrammatorForm *TstProgrammer::openHex(const QByteArray &content)
{
    const QString path = m_dir->filePath("firmware.HEX");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    file.close();
    m_dialogs->fileName = path;
    m_form->findChild<QAction *>("mnOpen")->trigger();
    return m_form->findChild<TProgrammatorForm *>();
}

void TstProgrammer::waitForEnd()
{
    QTRY_VERIFY_WITH_TIMEOUT(!TProgressForm::instance(), 60000);
}

void TstProgrammer::openShowsTargetAndOffers_data()
{
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("targets");
    QTest::newRow("9600-device-only") << 9600 << 1;
    QTest::newRow("38400-device-and-configurator") << 38400 << 2;
    QTest::newRow("115200-none") << 115200 << 0;
}

void TstProgrammer::openShowsTargetAndOffers()
{
    QFETCH(int, baud);
    QFETCH(int, targets);
    storeBaud(baud);
    TProgrammatorForm *form = openHex(kFirmware);
    QVERIFY(form);
    QCOMPARE(form->findChild<QLabel *>("lbDeviceName")->text(), QStringLiteral("КОРВЕЛ-4П (KVL4P-3)"));
    QCOMPARE(form->findChild<QComboBox *>("cbSelectWhere")->count(), targets);
    QCOMPARE(form->firmware().lines.size(), 3);
    QCOMPARE(form->firmware().merged.size(), 2);
}

void TstProgrammer::writesIntoDevice()
{
    TProgrammatorForm *form = openHex(kFirmware);
    form->abtnLoadClick();
    waitForEnd();
    QCOMPARE(m_form->statusText(0), QStringLiteral("Обмін даними пройшов успішно"));
    QVERIFY(m_form->statusText(1).startsWith("Time execute   "));
    QCOMPARE(*m_device->read(SimArea::Memory, 0x0800, 16), hex("000102031703060708090A0B0C0D0E0F"));
    QCOMPARE(*m_device->read(SimArea::Memory, 0x1000, 16), hex("112233445566778899AABBCCDDEEFF00"));
    QCOMPARE(*m_device->read(SimArea::Memory, 0x2000, 2), hex("0000")); // the erased line
    QVERIFY(form->isIdle());
}

void TstProgrammer::writesIntoConfigurator()
{
    storeBaud(38400);
    TProgrammatorForm *form = openHex(kFirmware);
    form->findChild<QComboBox *>("cbSelectWhere")->setCurrentIndex(1);
    form->abtnLoadClick();
    waitForEnd();
    // Descriptor of block 0: type 23, variant 3, memory, data 0x4000, device 0x0800, 16 bytes,
    // next 0x1200.
    QCOMPARE(*m_configurator->read(0x1000, 10), hex("17 03 02 00 40 00 08 10 00 12"));
    QCOMPARE(*m_configurator->read(0x4000, 2), hex("0001"));
    // Block 1 (the two 8-byte lines merged) is the last: its next address is 0.
    QCOMPARE(m_configurator->read(0x1200, 10)->right(2), hex("0000"));
}

void TstProgrammer::nothingToSendStartsNothing()
{
    TProgrammatorForm *form = openHex(":00000001FF\n");
    form->abtnLoadClick();
    QCOMPARE(m_requests, 0);
    QVERIFY(!TProgressForm::instance());
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(form->isIdle());
}

void TstProgrammer::portSettingsRefillTargets()
{
    TProgrammatorForm *form = openHex(kFirmware);
    QCOMPARE(form->findChild<QComboBox *>("cbSelectWhere")->count(), 1);
    m_dialogs->dialogHandler = [](QObject *dialog) {
        dialog->findChild<QComboBox *>("cbBaudRate")->setCurrentText("38400");
        return 1;
    };
    m_form->findChild<QAction *>("mnOptionCOM")->trigger();
    QCOMPARE(form->findChild<QComboBox *>("cbSelectWhere")->count(), 2);
    QCOMPARE(form->findChild<QComboBox *>("cbSelectWhere")->currentIndex(), 0);
}

// A second press while the firmware goes out starts nothing: the device gets the five
// requests of one transfer (address 0x0800 and its line, address 0x1000 and two lines).
void TstProgrammer::loadButtonWaitsWhileTransferRuns()
{
    TProgrammatorForm *form = openHex(kFirmware);
    auto *load = form->findChild<QPushButton *>("abtnLoad");
    QVERIFY(load->isEnabled());
    load->click();
    QVERIFY(!load->isEnabled());
    form->abtnLoadClick();
    waitForEnd();
    QCOMPARE(m_requests, 5);
    QVERIFY(load->isEnabled());
}

QTEST_MAIN(TstProgrammer)
#include "tst_programmer.moc"
