#include "main.h"

#include "about.h"
#include "comport.h"
#include "dialogs.h"
#include "editorwindow.h"
#include "exchangeflow.h"
#include "filehistory.h"
#include "helpguide.h"
#include "mainarchive.h"
#include "placement.h"
#include "progress.h"
#include "select.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoGroup>
#include <QUrl>

namespace {

const QString kCaption = QStringLiteral(
    "Vex-Loader - програма для читання, запису налаштувань приладів \"КОРВЕЛ\" ");
constexpr int kStatusWidths[3] = {300, 250, 110};

} // namespace

TMainForm::TMainForm(const QString &iniPath, QWidget *parent)
    : QMainWindow(parent),
      m_flow(new ExchangeFlow([this](ExchangeState &state) { return createLink(state); }, this)),
      m_ini(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)),
      m_files(std::make_unique<FileHistory>()),
      m_archive(std::make_unique<MainArchive>(*this)),
      m_programFolder(QCoreApplication::applicationDirPath())
{
    showFlowProgress(*m_flow, *this);
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kCaption);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(0x80, 0x80, 0x80));
    setCentralWidget(m_mdi);
    QPalette hints = palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0xE8, 0xF3, 0xFF));
    setPalette(hints);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    applyPlacement();
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        editorWindowsChanged();
        followActiveEditor();
    });
}

TMainForm::~TMainForm()
{
    // The MDI area outlives this part of the window and reports its windows going away.
    disconnect(m_mdi, nullptr, this, nullptr);
    TProgressForm::closeAll();
}

QAction *TMainForm::addCommand(const QString &name, const QString &text,
                               void (TMainForm::*slot)(), QKeySequence key)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(key);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void TMainForm::createActions()
{
    addCommand("mnSelectDev", "Прилади", &TMainForm::showSelectWindow, Qt::Key_F2);
    addCommand("mnOpen", "Відкрити файл", &TMainForm::mnOpenClick, Qt::Key_F3);
    addCommand("mnSave", "Записати в файл", &TMainForm::mnSaveClick, Qt::Key_F4);
    addCommand("mnPrint", "Друк налаштувань", &TMainForm::mnPrintClick, Qt::Key_F11);
    addCommand("mnPreviewReport", "Попередній перегляд звіту", &TMainForm::mnPreviewReportClick);
    addCommand("mnReportPdf", "Зберегти звіт у PDF", &TMainForm::mnReportPdfClick);
    addCommand("mnClose", "Вихід", &TMainForm::mnCloseClick, Qt::Key_F10);
    addCommand("mnLoadDev", "Завантажити в прилад", &TMainForm::mnLoadDevClick, Qt::Key_F5);
    addCommand("mnReadDev", "Зчитати з приладу", &TMainForm::mnReadDevClick, Qt::Key_F6);
    addCommand("mnWriteAll", "Записати все", &TMainForm::mnWriteAllClick);
    addCommand("mnFA", "Заводські налаштування", &TMainForm::mnFAClick, Qt::Key_F7);
    addCommand("mnRegMode", "Робочий режим", &TMainForm::mnRegModeClick, Qt::Key_F12);
    addCommand("mnCompareDev", "Порівняти з приладом", &TMainForm::mnCompareDevClick);
    addCommand("mnCompareFile", "Порівняти з файлом", &TMainForm::mnCompareFileClick);
    addCommand("mnResumeWrite", "Продовжити запис", &TMainForm::mnResumeWriteClick);
    addCommand("mnSaveRecord", "Зберегти протокол", &TMainForm::mnSaveRecordClick);
    QAction *verify = addCommand("mnVerify", "Перевіряти після запису", nullptr);
    verify->setCheckable(true);
    verify->setChecked(m_ini->value(QStringLiteral("MainForm/VerifyAfterWrite"), true).toBool());
    connect(verify, &QAction::toggled, this, [this](bool on) {
        m_ini->setValue(QStringLiteral("MainForm/VerifyAfterWrite"), on);
        m_ini->sync();
        if (m_ini->status() != QSettings::NoError)
            setStatusText(0, QStringLiteral("Не вдалося записати в INI-файл"));
    });
    addCommand("mnInitConf", "Шо там в конфігураторі?", &TMainForm::mnInitConfClick);
    addCommand("mnClearConfigurator", "Очистити конфігуратор", &TMainForm::mnClearConfiguratorClick);
    addCommand("mnOptionCOM", "Налаштування COM-порту", &TMainForm::mnOptionCOMClick, Qt::Key_F9);
    addCommand("mnArchive", "Архів об'єктів", &TMainForm::mnArchiveClick);
    addCommand("mnArchiveOptions", "Налаштування архіву", &TMainForm::mnArchiveOptionsClick);
    addCommand("mnHelp", "Допомога", &TMainForm::mnHelpClick, Qt::Key_F1);
    addCommand("mnAbout", "Про програму", &TMainForm::mnAboutClick);
    for (const char *name : {"mnSave", "mnPrint", "mnPreviewReport", "mnReportPdf", "mnLoadDev", "mnWriteAll", "mnReadDev", "mnFA"})
        findChild<QAction *>(name)->setEnabled(false);
}

