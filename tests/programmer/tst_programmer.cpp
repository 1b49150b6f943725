// The firmware programmer through the main window: opening a HEX file, the targets by
// port speed, damaged files refused, the question before writing other firmware, writing
// into a simulated device and into the configurator, the window itself. The files under
// data/ were made by srec_cat and objcopy from data/firmware16p.bin (see tst_hexfile.cpp).
#include "comport.h"
#include "main.h"
#include "manualclock.h"
#include "programmator.h"
#include "progress.h"
#include "privatesettings.h"
#include "scripteddialogs.h"
#include "simconfigurator.h"
#include "simdevice.h"
#include "simendpoint.h"
#include "simport.h"
#include "slotapply.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpression>
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
const char kFirmware[] = ":10080000000102031703060708090A0B0C0D0E0F5F\n"
                         ":08100000112233445566778884\n"
                         ":0810080099AABBCCDDEEFF004C\n"
                         ":10200000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFE0\n"
                         ":00000001FF\n";
const char kTargetRecord[] = ":10080000000102031703060708090A0B0C0D0E0F5F";

// `count` records of 16 bytes 0x11 from 0x0800 on, and the end record.
QByteArray sixteenByteRecords(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        const int address = 0x0800 + 16 * i;
        QByteArray record = QByteArray::fromHex(QByteArray::number(0x10000000 | address << 8, 16))
                            + QByteArray(16, '\x11');
        quint8 sum = 0;
        for (const char byte : record)
            sum = quint8(sum + quint8(byte));
        text += ':' + (record + char(-sum)).toHex().toUpper() + '\n';
    }
    return text + ":00000001FF\n";
}

QByteArray fixture(const QString &name)
{
    QFile file(QFINDTESTDATA("data/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    void damagedFileRefused_data();
    void damagedFileRefused();
    void otherFirmwareAsksFirst_data();
    void otherFirmwareAsksFirst();
    void everyRecordArrives_data();
    void everyRecordArrives();
    void configuratorChainLimit();
    void progressShowsBytesAndTimeLeft();
    void cancelledFlashSaysFirmwareIsIncomplete_data();
    void cancelledFlashSaysFirmwareIsIncomplete();
    void windowShowsEveryText();
    void placementKept();

private:
    void storeBaud(int baud);
    void useDevice(quint8 type, quint8 variant);
    TProgrammatorForm *openHex(const QByteArray &content, const QString &name = QStringLiteral("firmware.HEX"));
    void waitForEnd();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<SimConfigurator> m_configurator;
    std::unique_ptr<SimEndpoint> m_endpoint;
    std::unique_ptr<TMainForm> m_form;
    int m_requests = 0;
    QStringList m_progressTexts; // the busy display's details as each request arrived
    ManualClock m_clock;         // 20 ms on for every request
    int m_cancelAt = -1;         // "Скасувати" is pressed while this request (1-based) waits
};

void TstProgrammer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_dir->path());
    usePrivateSettings(m_dir->path());
    storeBaud(9600);
    TProgressForm::setClock(m_clock);
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_configurator = std::make_unique<SimConfigurator>();
    useDevice(23, 3);
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
    TProgressForm::setClock(ProgressClock::steady());
    m_endpoint.reset();
    m_dialogs.reset();
    QDir::setCurrent(QDir::tempPath());
    m_dir.reset();
}

// Before a file is opened: the programmer takes its link when it opens one.
void TstProgrammer::useDevice(quint8 type, quint8 variant)
{
    m_device = std::make_unique<SimDevice>(type, variant);
    m_endpoint = std::make_unique<SimEndpoint>(*m_device, m_configurator.get());
    m_requests = 0;
    m_cancelAt = -1;
    m_progressTexts.clear();
    m_endpoint->setTraceObserver([this](const TraceEntry &e) {
        if (e.kind != TraceEntry::Kind::Request)
            return;
        ++m_requests;
        if (m_requests == m_cancelAt && TProgressForm::instance())
            TProgressForm::instance()->findChild<QPushButton *>("btnCancel")->click();
        m_clock.now += 20;
        m_progressTexts.append(TProgressForm::instance() ? TProgressForm::instance()->details() : QString());
    });
}

