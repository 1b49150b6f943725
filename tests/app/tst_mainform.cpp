// The main window: menu states, busy display, the exchanges it starts against a scripted
// device, identification dispatch, the port dialog, window placement, where files go and
// the report commands.
#include "exchangeflow.h"
#include "comport.h"
#include "editorwindow.h"
#include "frame.h"
#include "main.h"
#include "progress.h"
#include "qtdialogs.h"
#include "privatesettings.h"
#include "scripteddialogs.h"
#include "scriptedtransport.h"
#include "select.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QTimer>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Records what the main window asks of an editor.
class FakeEditor : public EditorWindow
{
public:
    Q_OBJECT
public:
    FakeEditor(Model model, Shell &shell) : m_model(model), m_shell(shell) {}
    Model model() const override { return m_model; }
    quint8 editorVariant() const override { return m_variant; }
    QString title() const override { return m_title; }
    bool isIdle() const override { return true; }
    bool holdsSettings() const override { return holds; }
    bool hasUserChanges() const override { return edited; }
    QUndoStack *undoStack() const override { return &m_undo; }
    void VersionFirmware(quint8 variant) override
    {
        m_variant = variant;
        m_title = editorTitle(m_model, variant);
        calls.append(QStringLiteral("VersionFirmware %1").arg(variant));
    }
    void LoadFromDevice() override { finish(QStringLiteral("LoadFromDevice")); }
    void LoadToDevice() override { finish(QStringLiteral("LoadToDevice")); }
    void LoadAllToDevice() override { finish(QStringLiteral("LoadAllToDevice")); }
    void LoadFromConfigurator(int slot) override { finish(QStringLiteral("LoadFromConfigurator %1").arg(slot)); }
    void LoadToConfigurator(int slot) override { calls.append(QStringLiteral("LoadToConfigurator %1").arg(slot)); }
    void CompareWithDevice() override { finish(QStringLiteral("CompareWithDevice")); }
    void CompareWithFile(const settingsfile::Contents &) override { calls.append("CompareWithFile"); }
    bool ResumeWrite() override
    {
        finish(QStringLiteral("ResumeWrite"));
        return true;
    }
    bool slotWriteCut() const override { return false; }
    void discardCutWrite() override {}
    void SaveRecord() override { calls.append("SaveRecord"); }
    bool PrepareToSave(const QString &path) override
    {
        calls.append("PrepareToSave");
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(231, '\0')) == 231;
    }
    void PrepareToLoad(const QString &, const settingsfile::Contents &) override { calls.append("PrepareToLoad"); }
    SettingsReport PrepareToPrint() override
    {
        calls.append("PrepareToPrint");
        return {m_title, {reportList(QStringLiteral("КОДИ ДОСТУПУ"), {{QStringLiteral("код"), QStringLiteral("1234")}})}};
    }
    void setCaption(const QString &caption) override { setWindowTitle(caption); }

    QStringList calls;
    bool holds = true;
    bool edited = false;

private:
    void finish(const QString &call)
    {
        calls.append(call);
        m_shell.EndAnimation();
    }
    Model m_model;
    Shell &m_shell;
    quint8 m_variant = 0;
    QString m_title;
    mutable QUndoStack m_undo;
};

// A scripted device behind every link the main window makes.
struct Device {
    QByteArray identity = hex("17 00");         // type, variant
    QByteArray slotHeader = hex("FF FF");       // first two bytes of every slot
    QMap<int, QByteArray> slotHeaders;          // by slot address, where they differ
    int dropFrame = -1;                         // the reply to this frame (0-based) is lost
    int cancelFrame = -1;                       // "Скасувати" is pressed while this frame waits
    bool cancelByEscape = false;                // or Esc
    QString shownText;                          // the busy display's text and maximum then
    int shownMaximum = -1;
    bool present = true;
    bool portBusy = false;
    QList<QByteArray> frames;                   // everything written, all links together

    TMainForm::LinkFactory factory()
    {
        return [this](ExchangeState &state) {
            auto *transport = new ScriptedTransport;
            transport->failOpen = portBusy;
            transport->responder = [this](const QByteArray &request) {
                frames.append(request);
                if (int(frames.size()) - 1 == cancelFrame)
                    pressCancel();
                const bool dropped = int(frames.size()) - 1 == dropFrame;
                return present && !dropped ? reply(request) : QByteArray();
            };
            auto link = std::make_unique<TMainCPort>(state, std::unique_ptr<QIODevice>(transport));
            PortSettings settings;
            settings.port = QStringLiteral("ttyUSB3");
            link->setSettings(settings);
            // A silent device fails at once; a single lost reply costs a short wait.
            link->setReplyTimeout(!present ? 1 : dropFrame >= 0 ? 300 : 5000);
            return link;
        };
    }

    void pressCancel()
    {
        TProgressForm *progress = TProgressForm::instance();
        QVERIFY(progress);
        shownText = progress->text();
        shownMaximum = progress->maximum();
        if (cancelByEscape)
            QTest::keyClick(progress->window(), Qt::Key_Escape);
        else
            progress->findChild<QPushButton *>("btnCancel")->click();
    }

    QByteArray reply(const QByteArray &request) const
    {
        const quint8 command = frame::byteAt(request, 3);
        if (command == frame::kCmdRegularMode)
            return {};
        QByteArray payload;
        if (frame::byteAt(request, 1) == frame::kAddrConfigurator && command == frame::kCmdReadStore)
            payload = slotHeaders.value(frame::byteAt(request, 4) | frame::byteAt(request, 5) << 8, slotHeader)
                      + QByteArray(62, '\xFF');
        else if (command == frame::kCmdIdentify)
            payload = identity;
        return frame::make(frame::byteAt(request, 1), command, payload);
    }
};

