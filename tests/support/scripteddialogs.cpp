#include "scripteddialogs.h"

ScriptedDialogs::ScriptedDialogs() : m_previous(setDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs()
{
    setDialogs(m_previous);
}

void ScriptedDialogs::showMessage(Kind kind, const QString &text, const QString &detail)
{
    messages.append({kind, text, detail});
}

bool ScriptedDialogs::askYesNo(const QString &text)
{
    questions.append(text);
    return answer;
}

bool ScriptedDialogs::askOkCancel(const QString &text)
{
    questions.append(text);
    return answer;
}

bool ScriptedDialogs::askYesNoSafely(const QString &text)
{
    safeQuestions.append(text);
    return askYesNo(text);
}

bool ScriptedDialogs::askOkCancelSafely(const QString &text)
{
    safeQuestions.append(text);
    return askOkCancel(text);
}

int ScriptedDialogs::askWithButtons(const ButtonBox &box)
{
    messages.append({box.kind, box.text, box.detail, box.buttons, box.defaultButton});
    const int index = pressed.isEmpty() ? -1 : pressed.takeFirst();
    return index < 0 ? box.wayOut() : index;
}

Dialogs::Choice ScriptedDialogs::askSaveDiscardCancel(const QString &text)
{
    questions.append(text);
    return choices.isEmpty() ? choice : choices.takeFirst();
}

QString ScriptedDialogs::openFileName(const FileRequest &request)
{
    fileRequests.append(request);
    return fileName;
}

QString ScriptedDialogs::saveFileName(const FileRequest &request)
{
    fileRequests.append(request);
    return fileName;
}

QString ScriptedDialogs::existingDirectory(const QString &, const QString &)
{
    return directory;
}

int ScriptedDialogs::execDialog(QObject *dialog)
{
    return dialogHandler(dialog);
}

QStringList ScriptedDialogs::texts(Kind kind) const
{
    QStringList list;
    for (const Message &m : messages) {
        if (m.kind == kind)
            list.append(m.text);
    }
    return list;
}
