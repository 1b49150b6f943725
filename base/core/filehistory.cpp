#include "filehistory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kLastFolder = QStringLiteral("LastFolder");
const QString kRecent = QStringLiteral("RecentFiles");

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// A fresh account may have no documents folder yet.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

FileHistory::FileHistory()
    : m_store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VexLoad"), QStringLiteral("Files"))
{
}

// A folder since removed (a memory stick taken out) gives way to the documents folder.
QString FileHistory::startFolder() const
{
    const QString last = m_store.value(kLastFolder).toString();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : documentsFolder();
}

QString FileHistory::suggestedPath(const QString &fileName) const
{
    return QDir(startFolder()).filePath(fileName);
}

void FileHistory::noteUsed(const QString &path)
{
    m_store.setValue(kLastFolder, QFileInfo(absolute(path)).path());
    m_store.sync();
}

QStringList FileHistory::recentFiles() const
{
    return m_store.value(kRecent).toStringList().mid(0, kRecentLimit);
}

void FileHistory::addRecent(const QString &path)
{
    const QString file = absolute(path);
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    storeRecent(files.mid(0, kRecentLimit));
    noteUsed(file);
}

void FileHistory::removeRecent(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(absolute(path));
    storeRecent(files);
}

void FileHistory::storeRecent(const QStringList &files)
{
    m_store.setValue(kRecent, files);
    m_store.sync();
}
