#include "sessionarchive.h"

#include "archivekeyring.h"
#include "dialogs.h"
#include "log.h"

#include <QDir>
#include <QInputDialog>

namespace {

using Engine = ArchiveLocation::Engine;

QString placeText(const ArchiveLocation &location)
{
    return location.engine == Engine::Sqlite ? QDir::toNativeSeparators(location.filePath)
                                             : ArchiveKeyring::keyOf(location.server);
}

// Cancelled, it is an empty password: a server may well take the user without one.
QString askPassword(const ServerLocation &server, QWidget *parent)
{
    QInputDialog box(parent);
    box.setObjectName(QStringLiteral("ArchivePasswordDialog"));
    box.setWindowTitle(QStringLiteral("Архів об'єктів"));
    box.setLabelText(QStringLiteral("Пароль до сервера архіву %1:").arg(ArchiveKeyring::keyOf(server)));
    box.setTextEchoMode(QLineEdit::Password);
    return dialogs().execDialog(&box) == QDialog::Accepted ? box.textValue() : QString();
}

} // namespace

SessionArchive::SessionArchive(QWidget *window) : m_window(window)
{
}

SessionArchive::~SessionArchive() = default;

SiteArchive *SessionArchive::archive(bool asked)
{
    if (m_archive)
        return m_archive.get();
    if (!m_refusal) {
        const ArchiveSettings settings = ArchiveSettings::load();
        if (!settings.enabled) {
            if (asked)
                dialogs().showMessage(Dialogs::Kind::Information,
                                      QStringLiteral("Архів об'єктів вимкнено: увімкніть його в «Налаштування архіву»."));
            return nullptr;
        }
        open(settings);
    }
    if (m_refusal && (asked || !m_refusalSaid))
        sayRefused();
    return m_archive.get();
}

void SessionArchive::open(const ArchiveSettings &settings)
{
    const bool server = settings.engine == Engine::Postgres;
    const ArchiveLocation location = settings.location(server ? passwordFor(settings.server) : QString());
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(location, settings.author());
    m_archive = std::move(opened.value);
    if (opened.ok())
        return;
    m_refusal = opened.error;
    m_refusedPlace = placeText(location);
    WriteLog(QStringLiteral("Архів %1: %2").arg(m_refusedPlace, opened.error.message), QStringLiteral("archive"),
             QStringLiteral("open"));
}

QString SessionArchive::passwordFor(const ServerLocation &server)
{
    const QString key = ArchiveKeyring::keyOf(server);
    if (m_passwords.contains(key))
        return m_passwords.value(key);
    const ArchiveKeyring::Answer stored = ArchiveKeyring().readPassword(server);
    if (stored.status == ArchiveKeyring::Status::Done)
        return stored.password;
    const QString typed = askPassword(server, m_window);
    m_passwords.insert(key, typed);
    return typed;
}

void SessionArchive::sayRefused()
{
    m_refusalSaid = true;
    dialogs().showMessage(Dialogs::Kind::Warning,
                          QStringLiteral("Архів об'єктів недоступний: до кінця сеансу події в нього не записуються."),
                          m_refusal->message + u'\n' + m_refusedPlace);
}

void SessionArchive::apply(const ArchiveSettings &settings, const QString &password)
{
    settings.store();
    if (settings.engine == Engine::Postgres && !password.isEmpty())
        keepPassword(settings.server, password);
    m_archive.reset();
    m_refusal.reset();
    m_refusalSaid = false;
}

void SessionArchive::keepPassword(const ServerLocation &server, const QString &password)
{
    m_passwords.insert(ArchiveKeyring::keyOf(server), password);
    const ArchiveKeyring::Answer stored = ArchiveKeyring().storePassword(server, password);
    if (stored.status != ArchiveKeyring::Status::Done)
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("Сховища паролів немає: пароль до сервера діятиме до кінця сеансу."),
                              stored.reason);
}
