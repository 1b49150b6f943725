#include "resumepoint.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace resumepoint {

namespace {

constexpr qint64 kMaxStateSize = 64 * 1024;
const QString kFile = QStringLiteral("file");
const QString kHash = QStringLiteral("sha256");
const QString kPort = QStringLiteral("port");
const QString kFrom = QStringLiteral("from");
const QString kCutEeprom = QStringLiteral("cutAgainstEeprom");
const QString kCutMemory = QStringLiteral("cutAgainstMemory");

QByteArray bytesOf(const QJsonObject &object, const QString &key)
{
    return QByteArray::fromBase64(object.value(key).toString().toLatin1());
}

} // namespace

QString statePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("resume.json"));
}

std::optional<ResumePoint> load()
{
    QFile file(statePath());
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxStateSize)
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    ResumePoint point{object.value(kFile).toString(), object.value(kHash).toString(),
                      object.value(kPort).toString(), object.value(kFrom).toInt(-1)};
    if (object.contains(kCutEeprom) || object.contains(kCutMemory))
        point.cutAgainst = SettingsImages{bytesOf(object, kCutEeprom), bytesOf(object, kCutMemory)};
    if (point.file.isEmpty() || point.sha256.isEmpty() || point.port.isEmpty() || point.from <= 0)
        return std::nullopt;
    return point;
}

bool store(const ResumePoint &point)
{
    QDir().mkpath(QFileInfo(statePath()).path());
    QSaveFile file(statePath());
    QJsonObject object{{kFile, point.file}, {kHash, point.sha256}, {kPort, point.port}, {kFrom, point.from}};
    if (point.cutAgainst) {
        object.insert(kCutEeprom, QString::fromLatin1(point.cutAgainst->eeprom.toBase64()));
        object.insert(kCutMemory, QString::fromLatin1(point.cutAgainst->memory.toBase64()));
    }
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(object).toJson()) > 0 && file.commit();
}

void clear()
{
    QFile::remove(statePath());
}

QString hashOfFile(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace resumepoint
