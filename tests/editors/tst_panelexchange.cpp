// Panel editors against the in-process simulator: identify and read each model, edit and
// write back, write a configurator slot and apply it to a device, and the refusals; the
// 16.64P panel's editor with its system table likewise.
#include "exchangeflow.h"
#include "deviceimages.h"
#include "editorbench.h"
#include "frame.h"
#include "panelencoding.h"
#include "paneleditor.h"
#include "panelcodec.h"
#include "proc.h"
#include "progress.h"
#include "select.h"
#include "slotapply.h"
#include "systempaneleditor.h"
#include "systemtreepage.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

namespace {

// The time a checked write's status names ("о 14:32:05").
const QRegularExpression kCheckedAt(QStringLiteral(" о (\\d\\d:\\d\\d:\\d\\d)"));

PanelModel panelOf(Model model)
{
    return model == Model::Korvel4p ? PanelModel::FourZone
           : model == Model::Korvel8p ? PanelModel::EightZone
                                      : PanelModel::SixteenZone;
}

// Settings with something set in every kind of field.
PanelSettings distinctive(Model model)
{
    PanelSettings s;
    const int zones = panelModelInfo(panelOf(model)).zoneCount;
    for (int z = 0; z < zones; ++z) {
        s.zones[z].detectorType = z % 3;
        s.zones[z].mode = z % 2 ? 1 : 2;
        s.zones[z].outputs = {z % 2 == 0, z % 3 == 0, true, false, z == zones - 1};
    }
    s.spinners = {60, 120, 7, 13, 45, 3, 6, 30};
    s.address = model == Model::Korvel4p ? QString() : QStringLiteral("05");
    s.accessCode2 = "1234";
    s.accessCode3 = "5678";
    s.objectNumbers = {"0A1B", "FFFE"};
    s.telephones[0] = {"0441234567", "0441234567D00000", false};
    s.telephones[1] = {"80+67*1", "E80B67C1D0000000", true};
    for (int i = 0; i < kSectionCount; ++i) {
        for (int k = 0; k < sectionFieldCount(panelOf(model), i); ++k)
            s.sectionFields[i][k] = QStringLiteral("%1").arg((i * 16 + k) % 255 + 1, 2, 16, QLatin1Char('0')).toUpper();
    }
    s.protocols = {2, 3};
    for (int i : {12, 26}) // the protocol fields are combos, not texts
        s.sectionFields[i][0].clear();
    return s;
}

// The 16.64P panel with four panels (56 zones), both relay modules and a different mask for
// every relay of every module and occupied slot.
SystemPanelSettings distinctiveSystem()
{
    SystemPanelSettings s;
    s.panel = distinctive(Model::Korvel16p);
    s.panel.address.clear(); // the panel has no system address
    s.panel.accessCode2 = "123456";
    s.panel.accessCode3 = "0";
    s.system.setSlotType(1, kSlotSixteenZone);
    s.system.setSlotType(4, kSlotEightZone);
    s.system.setSlotType(6, kSlotSixteenZone);
    for (int module = 0; module < kModuleCount; ++module) {
        s.system.addModule(module);
        for (int slot : {0, 1, 4, 6}) {
            for (int relay = 1; relay <= kRelayCount; ++relay)
                s.system.setRelayZones(slot, module, relay, quint16(0x0101 * (slot * 16 + module * 8 + relay)));
        }
    }
    return s;
}

} // namespace

class TstPanelExchange : public QObject, private EditorBench
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void readEditWrite_data();
    void readEditWrite();
    void slotWrittenAppliedAndReadBack_data();
    void slotWrittenAppliedAndReadBack();
    void readSlotIntoEditor();
    void mismatchSendsNothing_data();
    void mismatchSendsNothing();
    void failingPortShowsError3();
    void failedReadIsNotTakenForSettings();
    void closeRefusedWhileExchangeRuns();
    void systemPanelLinkOpensItsEditor();
    void systemPanelReadEditWrite();
    void systemPanelRefusesOtherDevices_data();
    void systemPanelRefusesOtherDevices();
    void systemPanelConfiguratorCommandsOnlyRefuse();
    void verifiedWrite_data();
    void verifiedWrite();
    void compareWithFileNamesField_data();
    void compareWithFileNamesField();
    void compareWithUnchangedDevice();
    void resumedWriteEndsLikeUncutWrite();
    void stoppedWriteSaysWhatDeviceHolds_data();
    void stoppedWriteSaysWhatDeviceHolds();
    void recordKeptBesideEarlierOne();

