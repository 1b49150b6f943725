// Edits the user could lose: the questions before an edited editor closes, before the
// program exits and before factory settings replace edits; undo and redo of edits from the
// "Правка" menu, and what forgets them; the size an editor opens at.
#include "editorbench.h"
#include "paneleditor.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>

using Choice = Dialogs::Choice;

namespace {

const QString k16Title = QStringLiteral("КОРВЕЛ-16П (KVL16P-3)");
const QString kEditedCaption = k16Title + QStringLiteral("   -   змінено користувачем");

QString question(const QString &title)
{
    return QStringLiteral("Налаштування «%1» змінено. Зберегти зміни у файл?").arg(title);
}

// Chooses an item the way the user does, so the combo's own rules run.
void choose(QWidget *editor, const QString &combo, int index)
{
    auto *box = editor->findChild<QComboBox *>(combo);
    QVERIFY(box);
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

void typeInto(QWidget *editor, const QString &edit, const QString &text)
{
    auto *field = editor->findChild<QLineEdit *>(edit);
    QVERIFY(field);
    field->setFocus();
    QTest::keyClicks(field, text);
}

// An edit of a code field, the way the user types it.
void editCode(QWidget *editor)
{
    typeInto(editor, "edCode3", "9");
}

enum class Edit { ZoneMode, Telephone };

void makeEdit(TPanelEditor *editor, Edit edit)
{
    if (edit == Edit::ZoneMode) {
        choose(editor, "cbMode3", 3); // "по двох зонах" takes zone 4 along
        return;
    }
    editor->btnAdditionalClick();
    typeInto(editor, "edTelNum1", "044+1");
}

// What the edit changed, as the user sees it.
QString shown(QWidget *editor, Edit edit)
{
    if (edit == Edit::ZoneMode) {
        return QStringLiteral("%1 %2").arg(editor->findChild<QComboBox *>("cbMode3")->currentIndex())
            .arg(editor->findChild<QComboBox *>("cbMode4")->currentIndex());
    }
    const auto *field = editor->findChild<QLineEdit *>("edTelNum1");
    return field->text() + u'|' + field->toolTip();
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
    void refillForgetsEdits_data();
    void refillForgetsEdits();
    void openingSizeShowsPageWhole_data();
    void openingSizeShowsPageWhole();

private:
    TPanelEditor *open16p() { return qobject_cast<TPanelEditor *>(m_form->openEditor(Model::Korvel16p, 3)); }
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
    QTest::addColumn<bool>("saved");
    QTest::newRow("unedited-closes-unasked") << false << int(Choice::Cancel) << false << true << false;
    QTest::newRow("save-writes-then-closes") << true << int(Choice::Save) << true << true << true;
    QTest::newRow("save-dialog-cancelled-stays") << true << int(Choice::Save) << false << false << false;
    QTest::newRow("discard-closes") << true << int(Choice::Discard) << true << true << false;
    QTest::newRow("cancel-stays") << true << int(Choice::Cancel) << true << false << false;
}

void TstEditGuards::closingEditedEditor()
{
    QFETCH(bool, edited);
    QFETCH(int, choice);
    QFETCH(bool, fileChosen);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    TPanelEditor *editor = open16p();
    if (edited)
        editCode(editor);
    m_dialogs->choice = Choice(choice);
    m_dialogs->fileName = fileChosen ? savedPath() : QString();

    m_form->mdiArea()->closeActiveSubWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(m_dialogs->questions, edited ? QStringList{question(k16Title)} : QStringList{});
    QCOMPARE(m_form->editor(Model::Korvel16p) == nullptr, closes);
    QCOMPARE(QFile::exists(savedPath()), saved);
    if (!closes)
        QCOMPARE(editor->windowTitle(), kEditedCaption);
}

void TstEditGuards::exitAsksEachEditedEditor_data()
{
    QTest::addColumn<QList<Choice>>("choices");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("editorsLeft");
    QTest::newRow("discard-both-exits") << QList<Choice>{Choice::Discard, Choice::Discard} << 2 << 0;
    QTest::newRow("cancel-first-keeps-both") << QList<Choice>{Choice::Cancel} << 1 << 2;
    QTest::newRow("discard-then-cancel-keeps-second") << QList<Choice>{Choice::Discard, Choice::Cancel} << 2 << 1;
}

void TstEditGuards::exitAsksEachEditedEditor()
{
    QFETCH(QList<Choice>, choices);
    QFETCH(int, questions);
    QFETCH(int, editorsLeft);
    editCode(m_form->openEditor(Model::Korvel8p, 5));
    editCode(open16p());
    m_dialogs->choices = choices;

    action("mnClose")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(m_dialogs->questions.size(), questions);
    QCOMPARE(m_dialogs->questions.first(), question(QStringLiteral("КОРВЕЛ-8П (KVL8P-5)")));
    QCOMPARE(int(m_form->mdiArea()->subWindowList().size()), editorsLeft);
    QCOMPARE(m_form->isVisible(), editorsLeft > 0);
}

void TstEditGuards::factorySettingsOverEdits_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption");
    // The factory file holds the code an empty field stands for.
    const QString factory = k16Title + QStringLiteral("   -   заводські налаштування");
    QTest::newRow("edited-yes-replaces") << true << true << 1 << "2735" << factory;
    QTest::newRow("edited-no-keeps-edits") << true << false << 1 << "9" << kEditedCaption;
    QTest::newRow("unedited-unasked") << false << false << 0 << "2735" << factory;
}

void TstEditGuards::factorySettingsOverEdits()
{
    QFETCH(bool, edited);
    QFETCH(bool, yes);
    QFETCH(int, questions);
    QFETCH(QString, code);
    QFETCH(QString, caption);
    TPanelEditor *editor = open16p();
    if (edited)
        editCode(editor);
    m_dialogs->answer = yes;

    action("mnFA")->trigger();

    QCOMPARE(m_dialogs->questions.size(), questions);
    QCOMPARE(editor->findChild<QLineEdit *>("edCode3")->text(), code);
    QCOMPARE(editor->windowTitle(), caption);
}

void TstEditGuards::undoAndRedo_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<bool>("byKeys");
    QTest::addColumn<QString>("after");
    QTest::newRow("zone-mode-with-partner") << int(Edit::ZoneMode) << false << "3 3";
    // Typing in one field is one edit; its code string follows (pause "+" is "B").
    QTest::newRow("telephone-typing") << int(Edit::Telephone) << false << "044+1|044B1D0000000000";
    // The keys in the field reach the editor's history, not the field's own.
    QTest::newRow("telephone-typing-keys") << int(Edit::Telephone) << true << "044+1|044B1D0000000000";
}

