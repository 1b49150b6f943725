// Panel editor rules as the user meets them: zone pairing, coincidence time, the type/mode
// exclusion, output columns, relay indicators, telephone entry, common codes, captions.
#include "editorfactory.h"
#include "main.h"
#include "paneleditor.h"
#include "progress.h"
#include "scripteddialogs.h"
#include "systempaneleditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

template <typename T>
T *child(QWidget *editor, const QString &name)
{
    T *w = editor->findChild<T *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

// Chooses an item the way the user does, so the combo's own rules run.
void choose(QWidget *editor, const QString &combo, int index)
{
    auto *box = child<QComboBox>(editor, combo);
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

} // namespace

class TstPanelRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void zonePairing();
    void coincidenceTimeFollowsModes_data();
    void coincidenceTimeFollowsModes();
    void typeModeExclusion_data();
    void typeModeExclusion();
    void headerClickInvertsColumnWithoutMark();
    void relayIndicatorsFollowColumns();
    void telephoneCodeString_data();
    void telephoneCodeString();
    void toneDropsSixteenthCharacter();
    void pauseButtonInsertsAtCursor();
    void commonCodesCopyAndMirror();
    void keyFiltersRefuseWithMessage_data();
    void keyFiltersRefuseWithMessage();
    void pastedTextIsFiltered_data();
    void pastedTextIsFiltered();
    void sectionListShowsOneBox();
    void variantEnabling_data();
    void variantEnabling();
    void captionMarksUserChangesOnly();
    void placementKeptPerEditor();
    void resetUnchecksCommon();
    void systemPanelControls();
    void systemPanelPages();
    void systemPanelTreeEditsMarkTheCaption();

private:
    TPanelEditor *open(Model model, quint8 variant);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TMainForm> m_form;
};

void TstPanelRules::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_form = std::make_unique<TMainForm>(m_dir->filePath("option.ini"));
    m_form->setEditorFactory(createEditor);
    m_form->show(); // clicks reach only controls on screen
}

void TstPanelRules::cleanup()
{
    m_form.reset();
    m_dialogs.reset();
    m_dir.reset();
}

TPanelEditor *TstPanelRules::open(Model model, quint8 variant)
{
    auto *editor = qobject_cast<TPanelEditor *>(m_form->openEditor(model, variant));
    Q_ASSERT(editor);
    return editor;
}

void TstPanelRules::zonePairing()
{
    TPanelEditor *e = open(Model::Korvel8p, 5);
    choose(e, "cbMode3", 3); // по двох зонах
    QCOMPARE(child<QComboBox>(e, "cbMode4")->currentIndex(), 3);
    QVERIFY(!child<QSpinBox>(e, "ud5")->isEnabled());
    choose(e, "cbMode3", 1); // по одному СП
    QCOMPARE(child<QComboBox>(e, "cbMode4")->currentIndex(), 0);
    QVERIFY(child<QSpinBox>(e, "ud5")->isEnabled());
    choose(e, "cbMode6", 3);
    QCOMPARE(child<QComboBox>(e, "cbMode5")->currentIndex(), 3);
}

void TstPanelRules::coincidenceTimeFollowsModes_data()
{
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("all-without") << QList<int>{0, 0, 0, 0} << false;
    QTest::newRow("two-detectors-and-two-zones") << QList<int>{2, 0, 3, 3} << false;
    QTest::newRow("one-zone-one-detector") << QList<int>{0, 2, 0, 1} << true;
}

void TstPanelRules::coincidenceTimeFollowsModes()
{
    QFETCH(QList<int>, modes);
    QFETCH(bool, enabled);
    TPanelEditor *e = open(Model::Korvel4p, 5);
    for (int z = 0; z < modes.size(); ++z)
        child<QComboBox>(e, QStringLiteral("cbMode%1").arg(z + 1))->setCurrentIndex(modes[z]);
    e->CheckMode();
    QCOMPARE(child<QSpinBox>(e, "ud5")->isEnabled(), enabled);
}