private:
    TPanelEditor *editedSixteenZone(const QString &accessCode2);
    TPanelEditor *active() const { return qobject_cast<TPanelEditor *>(m_form->activeEditor()); }
};

void TstPanelExchange::init()
{
    startBench();
}

void TstPanelExchange::cleanup()
{
    stopBench();
}

void TstPanelExchange::readEditWrite_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("surplus"); // bytes more than asked in the reply to the read's last request
    QTest::newRow("4-zone-variant-4") << int(Model::Korvel4p) << 4 << 38400 << 0;
    QTest::newRow("4-zone-variant-6-short-reads-at-9600") << int(Model::Korvel4p) << 6 << 9600 << 0;
    QTest::newRow("8-zone-variant-3") << int(Model::Korvel8p) << 3 << 38400 << 0;
    QTest::newRow("8-zone-variant-5") << int(Model::Korvel8p) << 5 << 38400 << 0;
    QTest::newRow("16-zone-variant-2") << int(Model::Korvel16p) << 2 << 38400 << 0;
    // As many as the frame's length byte allows: the next write asks nothing and loses nothing.
    QTest::newRow("16-zone-surplus-after-last-read") << int(Model::Korvel16p) << 2 << 38400 << 200;
    QTest::newRow("4-zone-short-reads-surplus-after-last-read") << int(Model::Korvel4p) << 6 << 9600 << 200;
}

void TstPanelExchange::readEditWrite()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(int, baud);
    QFETCH(int, surplus);
    const Model m = Model(model);
    const ModelInfo &info = modelInfo(m);
    storeBaud(baud);
    makeSimulator(m, quint8(variant));
    const qsizetype lastRead = 1 + planRequests(info.deviceRead(quint8(variant), baud), {}, {}).list.size();
    if (surplus)
        m_endpoint->setFaultPlan(*FaultPlan::parse(QStringLiteral("surplus:%1,req=%2").arg(surplus).arg(lastRead)).plan);
    const PanelSettings wanted = distinctive(m);
    const settingsfile::Images images{encodeEeprom(panelOf(m), variant, wanted),
                                      encodeMemory(panelOf(m), wanted)};
    putImages(images, *imageSegments(m, quint8(variant)), *m_device);

    m_form->findChild<QAction *>("tbReadDev")->trigger();
    waitForEnd();
    QCOMPARE(m_requests.size(), lastRead);
    TPanelEditor *editor = active();
    QVERIFY(editor);
    QCOMPARE(int(editor->editorVariant()), variant);
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral("   -   завантажено з приладу")));
    QCOMPARE(m_form->statusText(0), QStringLiteral("Обмін даними пройшов успішно"));
    QVERIFY(m_form->statusText(1).startsWith(QStringLiteral("Time execute   ")));
    const PanelSettings read = editor->settings();
    QCOMPARE(read.zones, wanted.zones);
    QCOMPARE(read.accessCode2, wanted.accessCode2);
    QCOMPARE(read.telephones, wanted.telephones);
    QCOMPARE(read.sectionFields, wanted.sectionFields);
    QCOMPARE(read.protocols, wanted.protocols);
    QCOMPARE(read.spinners, wanted.spinners);

    auto *code = editor->findChild<QLineEdit *>("edCode2");
    code->setText("9876");
    Q_EMIT code->textEdited(code->text());
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    waitForEnd();
    // Only what differs is sent after the read, then read back and checked; the controls are
    // not refilled from the device.
    QCOMPARE(m_dialogs->questions, QStringList());
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral("   -   записано і перевірено")));
    const QString status = m_form->statusText(0).remove(kCheckedAt);
    QVERIFY2(status.startsWith(QStringLiteral("Записано і перевірено: 1 налаштування (")), qPrintable(status));
    QCOMPARE(code->text(), QStringLiteral("9876"));
    const settingsfile::Images written =
        imagesOf(*m_device, *imageSegments(m, quint8(variant)), info.eepromSize, info.memorySize);
    QCOMPARE(written.eeprom.mid(info.eepromSize - 4, 2), QByteArray("\x98\x76", 2));
    QCOMPARE(written.memory, images.memory);
}