void TMainForm::createMenus()
{
    const auto action = [this](const char *name) { return findChild<QAction *>(name); };
    m_fileMenu = menuBar()->addMenu("Файл");
    m_fileMenu->addActions({action("mnSelectDev"), action("mnOpen"), action("mnSave"), action("mnPrint"),
                            action("mnPreviewReport"), action("mnReportPdf")});
    m_fileMenu->addSeparator();
    m_recentEnd = m_fileMenu->addSeparator();
    m_fileMenu->addAction(action("mnClose"));
    fillRecentFiles();
    createEditMenu();

    QMenu *options = menuBar()->addMenu("Опції");
    options->addActions({action("mnLoadDev"), action("mnWriteAll"), action("mnReadDev"), action("mnFA"), action("mnRegMode")});
    options->addSeparator();
    options->addActions({action("mnVerify"), action("mnCompareDev"), action("mnCompareFile"),
                         action("mnResumeWrite"), action("mnSaveRecord")});
    options->addSeparator();
    QMenu *loadConf = options->addMenu("Завантажити в конфігуратор");
    loadConf->menuAction()->setObjectName("mnLoadConf");
    QMenu *readConf = options->addMenu("Завантажити з конфігуратора");
    readConf->menuAction()->setObjectName("mnReadConf");
    const char *writeNames[] = {"mnFirstConf", "mnTwoConf", "mnThreeConf", "mnFourConf"};
    const char *readNames[] = {"mnConfFirst", "mnConfTwo", "mnConfThree", "mnConfFour"};
    for (int slot = 1; slot <= 4; ++slot) {
        QAction *write = loadConf->addAction(QStringLiteral("конфігурація %1").arg(slot));
        write->setObjectName(writeNames[slot - 1]);
        connect(write, &QAction::triggered, this, [this, slot] { writeSlot(slot); });
        QAction *read = readConf->addAction(QString());
        read->setObjectName(readNames[slot - 1]);
        connect(read, &QAction::triggered, this, [this, slot] { readSlot(slot); });
        m_readSlotItems.append(read);
    }
    resetSlotCaptions();
    options->addActions({action("mnInitConf"), action("mnClearConfigurator")});
    options->addSeparator();
    options->addAction(action("mnOptionCOM"));

    QMenu *archive = menuBar()->addMenu("Архів");
    archive->addActions({action("mnArchive"), action("mnArchiveOptions")});

    m_windowMenu = menuBar()->addMenu("Вікна");
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::fillWindowMenu);
    fillWindowMenu();

    QMenu *help = menuBar()->addMenu("Допомога");
    help->addActions({action("mnHelp"), action("mnAbout")});
}

void TMainForm::resetSlotCaptions()
{
    for (int i = 0; i < m_readSlotItems.size(); ++i)
        m_readSlotItems[i]->setText(QStringLiteral("Конфігурація %1  (не визначено)").arg(i + 1));
}

