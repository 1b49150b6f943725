#include "eventrows.h"

#include "crc32.h"
#include "eventcodes.h"
#include "siterows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

const QString kEventFields = QStringLiteral(
    "device_id, uuid, kind, at_ms, port, operator_name, machine, outcome, type_code, variant, "
    "eeprom, eeprom_crc, memory, memory_crc, differences, file_path");

namespace {

using Code = ArchiveError::Code;

// Column positions within kEventFields.
enum Column {
    kDevice, kUuid, kKind, kAt, kPort, kOperator, kMachine, kOutcome, kType, kVariant,
    kEeprom, kEepromCrc, kMemory, kMemoryCrc, kDifferences, kFilePath,
};

const QString kGroup = QStringLiteral("group");
const QString kName = QStringLiteral("name");
const QString kFirst = QStringLiteral("first");
const QString kSecond = QStringLiteral("second");

qint64 crcOf(const QByteArray &image)
{
    Crc32 crc;
    crc.add(image);
    return crc.value();
}

QVariant blobOrNull(const QByteArray &image)
{
    return image.isEmpty() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(image);
}

QString differencesJson(const QList<Difference> &differences)
{
    QJsonArray array;
    for (const Difference &d : differences)
        array.append(QJsonObject{{kGroup, d.group}, {kName, d.name}, {kFirst, d.first}, {kSecond, d.second}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::optional<QList<Difference>> differencesFromJson(const QString &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isArray())
        return std::nullopt;
    QList<Difference> differences;
    for (const QJsonValue &value : document.array()) {
        const QJsonObject o = value.toObject();
        for (const QString &key : {kGroup, kName, kFirst, kSecond}) {
            if (!o.value(key).isString())
                return std::nullopt;
        }
        differences.append({o.value(kGroup).toString(), o.value(kName).toString(), o.value(kFirst).toString(),
                            o.value(kSecond).toString()});
    }
    return differences;
}

// Reads one image and its stored CRC; false when they disagree.
bool readImage(const QSqlQuery &query, int column, QByteArray &image, quint32 &crc)
{
    image = query.value(column).toByteArray();
    const qint64 stored = query.value(column + 1).toLongLong();
    crc = quint32(stored);
    return stored == crcOf(image);
}

} // namespace

QString eventPlaceholders()
{
    return u':' + QString(kEventFields).replace(QStringLiteral(", "), QStringLiteral(", :"));
}

ArchiveEvent completedEvent(const ArchiveEvent &event, const Author &defaultAuthor)
{
    ArchiveEvent done = event;
    if (done.uuid.isNull())
        done.uuid = QUuid::createUuid();
    done.at = msToUtc((done.at.isValid() ? done.at : QDateTime::currentDateTimeUtc()).toMSecsSinceEpoch());
    if (done.author.operatorName.isEmpty())
        done.author.operatorName = defaultAuthor.operatorName;
    if (done.author.machine.isEmpty())
        done.author.machine = defaultAuthor.machine;
    return done;
}

ArchiveError checkEvent(const ArchiveEvent &event)
{
    if (event.eeprom.size() > kMaxImageBytes || event.memory.size() > kMaxImageBytes)
        return ArchiveError::make(Code::ImageTooLarge, QString::number(qMax(event.eeprom.size(), event.memory.size())));
    return {};
}

QVariantMap eventValues(const ArchiveEvent &event)
{
    return {
        {QStringLiteral("device_id"), event.device ? QVariant(event.device) : QVariant(QMetaType::fromType<qint64>())},
        {QStringLiteral("uuid"), event.uuid.toString(QUuid::WithoutBraces)},
        {QStringLiteral("kind"), eventKindCode(event.kind)},
        {QStringLiteral("at_ms"), event.at.toMSecsSinceEpoch()},
        {QStringLiteral("port"), event.port},
        {QStringLiteral("operator_name"), event.author.operatorName},
        {QStringLiteral("machine"), event.author.machine},
        {QStringLiteral("outcome"), outcomeCode(event.outcome)},
        {QStringLiteral("type_code"), int(event.typeCode)},
        {QStringLiteral("variant"), int(event.variant)},
        {QStringLiteral("eeprom"), blobOrNull(event.eeprom)},
        {QStringLiteral("eeprom_crc"), crcOf(event.eeprom)},
        {QStringLiteral("memory"), blobOrNull(event.memory)},
        {QStringLiteral("memory_crc"), crcOf(event.memory)},
        {QStringLiteral("differences"), differencesJson(event.differences)},
        {QStringLiteral("file_path"), event.filePath},
    };
}

ArchiveResult<EventRecord> readEvent(const QSqlQuery &query, int first, qint64 rowId)
{
    const auto value = [&](int column) { return query.value(first + column); };
    const QString kindText = value(kKind).toString();
    const QString outcomeText = value(kOutcome).toString();
    const QString uuidText = value(kUuid).toString();
    const std::optional<EventKind> kind = eventKindFromCode(kindText);
    const std::optional<EventOutcome> outcome = outcomeFromCode(outcomeText);
    const std::optional<quint8> type = storedByte(value(kType));
    const std::optional<quint8> variant = storedByte(value(kVariant));
    const QUuid uuid = QUuid::fromString(uuidText);
    const std::pair<bool, QString> checks[] = {
        {kind.has_value(), archivedamage::unknownCode(QStringLiteral("kind"), kindText, rowId)},
        {outcome.has_value(), archivedamage::unknownCode(QStringLiteral("outcome"), outcomeText, rowId)},
        {!uuid.isNull(), archivedamage::unknownCode(QStringLiteral("uuid"), uuidText, rowId)},
        {type.has_value(), archivedamage::outOfRange(QStringLiteral("type_code"), rowId)},
        {variant.has_value(), archivedamage::outOfRange(QStringLiteral("variant"), rowId)},
    };
    for (const auto &[passed, damage] : checks) {
        if (!passed)
            return {{}, ArchiveError::make(Code::Damaged, damage)};
    }

    EventRecord record;
    record.id = rowId;
    ArchiveEvent &event = record.event;
    event = {uuid, value(kDevice).toLongLong(), *kind, msToUtc(value(kAt).toLongLong()), value(kPort).toString(),
             {value(kOperator).toString(), value(kMachine).toString()}, *outcome, *type, *variant,
             {}, {}, {}, value(kFilePath).toString()};
    QStringList damage;
    if (!readImage(query, first + kEeprom, event.eeprom, record.eepromCrc))
        damage.append(archivedamage::eepromCrc(rowId));
    if (!readImage(query, first + kMemory, event.memory, record.memoryCrc))
        damage.append(archivedamage::memoryCrc(rowId));
    const std::optional<QList<Difference>> differences = differencesFromJson(value(kDifferences).toString());
    if (differences)
        event.differences = *differences;
    else
        damage.append(archivedamage::differences(rowId));
    record.damage = damage.join(QStringLiteral("; "));
    return {record, {}};
}