void TstPanelExchange::slotWrittenAppliedAndReadBack_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("slot");
    QTest::newRow("4-zone-variant-3-slot-1") << int(Model::Korvel4p) << 3 << 1;
    QTest::newRow("8-zone-variant-2-slot-3") << int(Model::Korvel8p) << 2 << 3;
    QTest::newRow("16-zone-variant-4-slot-4") << int(Model::Korvel16p) << 4 << 4;
}

void TstPanelExchange::slotWrittenAppliedAndReadBack()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(int, slot);
    const Model m = Model(model);
    makeSimulator(m, quint8(variant));
    auto *editor = qobject_cast<TPanelEditor *>(m_form->openEditor(m, quint8(variant)));
    PanelSettings wanted = distinctive(m);
    if (m == Model::Korvel8p && variant == 2)
        wanted.address = "0"; // variant 2 has no system address
    editor->showSettings(wanted);
    m_form->writeSlot(slot);
    waitForEnd();
    QVERIFY(m_dialogs->messages.isEmpty());

    const SlotApplyResult applied = applySlot(m_configurator, slot, *m_device);
    QCOMPARE(applied.error, SlotApplyResult::Error::None);
    editor->VersionFirmware(quint8(variant)); // forget what the window shows
    m_form->findChild<QAction *>("tbReadDev")->trigger();
    waitForEnd();
    const PanelSettings read = active()->settings();
    QCOMPARE(read.zones, wanted.zones);
    QCOMPARE(read.telephones, wanted.telephones);
    QCOMPARE(read.sectionFields, wanted.sectionFields);
    QCOMPARE(read.accessCode3, wanted.accessCode3);
}

void TstPanelExchange::readSlotIntoEditor()
{
    makeSimulator(Model::Korvel16p, 3);
    auto *editor = qobject_cast<TPanelEditor *>(m_form->openEditor(Model::Korvel16p, 3));
    const PanelSettings wanted = distinctive(Model::Korvel16p);
    editor->showSettings(wanted);
    m_form->writeSlot(2);
    waitForEnd();
    m_form->mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(!m_form->activeEditor());
    m_form->readSlot(2);
    waitForEnd();
    QVERIFY(active());
    QCOMPARE(active()->title(), QStringLiteral("КОРВЕЛ-16П (KVL16P-3)"));
    QCOMPARE(active()->settings().sectionFields, wanted.sectionFields);
    QCOMPARE(active()->settings().zones, wanted.zones);
}

void TstPanelExchange::mismatchSendsNothing_data()
{
    QTest::addColumn<int>("deviceVariant");
    QTest::newRow("other-variant") << 3;
}

void TstPanelExchange::mismatchSendsNothing()
{
    QFETCH(int, deviceVariant);
    makeSimulator(Model::Korvel16p, quint8(deviceVariant));
    m_form->openEditor(Model::Korvel16p, 2);
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    waitForEnd();
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Дані не відповідають типу приладу"));
    QCOMPARE(m_dialogs->messages.last().detail,
             QStringLiteral("Прилад відповів: тип 30, варіант %1 Корвел-16П (kvl16p-%1).\r"
                            "Редактор: КОРВЕЛ-16П (KVL16P-2), тип 30, варіант 2.").arg(deviceVariant));
    QCOMPARE(m_form->statusText(0),
             QStringLiteral("Запис у прилад не виконано: дані не відповідають типу приладу"));
    QCOMPARE(m_requests.size(), 1); // the identification only
    QVERIFY(active()->isIdle());
}

void TstPanelExchange::failingPortShowsError3()
{
    makeSimulator(Model::Korvel8p, 4);
    m_form->openEditor(Model::Korvel8p, 4);
    m_portFails = true;
    m_form->writeSlot(1);
    QCOMPARE(m_dialogs->lastText(), errorText(kErrNoReply));
    QVERIFY(!TProgressForm::instance());
    QVERIFY(active()->isIdle());
    QVERIFY(m_form->findChild<QAction *>("mnReadDev")->isEnabled());
}