// Toolbar buttons run the command itself, not its menu item: the transfer buttons are
// enabled at start while their menu items are not.
QAction *TMainForm::toolButton(const QString &name, const QString &hint, void (TMainForm::*slot)(),
                               int icon)
{
    auto *button = new QAction(style()->standardIcon(QStyle::StandardPixmap(icon)), hint, this);
    button->setObjectName(name);
    button->setToolTip(hint);
    connect(button, &QAction::triggered, this, slot);
    return button;
}

void TMainForm::createToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Панель"));
    bar->setObjectName("ToolBar");
    bar->setMovable(false);
    bar->addAction(toolButton("tbSelect", "Вибір приладу", &TMainForm::showSelectWindow, QStyle::SP_ComputerIcon));
    bar->addAction(toolButton("tbOpen", "Завантажити налаштування з файлу", &TMainForm::mnOpenClick, QStyle::SP_DialogOpenButton));
    bar->addAction(toolButton("tbPrint", "Друк налаштувань", &TMainForm::mnPrintClick, QStyle::SP_FileDialogDetailedView));
    bar->addAction(toolButton("tbSave", "Зберегти налаштування в файл", &TMainForm::mnSaveClick, QStyle::SP_DialogSaveButton));
    bar->addAction(toolButton("tbLoadDev", "Завантаження налаштувань в прилад", &TMainForm::mnLoadDevClick, QStyle::SP_ArrowUp));
    bar->addAction(toolButton("tbReadDev", "Завантаження налаштувань з приладу", &TMainForm::mnReadDevClick, QStyle::SP_ArrowDown));
    bar->addAction(toolButton("tbFA", "Заводські налаштування", &TMainForm::mnFAClick, QStyle::SP_BrowserReload));
    bar->addAction(toolButton("tbOptionCOM", "Налаштування COM-порту", &TMainForm::mnOptionCOMClick, QStyle::SP_DriveNetIcon));
    bar->addAction(toolButton("tbRegMode", "Вихід приладу в робочий режим", &TMainForm::mnRegModeClick, QStyle::SP_MediaPlay));
    bar->addAction(toolButton("tbArchive", "Архів об'єктів", &TMainForm::mnArchiveClick, QStyle::SP_DirIcon));
    for (const char *name : {"tbPrint", "tbSave", "tbFA"})
        findChild<QAction *>(name)->setEnabled(false);
}

void TMainForm::createStatusBar()
{
    for (int i = 0; i < 3; ++i) {
        m_status[i] = new QLabel(this);
        m_status[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_status[i]->setFixedWidth(kStatusWidths[i]);
        statusBar()->addWidget(m_status[i]);
    }
}

void TMainForm::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < 3)
        m_status[panel]->setText(text);
}

QString TMainForm::statusText(int panel) const
{
    return panel >= 0 && panel < 3 ? m_status[panel]->text() : QString();
}

bool TMainForm::verifyAfterWrite() const
{
    return findChild<QAction *>("mnVerify")->isChecked();
}

void TMainForm::recordExchange(const ExchangeReport &report, const FlowResult &result)
{
    m_archive->recordExchange(report, result);
}

void TMainForm::mnArchiveClick()
{
    m_archive->showWindow();
}

void TMainForm::mnArchiveOptionsClick()
{
    m_archive->editOptions();
}

void TMainForm::onPortSettingsStored(QObject *receiver, std::function<void(int)> handler)
{
    connect(this, &TMainForm::portSettingsStored, receiver, std::move(handler));
}

void TMainForm::onTransferCommandsEnabled(QObject *receiver, std::function<void(bool)> handler)
{
    connect(this, &TMainForm::transferCommandsEnabled, receiver, std::move(handler));
}

// Every command that starts an exchange waits while one runs: two exchanges on one port
// would answer each other's requests.
void TMainForm::AccessButton(bool enabled)
{
    for (const char *name : {"tbLoadDev", "tbReadDev", "tbOptionCOM", "mnLoadDev", "mnWriteAll", "mnReadDev",
                             "mnOptionCOM", "mnLoadConf", "mnReadConf", "mnInitConf",
                             "mnClearConfigurator", "mnRegMode", "tbRegMode", "mnCompareDev",
                             "mnResumeWrite"})
        findChild<QAction *>(name)->setEnabled(enabled);
    Q_EMIT transferCommandsEnabled(enabled);
}

