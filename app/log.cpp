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

QString timestamp()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return locale.toString(now.date(), QLocale::ShortFormat) + u' '
           + locale.toString(now.time(), QLocale::LongFormat);
}

bool appendRecord(const QString &record)
{
    if (!QDir::current().mkpath(kLogFolder))
        return false;
    QFile file(kLogFile);
    const bool fresh = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray bytes;
    if (fresh)
        bytes = QByteArray(kLogHeader) + "\r\n";
    bytes += record.toUtf8() + "\r\n";
    return file.write(bytes) == bytes.size() && file.flush();
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