void TstProgrammer::storeBaud(int baud)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "VexLoad", "ComPort")
        .setValue("BaudRate", QString::number(baud));
}

TProgrammatorForm *TstProgrammer::openHex(const QByteArray &content, const QString &name)
{
    const QString path = m_dir->filePath(name);
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

// A second press while the firmware goes out starts nothing: the device gets the six
// requests of one transfer (the identification, address 0x0800 and its line, address
// 0x1000 and two lines).
void TstProgrammer::loadButtonWaitsWhileTransferRuns()
{
    TProgrammatorForm *form = openHex(kFirmware);
    auto *load = form->findChild<QPushButton *>("abtnLoad");
    QVERIFY(load->isEnabled());
    load->click();
    QVERIFY(!load->isEnabled());
    form->abtnLoadClick();
    waitForEnd();
    QCOMPARE(m_requests, 6);
    QVERIFY(load->isEnabled());
}

// A damaged file opened after a good one: refused with its line named, the good file's
// blocks gone, nothing sent.
void TstProgrammer::damagedFileRefused_data()
{
    QTest::addColumn<QByteArray>("secondLine");
    QTest::addColumn<QString>("why");
    QTest::newRow("bad-checksum") << QByteArray(":081000001122334455667788FF")
                                  << "Рядок 2: неправильна контрольна сума: 0xFF, а має бути 0x84";
    QTest::newRow("non-hex-character")
        << QByteArray(":0810000011223344556677BG84")
        << "Рядок 2: символ «G» у позиції 25 не є шістнадцятковою цифрою";
    QTest::newRow("control-character")
        << QByteArray(":08100000\x01" "1223344556677884")
        << "Рядок 2: символ з кодом 0x01 у позиції 10 не є шістнадцятковою цифрою";
    QTest::newRow("line-cut-short")
        << QByteArray(":0810000011223344")
        << "Рядок 2: довжина запису не відповідає лічильнику байтів: після двокрапки 16 цифр, а має "
           "бути 26 (рядок обрізано або подовжено)";
    QTest::newRow("signed-count") << QByteArray(":-F100000AABBCCDD")
                                  << "Рядок 2: символ «-» у позиції 2 не є шістнадцятковою цифрою";
    QTest::newRow("upper-linear-address")
        << QByteArray(":020000040001F9")
        << "Рядок 2: розширена адреса 0x0001 виходить за межі 64 КБ, які адресує прилад";
    QTest::newRow("unknown-type") << QByteArray(":00000006FA") << "Рядок 2: невідомий тип запису 0x06";
    QTest::newRow("end-record-missing")
        << QByteArray() << "Файл закінчується без запису кінця файлу (мабуть, його обрізано)";
    QTest::newRow("above-4-mib")
        << QByteArray(4 * 1024 * 1024, ' ') // with the lines around it 43 + 1 + 4194304 + 1 + 12 bytes
        << "Файл завеликий для прошивки: 4194361 байтів, а дозволено не більше 4 МіБ";
}

void TstProgrammer::damagedFileRefused()
{
    QFETCH(QByteArray, secondLine);
    QFETCH(QString, why);
    QVERIFY(openHex(kFirmware)->firmware().lines.size() == 3);
    m_form->setStatusText(0, QStringLiteral("Обмін даними пройшов успішно")); // as a write before leaves it
    const QByteArray endRecord = QTest::currentDataTag() == QByteArray("end-record-missing") ? "" : ":00000001FF\n";
    TProgrammatorForm *form = openHex(kTargetRecord + QByteArray("\n") + secondLine + "\n" + endRecord);
    QCOMPARE(m_dialogs->texts(Dialogs::Kind::Error),
             QStringList{"Файл firmware.HEX не можна завантажити, нічого не записано.\n" + why});
    QVERIFY(!form->findChild<QPushButton *>("abtnLoad")->isEnabled());
    QCOMPARE(form->findChild<QLabel *>("lbFileState")->text(), "Файл не можна завантажити. " + why);
    QCOMPARE(m_form->statusText(0), QStringLiteral("Файл firmware.HEX не можна завантажити"));
    QVERIFY(form->firmware().lines.isEmpty());
    form->abtnLoadClick();
    QCOMPARE(m_requests, 0);
    QVERIFY(!TProgressForm::instance());
}

void TstProgrammer::otherFirmwareAsksFirst_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    const QByteArray noTarget = ":08100000112233445566778884\n:00000001FF\n";
    QTest::newRow("same-model-not-asked") << 23 << QByteArray(kFirmware) << false << false << true;
    QTest::newRow("other-model-declined") << 30 << QByteArray(kFirmware) << false << true << false;
    QTest::newRow("other-model-accepted") << 30 << QByteArray(kFirmware) << true << true << true;
    QTest::newRow("file-naming-no-model-declined") << 23 << noTarget << false << true << false;
}