// A 4-zone settings file (type 23, variant 4) of the right size.
QString writeSettingsFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(hex("17 04") + QByteArray(229, '\0'));
    return path;
}

// The user's documents folder, or the home folder of an account that has none yet.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QStringList recentItems(TMainForm &form)
{
    QStringList texts;
    for (int i = 1; auto *item = form.findChild<QAction *>(QStringLiteral("mnRecent%1").arg(i)); ++i)
        texts << item->text();
    return texts;
}

// The program's real message boxes, with the file dialogs answered by a name.
class BoxesWithFileName : public QtDialogs
{
public:
    QString saveFileName(const FileRequest &) override { return fileName; }
    QString fileName;
};

// The next message box that opens: its text and the button Enter presses; Esc then leaves it.
struct BoxWatch {
    QString text;
    QMessageBox::StandardButton byDefault = QMessageBox::NoButton;

    explicit BoxWatch(QObject *context)
    {
        auto *timer = new QTimer(context);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            byDefault = box->standardButton(box->defaultButton());
            timer->deleteLater();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        timer->start(10);
    }
};

// Takes the "file" URLs the program asks the system to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }

public:
    QList<QUrl> opened;
};

QAction *action(TMainForm &form, const char *name)
{
    auto *a = form.findChild<QAction *>(name);
    Q_ASSERT(a);
    return a;
}

} // namespace

class TstMainForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startStates_data();
    void startStates();
    void shortcuts_data();
    void shortcuts();
    void toolbarTransferButtonsWorkAtStart();
    void accessButtonTogglesTransferCommands();
    void unopenablePortShowsError3AndRestores_data();
    void unopenablePortShowsError3AndRestores();
    void identificationDispatch_data();
    void identificationDispatch();
    void writeWithoutEditorShowsError12();
    void writeGoesToActiveEditor();
    void writeOfEditorWithoutSettingsAsksFirst_data();
    void writeOfEditorWithoutSettingsAsksFirst();
    void transmitFailureNamesOperation_data();
    void transmitFailureNamesOperation();
    void boxesStayAboveSelectionWindow();
    void destructiveQuestionsDefaultToNo_data();
    void destructiveQuestionsDefaultToNo();
    void writeSlotGoesToActiveEditor();
    void surveyOfEmptyConfigurator();
    void surveyNamesStoredModels();
    void surveyOfControlStartSlotsNamesNoModel();
    void surveyRestartedByResendKeepsSlotsApart();
    void failedSurveyEnablesCommandsAgain();
    void clearConfigurator_data();
    void clearConfigurator();
    void cancelStopsMainWindowExchange_data();
    void cancelStopsMainWindowExchange();
    void regularModeSendsOneFrame();
    void portDialogStoresOnCancel();
    void portDialogChecksConnection();
    void placementRoundTrip();
    void unwritableIniShowsStatus();
    void selectionLinksOpenEditors_data();
    void selectionLinksOpenEditors();
    void editorCommandsFollowOpenEditors();
    void dialogsStartInLastFolder_data();
    void dialogsStartInLastFolder();
    void recentFiles_data();
    void recentFiles();
    void reportCommands_data();
    void reportCommands();
    void previewShowsThePrintPreview();

private:
    std::unique_ptr<TMainForm> makeForm();
    void waitIdle(TMainForm &form);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    Device m_device;
};

void TstMainForm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_dir->path());
    usePrivateSettings(m_dir->path());
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_device = Device();
}

void TstMainForm::cleanup()
{
    TProgressForm::closeAll();
    m_dialogs.reset();
    QDir::setCurrent(QDir::tempPath());
    m_dir.reset();
}

std::unique_ptr<TMainForm> TstMainForm::makeForm()
{
    auto form = std::make_unique<TMainForm>(m_dir->filePath("option.ini"));
    form->setLinkFactory(m_device.factory());
    form->setEditorFactory([](Model model, Shell &shell) -> EditorWindow * {
        return new FakeEditor(model, shell);
    });
    return form;
}

// Until the exchange has ended and its link is released.
void TstMainForm::waitIdle(TMainForm &form)
{
    QTRY_VERIFY_WITH_TIMEOUT(!form.flow().running() && !TProgressForm::instance(), 20000);
}

void TstMainForm::startStates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    for (const char *name : {"mnSave", "mnPrint", "mnLoadDev", "mnReadDev", "mnFA", "tbPrint", "tbSave", "tbFA"})
        QTest::newRow(name) << name << false;
    for (const char *name : {"mnSelectDev", "mnOpen", "mnClose", "mnRegMode", "mnLoadConf", "mnReadConf",
                             "mnInitConf", "mnClearConfigurator", "mnOptionCOM", "mnHelp", "mnAbout",
                             "tbSelect", "tbOpen", "tbLoadDev", "tbReadDev", "tbOptionCOM", "tbRegMode"})
        QTest::newRow(name) << name << true;
}

void TstMainForm::startStates()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    auto form = makeForm();
    QCOMPARE(action(*form, qPrintable(name))->isEnabled(), enabled);
    QCOMPARE(action(*form, "mnConfThree")->text(), QStringLiteral("Конфігурація 3  (не визначено)"));
}

void TstMainForm::shortcuts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    const QList<QPair<const char *, const char *>> keys = {
        {"mnSelectDev", "F2"}, {"mnOpen", "F3"}, {"mnSave", "F4"}, {"mnPrint", "F11"},
        {"mnClose", "F10"}, {"mnLoadDev", "F5"}, {"mnReadDev", "F6"}, {"mnFA", "F7"},
        {"mnRegMode", "F12"}, {"mnOptionCOM", "F9"}, {"mnHelp", "F1"}};
    for (const auto &[name, key] : keys)
        QTest::newRow(name) << name << key;
}

