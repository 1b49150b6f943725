// Edits the user could lose: the questions before an edited editor closes, before the
// program exits and before factory settings replace edits; undo and redo from the "Правка"
// menu and what forgets them; the size an editor opens at.
#include "editorbench.h"
#include "paneleditor.h"
#include "systempaneleditor.h"
#include "systemtreepage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using Choice = Dialogs::Choice;

namespace {

const QString k16Title = QStringLiteral("КОРВЕЛ-16П (KVL16P-3)");
const QString kMark = QStringLiteral("   -   змінено користувачем");

QString question(const QString &title)
{
    return QStringLiteral("Налаштування «%1» змінено. Зберегти зміни у файл?").arg(title);
}

// "cbMode3=3" chooses item 3 the way the user does, so the combo's own rules run;
// "edTelNum1:044+1" types into the field.
void apply(QWidget *editor, const QString &step)
{
    if (const int at = int(step.indexOf(u'=')); at > 0) {
        auto *box = editor->findChild<QComboBox *>(step.left(at));
        box->setCurrentIndex(step.mid(at + 1).toInt());
        Q_EMIT box->activated(box->currentIndex());
        return;
    }
    auto *field = editor->findChild<QLineEdit *>(step.section(u':', 0, 0));
    field->setFocus();
    QTest::keyClicks(field, step.section(u':', 1));
}

// On the 16.64P editor's "приписка ППКП" page: "trvDevices:2:AddT16P" selects node 2 and
// uses the item of its menu; "ckb5" clicks zone 5 of the relay shown.
void applySystem(QWidget *editor, const QString &step)
{
    const QStringList parts = step.split(u':');
    if (parts.size() == 1) {
        editor->findChild<QCheckBox *>(step)->click();
        return;
    }
    auto *tree = editor->findChild<QTreeWidget *>(parts.at(0));
    tree->setCurrentItem(tree->topLevelItem(parts.at(1).toInt()));
    auto *page = editor->findChild<SystemTreePage *>();
    page->pmTrvDevPopup();
    page->pmTrvRVMPopup();
    editor->findChild<QAction *>(parts.at(2))->trigger();
}

// A tree node's text ("trvRVM:1") or whether a zone box is checked ("ckb5").
QString shownSystem(QWidget *editor, const QString &control)
{
    if (const auto *box = editor->findChild<QCheckBox *>(control))
        return box->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    const auto *tree = editor->findChild<QTreeWidget *>(control.section(u':', 0, 0));
    return tree->topLevelItem(control.section(u':', 1).toInt())->text(0);
}

// What the controls show: a combo's item, a field's text and hint (a telephone's code string).
QString shown(QWidget *editor, const QStringList &controls)
{
    QStringList values;
    for (const QString &name : controls) {
        if (const auto *box = editor->findChild<QComboBox *>(name))
            values.append(QString::number(box->currentIndex()));
        else if (const auto *field = editor->findChild<QLineEdit *>(name))
            values.append(field->text() + u'|' + field->toolTip());
    }
    return values.join(u' ');
}

} // namespace

class TstEditGuards : public QObject, private EditorBench
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void closingEditedEditor_data();
    void closingEditedEditor();
    void exitAsksEachEditedEditor_data();
    void exitAsksEachEditedEditor();
    void factorySettingsOverEdits_data();
    void factorySettingsOverEdits();
    void undoAndRedo_data();
    void undoAndRedo();
    void systemTableEdits_data();
    void systemTableEdits();
    void refillForgetsEdits_data();
    void refillForgetsEdits();
    void openingSizeShowsPageWhole_data();
    void openingSizeShowsPageWhole();

private:
    TPanelEditor *open16p(quint8 variant = 3)
    {
        return qobject_cast<TPanelEditor *>(m_form->openEditor(Model::Korvel16p, variant));
    }
    QAction *action(const char *name) const { return m_form->findChild<QAction *>(name); }
    QString savedPath() const { return m_dir->filePath("saved.vau"); }
};