void TstProgrammer::otherFirmwareAsksFirst()
{
    QFETCH(int, deviceType);
    QFETCH(QByteArray, file);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    useDevice(quint8(deviceType), 2);
    m_dialogs->answer = answer;
    TProgrammatorForm *form = openHex(file);
    form->abtnLoadClick();
    waitForEnd();
    QCOMPARE(m_dialogs->safeQuestions.size(), asked ? 1 : 0);
    QCOMPARE(*m_device->read(SimArea::Memory, 0x1000, 8) == hex("1122334455667788"), written);
    if (!written) {
        QCOMPARE(m_requests, 1); // the identification only
        QCOMPARE(m_form->statusText(0), QStringLiteral("Запис прошивки скасовано"));
    }
    QVERIFY(form->isIdle());
}

// Every byte of every record lands at its address: in the device directly, and in a
// device that the configurator writes from what it was given.
void TstProgrammer::everyRecordArrives_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("viaConfigurator");
    for (const char *name : {"srec8", "srec16", "srec32", "srec255", "objcopy16"}) {
        const QString file = QStringLiteral("firmware16p-%1.hex").arg(name);
        QTest::addRow("%s-into-device", name) << file << false;
        QTest::addRow("%s-via-configurator", name) << file << true;
    }
}

void TstProgrammer::everyRecordArrives()
{
    QFETCH(QString, file);
    QFETCH(bool, viaConfigurator);
    const QByteArray binary = fixture("firmware16p.bin");
    storeBaud(viaConfigurator ? 38400 : 9600);
    useDevice(30, 2);
    TProgrammatorForm *form = openHex(fixture(file));
    form->findChild<QComboBox *>("cbSelectWhere")->setCurrentIndex(viaConfigurator ? 1 : 0);
    form->abtnLoadClick();
    waitForEnd();
    QCOMPARE(m_form->statusText(0), QStringLiteral("Обмін даними пройшов успішно"));
    if (viaConfigurator) {
        SimDevice onSite(30, 2);
        QCOMPARE(applySlot(*m_configurator, 1, onSite).error, SlotApplyResult::Error::None);
        QCOMPARE(*onSite.read(SimArea::Memory, 0x0800, binary.size()), binary);
    } else {
        QCOMPARE(*m_device->read(SimArea::Memory, 0x0800, binary.size()), binary);
    }
    QCOMPARE(*m_device->read(SimArea::Memory, 0x0800 + binary.size(), 1), hex("00"));
}

// Descriptors from 0x1200, 4 apart, stay below the data at 0x4000: 2945 blocks at most.
void TstProgrammer::configuratorChainLimit()
{
    storeBaud(38400);
    TProgrammatorForm *form = openHex(sixteenByteRecords(2946));
    form->findChild<QComboBox *>("cbSelectWhere")->setCurrentIndex(1);
    form->abtnLoadClick();
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Прошивка займає 2946 блоків, а программатор вміщує не більше 2945."));
    QCOMPARE(m_requests, 0);
    form = openHex(sixteenByteRecords(2945));
    form->findChild<QComboBox *>("cbSelectWhere")->setCurrentIndex(1);
    form->abtnLoadClick();
    waitForEnd();
    QCOMPARE(m_form->statusText(0), QStringLiteral("Обмін даними пройшов успішно"));
}

