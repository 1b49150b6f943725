#include "log.h"

#include "dialogs.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace {

const QString kLogFolder = QStringLiteral("Logs");
const QString kLogFile = QStringLiteral("Logs/VexLoader.log");

bool g_failureShown = false;
QString g_baseFolder;

// The records of an exchange come many to the second; the text is made once a second.
QString timestamp()
{
    static const QLocale locale = QLocale::system();
    static qint64 cachedSecond = -1;
    static QString cachedText;
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 second = now.toSecsSinceEpoch();
    if (second != cachedSecond) {
        cachedSecond = second;
        cachedText = locale.toString(now.date(), QLocale::ShortFormat) + u' '
                     + locale.toString(now.time(), QLocale::LongFormat);
    }
    return cachedText;
}

// The log stays open between records (every frame of an exchange is logged, and an open
// and close per frame costs more than the frame's own handling), but nothing is buffered:
// each record reaches the file before WriteLog returns. It is opened anew when the current
// directory (or the base folder) has changed or the file has been removed meanwhile.
class LogFile
{
public:
    bool append(const QByteArray &record)
    {
        if (ensureOpen() && writeRecord(record))
            return true;
        m_file.close(); // the file may have gone away under us: one fresh try
        return ensureOpen() && writeRecord(record);
    }

private:
    bool ensureOpen()
    {
        const QString folder = g_baseFolder.isEmpty() ? QDir::currentPath() : g_baseFolder;
        if (m_file.isOpen() && folder == m_folder && m_file.exists())
            return true;
        m_file.close();
        m_folder = folder;
        m_file.setFileName(QDir(folder).filePath(kLogFile));
        const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
        return m_file.open(mode) || (QDir(folder).mkpath(kLogFolder) && m_file.open(mode));
    }

    bool writeRecord(const QByteArray &record)
    {
        QByteArray bytes;
        if (m_file.size() == 0)
            bytes = QByteArray(kLogHeader) + "\r\n";
        bytes += record + "\r\n";
        return m_file.write(bytes) == bytes.size();
    }

    QFile m_file;
    QString m_folder;
};

bool appendRecord(const QString &record)
{
    static LogFile log;
    return log.append(record.toUtf8());
}

} // namespace

void WriteLog(const QString &message, const QString &module, const QString &procedure)
{
    const QString record = timestamp() + u';' + message + u';' + module + u';' + procedure + u';';
    if (appendRecord(record)) {
        g_failureShown = false;
        return;
    }
    if (g_failureShown)
        return;
    g_failureShown = true;
    dialogs().showMessage(Dialogs::Kind::Error,
                          QStringLiteral("Ошибка \"Запись в лог\" (u_Common.WriteLog)"));
}

void setLogBaseFolder(const QString &folder)
{
    g_baseFolder = folder;
}

QString hexFrame(const QByteArray &frame)
{
    static const char kDigits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(frame.size() * 3);
    for (char byte : frame) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(QLatin1Char(kDigits[value >> 4]));
        text.append(QLatin1Char(kDigits[value & 0x0F]));
        text.append(u' ');
    }
    return text;
}
