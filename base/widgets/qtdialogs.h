#pragma once

#include "dialogs.h"

class QWidget;

// The program's dialogs: Qt message boxes and file dialogs over the main window.
class QtDialogs : public Dialogs
{
public:
    void setParentWindow(QWidget *parent) { m_parent = parent; }

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

private:
    QWidget *parentWindow() const;

    QWidget *m_parent = nullptr;
};

// "Description|pattern|Description|pattern" into Qt's "Description (pattern);;..." form.
QString qtFileFilter(const QString &pairs);
