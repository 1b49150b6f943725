#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

// Where the user's files are: the folder the file dialogs start in (the last one used, at
// first the user's documents folder) and the recently opened or saved files, most recent
// first. Kept per user, beside the port settings (organisation "VexLoad", application
// "Files"), so that neither a rebuild nor another copy of the program loses them.
class FileHistory
{
public:
    static constexpr int kRecentLimit = 8;

    FileHistory();

    QString startFolder() const;
    // `fileName` in the start folder: what a save dialog offers.
    QString suggestedPath(const QString &fileName) const;
    // The folder of `path` becomes the start folder.
    void noteUsed(const QString &path);

    QStringList recentFiles() const;
    // `path` goes to the top of the list (once) and its folder becomes the start folder.
    void addRecent(const QString &path);
    void removeRecent(const QString &path);

private:
    void storeRecent(const QStringList &files);

    QSettings m_store;
};