// The panel answers the identification and then falls silent: the editor just opened
// shows defaults, which the caption must not pass off as the panel's settings, and which
// are not written without a yes.
void TstPanelExchange::failedReadIsNotTakenForSettings()
{
    makeSimulator(Model::Korvel16p, 2);
    m_endpoint->setFaultPlan(*FaultPlan::parse("silent,req=2").plan);
    m_timeoutMs = 20;
    m_form->findChild<QAction *>("tbReadDev")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(active() && active()->isIdle() && !TProgressForm::instance(), 60000);
    QCOMPARE(m_dialogs->lastText(),
             QStringLiteral("Виникла помилка при передачі даних.\rЗчитування даних з приладу зупинено"));
    QCOMPARE(active()->windowTitle(), QStringLiteral("КОРВЕЛ-16П (KVL16P-2)   -   зчитування не завершено"));
    QVERIFY(!active()->holdsSettings());

    const qsizetype sent = m_requests.size();
    m_dialogs->answer = false;
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    QCOMPARE(m_dialogs->questions.size(), 1);
    QCOMPARE(m_requests.size(), sent);
    QVERIFY(!TProgressForm::instance());
}

void TstPanelExchange::closeRefusedWhileExchangeRuns()
{
    makeSimulator(Model::Korvel4p, 5);
    m_endpoint->setFaultPlan(*FaultPlan::parse("silent").plan);
    m_timeoutMs = 20;
    TPanelEditor *editor = qobject_cast<TPanelEditor *>(m_form->openEditor(Model::Korvel4p, 5));
    m_form->writeSlot(1);
    QVERIFY(!editor->isIdle());
    m_form->mdiArea()->closeActiveSubWindow();
    QCOMPARE(m_form->mdiArea()->subWindowList().size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(editor->isIdle(), 60000);
    QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("Виникла помилка при передачі даних.")));
    m_form->mdiArea()->closeActiveSubWindow();
    QTRY_VERIFY(m_form->mdiArea()->subWindowList().isEmpty());
}

void TstPanelExchange::systemPanelLinkOpensItsEditor()
{
    m_form->showSelectWindow();
    QTest::mouseClick(m_form->selectWindow()->findChild<SelectLink *>("Link3"), Qt::LeftButton);
    QTRY_VERIFY(!m_form->selectWindow());
    auto *editor = qobject_cast<TKorvelForm16_64p *>(m_form->activeEditor());
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("КОРВЕЛ-16.64П (KVL64P-2)"));
}