void TstMainForm::shortcuts()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    auto form = makeForm();
    QCOMPARE(action(*form, qPrintable(name))->shortcut(), QKeySequence(key));
}

void TstMainForm::toolbarTransferButtonsWorkAtStart()
{
    auto form = makeForm();
    QVERIFY(!action(*form, "mnReadDev")->isEnabled());
    action(*form, "tbReadDev")->trigger();
    waitIdle(*form);
    QCOMPARE(m_device.frames.value(0), hex("C6 01 07 07 00 00 1C"));
}

void TstMainForm::accessButtonTogglesTransferCommands()
{
    auto form = makeForm();
    // Every command that starts an exchange, regular mode and the configurator's survey
    // and clear included: two exchanges must never share the port.
    const char *names[] = {"tbLoadDev", "tbReadDev", "tbOptionCOM", "mnLoadDev", "mnReadDev",
                           "mnOptionCOM", "mnLoadConf", "mnReadConf", "mnInitConf",
                           "mnClearConfigurator", "mnRegMode", "tbRegMode"};
    form->AccessButton(true);
    for (const char *name : names)
        QVERIFY2(action(*form, name)->isEnabled(), name);
    form->AccessButton(false);
    for (const char *name : names)
        QVERIFY2(!action(*form, name)->isEnabled(), name);
    QVERIFY(action(*form, "mnOpen")->isEnabled());
}

void TstMainForm::unopenablePortShowsError3AndRestores_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("read-device") << "mnReadDev";
    QTest::newRow("read-slot") << "mnConfTwo";
    QTest::newRow("survey") << "mnInitConf";
    QTest::newRow("clear") << "mnClearConfigurator";
    QTest::newRow("regular-mode") << "mnRegMode";
}

void TstMainForm::unopenablePortShowsError3AndRestores()
{
    QFETCH(QString, command);
    m_device.portBusy = true;
    auto form = makeForm();
    form->AccessButton(true);
    action(*form, qPrintable(command))->trigger();
    QCOMPARE(m_dialogs->texts(Dialogs::Kind::Error).size(), 1);
    QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("Нема відповіді на запит.")));
    QVERIFY(m_dialogs->messages.last().detail.contains(QStringLiteral("ttyUSB3")));
    QVERIFY(m_dialogs->messages.last().detail.contains(QStringLiteral("Device or resource busy")));
    QVERIFY(form->statusText(0).contains(QStringLiteral("не виконано: порт не відкрито")));
    QVERIFY(!TProgressForm::instance());
    QVERIFY(!form->flow().running());
    QVERIFY(action(*form, "mnReadDev")->isEnabled());
    QVERIFY(m_device.frames.isEmpty());
}

void TstMainForm::identificationDispatch_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("error");

    QTest::newRow("4-zone-variant-0-read-as-3")
        << "mnReadDev" << hex("17 00") << QStringList{"VersionFirmware 3", "LoadFromDevice"} << "";
    QTest::newRow("16-zone-variant-4")
        << "mnReadDev" << hex("1E 04") << QStringList{"VersionFirmware 4", "LoadFromDevice"} << "";
    QTest::newRow("16.64-variant-3-unsupported")
        << "mnReadDev" << hex("1F 03") << QStringList{} << "Версія не підтримується";
    QTest::newRow("unknown-type") << "mnReadDev" << hex("63 01") << QStringList{} << "Версія не підтримується";
    QTest::newRow("slot-2-holds-8-zone")
        << "mnConfTwo" << hex("16 03") << QStringList{"VersionFirmware 3", "LoadFromConfigurator 2"} << "";
    QTest::newRow("slot-of-control-and-start-device-opens-only")
        << "mnConfOne" << hex("37 01") << QStringList{"VersionFirmware 1"} << "";
    QTest::newRow("erased-slot") << "mnConfFour" << hex("FF FF") << QStringList{} << "Версія не підтримується";
    QTest::newRow("gsm-version-4")
        << "mnReadDev" << hex("1A 04") << QStringList{"VersionFirmware 4", "LoadFromDevice"} << "";
    QTest::newRow("gsm-version-3-unsupported")
        << "mnReadDev" << hex("1A 03") << QStringList{} << "Версія не підтримується";
    QTest::newRow("gsm4-version-2")
        << "mnReadDev" << hex("31 02") << QStringList{"VersionFirmware 2", "LoadFromDevice"} << "";
    QTest::newRow("slot-2-holds-gsm4")
        << "mnConfTwo" << hex("31 01") << QStringList{"VersionFirmware 1", "LoadFromConfigurator 2"} << "";
}

void TstMainForm::identificationDispatch()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, calls);
    QFETCH(QString, error);
    m_device.identity = reply;
    m_device.slotHeader = reply;
    auto form = makeForm();
    form->AccessButton(true);
    if (command == "mnConfOne")
        form->readSlot(1);
    else
        action(*form, qPrintable(command))->trigger();
    waitIdle(*form);

    const auto *editor = qobject_cast<FakeEditor *>(form->activeEditor());
    QCOMPARE(editor ? editor->calls : QStringList(), calls);
    QCOMPARE(m_dialogs->lastText(), error);
    QVERIFY(action(*form, "mnReadDev")->isEnabled());
    if (command == "mnConfTwo")
        QCOMPARE(m_device.frames.first(), hex("C6 07 07 03 40 10 18"));
}

void TstMainForm::writeWithoutEditorShowsError12()
{
    auto form = makeForm();
    form->AccessButton(true);
    action(*form, "mnLoadDev")->trigger();
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Немає підготовлених даних для запису"));
    QVERIFY(!TProgressForm::instance());
    QVERIFY(m_device.frames.isEmpty());
}