void TstEditGuards::undoAndRedo()
{
    QFETCH(int, edit);
    QFETCH(bool, byKeys);
    QFETCH(QString, after);
    TPanelEditor *editor = open16p();
    const QString before = shown(editor, Edit(edit));
    QVERIFY(!action("mnUndo")->isEnabled());
    makeEdit(editor, Edit(edit));
    QCOMPARE(shown(editor, Edit(edit)), after);
    QCOMPARE(editor->undoStack()->count(), 1);
    const auto command = [&](const char *name, Qt::Key key) {
        if (byKeys)
            QTest::keyClick(editor->focusWidget(), key, Qt::ControlModifier);
        else
            action(name)->trigger();
    };

    command("mnUndo", Qt::Key_Z);
    QCOMPARE(shown(editor, Edit(edit)), before);
    QCOMPARE(editor->windowTitle(), k16Title); // nothing left to ask about on closing
    QVERIFY(!action("mnUndo")->isEnabled());
    QVERIFY(action("mnRedo")->isEnabled());

    command("mnRedo", Qt::Key_Y);
    QCOMPARE(shown(editor, Edit(edit)), after);
    QCOMPARE(editor->windowTitle(), kEditedCaption);
    QVERIFY(!action("mnRedo")->isEnabled());
}

void TstEditGuards::refillForgetsEdits_data()
{
    QTest::addColumn<QString>("refill");
    QTest::newRow("read") << "read";
    QTest::newRow("file-load") << "file";
    QTest::newRow("factory-settings") << "factory";
}

void TstEditGuards::refillForgetsEdits()
{
    QFETCH(QString, refill);
    makeSimulator(Model::Korvel16p, 3);
    TPanelEditor *editor = open16p();
    m_dialogs->fileName = savedPath();
    action("mnSave")->trigger();
    choose(editor, "cbMode1", 1);
    QVERIFY(action("mnUndo")->isEnabled());

    if (refill == "read") {
        action("tbReadDev")->trigger();
        waitForEnd();
    } else {
        action(refill == "file" ? "mnOpen" : "mnFA")->trigger();
    }

    QCOMPARE(editor->findChild<QComboBox *>("cbMode1")->currentIndex(), 0);
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

// On a 1280 by 1024 screen every editor opens at the size its layout asks for, so its
// first page shows whole.
void TstEditGuards::openingSizeShowsPageWhole()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QWidget *editor = m_form->openEditor(Model(model), quint8(variant));
    QVERIFY(editor);
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
