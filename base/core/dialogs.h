#pragma once

#include <QString>
#include <QStringList>

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

    // A box whose buttons the program names: a choice of ways on after an exchange. The
    // last button is the way out ("Закрити"): Esc and closing the box press it.
    struct ButtonBox {
        Kind kind = Kind::Information;
        QString text;
        QString detail;
        QStringList buttons;   // left to right
        int defaultButton = 0; // what Enter presses
        int wayOut() const { return int(buttons.size()) - 1; }
    };

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
    // The same questions when "Так" or OK overwrites, erases or writes to a device: "Ні" or
    // "Скасувати" is the default button, so that a stray Enter changes nothing. Where nobody
    // presses keys, they are asked as the others.
    virtual bool askYesNoSafely(const QString &text) { return askYesNo(text); }
    virtual bool askOkCancelSafely(const QString &text) { return askOkCancel(text); }
    // Shows `box` and returns the index of the button pressed. Where nobody can choose, the
    // box is shown as a message and left by its way out.
    virtual int askWithButtons(const ButtonBox &box);
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