void TstMainForm::writeGoesToActiveEditor()
{
    auto form = makeForm();
    form->openEditor(Model::Korvel16p, 2);
    form->AccessButton(true);
    action(*form, "mnLoadDev")->trigger();
    waitIdle(*form);
    QVERIFY(form->exchange().WriteRequested);
    QCOMPARE(qobject_cast<FakeEditor *>(form->activeEditor())->calls.last(), QStringLiteral("LoadToDevice"));
    QCOMPARE(m_device.frames, QList<QByteArray>{hex("C6 01 07 07 00 00 1C")});
}

void TstMainForm::writeOfEditorWithoutSettingsAsksFirst_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("holds");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("lastCall");

    QTest::newRow("read-settings-written-without-question") << "mnLoadDev" << true << false << 0 << "LoadToDevice";
    QTest::newRow("defaults-written-after-yes") << "mnLoadDev" << false << true << 1 << "LoadToDevice";
    QTest::newRow("defaults-kept-back-after-no") << "mnLoadDev" << false << false << 1 << "VersionFirmware 2";
    QTest::newRow("slot-defaults-kept-back-after-no") << "mnTwoConf" << false << false << 1 << "VersionFirmware 2";
    QTest::newRow("slot-defaults-written-after-yes") << "mnTwoConf" << false << true << 1 << "LoadToConfigurator 2";
}

void TstMainForm::writeOfEditorWithoutSettingsAsksFirst()
{
    QFETCH(QString, command);
    QFETCH(bool, holds);
    QFETCH(bool, answer);
    QFETCH(int, questions);
    QFETCH(QString, lastCall);

    auto form = makeForm();
    form->openEditor(Model::Korvel16p, 2);
    auto *editor = qobject_cast<FakeEditor *>(form->activeEditor());
    editor->holds = holds;
    m_dialogs->answer = answer;
    form->AccessButton(true);
    action(*form, qPrintable(command))->trigger();
    waitIdle(*form);
    QCOMPARE(m_dialogs->questions.size(), questions);
    QCOMPARE(editor->calls.last(), lastCall);
}

void TstMainForm::transmitFailureNamesOperation_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("operation");

    const QString reading = QStringLiteral("Виникла помилка при передачі даних.\rЗчитування даних з приладу зупинено");
    const QString writing = QStringLiteral("Виникла помилка при передачі даних.\rЗапис даних в прилад зупинено");
    QTest::newRow("read-device") << "mnReadDev" << reading << "зчитування з приладу";
    QTest::newRow("read-slot") << "mnConfThree" << reading << "зчитування з конфігуратора (конфігурація 3)";
    QTest::newRow("survey") << "mnInitConf" << reading << "опитування конфігуратора";
    QTest::newRow("write-device") << "mnLoadDev" << writing << "запис у прилад";
    QTest::newRow("clear") << "mnClearConfigurator" << writing << "очищення конфігуратора";
}

void TstMainForm::transmitFailureNamesOperation()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(QString, operation);

    m_device.present = false;
    auto form = makeForm();
    form->openEditor(Model::Korvel16p, 2);
    form->AccessButton(true);
    action(*form, qPrintable(command))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs->texts(Dialogs::Kind::Error).isEmpty(), 20000);
    const ScriptedDialogs::Message &box = m_dialogs->messages.last();
    QCOMPARE(box.text, text);
    QVERIFY2(box.detail.contains(QStringLiteral("Операція: %1. Порт: ttyUSB3.").arg(operation)),
             qPrintable(box.detail));
    QVERIFY2(box.detail.contains(QStringLiteral("немає відповіді після 5 спроб на запит 1 з")),
             qPrintable(box.detail));
    QCOMPARE(form->statusText(0), QStringLiteral("Виникла помилка при передачі даних"));
    QVERIFY(action(*form, "mnReadDev")->isEnabled());
    QFile log(QStringLiteral("Logs/VexLoader.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(log.readAll()).contains(QStringLiteral("Обмін зупинено (%1): немає відповіді").arg(operation)));
}

// The real boxes, not the scripted ones: the selection window stays on top of the main
// window, so a box under it would leave the program looking frozen.
void TstMainForm::boxesStayAboveSelectionWindow()
{
    auto form = makeForm();
    form->show();
    form->showSelectWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form->selectWindow()));
    QtDialogs boxes;
    boxes.setParentWindow(form.get());
    Dialogs *scripted = setDialogs(&boxes);
    struct Seen {
        bool onTop = false;
        bool active = false;
        QWidget *parent = nullptr;
        QString detail;
    } seen;
    // Looks at the box while it is open, then closes it (a failure must not leave it open).
    QTimer::singleShot(0, form.get(), [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        seen.active = QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }, 5000);
        seen.parent = box->parentWidget();
        seen.detail = box->informativeText();
        box->done(QMessageBox::Ok);
    });
    boxes.showMessage(Dialogs::Kind::Error, QStringLiteral("Помилка"), QStringLiteral("рядок\rдругий"));
    setDialogs(scripted);
    QVERIFY(seen.onTop);
    QVERIFY(seen.active);
    QCOMPARE(seen.parent, form.get());
    QCOMPARE(seen.detail, QStringLiteral("рядок\nдругий"));

    QTest::mouseClick(form->selectWindow()->findChild<QPushButton *>("btnClose"), Qt::LeftButton);
    QTRY_VERIFY(!form->selectWindow());
}

void TstMainForm::destructiveQuestionsDefaultToNo_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("safe");
    QTest::newRow("overwrite-file") << "mnSave" << "Такий файл вже існує. Перезаписати?" << int(QMessageBox::No);
    QTest::newRow("factory-settings-over-edits")
        << "mnFA" << "Заводські налаштування замінять зміни в «КОРВЕЛ-16П (KVL16P-3)». Продовжити?"
        << int(QMessageBox::No);
    QTest::newRow("clear-configurator") << "mnClearConfigurator" << "Дані з конфігуратора будуть видалені. Продовжити?"
                                        << int(QMessageBox::Cancel);
    QTest::newRow("write-defaults") << "tbLoadDev"
                                    << "Редактор не містить налаштувань, зчитаних з приладу, завантажених з файлу "
                                       "або змінених вами: записати значення за замовчуванням?"
                                    << int(QMessageBox::No);
}