// 3000 bytes in records of 16 and one of 8: when the last one goes out, 2992 are written,
// over 50 requests at 20 ms each have passed, and the last 8 bytes take well under a second.
void TstProgrammer::progressShowsBytesAndTimeLeft()
{
    useDevice(30, 2);
    openHex(fixture("firmware16p-srec16.hex"))->abtnLoadClick();
    waitForEnd();
    QVERIFY(m_progressTexts.size() > 51);
    QCOMPARE(m_progressTexts.last(), QStringLiteral("99 %, 2 992 з 3 000 байт, залишилось 0:01"));
}

void TstProgrammer::windowShowsEveryText()
{
    m_form->resize(1280, 800);
    m_form->show();
    TProgrammatorForm *form =
        openHex(fixture("firmware16p-srec255.hex"), QStringLiteral("прошивка КОРВЕЛ-16П для пульта на вулиці Садовій.hex"));
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    // The caption, the file's path, stands whole in the title bar.
    const QWidget *frame = form->parentWidget();
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    QVERIFY2(frame->width() > title.horizontalAdvance(frame->windowTitle()), qPrintable(frame->windowTitle()));
    for (QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible() || (qobject_cast<QLabel *>(w) && qobject_cast<QLabel *>(w)->wordWrap()))
            continue;
        QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(w->objectName()));
        QVERIFY2(form->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
    QCOMPARE(form->findChild<QLabel *>("lbCrc")->text(), QStringLiteral("E63B4010"));
}

void TstProgrammer::placementKept()
{
    openHex(kFirmware)->parentWidget()->move(37, 21);
    m_form->mdiArea()->closeAllSubWindows();
    QSettings ini(m_dir->filePath("option.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value("ProgrammatorForm/Left").toInt(), 37);
    QCOMPARE(ini.value("ProgrammatorForm/Top").toInt(), 21);
    QCOMPARE(openHex(kFirmware)->parentWidget()->pos(), QPoint(37, 21));
}

void TstProgrammer::cancelledFlashSaysFirmwareIsIncomplete_data()
{
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<QString>("text");
    // The identification is request 1; the flash's first request (a set-address) is request 2.
    // The file's 188 records go with a set-address before every tenth: 207 requests. A cancel
    // during the identification, which the device answers, keeps the flash from starting.
    QTest::newRow("during-identification")
        << 1 << "Запис прошивки в прилад скасовано: підтверджено 0 з 207 запитів.\rПрошивку в прилад не записано.";
    QTest::newRow("after-8-records")
        << 10 << "Запис прошивки в прилад скасовано: підтверджено 9 з 207 запитів.\r"
                 "Прошивка приладу неповна: прилад не працюватиме, доки прошивку не буде записано повністю.";
}

void TstProgrammer::cancelledFlashSaysFirmwareIsIncomplete()
{
    QFETCH(int, cancelAt);
    useDevice(30, 2);
    m_cancelAt = cancelAt;
    TProgrammatorForm *form = openHex(fixture("firmware16p-srec16.hex"));
    form->abtnLoadClick();
    waitForEnd();
    QTRY_VERIFY_WITH_TIMEOUT(form->isIdle(), 60000);
    QCOMPARE(m_requests, cancelAt);
    QCOMPARE(m_form->statusText(0), QStringLiteral("Запис прошивки в прилад скасовано"));
    QCOMPARE(m_dialogs->messages.size(), 1);
    QTEST(m_dialogs->lastText(), "text");
    QVERIFY(m_form->findChild<QAction *>("mnReadDev")->isEnabled());
}

QTEST_MAIN(TstProgrammer)
#include "tst_programmer.moc"
