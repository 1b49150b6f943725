#pragma once

#include "editorstate.h"
#include "registry.h"
#include "select.h"
#include "shell.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class EditorWindow;
class ExchangeFlow;
class FileHistory;
class MainArchive;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QSettings;
class QUndoGroup;
class TMainCPort;
struct ExchangeReport;
struct FlowResult;
struct Operation;
struct SettingsReport;
namespace settingsfile {
struct Contents;
}

// The frame of the program: menu, toolbar, status bar, the MDI area holding at most one
// editor per model, the busy display and the exchanges that start from the main window.
class TMainForm : public QMainWindow, public Shell
{
    Q_OBJECT
public:
    using EditorFactory = std::function<EditorWindow *(Model, Shell &)>;
    using LinkFactory = std::function<std::unique_ptr<TMainCPort>(ExchangeState &)>;
    using HexOpener = std::function<void(const QString &path)>;

    // `iniPath`: option.ini (beside the program unless a test says otherwise).
    explicit TMainForm(const QString &iniPath, QWidget *parent = nullptr);
    ~TMainForm() override;

    void setEditorFactory(EditorFactory factory) { m_editorFactory = std::move(factory); }
    void setLinkFactory(LinkFactory factory) { m_linkFactory = std::move(factory); }
    // The folder holding "adjustments" (beside the program unless a test says otherwise).
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    // Opens a HEX file in the firmware programmer window.
    void setHexOpener(HexOpener opener) { m_hexOpener = std::move(opener); }

    // Shell
    QWidget *mainWindow() override { return this; }
    EditorState &exchange() override { return m_exchange; }
    QSettings *ini() override { return m_ini.get(); }
    ExchangeFlow &flow() override { return *m_flow; }
    void setStatusText(int panel, const QString &text) override;
    void BeginAnimation() override;
    void EndAnimation() override;
    void editorWindowsChanged() override;
    void saveSettingsOf(EditorWindow &window) override;

    void AccessButton(bool enabled);
    QString statusText(int panel) const;

    // The opener of a model: creates or reuses its editor, applies the variant, restores
    // and raises it, and closes the selection window. Null when the model has no editor.
    EditorWindow *openEditor(Model model, quint8 variant);
    EditorWindow *editor(Model model) const;
    EditorWindow *activeEditor() const;
    QMdiArea *mdiArea() const override { return m_mdi; }
    void onPortSettingsStored(QObject *receiver, std::function<void(int)> handler) override;
    void onTransferCommandsEnabled(QObject *receiver, std::function<void(bool)> handler) override;
    bool verifyAfterWrite() const override;
    void recordExchange(const ExchangeReport &report, const FlowResult &result) override;

    // Opens the editor of the settings' model holding them, as a settings file loads;
    // `name` (a file's path) names them in the caption. Null when the model has no editor.
    EditorWindow *openSettings(const QString &name, const settingsfile::Contents &file);

    void showSelectWindow();
    TSelectForm *selectWindow() const { return m_select; }

    int slotNumber() const { return m_slotNumber; }

    // Menu commands.
    void mnReadDevClick();
    void mnLoadDevClick();
    void mnWriteAllClick();
    void readSlot(int slot);
    void writeSlot(int slot);
    void mnInitConfClick();
    void mnClearConfiguratorClick();
    void mnRegModeClick();
    void mnCompareDevClick();
    void mnCompareFileClick();
    void mnResumeWriteClick();
    void mnSaveRecordClick();
    void mnOptionCOMClick();
    void mnArchiveClick();
    void mnArchiveOptionsClick();
    void mnOpenClick();
    void mnSaveClick();
    void mnFAClick();
    void mnPrintClick();
    void mnPreviewReportClick();
    void mnReportPdfClick();
    void mnCloseClick();
    void mnHelpClick();
    void mnAboutClick();

Q_SIGNALS:
    // The port settings command stored new settings (the programmer window offers its
    // targets by baud rate).
    void portSettingsStored(int baudRate);
    // The transfer commands were enabled (no exchange runs) or disabled (one runs).
    void transferCommandsEnabled(bool enabled);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class AfterIdentify { Read, Write, WriteAll, Resume, Compare };

    void createActions();
    void createMenus();
    void createEditMenu();
    void followActiveEditor();
    bool closeEditorWindows();
    void createToolBar();
    void createStatusBar();
    QAction *addCommand(const QString &name, const QString &text, void (TMainForm::*slot)(),
                        QKeySequence key = {});
    QAction *toolButton(const QString &name, const QString &hint, void (TMainForm::*slot)(), int icon);
    void fillWindowMenu();
    void tileWindows(Qt::Orientation orientation);
    void applyPlacement();
    void storePlacement();

    void openFile(const QString &path);
    void openRecentFile(const QString &path);
    void fillRecentFiles();
    void openSettingsFile(const QString &path);
    void loadSettingsFile(EditorWindow &window, const QString &path, const settingsfile::Contents &file);
    void openHexFile(const QString &path);
    bool confirmOverwrite(const QString &path);
    EditorWindow *reportingEditor() const;
    using ReportWriter = std::function<bool(const QString &path, const SettingsReport &report)>;
    QString saveReport(const QString &suffix, const ReportWriter &write);
    std::unique_ptr<TMainCPort> createLink(ExchangeState &state) const;
    bool confirmWriteOf(const EditorWindow &window);
    void refuseConfiguratorTransfer(const EditorWindow &window);
    void identifyFor(const Operation &operation);
    void dispatchIdentified(EditorWindow &window);
    void writeActiveEditor(AfterIdentify write);
    void discardCutWrites();
    void ReadDevice(const FlowResult &result);
    void CheckConfigurator(const FlowResult &result);
    void resetSlotCaptions();

    EditorState m_exchange;
    ExchangeFlow *m_flow;
    std::unique_ptr<QSettings> m_ini;
    QMdiArea *m_mdi = nullptr;
    QLabel *m_status[3] = {};
    QMenu *m_windowMenu = nullptr;
    QUndoGroup *m_undoGroup = nullptr; // the editors' edits; the active editor's is undone
    QMenu *m_fileMenu = nullptr;
    QAction *m_recentEnd = nullptr; // the separator after the recent files
    QList<QAction *> m_recentItems;
    std::unique_ptr<FileHistory> m_files;
    std::unique_ptr<MainArchive> m_archive;
    QList<QAction *> m_readSlotItems;
    QPointer<TSelectForm> m_select;
    EditorFactory m_editorFactory;
    LinkFactory m_linkFactory;
    HexOpener m_hexOpener;
    int m_slotNumber = -1;
    // What the identification under way is for.
    AfterIdentify m_afterIdentify = AfterIdentify::Read;
    QString m_programFolder;
};