void TstPanelRules::typeModeExclusion_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("applies");
    QTest::newRow("16-zone-variant-2") << int(Model::Korvel16p) << 2 << true;
    QTest::newRow("16-zone-variant-3") << int(Model::Korvel16p) << 3 << false;
    QTest::newRow("8-zone-variant-4") << int(Model::Korvel8p) << 4 << true;
    QTest::newRow("4-zone-variant-5") << int(Model::Korvel4p) << 5 << false;
    QTest::newRow("16.64P as the 16-zone variant 2") << int(Model::Korvel16_64p) << 2 << true;
}

void TstPanelRules::typeModeExclusion()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(bool, applies);
    TPanelEditor *e = open(Model(model), quint8(variant));
    choose(e, "cbMode1", 2);        // по двох СП
    choose(e, "cbTypeMessage1", 1); // розімкнутий
    QCOMPARE(child<QComboBox>(e, "cbMode1")->currentIndex(), applies ? 0 : 2);
    choose(e, "cbMode1", 2);
    QCOMPARE(child<QComboBox>(e, "cbTypeMessage1")->currentIndex(), applies ? 0 : 1);
}

void TstPanelRules::headerClickInvertsColumnWithoutMark()
{
    TPanelEditor *e = open(Model::Korvel4p, 2);
    child<QCheckBox>(e, "ckbB2")->setChecked(true);
    QTest::mouseClick(child<QLabel>(e, "lbExit2"), Qt::LeftButton);
    QCOMPARE(child<QCheckBox>(e, "ckbB1")->isChecked(), true);
    QCOMPARE(child<QCheckBox>(e, "ckbB2")->isChecked(), false);
    QCOMPARE(child<QCheckBox>(e, "ckbA1")->isChecked(), false);
    QVERIFY(!e->windowTitle().contains(QStringLiteral("змінено")));
}

void TstPanelRules::relayIndicatorsFollowColumns()
{
    TPanelEditor *e = open(Model::Korvel8p, 3);
    e->show();
    auto *fault = child<QLabel>(e, "lbCommonFault");
    auto *fire = child<QLabel>(e, "lbCommonFire");
    QVERIFY(!fault->isHidden());
    QTest::mouseClick(child<QCheckBox>(e, "ckbD7"), Qt::LeftButton);
    QVERIFY(fault->isHidden());
    QVERIFY(!fire->isHidden());
    QVERIFY(e->windowTitle().endsWith(QStringLiteral("   -   змінено користувачем")));
    QTest::mouseClick(child<QCheckBox>(e, "ckbD7"), Qt::LeftButton);
    QVERIFY(!fault->isHidden());
}

void TstPanelRules::telephoneCodeString_data()
{
    QTest::addColumn<bool>("tone");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code");
    QTest::newRow("pulse") << false << "044+123*5" << "044B123C5D000000";
    QTest::newRow("tone") << true << "044+123*5" << "E044B123C5D00000";
    QTest::newRow("letters-refused") << false << "0a4b4" << "044D000000000000";
}

void TstPanelRules::telephoneCodeString()
{
    QFETCH(bool, tone);
    QFETCH(QString, typed);
    QFETCH(QString, code);
    TPanelEditor *e = open(Model::Korvel16p, 2);
    if (tone)
        QTest::mouseClick(child<QToolButton>(e, "sbTonePulse1"), Qt::LeftButton);
    typeInto(child<QLineEdit>(e, "edTelNum1"), typed);
    QCOMPARE(child<QLineEdit>(e, "edTelNum1")->toolTip(), code);
    QCOMPARE(e->settings().telephones[0].codeString, code);
}

void TstPanelRules::toneDropsSixteenthCharacter()
{
    TPanelEditor *e = open(Model::Korvel4p, 4);
    auto *edit = child<QLineEdit>(e, "edTelNum2");
    typeInto(edit, "1234567890123456");
    QCOMPARE(edit->text().size(), 16);
    auto *tone = child<QToolButton>(e, "sbTonePulse2");
    QTest::mouseClick(tone, Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("123456789012345"));
    QCOMPARE(tone->text(), QStringLiteral("тон"));
    QCOMPARE(edit->toolTip(), QStringLiteral("E123456789012345"));
    QTest::mouseClick(tone, Qt::LeftButton);
    QCOMPARE(tone->text(), QStringLiteral("імп"));
    QCOMPARE(edit->maxLength(), 16);
}

