#pragma once

#include "dialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

// Dialogs for tests: records what the program shows and answers as the test says.
// Installed for its lifetime; never opens a window.
class ScriptedDialogs : public Dialogs
{
public:
    struct Message {
        Kind kind;
        QString text;
        QString detail;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void showMessage(Kind kind, const QString &text, const QString &detail = QString()) override;
    bool askYesNo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    Choice askSaveDiscardCancel(const QString &text) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    QString existingDirectory(const QString &caption, const QString &start) override;
    int execDialog(QObject *dialog) override;

    QList<Message> messages;
    QStringList questions;
    QList<FileRequest> fileRequests;

    bool answer = true;           // for every question
    // For the save/discard/cancel questions, in turn; `choice` once they are used up.
    QList<Choice> choices;
    Choice choice = Choice::Discard;
    QString fileName;             // for open and save dialogs
    QString directory;            // for the folder picker
    // Runs a modal dialog: gets the dialog object, returns its result code.
    std::function<int(QObject *)> dialogHandler = [](QObject *) { return 0; };

    QStringList texts(Kind kind) const;
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }

private:
    Dialogs *m_previous;
};
