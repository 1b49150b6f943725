#pragma once

#include "archivesettings.h"
#include "sitearchive.h"

#include <QHash>
#include <memory>
#include <optional>

class QWidget;

// The site archive of one vexloader session, opened from the user's archive settings when it
// is first needed. A server's password comes from the system keyring, else it is asked once a
// session. An archive that cannot be opened (no driver, damaged, written by a newer program,
// out of reach) is said once, and the session goes on without it until the settings change.
class SessionArchive
{
public:
    // Boxes are shown over `window`.
    explicit SessionArchive(QWidget *window);
    ~SessionArchive();
    SessionArchive(const SessionArchive &) = delete;
    SessionArchive &operator=(const SessionArchive &) = delete;

    // The archive; null while switched off or refused. Switched off, nothing is asked or said
    // unless `asked`; a refusal is said the first time, and each time `asked` (the user asked
    // for the archive itself).
    SiteArchive *archive(bool asked = false);
    // Stores `settings`; a server `password` (empty: as before) goes to the keyring and is
    // kept for the session. The archive is opened anew from the settings when next needed.
    void apply(const ArchiveSettings &settings, const QString &password);

private:
    void open(const ArchiveSettings &settings);
    QString passwordFor(const ServerLocation &server);
    void keepPassword(const ServerLocation &server, const QString &password);
    void sayRefused();

    QWidget *m_window;
    std::unique_ptr<SiteArchive> m_archive;
    std::optional<ArchiveError> m_refusal;
    QString m_refusedPlace; // the file or the server refused
    bool m_refusalSaid = false;
    QHash<QString, QString> m_passwords; // given this session, by ArchiveKeyring::keyOf
};