void TstPanelRules::pauseButtonInsertsAtCursor()
{
    TPanelEditor *e = open(Model::Korvel4p, 4);
    auto *edit = child<QLineEdit>(e, "edTelNum1");
    typeInto(edit, "0441");
    edit->setCursorPosition(3);
    QTest::mouseClick(child<QToolButton>(e, "sbPause1"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(e, "sbFindSignal1"), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("044+*1"));
    QCOMPARE(edit->cursorPosition(), 5);
    QCOMPARE(edit->toolTip(), QStringLiteral("044BC1D000000000"));
}

void TstPanelRules::commonCodesCopyAndMirror()
{
    TPanelEditor *e = open(Model::Korvel8p, 5);
    e->btnAdditionalClick();
    child<QLineEdit>(e, "edS325")->setText("1A");
    child<QComboBox>(e, "cbS441")->setCurrentIndex(2);
    child<QLineEdit>(e, "edS185")->setText("77");
    child<QTabWidget>(e, "PageControl1")->setCurrentIndex(1);
    child<QCheckBox>(e, "ckbCommon")->click();
    QVERIFY(child<QCheckBox>(e, "ckbCommon")->isChecked());
    QCOMPARE(child<QLineEdit>(e, "edS185")->text(), QStringLiteral("1A")); // second page overwrote the first
    QCOMPARE(child<QComboBox>(e, "cbS301")->currentIndex(), 2);
    typeInto(child<QLineEdit>(e, "edS181"), "c");
    QCOMPARE(child<QLineEdit>(e, "edS321")->text(), QStringLiteral("c"));
    child<QCheckBox>(e, "ckbCommon")->click(); // unchecked: no mirror
    typeInto(child<QLineEdit>(e, "edS182"), "5");
    QCOMPARE(child<QLineEdit>(e, "edS322")->text(), QString());
}

void TstPanelRules::keyFiltersRefuseWithMessage_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("message");
    const QString hexMessage = QStringLiteral("Потрібно вводити в шістнадцятирічному  вигляді.\rСимволи '0..9, A..F'");
    QTest::newRow("section-field-g") << "edS181" << "g" << "" << hexMessage;
    QTest::newRow("object-number") << "edNumDev1" << "1x" << "1" << hexMessage;
    QTest::newRow("system-address-1") << "edAddress" << "01" << "0"
                                      << QStringLiteral("Потрібно вводити в cимволи від '2' до '7'");
    QTest::newRow("access-code") << "edCode2" << "12a" << "12" << QStringLiteral("Потрібно вводити тільки цифри.");
}

void TstPanelRules::keyFiltersRefuseWithMessage()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, message);
    TPanelEditor *e = open(Model::Korvel16p, 3);
    auto *edit = child<QLineEdit>(e, field);
    edit->clear();
    typeInto(edit, typed);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(m_dialogs->lastText(), message);
}

void TstPanelRules::pastedTextIsFiltered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("telephone") << "edTelNum1" << "+38 (044) 12-34*" << "+380441234*";
    QTest::newRow("access-code") << "edCode3" << "12ab" << "12";
    QTest::newRow("section-field") << "edS201" << "zF" << "F";
}

