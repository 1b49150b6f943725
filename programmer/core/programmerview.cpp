#include "programmerview.h"

#include "registry.h"

#include <QFileInfo>

namespace {

using Reason = HexError::Reason;

QString hex(qint64 value, int digits)
{
    return QStringLiteral("0x") + QString::number(value, 16).rightJustified(digits, u'0').toUpper();
}

QString byteCount(qint64 bytes)
{
    return QStringLiteral("%1 байтів").arg(bytes);
}

// A character of a damaged line as the user can find it in an editor.
QString shownCharacter(qint64 code)
{
    if (code > 0x20 && code < 0x7F)
        return QStringLiteral("«%1»").arg(QChar(char16_t(code)));
    return QStringLiteral("з кодом %1").arg(hex(code, 2));
}

QString reasonText(const HexError &e)
{
    switch (e.reason) {
    case Reason::None: return {};
    case Reason::FileUnreadable: return QStringLiteral("Файл не вдалося прочитати");
    case Reason::FileTooLarge:
        return QStringLiteral("Файл завеликий для прошивки: %1 байтів, а дозволено не більше %2 МіБ")
            .arg(e.found).arg(e.expected / (1024 * 1024));
    case Reason::NoStartColon: return QStringLiteral("запис не починається з двокрапки");
    case Reason::NotHexDigit:
        return QStringLiteral("символ %1 у позиції %2 не є шістнадцятковою цифрою")
            .arg(shownCharacter(e.found)).arg(e.column);
    case Reason::LengthMismatch:
        return QStringLiteral("довжина запису не відповідає лічильнику байтів: після двокрапки "
                              "%1 цифр, а має бути %2 (рядок обрізано або подовжено)")
            .arg(e.found).arg(e.expected);
    case Reason::BadChecksum:
        return QStringLiteral("неправильна контрольна сума: %1, а має бути %2")
            .arg(hex(e.found, 2), hex(e.expected, 2));
    case Reason::UnknownType: return QStringLiteral("невідомий тип запису %1").arg(hex(e.found, 2));
    case Reason::BadRecordLength:
        return QStringLiteral("запис цього типу має містити %1 байтів даних, а містить %2")
            .arg(e.expected).arg(e.found);
    case Reason::UpperAddress:
        return QStringLiteral("розширена адреса %1 виходить за межі 64 КБ, які адресує прилад")
            .arg(hex(e.found, 4));
    case Reason::PastAddressSpace:
        return QStringLiteral("дані виходять за адресу 0xFFFF");
    case Reason::DataAfterEnd: return QStringLiteral("запис після запису кінця файлу");
    case Reason::NoEndRecord:
        return QStringLiteral("Файл закінчується без запису кінця файлу (мабуть, його обрізано)");
    }
    return {};
}

} // namespace

QString firmwareDeviceName(quint8 deviceType, quint8 variant)
{
    const std::optional<Model> model = modelByTypeCode(deviceType);
    const char *name = model ? modelInfo(*model).firmwareName : nullptr;
    if (!name)
        return {};
    return QString::fromUtf8(name) + QString::number(variant) + u')';
}

QString deviceDescription(quint8 deviceType, quint8 variant)
{
    const QString name = firmwareDeviceName(deviceType, variant);
    if (!name.isEmpty())
        return name;
    return QStringLiteral("прилад з кодом типу %1, варіант %2").arg(deviceType).arg(variant);
}

QStringList programmerTargets(qint32 baudRate)
{
    const QString device = QStringLiteral("--------------   в прилад   --------------");
    const QString configurator = QStringLiteral("----------   в программатор  ----------");
    if (baudRate == 9600)
        return {device};
    if (baudRate == 38400)
        return {device, configurator};
    return {};
}

QString hexErrorText(const HexError &error)
{
    const QString reason = reasonText(error);
    return error.line > 0 ? QStringLiteral("Рядок %1: %2").arg(error.line).arg(reason) : reason;
}

FirmwareSummary summarize(const QString &fileName, const HexFile &file)
{
    FirmwareSummary s;
    s.fileName = QFileInfo(fileName).fileName();
    s.size = byteCount(file.size);
    const HexFirmware &firmware = file.parsed.firmware;
    if (!file.parsed.ok()) {
        s.state = QStringLiteral("Файл не можна завантажити. ") + hexErrorText(file.parsed.error);
        return s;
    }
    const FirmwareExtent extent = extentOf(firmware.lines);
    s.bytes = byteCount(extent.bytes);
    s.crc = QStringLiteral("%1").arg(firmware.crc32, 8, 16, QLatin1Char('0')).toUpper();
    s.device = firmware.hasTarget ? deviceDescription(firmware.deviceType, firmware.variant)
                                  : QStringLiteral("(невизначено)");
    if (extent.bytes == 0) {
        s.state = QStringLiteral("У файлі немає даних прошивки для запису");
        return s;
    }
    s.addresses = hex(extent.first, 4) + QStringLiteral(" – ") + hex(extent.last, 4);
    s.state = QStringLiteral("Файл перевірено, його можна завантажити");
    s.loadable = true;
    return s;
}

FirmwareJob firmwareJob(const HexFirmware &firmware, bool toConfigurator)
{
    FirmwareJob job{toConfigurator, toConfigurator ? firmware.merged : firmware.lines, std::nullopt};
    if (firmware.hasTarget)
        job.target = DeviceIdentity{firmware.deviceType, firmware.variant};
    return job;
}

QString confirmationQuestion(const HexFirmware &firmware, const std::optional<DeviceIdentity> &connected)
{
    const QString ask = QStringLiteral("\nЗаписати її попри це?");
    if (!firmware.hasTarget && !connected)
        return QStringLiteral("Файл не називає модель приладу, для якої ця прошивка."
                              "\nЗаписати її в программатор попри це?");
    if (!connected)
        return {};
    const QString device = deviceDescription(connected->deviceType, connected->variant);
    if (!firmware.hasTarget)
        return QStringLiteral("Файл не називає модель приладу, для якої ця прошивка; "
                              "підключено «%1».").arg(device) + ask;
    if (firmwareFits(firmwareJob(firmware, false).target, *connected))
        return {};
    return QStringLiteral("Прошивка призначена для «%1», а підключено «%2».")
               .arg(deviceDescription(firmware.deviceType, firmware.variant), device) + ask;
}
