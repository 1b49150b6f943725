// The 2/4's editor against the in-process simulator: opened by its link and by reading a
// type-55 device, a read of bytes placed at the documented device addresses, a write that
// leaves the device as it was read, the clock written as BCD, a configurator slot naming the
// device, saving and printing.
#include "controlstarteditor.h"
#include "editorbench.h"
#include "frame.h"
#include "progress.h"
#include "select.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimeEdit>
#include <QUrl>

using namespace controlstart;

namespace {

// The time a checked write's status names ("о 14:32:05"), left out where it does not matter.
const QRegularExpression kCheckedAt(QStringLiteral(" о \\d\\d:\\d\\d:\\d\\d"));

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The commands of the requests, in order.
QList<int> commands(const QList<QByteArray> &requests)
{
    QList<int> list;
    for (const QByteArray &request : requests)
        list << frame::byteAt(request, 3);
    return list;
}

// The device as the documentation places its settings (memory addresses, short address
// 0xC1), one value of each kind.
void placeSettings(SimDevice &device)
{
    const std::pair<int, const char *> memory[] = {
        {0x6800, "0A1B"},             // object number 1
        {0x6BC0, "40B421C3D5000000"}, // first telephone number 044+123*5
        {0x6C40, "1345030630"},       // test message 13:45, every 3 days 6 h 30 min
        {0x6880, "1A"},               // edS151
        {0x6B80, "0205"},             // cbS271 "Contact ID", edS272
        {0x6E80, "00000F"},           // edS353
        {0x7000, "F0102000 00C050A0"}, // zone sets
        {0x700D, "070C06"},           // line fault 7 min, sounder 120 s, coincidence 60 s
        {0x7008, "0B"},               // direction 1: 12 V, release control; direction 2: 24 V, control
        {0x7009, "1E053C1E"},         // 30 s, 5 min; 60 s, 30 min
    };
    for (const auto &[address, bytes] : memory)
        QVERIFY(device.write(SimArea::Memory, address, QByteArray::fromHex(QByteArray(bytes).replace(' ', ""))));
    QVERIFY(device.write(SimArea::Short, 0xC1, hex("009876054321")));
}

} // namespace

class TstControlStartExchange : public QObject, private EditorBench
{
    Q_OBJECT
public Q_SLOTS:
    void reportOpened(const QUrl &url) { m_opened = url; }

private Q_SLOTS:
    void init();
    void cleanup();
    void linkOpensTheEditor();
    void readShowsTheDevice();
    void readThenWriteLeavesTheDeviceAsItWas();
    void clockWrittenAsBcd_data();
    void clockWrittenAsBcd();
    void slotNamingTheDeviceOpensTheEditor();
    void savedFileKeepsNoClockUnlessWritten_data();
    void savedFileKeepsNoClockUnlessWritten();
    void printWritesTheDevicesReport();
    void pagesClockChoicesAndReset();

private:
    TPKorvelForm24 *active() const { return qobject_cast<TPKorvelForm24 *>(m_form->activeEditor()); }
    void makeDevice();
    void readDevice();
    TPKorvelForm24 *editorWithClock(bool write, bool systemTime, const QDateTime &time);
    QDateTime m_now{QDate(2026, 3, 7), QTime(14, 30, 25), Qt::UTC};
    QUrl m_opened;
};

void TstControlStartExchange::init()
{
    startBench();
    m_opened.clear();
}

void TstControlStartExchange::cleanup()
{
    stopBench();
}

// A device whose clock goes on only when the test moves `m_now`.
void TstControlStartExchange::makeDevice()
{
    makeSimulator(Model::PKorvel24, 1);
    m_device->setTimeSource([this] { return m_now; });
    QVERIFY(m_device->write(SimArea::Clock, 0, hex("25301407030026")));
}

void TstControlStartExchange::readDevice()
{
    m_form->findChild<QAction *>("tbReadDev")->trigger();
    waitForEnd();
}

TPKorvelForm24 *TstControlStartExchange::editorWithClock(bool write, bool systemTime, const QDateTime &time)
{
    auto *editor = qobject_cast<TPKorvelForm24 *>(m_form->openEditor(Model::PKorvel24, 1));
    if (write)
        editor->findChild<QCheckBox *>("chbWriteClock")->click();
    editor->findChild<QRadioButton *>(systemTime ? "rbSystemClock" : "rbUserClock")->click();
    editor->findChild<QDateEdit *>("DevDate")->setDate(time.date());
    editor->findChild<QTimeEdit *>("DevTime")->setTime(time.time());
    return editor;
}

void TstControlStartExchange::linkOpensTheEditor()
{
    m_form->showSelectWindow();
    QTest::mouseClick(m_form->selectWindow()->findChild<SelectLink *>("Link14"), Qt::LeftButton);
    QTRY_VERIFY(!m_form->selectWindow());
    QVERIFY(active());
    QCOMPARE(active()->windowTitle(), QStringLiteral("ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)"));
    QCOMPARE(int(active()->editorVariant()), 1);
    QVERIFY(!active()->findChild<QRadioButton *>("rbUserClock")->isEnabled()); // until chbWriteClock
    QVERIFY(active()->findChild<QRadioButton *>("rbUserClock")->isChecked());
}