// Requests, worked out from the panel's transfers. A whole read: 3 set-address requests and
// 29 EEPROM byte reads, then 35 ranges of one set-address and one read, and the two relay-mask
// ranges of one set-address and seven 16-byte reads. A write: 3 set-address requests and 5
// EEPROM writes (20, 1, 1, 1, 6 bytes), 35 ranges of two requests, and the two mask ranges of
// one set-address, 64 and 48 bytes. Each begins with the identification; the write of
// everything ("Записати все") reads the device again first (it was read in this session) and
// reads back what it wrote.
void TstPanelExchange::systemPanelReadEditWrite()
{
    constexpr int kWholeRead = 32 + 35 * 2 + 2 * 8;
    constexpr int kReadRequests = 1 + kWholeRead;
    constexpr int kWriteRequests = 1 + kWholeRead + (8 + 35 * 2 + 2 * 3) + kWholeRead;
    const Model model = Model::Korvel16_64p;
    makeSimulator(model, 2);
    const SystemPanelSettings wanted = distinctiveSystem();
    putImages({encodeSystemPanelEeprom(wanted), encodeSystemPanelMemory(wanted)}, *imageSegments(model, 2), *m_device);

    m_form->findChild<QAction *>("tbReadDev")->trigger();
    waitForEnd();
    auto *editor = qobject_cast<TKorvelForm16_64p *>(m_form->activeEditor());
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("КОРВЕЛ-16.64П (KVL64P-2)   -   завантажено з приладу"));
    QCOMPARE(m_requests.size(), kReadRequests);
    QCOMPARE(editor->systemPanelSettings(), wanted);

    // Relay 7 of module 2 for the 8-zone panel in slot 4 gains zone 3; level-2 code 654321.
    editor->btnPPKPClick();
    auto *devices = editor->findChild<QTreeWidget *>("trvDevices");
    auto *modules = editor->findChild<QTreeWidget *>("trvRVM");
    devices->setCurrentItem(devices->topLevelItem(4));
    modules->setCurrentItem(modules->topLevelItem(1));
    editor->findChild<QTabBar *>("tbReleTabs")->setCurrentIndex(6);
    editor->findChild<QCheckBox *>("ckb3")->click();
    auto *code = editor->findChild<QLineEdit *>("edCode2");
    code->setText("654321");
    Q_EMIT code->textEdited(code->text());
    m_requests.clear();
    m_form->findChild<QAction *>("mnWriteAll")->trigger();
    waitForEnd();
    QCOMPARE(m_requests.size(), kWriteRequests);
    QCOMPARE(m_device->read(SimArea::Eeprom, 0x40, 6)->toHex(), QByteArray("654321000000"));
    // Module 2, relay 7, slot 4: 0x6940 + 14 x 6 + 2 x 4.
    const quint8 before = quint8(4 * 16 + 8 + 7);
    QCOMPARE(m_device->read(SimArea::Memory, 0x699C, 2)->toHex(), QByteArray::number(before ^ 0x04, 16) + "00");
    SystemPanelSettings written = wanted;
    written.panel.accessCode2 = "654321";
    written.system.setRelayZones(4, 1, 7, quint16(before ^ 0x04));
    const ModelInfo &info = modelInfo(model);
    const settingsfile::Images images = imagesOf(*m_device, *imageSegments(model, 2), info.eepromSize, info.memorySize);
    QCOMPARE(images.memory.toHex(), encodeSystemPanelMemory(written).toHex());
    QCOMPARE(images.eeprom.toHex(), encodeSystemPanelEeprom(written).toHex());
}

void TstPanelExchange::systemPanelRefusesOtherDevices_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::newRow("16-zone panel") << int(Model::Korvel16p) << 2;
    QTest::newRow("16.64P panel of variant 3") << int(Model::Korvel16_64p) << 3;
}

void TstPanelExchange::systemPanelRefusesOtherDevices()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    makeSimulator(Model(model), quint8(variant));
    m_form->openEditor(Model::Korvel16_64p, 2);
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    waitForEnd();
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Дані не відповідають типу приладу"));
    QCOMPARE(m_requests.size(), 1); // the identification only
}

// Writing a slot from the editor shows only the refusal: nothing is sent and the images stay
// as they were. A slot that names the panel opens its editor (as any slot does) and then gets
// the same refusal instead of a read.
void TstPanelExchange::systemPanelConfiguratorCommandsOnlyRefuse()
{
    const QString refusal = QStringLiteral("Ця опція не підтримується для КОРВЕЛ-16.64!");
    makeSimulator(Model::Korvel16_64p, 2);
    auto *editor = qobject_cast<TKorvelForm16_64p *>(m_form->openEditor(Model::Korvel16_64p, 2));
    const QByteArray marker(29, '\x5A');
    m_form->exchange().EepromImage = marker;
    m_form->writeSlot(2);
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.last().kind, Dialogs::Kind::Information);
    QCOMPARE(m_dialogs->lastText(), refusal);
    QVERIFY(m_dialogs->questions.isEmpty());
    QVERIFY(m_requests.isEmpty());
    QVERIFY(!TProgressForm::instance() && editor->isIdle());
    QCOMPARE(m_form->exchange().EepromImage, marker);

    SlotDescriptor header;
    header.record = 0x1040;
    header.deviceType = 31;
    header.variant = 2;
    QVERIFY(m_configurator.write(0x1040, header.stored()));
    m_form->readSlot(2);
    waitForEnd();
    QCOMPARE(m_form->activeEditor(), editor);
    QCOMPARE(m_dialogs->messages.size(), 2);
    QCOMPARE(m_dialogs->lastText(), refusal);
    QCOMPARE(m_requests.size(), 1); // the slot header only
    QVERIFY(m_form->findChild<QAction *>("mnReadDev")->isEnabled());
}