void TstEditGuards::init()
{
    startBench();
    m_form->setProgramFolder(qEnvironmentVariable("VEX_BIN_DIR"));
    m_form->setGeometry(0, 0, 1280, 1024);
    m_form->show(); // typing reaches only controls on screen
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TstEditGuards::cleanup()
{
    stopBench();
}

void TstEditGuards::closingEditedEditor_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("fileChosen");
    QTest::addColumn<bool>("closes");
    QTest::newRow("unedited-closes-unasked") << false << int(Choice::Cancel) << false << true;
    QTest::newRow("save-writes-then-closes") << true << int(Choice::Save) << true << true;
    QTest::newRow("save-dialog-cancelled-stays") << true << int(Choice::Save) << false << false;
    QTest::newRow("discard-closes") << true << int(Choice::Discard) << true << true;
    QTest::newRow("cancel-stays") << true << int(Choice::Cancel) << true << false;
}

void TstEditGuards::closingEditedEditor()
{
    QFETCH(bool, edited);
    QFETCH(int, choice);
    QFETCH(bool, fileChosen);
    QFETCH(bool, closes);
    TPanelEditor *editor = open16p();
    if (edited)
        apply(editor, "edCode3:9");
    m_dialogs->choice = Choice(choice);
    m_dialogs->fileName = fileChosen ? savedPath() : QString();

    m_form->mdiArea()->closeActiveSubWindow();

    QCOMPARE(m_dialogs->questions, edited ? QStringList{question(k16Title)} : QStringList{});
    QCOMPARE(m_form->editor(Model::Korvel16p) == nullptr, closes);
    QCOMPARE(QFile::exists(savedPath()), Choice(choice) == Choice::Save && fileChosen);
    if (!closes)
        QCOMPARE(editor->windowTitle(), k16Title + kMark);
}

void TstEditGuards::exitAsksEachEditedEditor_data()
{
    QTest::addColumn<QList<Choice>>("choices");
    QTest::addColumn<int>("editorsLeft");
    QTest::newRow("discard-both-exits") << QList<Choice>{Choice::Discard, Choice::Discard} << 0;
    QTest::newRow("cancel-first-keeps-both") << QList<Choice>{Choice::Cancel} << 2;
    QTest::newRow("discard-then-cancel-keeps-second") << QList<Choice>{Choice::Discard, Choice::Cancel} << 1;
}

void TstEditGuards::exitAsksEachEditedEditor()
{
    QFETCH(QList<Choice>, choices);
    QFETCH(int, editorsLeft);
    apply(m_form->openEditor(Model::Korvel8p, 5), "edCode3:9");
    apply(open16p(), "edCode3:9");
    m_dialogs->choices = choices;

    action("mnClose")->trigger();

    QStringList asked{question(QStringLiteral("КОРВЕЛ-8П (KVL8P-5)")), question(k16Title)};
    QCOMPARE(m_dialogs->questions, asked.mid(0, choices.size()));
    QCOMPARE(int(m_form->mdiArea()->subWindowList().size()), editorsLeft);
    QCOMPARE(m_form->isVisible(), editorsLeft > 0);
}

void TstEditGuards::factorySettingsOverEdits_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption");
    // The factory file holds the code an empty field stands for.
    const QString factory = k16Title + QStringLiteral("   -   заводські налаштування");
    QTest::newRow("edited-yes-replaces") << true << true << "2735" << factory;
    QTest::newRow("edited-no-keeps-edits") << true << false << "9" << k16Title + kMark;
    QTest::newRow("unedited-unasked") << false << false << "2735" << factory;
}

void TstEditGuards::factorySettingsOverEdits()
{
    QFETCH(bool, edited);
    QFETCH(bool, yes);
    QFETCH(QString, code);
    QFETCH(QString, caption);
    TPanelEditor *editor = open16p();
    if (edited)
        apply(editor, "edCode3:9");
    m_dialogs->answer = yes;

    action("mnFA")->trigger();

    QCOMPARE(m_dialogs->questions.size(), edited ? 1 : 0);
    QCOMPARE(editor->findChild<QLineEdit *>("edCode3")->text(), code);
    QCOMPARE(editor->windowTitle(), caption);
}