void TstControlStartExchange::readShowsTheDevice()
{
    makeDevice();
    placeSettings(*m_device);
    readDevice();
    QVERIFY(active());
    QVERIFY(active()->windowTitle().endsWith(QStringLiteral("   -   завантажено з приладу")));
    // Identification, 29 set-address requests each with its memory read, the code block, the clock.
    QList<int> expected{frame::kCmdIdentify};
    for (int i = 0; i < 29; ++i)
        expected << frame::kCmdSetAddress << frame::kCmdReadMemory;
    expected << frame::kCmdShortRead << frame::kCmdClockRead;
    QCOMPARE(commands(m_requests), expected);

    const Settings s = active()->settings();
    QCOMPARE(s.zones[4], (ZoneSettings{kDetectorClosed, kModeNone, {false, false, true, true, false}}));
    QCOMPARE(s.zones[5], (ZoneSettings{kDetectorOpen, kModeTwoDetectors, {false, false, true, false, true}}));
    QCOMPARE(s.zones[6], (ZoneSettings{kDetectorOpen, kModeTwoZones, {false, false, true, true, false}}));
    QCOMPARE(s.zones[7], (ZoneSettings{kDetectorOpen, kModeTwoZones, {false, false, true, false, true}}));
    QCOMPARE(s.times, (std::array<int, kTimingValueCount>{60, 120, 7}));
    QCOMPARE(s.directions[0], (Direction{kSupply12, true, 30, 5}));
    QCOMPARE(s.directions[1], (Direction{kSupply24, true, 60, 30}));
    QCOMPARE(s.accessCode2, QStringLiteral("9876"));
    QCOMPARE(s.accessCode3, QStringLiteral("54321"));
    QCOMPARE(s.objectNumbers[0], QStringLiteral("0A1B"));
    QCOMPARE(s.telephones[0].text, QStringLiteral("044+123*5"));
    QCOMPARE(s.testReport, (std::array<int, kTestReportFieldCount>{13, 45, 3, 6, 30}));
    QCOMPARE(s.sectionFields[0][0], QStringLiteral("1A"));
    QCOMPARE(s.lists[0], 2);
    QCOMPARE(s.sectionFields[12][1], QStringLiteral("05"));
    QCOMPARE(s.sectionFields[19][2], QStringLiteral("0F"));
    QCOMPARE(s.clock.deviceText, QStringLiteral("07.03.26 14:30:25"));
    QVERIFY(active()->findChild<QWidget *>("lbCommonFault")->isHidden()); // zones 5 and 7 switch relay 1
}

// The device's clock moves on between the read and the write, which is no change of its
// settings: nothing is asked, no clock write is sent, and every byte stays as it was.
void TstControlStartExchange::readThenWriteLeavesTheDeviceAsItWas()
{
    makeDevice();
    placeSettings(*m_device);
    readDevice();
    const QByteArray memory = *m_device->read(SimArea::Memory, 0x6800, 0x800);
    const QByteArray codes = *m_device->read(SimArea::Short, 0xC1, 6);
    m_now = m_now.addSecs(7);
    const qsizetype readRequests = m_requests.size();

    m_form->findChild<QAction *>("mnWriteAll")->trigger(); // every byte, as the editor encodes it
    waitForEnd();
    QCOMPARE(m_dialogs->questions, QStringList());
    QVERIFY(active()->windowTitle().endsWith(QStringLiteral("   -   записано і перевірено")));
    QVERIFY(!commands(m_requests.mid(readRequests)).contains(frame::kCmdClockWrite));
    QVERIFY(commands(m_requests.mid(readRequests)).contains(frame::kCmdShortWrite));
    QCOMPARE(m_device->read(SimArea::Memory, 0x6800, 0x800)->toHex(), memory.toHex());
    QCOMPARE(m_device->read(SimArea::Short, 0xC1, 6)->toHex(), codes.toHex());
    QCOMPARE(*m_device->read(SimArea::Clock, 0, 7), hex("32301407030026"));
}

void TstControlStartExchange::clockWrittenAsBcd_data()
{
    QTest::addColumn<bool>("systemTime");
    QTest::newRow("given time") << false;
    QTest::newRow("system time") << true;
}