// A 16-zone editor holding distinctive settings and, typed by the user, `accessCode2`.
TPanelEditor *TstPanelExchange::editedSixteenZone(const QString &accessCode2)
{
    makeSimulator(Model::Korvel16p, 2);
    auto *editor = qobject_cast<TPanelEditor *>(m_form->openEditor(Model::Korvel16p, 2));
    editor->showSettings(distinctive(Model::Korvel16p));
    auto *code = editor->findChild<QLineEdit *>("edCode2");
    code->setText(accessCode2);
    Q_EMIT code->textEdited(code->text());
    return editor;
}

// The 16-zone write stores EEPROM bytes 24-27 (the access codes) with its fifth write
// request; flipping bit 0 of its first byte turns the level-2 code 1234 (bytes 12 34) into
// 1334.
void TstPanelExchange::verifiedWrite_data()
{
    QTest::addColumn<int>("flippedWrite");
    QTest::addColumn<bool>("writeAgain");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("captionEnd");

    QTest::newRow("good-line-verified") << 0 << true << 0 << "Записано і перевірено" << "записано і перевірено";
    QTest::newRow("flipped-bit-named-then-written-again")
        << 5 << true << 1 << "Записано і перевірено" << "записано і перевірено";
    QTest::newRow("flipped-bit-left-after-no")
        << 5 << false << 1 << "Записані дані не збігаються з прочитаними" << "записано з розбіжностями";
}

void TstPanelExchange::verifiedWrite()
{
    QFETCH(int, flippedWrite);
    QFETCH(bool, writeAgain);
    QFETCH(int, questions);
    QFETCH(QString, status);
    QFETCH(QString, captionEnd);

    TPanelEditor *editor = editedSixteenZone(QStringLiteral("1234"));
    m_endpoint->setFlippedWrite(flippedWrite);
    m_dialogs->answer = writeAgain;
    const QTime started = QTime::currentTime();
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(editor->isIdle() && !TProgressForm::instance() && !m_form->flow().running(), 60000);
    QCOMPARE(m_dialogs->safeQuestions.size(), questions);
    if (questions)
        QVERIFY2(m_dialogs->questions.first().contains(QStringLiteral("код доступу до другого рівня: 1234 → 1334")),
                 qPrintable(m_dialogs->questions.first()));
    const QString shown = m_form->statusText(0);
    QCOMPARE(QString(shown).remove(kCheckedAt), status);
    // The local time the check ended, to the second.
    if (const QRegularExpressionMatch at = kCheckedAt.match(shown); at.hasMatch()) {
        const QTime checked = QTime::fromString(at.captured(1), QStringLiteral("HH:mm:ss"));
        QVERIFY(started.secsTo(checked) >= -1 && checked.secsTo(QTime::currentTime()) >= 0);
    }
    QVERIFY(editor->windowTitle().endsWith(captionEnd));
    const QByteArray stored = m_device->read(SimArea::Eeprom, 64, 2).value();
    QCOMPARE(stored, writeAgain ? QByteArray("\x12\x34", 2) : QByteArray("\x13\x34", 2));
}

void TstPanelExchange::compareWithFileNamesField_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("line"); // editor value, then the file's
    QTest::newRow("zone-mode") << "zone-mode" << "Зона 3: режим збігу: без збігу → по двох СП";
    QTest::newRow("telephone") << "telephone" << "перший телефонний номер: 0509999 → 0441234567";
    QTest::newRow("access-code") << "access-code" << "код доступу до третього рівня: 1111 → 5678";
    QTest::newRow("section-code") << "section-code" << ": 7F → 01";
}