void TstEditGuards::undoAndRedo_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("prepared");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("byKeys");
    const QStringList pair{"cbMode3", "cbMode4"};
    const QStringList zone1{"cbTypeMessage1", "cbMode1"};
    const QStringList telephone{"edTelNum1"};
    // "по двох зонах" takes the partner zone along.
    QTest::newRow("zone-mode-with-partner") << 3 << "" << "cbMode3=3" << pair << "3 3" << false;
    // Variant 2 cannot combine "розімкнутий" with "по двох СП": the mode falls back to
    // "без збігу" in the same edit.
    QTest::newRow("detector-type-with-exclusion") << 2 << "cbMode1=2" << "cbTypeMessage1=1" << zone1 << "1 0" << false;
    // Typing in one field is one edit; its code string follows (pause "+" is "B").
    const QString typed = "044+1|044B1D0000000000";
    QTest::newRow("telephone-typing") << 3 << "" << "edTelNum1:044+1" << telephone << typed << false;
    // Ctrl+Z and Ctrl+Y in the field reach the editor's history, not the field's own.
    QTest::newRow("telephone-typing-keys") << 3 << "" << "edTelNum1:044+1" << telephone << typed << true;
}

void TstEditGuards::undoAndRedo()
{
    QFETCH(int, variant);
    QFETCH(QString, prepared);
    QFETCH(QString, edit);
    QFETCH(QStringList, controls);
    QFETCH(QString, after);
    QFETCH(bool, byKeys);
    TPanelEditor *editor = open16p(quint8(variant));
    editor->btnAdditionalClick();
    QVERIFY(!action("mnUndo")->isEnabled());
    if (!prepared.isEmpty())
        apply(editor, prepared);
    const QString before = shown(editor, controls);
    const QString captionBefore = editor->windowTitle();
    const int edits = editor->undoStack()->index();
    apply(editor, edit);
    QCOMPARE(shown(editor, controls), after);
    QCOMPARE(editor->undoStack()->index(), edits + 1);
    const auto command = [&](const char *name, Qt::Key key) {
        if (byKeys)
            QTest::keyClick(editor->focusWidget(), key, Qt::ControlModifier);
        else
            action(name)->trigger();
    };

    command("mnUndo", Qt::Key_Z);
    QCOMPARE(shown(editor, controls), before);
    QCOMPARE(editor->windowTitle(), captionBefore); // undone to a fresh editor: nothing to ask
    QCOMPARE(action("mnUndo")->isEnabled(), edits > 0);

    command("mnRedo", Qt::Key_Y);
    QCOMPARE(shown(editor, controls), after);
    QCOMPARE(editor->windowTitle(), editor->title() + kMark);
    QVERIFY(!action("mnRedo")->isEnabled());
}

void TstEditGuards::systemTableEdits_data()
{
    QTest::addColumn<QString>("prepared");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QString empty = QStringLiteral("(пусто)");
    QTest::newRow("add-16-zone-panel") << "" << "trvDevices:2:AddT16P" << "trvDevices:2" << empty << "Корвел-16П";
    QTest::newRow("delete-panel") << "trvDevices:3:AddT8P" << "trvDevices:3:DeleteDev" << "trvDevices:3" << "Корвел-8П"
                                  << empty;
    QTest::newRow("add-relay-module") << "" << "trvRVM:1:AddRVM" << "trvRVM:1" << empty << "РВМ-8";
    QTest::newRow("delete-relay-module") << "trvRVM:0:AddRVM" << "trvRVM:0:DeleteRVM" << "trvRVM:0" << "РВМ-8" << empty;
    // The panel itself and module 1 are selected: the relay view shows relay 1 of both.
    QTest::newRow("relay-mask") << "trvRVM:0:AddRVM" << "ckb5" << "ckb5" << "off" << "on";
}

