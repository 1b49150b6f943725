#pragma once

#include <QString>
#include <functional>

class EditorWindow;
class ExchangeFlow;
class QMdiArea;
class QObject;
class QSettings;
class QWidget;
struct EditorState;
struct ExchangeReport;
struct FlowResult;

// What editor and programmer windows need from the main window.
class Shell
{
public:
    virtual ~Shell() = default;

    virtual QWidget *mainWindow() = 0;
    // The images and identification the editors encode to and decode from.
    virtual EditorState &exchange() = 0;
    // option.ini; null when it could not be opened.
    virtual QSettings *ini() = 0;
    // The program's one exchange flow: every operation with the hardware runs through it.
    virtual ExchangeFlow &flow() = 0;

    // Status bar panel 0 (operation texts), 1 (times) or 2.
    virtual void setStatusText(int panel, const QString &text) = 0;
    // Busy display: disables the transfer commands and shows the progress window.
    virtual void BeginAnimation() = 0;
    // Closes the progress window and enables the transfer commands again.
    virtual void EndAnimation() = 0;
    // Save, factory settings and print follow whether any editor window is open.
    virtual void editorWindowsChanged() = 0;
    // The save-settings-file command for `window`: asks for the file and writes it.
    virtual void saveSettingsOf(EditorWindow &window) = 0;
    // Whether a write is read back and checked (the user's choice, on by default).
    virtual bool verifyAfterWrite() const = 0;
    // The area holding the editor and programmer windows.
    virtual QMdiArea *mdiArea() const = 0;
    // `handler` hears, for as long as `receiver` lives, the baud rate of every port setting
    // stored, and whether the transfer commands are enabled (no exchange runs) as it changes.
    virtual void onPortSettingsStored(QObject *receiver, std::function<void(int)> handler) = 0;
    virtual void onTransferCommandsEnabled(QObject *receiver, std::function<void(bool)> handler) = 0;
    // Keeps what an exchange that has ended did in the user's site archive, once the window
    // has shown its end. A failure to keep it is only noted: the exchange stands as it ended.
    virtual void recordExchange(const ExchangeReport &report, const FlowResult &result) = 0;
};