// Through the real boxes: the default button is the safe answer, and Esc changes nothing.
void TstMainForm::destructiveQuestionsDefaultToNo()
{
    QFETCH(QString, command);
    auto form = makeForm();
    form->setProgramFolder(qEnvironmentVariable("VEX_BIN_DIR"));
    auto *editor = qobject_cast<FakeEditor *>(form->openEditor(Model::Korvel16p, 3));
    editor->holds = false;
    editor->edited = true;
    BoxesWithFileName boxes;
    boxes.fileName = writeSettingsFile(m_dir->filePath("existing.vau"));
    boxes.setParentWindow(form.get());
    Dialogs *scripted = setDialogs(&boxes);
    BoxWatch watch(form.get());

    action(*form, qPrintable(command))->trigger();
    setDialogs(scripted);

    QTEST(watch.text, "question");
    QTEST(int(watch.byDefault), "safe");
    QCOMPARE(editor->calls, QStringList{"VersionFirmware 3"});
    QVERIFY(m_device.frames.isEmpty());
}

void TstMainForm::writeSlotGoesToActiveEditor()
{
    auto form = makeForm();
    form->openEditor(Model::PKorvel24, 1);
    action(*form, "mnThreeConf")->trigger();
    QCOMPARE(qobject_cast<FakeEditor *>(form->activeEditor())->calls, QStringList{"VersionFirmware 1"});
    form->openEditor(Model::Korvel8p, 5);
    action(*form, "mnThreeConf")->trigger();
    QCOMPARE(qobject_cast<FakeEditor *>(form->activeEditor())->calls.last(), QStringLiteral("LoadToConfigurator 3"));
    QVERIFY(m_device.frames.isEmpty()); // no identification before a slot write
}

void TstMainForm::surveyOfEmptyConfigurator()
{
    auto form = makeForm();
    action(*form, "mnInitConf")->trigger();
    QVERIFY(!action(*form, "mnReadDev")->isEnabled());
    // A survey can wait five seconds for an absent configurator: the busy display shows it.
    QVERIFY(TProgressForm::instance());
    QCOMPARE(TProgressForm::instance()->maximum(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs->messages.isEmpty(), 20000);
    QVERIFY(!TProgressForm::instance());
    QCOMPARE(m_dialogs->lastText(),
             QStringLiteral("Конфігурація 1  (не визначено)\rКонфігурація 2  (не визначено)\r"
                            "Конфігурація 3  (не визначено)\rКонфігурація 4  (не визначено)"));
    QCOMPARE(m_dialogs->messages.last().kind, Dialogs::Kind::Information);
    QVERIFY(action(*form, "mnReadDev")->isEnabled());
    QVERIFY(!form->flow().running());
    QCOMPARE(m_device.frames.size(), 4);
}

void TstMainForm::surveyNamesStoredModels()
{
    m_device.slotHeader = hex("1E 03");
    auto form = makeForm();
    action(*form, "mnInitConf")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs->messages.isEmpty(), 20000);
    QCOMPARE(action(*form, "mnConfFour")->text(), QStringLiteral("Конфігурація 4 - Корвел-16П (kvl16p-3)"));
}

// The survey has no name for the control-and-start device (type 55), which takes no part in
// configurator transfers.
void TstMainForm::surveyOfControlStartSlotsNamesNoModel()
{
    m_device.slotHeader = hex("37 01");
    auto form = makeForm();
    action(*form, "mnInitConf")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs->messages.isEmpty(), 20000);
    QCOMPARE(action(*form, "mnConfTwo")->text(), QStringLiteral("Конфігурація 2  (не визначено)"));
    QVERIFY(action(*form, "mnReadDev")->isEnabled());
}

void TstMainForm::surveyRestartedByResendKeepsSlotsApart()
{
    m_device.slotHeaders = {{0x1000, hex("17 02")}, {0x1040, hex("16 03")}, {0x1080, hex("1E 04")},
                            {0x10C0, hex("1F 03")}};
    m_device.dropFrame = 2; // slot 3's first answer is lost: the survey starts again at slot 1
    auto form = makeForm();
    action(*form, "mnInitConf")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs->messages.isEmpty(), 20000);
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->lastText(),
             QStringLiteral("Конфігурація 1 - Корвел-4П (kvl4p-2)\rКонфігурація 2 - Корвел-8П (kvl8p-3)\r"
                            "Конфігурація 3 - Корвел-16П (kvl16p-4)\rКонфігурація 4 - Корвел-16.64П"));
    QCOMPARE(m_device.frames.size(), 7);
}

void TstMainForm::failedSurveyEnablesCommandsAgain()
{
    m_device.present = false;
    auto form = makeForm();
    action(*form, "mnInitConf")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs->messages.isEmpty(), 20000);
    QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("Виникла помилка при передачі даних.")));
    QCOMPARE(form->statusText(0), QStringLiteral("Виникла помилка при передачі даних"));
    QVERIFY(action(*form, "mnReadDev")->isEnabled());
    QCOMPARE(m_device.frames.size(), 5);
}

void TstMainForm::clearConfigurator_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("frames");
    QTest::newRow("cancelled") << false << 0;
    QTest::newRow("confirmed") << true << 324;
}