void TMainForm::BeginAnimation()
{
    AccessButton(false);
    TProgressForm *progress = TProgressForm::open(this);
    const QString text = QStringLiteral("Ініціалізація  приладу");
    progress->setText(text);
    setStatusText(0, text);
}

void TMainForm::EndAnimation()
{
    TProgressForm::closeAll();
    AccessButton(true);
}

void TMainForm::editorWindowsChanged()
{
    bool anyEditor = false;
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        anyEditor = anyEditor || qobject_cast<EditorWindow *>(sub->widget());
    for (const char *name : {"mnSave", "tbSave", "mnFA", "tbFA", "mnPrint", "tbPrint", "mnPreviewReport", "mnReportPdf"})
        findChild<QAction *>(name)->setEnabled(anyEditor);
}

void TMainForm::applyPlacement()
{
    const QScreen *screen = this->screen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const WindowPlacement p = readMainPlacement(*m_ini, screenSize);
    setGeometry(p.left, p.top, p.width, p.height);
    if (p.state == 2)
        setWindowState(Qt::WindowMaximized);
    else if (p.state == 1)
        setWindowState(Qt::WindowMinimized);
}

void TMainForm::storePlacement()
{
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    const int state = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    if (!writeMainPlacement(*m_ini, {g.top(), g.left(), g.width(), g.height(), state}))
        setStatusText(0, QStringLiteral("Не вдалося записати в INI-файл"));
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!closeEditorWindows()) {
        event->ignore();
        return;
    }
    storePlacement();
    if (m_select)
        m_select->close();
    event->accept();
}

void TMainForm::showSelectWindow()
{
    if (!m_select) {
        m_select = new TSelectForm(this, [this](Model model, quint8 variant) { openEditor(model, variant); });
        m_select->centreOnMainWindow();
    }
    m_select->show();
    m_select->raise();
    m_select->activateWindow();
}

EditorWindow *TMainForm::editor(Model model) const
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        auto *window = qobject_cast<EditorWindow *>(sub->widget());
        if (window && window->model() == model)
            return window;
    }
    return nullptr;
}

EditorWindow *TMainForm::activeEditor() const
{
    QMdiSubWindow *sub = m_mdi->activeSubWindow();
    return sub ? qobject_cast<EditorWindow *>(sub->widget()) : nullptr;
}

EditorWindow *TMainForm::openEditor(Model model, quint8 variant)
{
    EditorWindow *window = editor(model);
    if (window) {
        window->VersionFirmware(variant);
        QWidget *frame = window->parentWidget();
        if (frame->isMinimized())
            frame->showNormal();
        m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(frame));
    } else if (m_editorFactory && (window = m_editorFactory(model, *this))) {
        QMdiSubWindow *sub = m_mdi->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        m_undoGroup->addStack(window->undoStack());
        connect(sub, &QObject::destroyed, this, &TMainForm::editorWindowsChanged, Qt::QueuedConnection);
        window->VersionFirmware(variant);
        sub->show();
        // Shown, set for the variant and polished, the editor's layout knows the room its
        // pages need; a small screen scrolls them.
        if (!sub->isMaximized() && !sub->isMinimized())
            sub->resize(sub->sizeHint().boundedTo(m_mdi->viewport()->size()));
        m_mdi->setActiveSubWindow(sub);
        editorWindowsChanged();
    }
    if (m_select)
        m_select->close();
    return window;
}

void TMainForm::mnCloseClick()
{
    close();
}

void TMainForm::mnHelpClick()
{
    const QString notOpened = helpguide::openHelp(QDir::currentPath(), m_programFolder, [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    });
    if (!notOpened.isEmpty())
        dialogs().showMessage(Dialogs::Kind::Information, notOpened);
}

void TMainForm::mnAboutClick()
{
    TAboutForm about(this);
    dialogs().execDialog(&about);
}