void TstPanelExchange::compareWithFileNamesField()
{
    QFETCH(QString, change);
    QFETCH(QString, line);
    TPanelEditor *editor = editedSixteenZone(QStringLiteral("1234"));
    const QString path = m_dir->filePath(QStringLiteral("saved.vau"));
    editor->PrepareToSave(path);
    PanelSettings s = editor->settings();
    if (change == QLatin1String("zone-mode"))
        s.zones[2].mode = kModeNone;
    else if (change == QLatin1String("telephone"))
        s.telephones[0] = {QStringLiteral("0509999"), telephoneCodeString(QStringLiteral("0509999"), false), false};
    else if (change == QLatin1String("access-code"))
        s.accessCode3 = QStringLiteral("1111");
    else
        s.sectionFields[0][0] = QStringLiteral("7F");
    editor->showSettings(s);
    const settingsfile::ReadResult read = settingsfile::readFile(path, Model::Korvel16p);
    editor->CompareWithFile(std::get<settingsfile::Contents>(read));
    const QString text = m_dialogs->lastText();
    QVERIFY2(text.contains(line), qPrintable(text));
    QCOMPARE(text.count(QStringLiteral(" → ")), 2); // the heading and the one field changed
}

void TstPanelExchange::compareWithUnchangedDevice()
{
    TPanelEditor *editor = editedSixteenZone(QStringLiteral("1234"));
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    waitForEnd();
    m_form->findChild<QAction *>("mnCompareDev")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(editor->isIdle() && !TProgressForm::instance() && !m_form->flow().running(), 60000);
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Налаштування редактора і приладу не відрізняються."));
}

// Every memory write's reply is lost: the write fails after the EEPROM was taken. Once
// the line is good again, the write goes on from the positioned run that failed, and the
// device ends holding exactly what an uncut write gives it.
void TstPanelExchange::resumedWriteEndsLikeUncutWrite()
{
    TPanelEditor *editor = editedSixteenZone(QStringLiteral("4321"));
    m_endpoint->setFaultPlan(*FaultPlan::parse(QStringLiteral("drop,cmd=2,always")).plan);
    m_timeoutMs = 20;
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(editor->isIdle() && !TProgressForm::instance() && !m_form->flow().running(), 60000);
    QVERIFY(m_dialogs->messages.last().detail.contains(QStringLiteral("частину нових даних")));

    m_endpoint->setFaultPlan(FaultPlan());
    const qsizetype before = m_requests.size();
    m_form->findChild<QAction *>("mnResumeWrite")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(editor->isIdle() && !TProgressForm::instance() && !m_form->flow().running(), 60000);
    QCOMPARE(m_form->statusText(0).remove(kCheckedAt), QStringLiteral("Записано і перевірено"));
    // After the identification, the first memory block from its set-address.
    QCOMPARE(m_requests.value(before + 1).mid(3, 1), QByteArray(1, char(frame::kCmdSetAddress)));
    const PanelSettings s = editor->settings();
    const settingsfile::Images device = imagesOf(*m_device, *imageSegments(Model::Korvel16p, 2), 28, 512);
    QCOMPARE(device.eeprom, encodeEeprom(PanelModel::SixteenZone, 2, s));
    QCOMPARE(device.memory, encodeMemory(PanelModel::SixteenZone, s));
}

// The 16-zone write of variant 2 is 74 requests: 3 set-addresses and 5 EEPROM writes (1-8),
// then a set-address and a write for each of 33 memory blocks (9-74). The read before a write
// and the check after it begin with EEPROM byte reads. The fifth lost reply ends an exchange;
// the device takes a write whose reply is lost.
void TstPanelExchange::stoppedWriteSaysWhatDeviceHolds_data()
{
    QTest::addColumn<bool>("readFirst"); // so the device is read again before the write
    QTest::addColumn<QString>("plan");
    QTest::addColumn<int>("pressed"); // in the box; -1: its way out
    QTest::addColumn<QString>("boxEnd");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("writes");   // write requests the device received
    QTest::addColumn<bool>("written"); // the device ends holding the editor's settings
    QTest::addColumn<QString>("status");

    const QStringList cut{"Продовжити запис", "Записати знову", "Закрити"};
    const QStringList check{"Перевірити ще раз", "Закрити"};
    const QString unchecked = "Запис виконано: прилад підтвердив усі запити, але перевірити записане не вдалося.";
    const QString failed = "Виникла помилка при передачі даних";
    const QString done = "Записано і перевірено";
    const QString lostReads = "drop,cmd=5,times=5";
    const QString lostWrites = "drop,cmd=2,times=5"; // request 10 sent five times
    QTest::newRow("reread-failed-nothing-written") << true << lostReads << -1 << "Запис не виконано: прилад не змінено."
                                                   << QStringList() << 0 << 0 << false << failed;
    QTest::newRow("check-failed-checked-again") << false << lostReads << 0 << unchecked << check << 0 << 38 << true
                                                << done;
    QTest::newRow("check-failed-closed") << false << lostReads << -1 << unchecked << check << 0 << 38 << true << failed;
    // Resumed from the set-address of request 9 after the identification: 33 memory writes.
    QTest::newRow("cut-write-resumed") << false << lostWrites << 0 << "Підтверджено 9 з 74 запитів." << cut << 2
                                       << 5 + 5 + 33 << true << done;
    QTest::newRow("cut-write-written-again") << false << lostWrites << 1 << "Підтверджено 9 з 74 запитів." << cut << 2
                                             << 5 + 5 + 38 << true << done;
    QTest::newRow("cut-write-closed") << false << lostWrites << -1 << "Підтверджено 9 з 74 запитів." << cut << 2
                                      << 5 + 5 << false << failed;
}

