// Panel editors against the in-process simulator: identify and read each model, edit and
// write back, write a configurator slot and apply it to a device, and the refusals.
#include "deviceimages.h"
#include "editorbench.h"
#include "paneleditor.h"
#include "panelcodec.h"
#include "proc.h"
#include "progress.h"
#include "slotapply.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

private:
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
    QTest::newRow("4-zone-variant-4") << int(Model::Korvel4p) << 4 << 38400;
    QTest::newRow("4-zone-variant-6-short-reads-at-9600") << int(Model::Korvel4p) << 6 << 9600;
    QTest::newRow("8-zone-variant-3") << int(Model::Korvel8p) << 3 << 38400;
    QTest::newRow("8-zone-variant-5") << int(Model::Korvel8p) << 5 << 38400;
    QTest::newRow("16-zone-variant-2") << int(Model::Korvel16p) << 2 << 38400;
}

void TstPanelExchange::readEditWrite()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(int, baud);
    const Model m = Model(model);
    const ModelInfo &info = modelInfo(m);
    storeBaud(baud);
    makeSimulator(m, quint8(variant));
    const PanelSettings wanted = distinctive(m);
    const settingsfile::Images images{encodeEeprom(panelOf(m), variant, wanted),
                                      encodeMemory(panelOf(m), wanted)};
    putImages(images, *imageSegments(m, quint8(variant)), *m_device);

    m_form->findChild<QAction *>("tbReadDev")->trigger();
    waitForEnd();
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
    // Read back and checked; the controls are not refilled from the device.
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral("   -   записано і перевірено")));
    QCOMPARE(m_form->statusText(0), QStringLiteral("Записано і перевірено"));
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

QTEST_MAIN(TstPanelExchange)
#include "tst_panelexchange.moc"
