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
        QStringList buttons = {}; // a box with named buttons
        int defaultButton = 0;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void showMessage(Kind kind, const QString &text, const QString &detail = QString()) override;
    bool askYesNo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    bool askYesNoSafely(const QString &text) override;
    bool askOkCancelSafely(const QString &text) override;
    int askWithButtons(const ButtonBox &box) override;
    Choice askSaveDiscardCancel(const QString &text) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    QString existingDirectory(const QString &caption, const QString &start) override;
    int execDialog(QObject *dialog) override;

    QList<Message> messages;
    QStringList questions;
    QStringList safeQuestions; // those of them whose default answer is no
    QList<FileRequest> fileRequests;

    bool answer = true;           // for every question
    // For the save/discard/cancel questions, in turn; `choice` once they are used up.
    QList<Choice> choices;
    Choice choice = Choice::Discard;
    // For the boxes with named buttons, in turn: the index pressed; the way out once they
    // are used up, or for -1.
    QList<int> pressed;
    QString fileName;             // for open and save dialogs
    QString directory;            // for the folder picker
    // Runs a modal dialog: gets the dialog object, returns its result code.
    std::function<int(QObject *)> dialogHandler = [](QObject *) { return 0; };

    QStringList texts(Kind kind) const;
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }

private:
    Dialogs *m_previous;
};