void TstMainForm::clearConfigurator()
{
    QFETCH(bool, confirmed);
    QFETCH(int, frames);
    m_dialogs->answer = confirmed;
    auto form = makeForm();
    form->AccessButton(true);
    int maximum = 0;
    QString text;
    QTimer::singleShot(0, form.get(), [&] {
        if (TProgressForm *p = TProgressForm::instance()) {
            maximum = p->maximum();
            text = p->text();
        }
    });
    action(*form, "mnClearConfigurator")->trigger();
    QCOMPARE(m_dialogs->questions, QStringList{"Дані з конфігуратора будуть видалені. Продовжити?"});
    waitIdle(*form);
    QCOMPARE(m_device.frames.size(), frames);
    if (confirmed) {
        QCOMPARE(maximum, 324);
        QCOMPARE(text, QStringLiteral("Очистка памяті конфігуратора"));
        QCOMPARE(m_device.frames.last(), hex("C6 07 09 02 C0 60 FF FF C6"));
        QCOMPARE(form->slotNumber(), -1);
    }
    QVERIFY(action(*form, "mnReadDev")->isEnabled());
}

void TstMainForm::cancelStopsMainWindowExchange_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("cancelFrame");
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<int>("shownMaximum"); // 0: busy indicator
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("survey-of-silent-configurator")
        << "mnInitConf" << false << 0 << false << "Опитування конфігуратора" << 0 << "Опитування конфігуратора скасовано"
        << "Опитування конфігуратора скасовано: отримано відповіді на 0 з 4 запитів.";
    QTest::newRow("survey-after-two-slots-by-escape")
        << "mnInitConf" << true << 1 << true << "Опитування конфігуратора" << 0 << "Опитування конфігуратора скасовано"
        << "Опитування конфігуратора скасовано: отримано відповіді на 2 з 4 запитів.";
    QTest::newRow("identification-of-silent-device")
        << "mnReadDev" << false << 0 << false << "Ініціалізація  приладу" << 0 << "Зчитування з приладу скасовано"
        << "Зчитування з приладу скасовано: отримано відповіді на 0 з 1 запитів.\rНалаштування в редакторі не змінено.";
    QTest::newRow("slot-header-of-silent-configurator")
        << "mnConfThree" << false << 0 << false << "Ініціалізація  приладу" << 0
        << "Зчитування з конфігуратора (конфігурація 3) скасовано"
        << "Зчитування з конфігуратора (конфігурація 3) скасовано: отримано відповіді на 0 з 1 запитів.\r"
           "Налаштування в редакторі не змінено.";
    QTest::newRow("clear-after-three-steps")
        << "mnClearConfigurator" << true << 2 << false << "Очистка памяті конфігуратора" << 324
        << "Очищення конфігуратора скасовано"
        << "Очищення конфігуратора скасовано: підтверджено 3 з 324 запитів.\r"
           "Конфігуратор очищено не повністю: повторіть очищення.";
}

// The request in flight is settled (answered, or its reply time runs out), nothing more is
// sent, one box says what was done and the program is idle again.
void TstMainForm::cancelStopsMainWindowExchange()
{
    QFETCH(QString, command);
    QFETCH(bool, present);
    QFETCH(int, cancelFrame);
    QFETCH(bool, byEscape);
    m_device.present = present;
    m_device.cancelFrame = cancelFrame;
    m_device.cancelByEscape = byEscape;
    m_dialogs->answer = true; // the clear command's question
    auto form = makeForm();
    if (byEscape) {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    form->AccessButton(true);
    action(*form, qPrintable(command))->trigger();
    waitIdle(*form);
    QCOMPARE(m_device.frames.size(), cancelFrame + 1);
    QTEST(m_device.shownText, "shownText");
    QTEST(m_device.shownMaximum, "shownMaximum");
    QTEST(form->statusText(0), "status");
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.last().kind, Dialogs::Kind::Information);
    QTEST(m_dialogs->lastText(), "message");
    QVERIFY(action(*form, "mnReadDev")->isEnabled());
    QVERIFY(form->slotNumber() != -2); // no clear left pending
    QVERIFY(!form->activeEditor()); // a cancelled identification opens no editor
}

void TstMainForm::regularModeSendsOneFrame()
{
    auto form = makeForm();
    action(*form, "mnRegMode")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!form->flow().running(), 20000);
    QCOMPARE(m_device.frames, QList<QByteArray>{hex("C6 01 07 08 00 00 43")});
}

void TstMainForm::portDialogStoresOnCancel()
{
    auto form = makeForm();
    m_dialogs->dialogHandler = [](QObject *dialog) {
        dialog->findChild<QComboBox *>("cbPort")->setCurrentText("/dev/pts/7");
        dialog->findChild<QComboBox *>("cbBaudRate")->setCurrentText("38400");
        dialog->findChild<QComboBox *>("cbParity")->setCurrentText("Парна");
        return 0; // Cancel
    };
    QSignalSpy stored(form.get(), &TMainForm::portSettingsStored);
    action(*form, "mnOptionCOM")->trigger();
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().first().toInt(), 38400);
    const PortSettings settings = PortSettings::load();
    QCOMPARE(settings.port, QStringLiteral("/dev/pts/7"));
    QCOMPARE(settings.baudRate, 38400);
    QCOMPARE(settings.parity, QSerialPort::EvenParity);
}

// The check talks through the main window's links but leaves its identification alone.
void TstMainForm::portDialogChecksConnection()
{
    auto form = makeForm();
    m_device.identity = hex("1E 04"); // 16-zone panel, variant 4
    QString verdict;
    m_dialogs->dialogHandler = [&verdict](QObject *dialog) {
        auto *shown = dialog->findChild<QLabel *>("lbConnection");
        dialog->findChild<QPushButton *>("btCheckConnection")->click();
        if (QTest::qWaitFor([shown] { return shown->text().startsWith("Зв'язок"); }, 20000))
            verdict = shown->text();
        return 1;
    };
    action(*form, "mnOptionCOM")->trigger();
    QCOMPARE(verdict, QStringLiteral("Зв'язок є: відповів прилад КОРВЕЛ-16П (KVL16P-4), тип 30, варіант 4."));
    QCOMPARE(m_device.frames, QList<QByteArray>{hex("C6 01 07 07 00 00 1C")});
    QCOMPARE(form->exchange().DeviceType, quint8(0));
}

