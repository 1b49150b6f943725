#pragma once

#include "archivesettings.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class SessionArchive;

// "Налаштування архіву": whether exchanges are recorded, under which operator's name, and
// where the archive lives: a SQLite file on this computer or a team's PostgreSQL server.
// "Зробити копію…" copies the archive the session has open.
class ArchiveOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    // `session` outlives the dialog.
    ArchiveOptionsDialog(const ArchiveSettings &settings, SessionArchive &session, QWidget *parent = nullptr);

    ArchiveSettings settings() const;
    // The server's password as typed; empty: left as it was.
    QString password() const;

private:
    QWidget *makeFileRow(const QString &path);
    QGroupBox *makeServerBox(const ServerLocation &server);
    QLineEdit *addEdit(const QString &name, const QString &text);
    void changePath();
    void backup();
    void followEngine();

    SessionArchive &m_session;
    QCheckBox *m_enabled;
    QLineEdit *m_operator;
    QRadioButton *m_file;
    QRadioButton *m_server;
    QWidget *m_fileRow = nullptr;
    QLineEdit *m_path = nullptr;
    QGroupBox *m_serverBox = nullptr;
    QLineEdit *m_host = nullptr;
    QSpinBox *m_port = nullptr;
    QLineEdit *m_database = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
};
