#pragma once

#include <QString>

class QObject;

// Every message box, confirmation and file or folder picker of the program goes through
// this interface. The program installs the Qt implementation; tests install a scripted
// one, so that no test ever blocks on a modal window.
class Dialogs
{
public:
    enum class Kind { Error, Information, Warning };
    // The answers to a question about changes not yet saved.
    enum class Choice { Save, Discard, Cancel };

    struct FileRequest {
        QString directory;     // folder the dialog starts in
        QString filter;        // "Text (*.txt)|*.txt|..." pairs, as the menus describe them
        QString defaultSuffix; // without the dot
    };

    virtual ~Dialogs() = default;

    // `detail`, when given, is shown under the text in smaller type (what exactly failed).
    virtual void showMessage(Kind kind, const QString &text, const QString &detail = QString()) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
    // OK/Cancel question; true for OK.
    virtual bool askOkCancel(const QString &text) = 0;
    // "Зберегти" / "Не зберігати" / "Скасувати" question; closing the box cancels.
    virtual Choice askSaveDiscardCancel(const QString &text) = 0;
    // Empty string when the user cancels.
    virtual QString openFileName(const FileRequest &request) = 0;
    virtual QString saveFileName(const FileRequest &request) = 0;
    virtual QString existingDirectory(const QString &caption, const QString &start) = 0;
    // Runs a modal dialog window (a QDialog passed as QObject so that core code can ask
    // for one); returns the dialog's result code.
    virtual int execDialog(QObject *dialog) = 0;
};

// The program-wide instance. Never null once the application has installed one.
Dialogs &dialogs();
// Installs `instance` (not owned) and returns the previous one.
Dialogs *setDialogs(Dialogs *instance);