void TstPanelRules::pastedTextIsFiltered()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    TPanelEditor *e = open(Model::Korvel16p, 3);
    auto *edit = child<QLineEdit>(e, field);
    edit->setMaxLength(32);
    edit->insert(pasted); // as a paste arrives: one edit, no key presses
    Q_EMIT edit->textEdited(edit->text());
    QCOMPARE(edit->text(), kept);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstPanelRules::sectionListShowsOneBox()
{
    TPanelEditor *e = open(Model::Korvel16p, 2);
    e->btnAdditionalClick();
    e->show();
    auto *list = child<QListWidget>(e, "lstBoxSection1");
    list->setCurrentRow(4);
    int visible = 0;
    for (int i = 1; i <= 28; ++i)
        visible += child<QWidget>(e, QStringLiteral("grBox%1").arg(i))->isVisibleTo(e);
    QCOMPARE(visible, 1);
    QVERIFY(child<QWidget>(e, "grBox5")->isVisibleTo(e));
    child<QTabWidget>(e, "PageControl1")->setCurrentIndex(1);
    QVERIFY(child<QWidget>(e, "grBox15")->isVisibleTo(e)); // the second list's first section
}

void TstPanelRules::variantEnabling_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("lineFault");
    QTest::addColumn<bool>("address");
    QTest::newRow("4-zone-2") << int(Model::Korvel4p) << 2 << "КОРВЕЛ-4П (KVL4P-2)" << false << false;
    QTest::newRow("4-zone-6") << int(Model::Korvel4p) << 6 << "КОРВЕЛ-4П (KVL4P-4)" << true << false;
    QTest::newRow("8-zone-2") << int(Model::Korvel8p) << 2 << "КОРВЕЛ-8П (KVL8P-2)" << false << false;
    QTest::newRow("8-zone-3") << int(Model::Korvel8p) << 3 << "КОРВЕЛ-8П (KVL8P-3)" << true << false;
    QTest::newRow("8-zone-4") << int(Model::Korvel8p) << 4 << "КОРВЕЛ-8П (KVL8P-4)" << true << true;
    QTest::newRow("16-zone-3") << int(Model::Korvel16p) << 3 << "КОРВЕЛ-16П (KVL16P-3)" << true << true;
}

void TstPanelRules::variantEnabling()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(QString, title);
    QFETCH(bool, lineFault);
    QFETCH(bool, address);
    TPanelEditor *e = open(Model(model), quint8(variant));
    QCOMPARE(e->windowTitle(), title);
    QCOMPARE(e->title(), title);
    QCOMPARE(child<QSpinBox>(e, "ud7")->isEnabled(), lineFault);
    if (!lineFault)
        QCOMPARE(child<QSpinBox>(e, "ud7")->value(), 0);
    if (auto *edit = e->findChild<QLineEdit *>("edAddress"))
        QCOMPARE(edit->isEnabled(), address);
}

void TstPanelRules::captionMarksUserChangesOnly()
{
    TPanelEditor *e = open(Model::Korvel16p, 4);
    PanelSettings s = e->settings();
    s.accessCode2 = "1234";
    {
        FillingControlsGuard filling(m_form->exchange());
        e->showSettings(s);
    }
    QCOMPARE(e->windowTitle(), QStringLiteral("КОРВЕЛ-16П (KVL16P-4)"));
    typeInto(child<QLineEdit>(e, "edCode3"), "9");
    QCOMPARE(e->windowTitle(), QStringLiteral("КОРВЕЛ-16П (KVL16P-4)   -   змінено користувачем"));
}