// The simulated device answers only a valid BCD date and time, and keeps it.
void TstControlStartExchange::clockWrittenAsBcd()
{
    QFETCH(bool, systemTime);
    makeDevice();
    // Every field above 9, so that plain numbers differ from BCD everywhere.
    const QDateTime given(QDate(2027, 11, 30), QTime(19, 45, 38));
    editorWithClock(true, systemTime, given);
    const QDateTime before = QDateTime::currentDateTime();
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    waitForEnd();
    QCOMPARE(m_form->statusText(0).remove(kCheckedAt), QStringLiteral("Записано і перевірено"));
    const QByteArray clock = *m_device->read(SimArea::Clock, 0, 7);
    if (!systemTime) {
        QCOMPARE(clock.toHex(' '), hex("38451930110027").toHex(' '));
        return;
    }
    const QDateTime set = QDateTime::fromString(QString::fromLatin1(clock.toHex()), QStringLiteral("ssmmhhddMM00yy"))
                              .addYears(100);
    QVERIFY2(set >= before.addSecs(-1) && set <= QDateTime::currentDateTime().addSecs(1),
             qPrintable(set.toString()));
}

void TstControlStartExchange::slotNamingTheDeviceOpensTheEditor()
{
    makeDevice();
    QVERIFY(m_configurator.write(0x1040, hex("3701"))); // slot 2's header: type 55, variant 1
    m_form->readSlot(2);
    QTRY_VERIFY_WITH_TIMEOUT(active(), 20000);
    waitForEnd();
    QVERIFY(!TProgressForm::instance());
    QVERIFY(m_form->findChild<QAction *>("mnReadDev")->isEnabled());
    QCOMPARE(m_requests.size(), 1); // the slot header only
    QCOMPARE(active()->windowTitle(), QStringLiteral("ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)"));
}

void TstControlStartExchange::savedFileKeepsNoClockUnlessWritten_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QByteArray>("clock");
    QTest::newRow("unchecked") << false << hex("00000000000000");
    QTest::newRow("checked") << true << hex("00050930110027");
}

// Type 55, variant 1, no EEPROM bytes, the 203 memory bytes.
void TstControlStartExchange::savedFileKeepsNoClockUnlessWritten()
{
    QFETCH(bool, write);
    QFETCH(QByteArray, clock);
    editorWithClock(write, false, QDateTime(QDate(2027, 11, 30), QTime(9, 5, 0)));
    const QString path = m_dir->filePath("kvl24.vau");
    m_dialogs->fileName = path;
    m_form->findChild<QAction *>("mnSave")->trigger();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 205);
    QCOMPARE(bytes.left(2), hex("3701"));
    QCOMPARE(bytes.mid(2 + 190, 1), hex("00"));
    QCOMPARE(bytes.mid(2 + 196).toHex(' '), clock.toHex(' '));

    m_form->mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(!active());
    m_form->findChild<QAction *>("mnOpen")->trigger();
    QVERIFY(active());
    QCOMPARE(active()->windowTitle(), QStringLiteral("ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)   -   kvl24.vau"));
}

void TstControlStartExchange::printWritesTheDevicesReport()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "reportOpened");
    m_form->openEditor(Model::PKorvel24, 1);
    m_dialogs->fileName = m_dir->filePath(QStringLiteral("ПУіЗ КОРВЕЛ - 2_4.rtf"));
    m_form->findChild<QAction *>("mnPrint")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(m_opened, QUrl::fromLocalFile(m_dialogs->fileName));
    QFile report(m_opened.toLocalFile());
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY(report.readAll().startsWith("{\\rtf1\\ansi\\ansicpg1251"));
}

void TstControlStartExchange::pagesClockChoicesAndReset()
{
    makeDevice();
    placeSettings(*m_device);
    readDevice();
    TPKorvelForm24 *editor = active();
    QVERIFY(editor);
    QTest::mouseClick(editor->findChild<QPushButton *>("btnMessages"), Qt::LeftButton);
    QVERIFY(!editor->findChild<QWidget *>("reMessages")->isHidden());
    QVERIFY(editor->findChild<QWidget *>("scrBoxBasic")->isHidden());
    QTest::mouseClick(editor->findChild<QPushButton *>("btnAdditional"), Qt::LeftButton);
    QVERIFY(!editor->findChild<QWidget *>("scrBoxAdditional")->isHidden());
    QVERIFY(editor->findChild<QWidget *>("reMessages")->isHidden());

    auto *write = editor->findChild<QCheckBox *>("chbWriteClock");
    write->click();
    for (const char *name : {"rbSystemClock", "rbUserClock", "DevDate", "DevTime"})
        QVERIFY2(editor->findChild<QWidget *>(name)->isEnabled(), name);
    write->click();
    QVERIFY(!editor->findChild<QWidget *>("DevDate")->isEnabled());

    editor->VersionFirmware(1);
    const Settings reset = editor->settings();
    QCOMPARE(reset.zones[4], (ZoneSettings{kDetectorOpen, kModeNone, {}}));
    QCOMPARE(reset.directions[0], (Direction{kSupply24, false, 0, 1}));
    QCOMPARE(reset.accessCode3, QString());
    QCOMPARE(reset.clock.deviceText, QStringLiteral("07.03.26 14:30:25")); // the labels keep the read
    QVERIFY(!editor->findChild<QWidget *>("lbCommonFault")->isHidden());
}

QTEST_MAIN(TstControlStartExchange)
#include "tst_controlstartexchange.moc"