void TstPanelExchange::stoppedWriteSaysWhatDeviceHolds()
{
    QFETCH(bool, readFirst);
    QFETCH(QString, plan);
    QFETCH(int, pressed);
    QFETCH(QString, boxEnd);
    TPanelEditor *editor = editedSixteenZone(QStringLiteral("4321"));
    if (readFirst) {
        m_form->findChild<QAction *>("tbReadDev")->trigger();
        waitForEnd();
        auto *code = editor->findChild<QLineEdit *>("edCode2");
        code->setText(QStringLiteral("4321"));
        Q_EMIT code->textEdited(code->text());
    }
    m_endpoint->setFaultPlan(*FaultPlan::parse(plan).plan);
    m_timeoutMs = 20;
    m_dialogs->pressed = {pressed};
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(editor->isIdle() && !TProgressForm::instance() && !m_form->flow().running(), 60000);

    QCOMPARE(m_dialogs->messages.size(), 1);
    const ScriptedDialogs::Message box = m_dialogs->messages.first();
    QVERIFY2(box.text.endsWith(u'\r' + boxEnd), qPrintable(box.text));
    QTEST(box.buttons, "buttons");
    QTEST(box.defaultButton, "defaultButton");
    QTEST(m_form->statusText(0).remove(kCheckedAt), "status");
    const auto isWrite = [](const QByteArray &request) {
        return request.at(3) == char(frame::kCmdWriteEeprom) || request.at(3) == char(frame::kCmdWriteMemory);
    };
    QTEST(int(std::count_if(m_requests.cbegin(), m_requests.cend(), isWrite)), "writes");
    const PanelSettings s = editor->settings();
    const settingsfile::Images device = imagesOf(*m_device, *imageSegments(Model::Korvel16p, 2), 28, 512);
    QTEST(device.eeprom == encodeEeprom(PanelModel::SixteenZone, 2, s)
              && device.memory == encodeMemory(PanelModel::SixteenZone, s), "written");
}

// "перевірено" in code page 1251 escapes: п е р е в і р е н о.
void TstPanelExchange::recordKeptBesideEarlierOne()
{
    editedSixteenZone(QStringLiteral("1234"));
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    waitForEnd();
    const QString folder = m_dir->filePath(QStringLiteral("records"));
    QVERIFY(QDir().mkpath(folder));
    m_dialogs->directory = folder;
    m_form->findChild<QAction *>("mnSaveRecord")->trigger();
    m_form->findChild<QAction *>("mnSaveRecord")->trigger();
    const QStringList files = QDir(folder).entryList({QStringLiteral("Протокол KVL16P-2 *")}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 4);
    QVERIFY2(files.filter(QStringLiteral(" (2).")).size() == 2, qPrintable(files.join(u',')));
    QFile rtf(QDir(folder).filePath(files.filter(QStringLiteral(".rtf")).first()));
    QVERIFY(rtf.open(QIODevice::ReadOnly));
    QVERIFY(rtf.readAll().contains(R"(\'EF\'E5\'F0\'E5\'E2\'B3\'F0\'E5\'ED\'EE)"));
}

QTEST_MAIN(TstPanelExchange)
#include "tst_panelexchange.moc"