void TstPanelRules::placementKeptPerEditor()
{
    TPanelEditor *e = open(Model::Korvel8p, 4);
    e->parentWidget()->move(37, 21);
    m_form->mdiArea()->closeAllSubWindows();
    QSettings ini(m_dir->filePath("option.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value("KorvelForm8p/Left").toInt(), 37);
    QCOMPARE(ini.value("KorvelForm8p/Top").toInt(), 21);
    QCOMPARE(ini.value("KorvelForm8p/State").toInt(), 0);
    TPanelEditor *again = open(Model::Korvel8p, 4);
    QCOMPARE(again->parentWidget()->pos(), QPoint(37, 21));
}

void TstPanelRules::resetUnchecksCommon()
{
    TPanelEditor *e = open(Model::Korvel4p, 5);
    child<QCheckBox>(e, "ckbCommon")->setChecked(true);
    child<QLineEdit>(e, "edCode2")->setText("55");
    e->VersionFirmware(5);
    QVERIFY(!child<QCheckBox>(e, "ckbCommon")->isChecked());
    QCOMPARE(child<QLineEdit>(e, "edCode2")->text(), QString());
    QCOMPARE(child<QComboBox>(e, "cbTypeMessage3")->currentIndex(), 0); // "замкнутий"
}

// The 16-zone panel's control names, with the sections titled 19 to 46, six-digit codes and
// no system address; the common codes pair the same names.
void TstPanelRules::systemPanelControls()
{
    TPanelEditor *e = open(Model::Korvel16_64p, 2);
    QCOMPARE(child<QGroupBox>(e, "grBox1")->title(), QStringLiteral("Секція 19 – Коди пожежної тривоги"));
    QCOMPARE(child<QGroupBox>(e, "grBox28")->title(), QStringLiteral("Секція 46 – Інші коди"));
    QCOMPARE(child<QListWidget>(e, "lstBoxSection2")->item(12)->text(), QStringLiteral("Секція 45 – Параметри"));
    for (const char *name : {"edS181", "edS1816", "edS4516", "cbTypeMessage16", "ckbE16"})
        QVERIFY2(e->findChild<QWidget *>(name), name);
    QVERIFY(e->findChild<QComboBox *>("cbS441"));
    QVERIFY(!e->findChild<QLineEdit *>("edAddress"));
    QCOMPARE(child<QLineEdit>(e, "edCode2")->maxLength(), 6);
    e->btnAdditionalClick();
    child<QCheckBox>(e, "ckbCommon")->click();
    typeInto(child<QLineEdit>(e, "edS4516"), "e");
    QCOMPARE(child<QLineEdit>(e, "edS3116")->text(), QStringLiteral("e"));
}

void TstPanelRules::systemPanelPages()
{
    auto *e = qobject_cast<TKorvelForm16_64p *>(open(Model::Korvel16_64p, 2));
    auto *devices = child<QTreeWidget>(e, "trvDevices");
    devices->setCurrentItem(nullptr);
    QTest::mouseClick(child<QPushButton>(e, "btnPPKP"), Qt::LeftButton);
    QVERIFY(child<QScrollArea>(e, "scrBoxPPKP")->isVisible());
    QVERIFY(!child<QScrollArea>(e, "scrBoxBasic")->isVisible());
    QVERIFY(!child<QScrollArea>(e, "scrBoxAdditional")->isVisible());
    QCOMPARE(devices->currentItem(), devices->topLevelItem(0));
    QTest::mouseClick(child<QPushButton>(e, "btnAdditional"), Qt::LeftButton);
    QVERIFY(child<QScrollArea>(e, "scrBoxAdditional")->isVisible());
    QVERIFY(!child<QScrollArea>(e, "scrBoxPPKP")->isVisible());
}

void TstPanelRules::systemPanelTreeEditsMarkTheCaption()
{
    auto *e = qobject_cast<TKorvelForm16_64p *>(open(Model::Korvel16_64p, 2));
    e->btnPPKPClick();
    auto *devices = child<QTreeWidget>(e, "trvDevices");
    devices->setCurrentItem(devices->topLevelItem(1));
    e->findChild<QAction *>("AddT16P")->trigger();
    auto *modules = child<QTreeWidget>(e, "trvRVM");
    modules->setCurrentItem(modules->topLevelItem(0));
    e->findChild<QAction *>("AddRVM")->trigger();
    child<QCheckBox>(e, "ckb12")->click();
    QCOMPARE(e->systemPanelSettings().system.relayZones(1, 0, 1), quint16(0x0800));
    QCOMPARE(e->windowTitle(), QStringLiteral("КОРВЕЛ-16.64П (KVL64P-2)   -   змінено користувачем"));
    e->btnBasicClick();
    child<QCheckBox>(e, "ckbA3")->click();
    QCOMPARE(e->windowTitle(), QStringLiteral("КОРВЕЛ-16.64П (KVL64P-2)   -   змінено користувачем"));
}

QTEST_MAIN(TstPanelRules)
#include "tst_panelrules.moc"