// Each is one edit of the user's: marked in the caption, undone and redone with the trees,
// the relay view and the table that the memory image is encoded from.
void TstEditGuards::systemTableEdits()
{
    QFETCH(QString, prepared);
    QFETCH(QString, edit);
    QFETCH(QString, control);
    auto *editor = qobject_cast<TKorvelForm16_64p *>(m_form->openEditor(Model::Korvel16_64p, 2));
    editor->btnPPKPClick();
    if (!prepared.isEmpty())
        applySystem(editor, prepared);
    const TDeviceCollection before = editor->systemPanelSettings().system;
    const QString captionBefore = editor->windowTitle();
    const int edits = editor->undoStack()->index();

    applySystem(editor, edit);
    QTEST(shownSystem(editor, control), "after");
    QCOMPARE(editor->windowTitle(), editor->title() + kMark);
    QCOMPARE(editor->undoStack()->index(), edits + 1);
    const TDeviceCollection after = editor->systemPanelSettings().system;
    QVERIFY(!(after == before));

    action("mnUndo")->trigger();
    QTEST(shownSystem(editor, control), "before");
    QVERIFY(editor->systemPanelSettings().system == before);
    QCOMPARE(editor->windowTitle(), captionBefore);

    action("mnRedo")->trigger();
    QTEST(shownSystem(editor, control), "after");
    QVERIFY(editor->systemPanelSettings().system == after);
    QCOMPARE(editor->windowTitle(), editor->title() + kMark);
}

void TstEditGuards::refillForgetsEdits_data()
{
    QTest::addColumn<QString>("refill");
    QTest::newRow("read") << "tbReadDev";
    QTest::newRow("file-load") << "mnOpen";
    QTest::newRow("factory-settings") << "mnFA";
}

void TstEditGuards::refillForgetsEdits()
{
    QFETCH(QString, refill);
    makeSimulator(Model::Korvel16p, 3);
    TPanelEditor *editor = open16p();
    m_dialogs->fileName = savedPath(); // saved unedited, opened again below
    action("mnSave")->trigger();
    apply(editor, "cbMode1=1");
    QVERIFY(action("mnUndo")->isEnabled());

    action(qPrintable(refill))->trigger();
    waitForEnd();

    QCOMPARE(shown(editor, {"cbMode1"}), QStringLiteral("0"));
    QCOMPARE(editor->undoStack()->count(), 0);
    QVERIFY(!action("mnUndo")->isEnabled());
}

void TstEditGuards::openingSizeShowsPageWhole_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::newRow("4P") << int(Model::Korvel4p) << 5;
    QTest::newRow("8P") << int(Model::Korvel8p) << 5;
    QTest::newRow("16P") << int(Model::Korvel16p) << 3;
    QTest::newRow("16.64P") << int(Model::Korvel16_64p) << 2;
    QTest::newRow("2-4") << int(Model::PKorvel24) << 1;
    QTest::newRow("GSM") << int(Model::ZmuGsm) << 4;
    QTest::newRow("GSM.4") << int(Model::ZmuGsm4) << 2;
}

// In a 1280 by 1024 main window every editor opens at the size its layout asks for, so its
// first page shows whole.
void TstEditGuards::openingSizeShowsPageWhole()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QWidget *editor = m_form->openEditor(Model(model), quint8(variant));
    auto *sub = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
    QCOMPARE(sub->size(), sub->sizeHint());
    if (auto *basic = editor->findChild<QScrollArea *>("scrBoxBasic")) {
        const QSize page = basic->widget()->sizeHint();
        QTRY_VERIFY(basic->viewport()->width() >= page.width() && basic->viewport()->height() >= page.height());
        QVERIFY(!basic->horizontalScrollBar()->isVisible() && !basic->verticalScrollBar()->isVisible());
    }
}

QTEST_MAIN(TstEditGuards)
#include "tst_editguards.moc"
