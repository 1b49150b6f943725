#include "archivetexts.h"

#include "registry.h"

QString eventKindText(EventKind kind)
{
    switch (kind) {
    case EventKind::Read: return QStringLiteral("читання");
    case EventKind::Write: return QStringLiteral("запис");
    case EventKind::CheckedWrite: return QStringLiteral("перевірений запис");
    case EventKind::Compare: return QStringLiteral("порівняння");
    case EventKind::FirmwareFlash: return QStringLiteral("прошивка");
    case EventKind::SlotRead: return QStringLiteral("читання слоту");
    case EventKind::SlotWrite: return QStringLiteral("запис слоту");
    case EventKind::FileSaved: return QStringLiteral("файл збережено");
    case EventKind::FileOpened: break;
    }
    return QStringLiteral("файл відкрито");
}

QString outcomeText(EventOutcome outcome)
{
    switch (outcome) {
    case EventOutcome::Done: return QStringLiteral("виконано");
    case EventOutcome::Differs: return QStringLiteral("з відмінностями");
    case EventOutcome::Failed: return QStringLiteral("помилка");
    case EventOutcome::Cancelled: break;
    }
    return QStringLiteral("скасовано");
}

QString crcText(quint32 crc, const QByteArray &image)
{
    if (image.isEmpty())
        return QStringLiteral("—");
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper();
}

QString eventTimeText(const QDateTime &at, const QTimeZone &zone)
{
    return at.toTimeZone(zone).toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString eventLabel(const EventRecord &record, const QTimeZone &zone)
{
    return eventKindText(record.event.kind) + u' ' + eventTimeText(record.event.at, zone);
}

QString modelName(const DeviceDefinition &definition)
{
    if (!definition.links.isEmpty())
        return QString::fromUtf8(definition.links.first().heading);
    return definition.title(definition.acceptedVariants.value(0));
}

QString deviceTitle(quint8 typeCode, quint8 variant)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    if (!model)
        return QStringLiteral("невідомий прилад (тип %1)").arg(typeCode);
    const QString title = editorTitle(*model, variant);
    return title.isEmpty() ? modelName(modelInfo(*model)) : title;
}

QString withArchivedMark(const QString &text, bool archived)
{
    return archived ? text + QStringLiteral(" (приховано)") : text;
}

QStringList siteHeaders()
{
    return {QStringLiteral("Об'єкт"), QStringLiteral("Адреса"), QStringLiteral("Контакт")};
}

QStringList siteCells(const SiteRecord &site)
{
    return {withArchivedMark(site.info.name, site.archived), site.info.address, site.info.contact};
}

QStringList deviceHeaders()
{
    return {QStringLiteral("Прилад"), QStringLiteral("Об'єктовий номер"), QStringLiteral("Місце"),
            QStringLiteral("Примітки")};
}

QStringList deviceCells(const DeviceRecord &device)
{
    const DeviceInfo &d = device.info;
    return {withArchivedMark(deviceTitle(d.typeCode, d.variant), device.archived), d.objectNumber, d.place, d.notes};
}

QStringList timelineHeaders()
{
    return {QStringLiteral("Дата і час"), QStringLiteral("Дія"),           QStringLiteral("Результат"),
            QStringLiteral("Оператор"),   QStringLiteral("Комп'ютер"),     QStringLiteral("Порт"),
            QStringLiteral("CRC-32 EEPROM"), QStringLiteral("CRC-32 пам'яті")};
}

QStringList timelineCells(const EventRecord &record, const QTimeZone &zone)
{
    const ArchiveEvent &e = record.event;
    return {eventTimeText(e.at, zone),
            eventKindText(e.kind),
            outcomeText(e.outcome),
            e.author.operatorName,
            e.author.machine,
            e.port,
            crcText(record.eepromCrc, e.eeprom),
            crcText(record.memoryCrc, e.memory)};
}