void TstMainForm::placementRoundTrip()
{
    {
        auto form = makeForm();
        form->show();
        form->showMaximized();
        QVERIFY(form->close());
    }
    QSettings ini(m_dir->filePath("option.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value("MainForm/WindowsState").toInt(), 2);
    auto again = makeForm();
    QVERIFY(again->windowState() & Qt::WindowMaximized);
}

void TstMainForm::unwritableIniShowsStatus()
{
    QVERIFY(QDir(m_dir->path()).mkdir("locked"));
    QVERIFY(QDir(m_dir->filePath("locked")).mkdir("option.ini"));
    TMainForm form(m_dir->filePath("locked/option.ini"));
    QVERIFY(form.close());
    QCOMPARE(form.statusText(0), QStringLiteral("Не вдалося записати в INI-файл"));
}

void TstMainForm::selectionLinksOpenEditors_data()
{
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("variant");
    QTest::newRow("KVL4P-3-is-variant-4") << QStringList{"Link6"} << "КОРВЕЛ-4П (KVL4P-3)" << 4;
    QTest::newRow("KVL4P-4-is-variant-5") << QStringList{"Link7"} << "КОРВЕЛ-4П (KVL4P-4)" << 5;
    QTest::newRow("KVL8P-5.01-is-variant-6") << QStringList{"Link15"} << "КОРВЕЛ-8П (KVL8P-5)" << 6;
    QTest::newRow("second-variant-reuses-window") << QStringList{"Link1", "Link5"} << "КОРВЕЛ-8П (KVL8P-4)" << 4;
    QTest::newRow("zmu-gsm-ver-3-is-version-1") << QStringList{"Link11"} << "ЗМУ-GSM" << 1;
    QTest::newRow("zmu-gsm-ver-4-is-version-4") << QStringList{"Link12"} << "ЗМУ-GSM" << 4;
    QTest::newRow("gsm4") << QStringList{"Link10"} << "ЗМУ-GSM.4" << 1;
    QTest::newRow("s112-reuses-the-gsm4-window") << QStringList{"Link10", "Link13"} << "ЗМУ-С112.4" << 2;
}

void TstMainForm::selectionLinksOpenEditors()
{
    QFETCH(QStringList, links);
    QFETCH(QString, title);
    QFETCH(int, variant);
    auto form = makeForm();
    for (const QString &name : links) {
        form->showSelectWindow();
        TSelectForm *select = form->selectWindow();
        QTest::mouseClick(select->findChild<SelectLink *>(name), Qt::LeftButton);
        QTRY_VERIFY(!form->selectWindow()); // closed after any link
    }
    QCOMPARE(form->mdiArea()->subWindowList().size(), 1);
    QCOMPARE(form->activeEditor()->title(), title);
    QCOMPARE(int(form->activeEditor()->editorVariant()), variant);
}

void TstMainForm::editorCommandsFollowOpenEditors()
{
    auto form = makeForm();
    form->openEditor(Model::Korvel4p, 2);
    for (const char *name : {"mnSave", "tbSave", "mnFA", "tbFA", "mnPrint", "tbPrint"})
        QVERIFY2(action(*form, name)->isEnabled(), name);
    form->mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(!action(*form, "mnSave")->isEnabled());
    QVERIFY(!action(*form, "tbPrint")->isEnabled());
}

namespace {

// Runs the steps of a files row: "open a/x.vau", "save a/x.vau" (from a 4-zone editor),
// "recent 2" (the second recent item), "delete a/x.vau", "rmdir a", "restart".
void runFileSteps(std::unique_ptr<TMainForm> &form, const std::function<std::unique_ptr<TMainForm>()> &restart,
                  ScriptedDialogs &dialogs, const QDir &root, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString verb = step.section(u' ', 0, 0);
        const QString path = root.filePath(step.section(u' ', 1));
        if (verb == "open") {
            dialogs.fileName = QFileInfo::exists(path) ? path : writeSettingsFile(path);
            action(*form, "mnOpen")->trigger();
        } else if (verb == "save") {
            QDir().mkpath(QFileInfo(path).path());
            form->openEditor(Model::Korvel4p, 4);
            dialogs.fileName = path;
            action(*form, "mnSave")->trigger();
        } else if (verb == "recent") {
            action(*form, qPrintable("mnRecent" + step.section(u' ', 1)))->trigger();
        } else if (verb == "delete") {
            QFile::remove(path);
        } else if (verb == "rmdir") {
            QDir(path).removeRecursively();
        } else if (verb == "restart") {
            form = restart();
        }
    }
}

} // namespace

void TstMainForm::dialogsStartInLastFolder_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("folder"); // under the test's folder; empty: the documents folder
    QTest::newRow("first time: documents") << QStringList{} << QString();
    QTest::newRow("after opening: that file's folder") << QStringList{"open site1/a.vau"} << "site1";
    QTest::newRow("after saving: that file's folder") << QStringList{"open site1/a.vau", "save site2/b.vau"} << "site2";
    QTest::newRow("kept for the next start") << QStringList{"open site1/a.vau", "restart"} << "site1";
    QTest::newRow("folder removed since: documents") << QStringList{"open site1/a.vau", "rmdir site1"} << QString();
}

