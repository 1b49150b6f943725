#include "archiveoptions.h"

#include "dialogs.h"
#include "fieldsdialog.h"
#include "recordtree.h"
#include "sessionarchive.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

constexpr int kDialogWidth = 560;

using Engine = ArchiveLocation::Engine;

const QString kArchiveFilter = QStringLiteral("Архів об'єктів (*.sqlite)|*.sqlite|Всі файли (*.*)|*.*");

QPushButton *makeButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

ArchiveOptionsDialog::ArchiveOptionsDialog(const ArchiveSettings &settings, SessionArchive &session, QWidget *parent)
    : QDialog(parent),
      m_session(session),
      m_enabled(new QCheckBox(QStringLiteral("Записувати обміни й файли в архів"), this)),
      m_operator(new QLineEdit(settings.operatorName, this)),
      m_file(new QRadioButton(QStringLiteral("Файл на цьому комп'ютері"), this)),
      m_server(new QRadioButton(QStringLiteral("Сервер PostgreSQL (спільний архів команди)"), this))
{
    setObjectName(QStringLiteral("ArchiveOptionsDialog"));
    setWindowTitle(QStringLiteral("Налаштування архіву"));
    // Wide enough for the archive file's whole path.
    setMinimumWidth(kDialogWidth);
    m_enabled->setObjectName(QStringLiteral("ckArchiveEnabled"));
    m_enabled->setChecked(settings.enabled);
    m_operator->setObjectName(QStringLiteral("edOperator"));
    m_operator->setPlaceholderText(Author::current().operatorName);
    m_file->setObjectName(QStringLiteral("rbFile"));
    m_server->setObjectName(QStringLiteral("rbServer"));
    (settings.engine == Engine::Postgres ? m_server : m_file)->setChecked(true);
    QPushButton *backup = makeButton(QStringLiteral("Зробити копію…"), QStringLiteral("btnBackup"), this);

    auto *who = new QFormLayout;
    who->addRow(QStringLiteral("Оператор:"), m_operator);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addLayout(who);
    layout->addWidget(makeGroupBox(QStringLiteral("Де архів"), {m_file, makeFileRow(settings.filePath), m_server,
                                                                makeServerBox(settings.server)}, this));
    layout->addWidget(backup, 0, Qt::AlignLeft);
    layout->addWidget(addOkCancel(this));
    connect(m_server, &QRadioButton::toggled, this, &ArchiveOptionsDialog::followEngine);
    connect(backup, &QPushButton::clicked, this, &ArchiveOptionsDialog::backup);
    followEngine();
}

// The default file is shown as such, and stays the default (it follows the data folder).
QWidget *ArchiveOptionsDialog::makeFileRow(const QString &path)
{
    m_fileRow = new QWidget(this);
    m_path = new QLineEdit(QDir::toNativeSeparators(path.isEmpty() ? defaultArchivePath() : path), m_fileRow);
    m_path->setObjectName(QStringLiteral("edArchivePath"));
    m_path->setReadOnly(true);
    QPushButton *change = makeButton(QStringLiteral("Змінити…"), QStringLiteral("btnChangePath"), m_fileRow);
    auto *row = new QHBoxLayout(m_fileRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_path, 1);
    row->addWidget(change);
    connect(change, &QPushButton::clicked, this, &ArchiveOptionsDialog::changePath);
    return m_fileRow;
}

QGroupBox *ArchiveOptionsDialog::makeServerBox(const ServerLocation &server)
{
    m_serverBox = new QGroupBox(this);
    auto *form = new QFormLayout(m_serverBox);
    m_host = addEdit(QStringLiteral("edHost"), server.host);
    m_port = new QSpinBox(m_serverBox);
    m_port->setObjectName(QStringLiteral("sbPort"));
    m_port->setRange(1, ServerLocation::kLastPort);
    m_port->setValue(server.port);
    m_database = addEdit(QStringLiteral("edDatabase"), server.database);
    m_user = addEdit(QStringLiteral("edUser"), server.user);
    m_password = addEdit(QStringLiteral("edPassword"), QString());
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(QStringLiteral("як і було"));
    form->addRow(QStringLiteral("Сервер:"), m_host);
    form->addRow(QStringLiteral("Порт:"), m_port);
    form->addRow(QStringLiteral("База даних:"), m_database);
    form->addRow(QStringLiteral("Користувач:"), m_user);
    form->addRow(QStringLiteral("Пароль:"), m_password);
    return m_serverBox;
}

QLineEdit *ArchiveOptionsDialog::addEdit(const QString &name, const QString &text)
{
    auto *edit = new QLineEdit(text, m_serverBox);
    edit->setObjectName(name);
    return edit;
}

ArchiveSettings ArchiveOptionsDialog::settings() const
{
    ArchiveSettings s;
    s.enabled = m_enabled->isChecked();
    s.operatorName = m_operator->text().trimmed();
    s.engine = m_server->isChecked() ? Engine::Postgres : Engine::Sqlite;
    const QString path = QDir::fromNativeSeparators(m_path->text());
    s.filePath = path == defaultArchivePath() ? QString() : path;
    s.server = {m_host->text().trimmed(), m_port->value(), m_database->text().trimmed(), m_user->text().trimmed(), {}};
    return s;
}

QString ArchiveOptionsDialog::password() const
{
    return m_password->text();
}

void ArchiveOptionsDialog::changePath()
{
    const QString path = dialogs().saveFileName(
        {QFileInfo(QDir::fromNativeSeparators(m_path->text())).path(), kArchiveFilter, QStringLiteral("sqlite")});
    if (!path.isEmpty())
        m_path->setText(QDir::toNativeSeparators(path));
}

void ArchiveOptionsDialog::followEngine()
{
    m_fileRow->setEnabled(m_file->isChecked());
    m_serverBox->setEnabled(m_server->isChecked());
}

// The copy is of the archive as the session has it open, whatever the fields say now.
void ArchiveOptionsDialog::backup()
{
    SiteArchive *archive = m_session.archive(true);
    if (!archive)
        return;
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = dialogs().saveFileName({start, kArchiveFilter, QStringLiteral("sqlite")});
    if (path.isEmpty()
        || (QFileInfo::exists(path) && !dialogs().askYesNoSafely(QStringLiteral("Такий файл вже існує. Перезаписати?"))))
        return;
    if (!reportFailure(archive->backup(path)))
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("Копію архіву записано: %1").arg(QDir::toNativeSeparators(path)));
}