void TstMainForm::dialogsStartInLastFolder()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, folder);
    QStandardPaths::setTestModeEnabled(true);
    const QString documents = documentsFolder();
    auto form = makeForm();
    runFileSteps(form, [this] { return makeForm(); }, *m_dialogs, QDir(m_dir->path()), steps);
    m_dialogs->fileName.clear();
    action(*form, "mnOpen")->trigger();
    const QString expected = folder.isEmpty() ? documents : m_dir->filePath(folder);
    QCOMPARE(m_dialogs->fileRequests.last().directory, expected);
    QVERIFY(!expected.startsWith(QCoreApplication::applicationDirPath()));
}

void TstMainForm::recentFiles_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("items"); // file names under the test's folder, in menu order
    QTest::addColumn<QString>("warning");

    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("open f%1.vau").arg(i);
    const QString gone = QStringLiteral("Файл не знайдено, його прибрано зі списку останніх файлів.");
    QTest::newRow("none at first") << QStringList{} << QStringList{} << QString();
    QTest::newRow("newest first, each once")
        << QStringList{"open a.vau", "open b.vau", "open a.vau"} << QStringList{"a.vau", "b.vau"} << QString();
    QTest::newRow("eight at most") << ten
                                   << QStringList{"f10.vau", "f9.vau", "f8.vau", "f7.vau", "f6.vau", "f5.vau",
                                                  "f4.vau", "f3.vau"}
                                   << QString();
    QTest::newRow("a saved file joins") << QStringList{"open a.vau", "save out/c.vau"} << QStringList{"out/c.vau", "a.vau"}
                                        << QString();
    QTest::newRow("an item opens its file")
        << QStringList{"open a.vau", "open b.vau", "recent 2"} << QStringList{"a.vau", "b.vau"} << QString();
    QTest::newRow("a missing file is said so and removed")
        << QStringList{"open a.vau", "open b.vau", "delete a.vau", "recent 2"} << QStringList{"b.vau"} << gone;
    QTest::newRow("kept for the next start")
        << QStringList{"open a.vau", "open b.vau", "restart"} << QStringList{"b.vau", "a.vau"} << QString();
}

void TstMainForm::recentFiles()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, items);
    QFETCH(QString, warning);
    auto form = makeForm();
    runFileSteps(form, [this] { return makeForm(); }, *m_dialogs, QDir(m_dir->path()), steps);
    QStringList expected;
    for (int i = 0; i < items.size(); ++i)
        expected << QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(m_dir->filePath(items[i])));
    QTRY_COMPARE(recentItems(*form), expected);
    QCOMPARE(m_dialogs->texts(Dialogs::Kind::Warning), warning.isEmpty() ? QStringList{} : QStringList{warning});
}

void TstMainForm::reportCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("viewer");        // the system opens RTF files (the offscreen platform opens none)
    QTest::addColumn<QByteArray>("start");   // of the file written
    QTest::addColumn<QString>("status");     // after the path in the status text
    const QString noViewer =
        QStringLiteral("; не вдалося відкрити його: для друку скористайтеся попереднім переглядом звіту");
    QTest::newRow("F11: RTF opened") << "mnPrint" << "rtf" << true << QByteArray("{\\rtf1\\ansi\\ansicpg1251") << QString();
    QTest::newRow("F11 without an RTF viewer") << "mnPrint" << "rtf" << false << QByteArray("{\\rtf1\\ansi") << noViewer;
    QTest::newRow("PDF") << "mnReportPdf" << "pdf" << false << QByteArray("%PDF-") << QString();
}

// The save dialog offers the model and the day in the documents folder; what is chosen is
// written whole, and the status bar says where.
void TstMainForm::reportCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, suffix);
    QFETCH(bool, viewer);
    QFETCH(QByteArray, start);
    QFETCH(QString, status);
    QStandardPaths::setTestModeEnabled(true);
    UrlCatcher catcher;
    if (viewer)
        QDesktopServices::setUrlHandler("file", &catcher, "open");
    auto form = makeForm();
    form->openEditor(Model::Korvel4p, 4);
    const QString path = m_dir->filePath("звіти/об'єкт 7." + suffix);
    QDir().mkpath(QFileInfo(path).path());
    m_dialogs->fileName = path;
    action(*form, qPrintable(command))->trigger();
    QDesktopServices::unsetUrlHandler("file");

    const QString offered = QDir(documentsFolder()).filePath("КОРВЕЛ-4П " + QDate::currentDate().toString(Qt::ISODate) + "." + suffix);
    QCOMPARE(m_dialogs->fileRequests.last().directory, offered);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
    QCOMPARE(form->statusText(0), "Звіт записано: " + QDir::toNativeSeparators(path) + status);
    QCOMPARE(catcher.opened, viewer ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
    m_dialogs->fileName.clear();
    action(*form, qPrintable(command))->trigger();
    QCOMPARE(m_dialogs->fileRequests.last().directory, QFileInfo(path).dir().filePath(QFileInfo(offered).fileName()));
}

// The preview lays the active editor's report out on the printer it is given.
void TstMainForm::previewShowsThePrintPreview()
{
    auto form = makeForm();
    form->openEditor(Model::Korvel4p, 4);
    const QString printed = m_dir->filePath("printed.pdf");
    m_dialogs->dialogHandler = [&printed](QObject *dialog) {
        if (auto *preview = qobject_cast<QPrintPreviewDialog *>(dialog)) {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            Q_EMIT preview->paintRequested(&printer);
        }
        return 0;
    };
    action(*form, "mnPreviewReport")->trigger();
    QVERIFY(qobject_cast<FakeEditor *>(form->activeEditor())->calls.contains("PrepareToPrint"));
    QVERIFY(QFileInfo(printed).size() > 0);
}

QTEST_MAIN(TstMainForm)
#include "tst_mainform.moc"
