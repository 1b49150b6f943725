#include "systempanelcodec.h"

#include "panelencoding.h"
#include "systempanelmap.h"

namespace {

// The zone grid, times, test report, numbers and sections lie as in the 16-zone panel.
constexpr PanelModel kLayoutOf = PanelModel::SixteenZone;

constexpr TimingLayout kTiming{.lineFault = kLineFaultOffset, .siren = kSirenOffset,
                               .coincidence = kCoincidenceOffset};

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isDecimalPair(QStringView pair)
{
    return pair.size() == 2 && isDecimalDigit(pair[0]) && isDecimalDigit(pair[1]);
}

void writeAccessCode(QByteArray &image, int offset, const QString &text, const AccessCodeBytes &fallback)
{
    const AccessCodeBytes bytes = accessCodeBytes(text, fallback);
    for (int i = 0; i < kAccessCodeBytes; ++i)
        putByte(image, offset + i, bytes[std::size_t(i)]);
}

AccessCodeText readAccessCode(const QByteArray &image, int offset)
{
    AccessCodeBytes bytes{};
    for (int i = 0; i < kAccessCodeBytes; ++i)
        bytes[std::size_t(i)] = byteAt(image, offset + i);
    return accessCodeText(bytes);
}

} // namespace

AccessCodeBytes accessCodeBytes(const QString &text, const AccessCodeBytes &fallback)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > kAccessCodeDigits)
        return fallback;
    const QString padded = digits.rightJustified(kAccessCodeDigits, u'0');
    AccessCodeBytes bytes{};
    for (int i = 0; i < kAccessCodeBytes; ++i) {
        const QStringView pair = QStringView(padded).mid(2 * i, 2);
        bytes[std::size_t(i)] = isDecimalPair(pair) ? bcdByte(pair.toInt()) : fallback[std::size_t(i)];
    }
    return bytes;
}

AccessCodeText accessCodeText(const AccessCodeBytes &bytes)
{
    int value = 0;
    bool exact = true;
    for (quint8 byte : bytes) {
        const BcdValue pair = decodeBcd(byte);
        value = value * 100 + pair.value;
        exact = exact && pair.valid;
    }
    return {QString::number(value), exact};
}

QByteArray encodeSystemPanelEeprom(const SystemPanelSettings &settings)
{
    QByteArray image(kSystemPanelEepromSize, '\0');
    encodeZoneGrid(zoneGridLayout(kLayoutOf), settings.panel, image);
    encodeTiming(kTiming, settings.panel, image);
    writeAccessCode(image, kAccessCode2Offset, settings.panel.accessCode2, kAccessCode2Fallback);
    writeAccessCode(image, kAccessCode3Offset, settings.panel.accessCode3, kAccessCode3Fallback);
    return image;
}

SystemPanelEepromReport decodeSystemPanelEeprom(const QByteArray &image, SystemPanelSettings &settings)
{
    decodeZoneGrid(zoneGridLayout(kLayoutOf), image, settings.panel);
    decodeTiming(kTiming, image, settings.panel);
    SystemPanelEepromReport report;
    const std::array<std::pair<int, QString *>, 2> codes{{
        {kAccessCode2Offset, &settings.panel.accessCode2},
        {kAccessCode3Offset, &settings.panel.accessCode3},
    }};
    for (std::size_t n = 0; n < codes.size(); ++n) {
        const AccessCodeText code = readAccessCode(image, codes[n].first);
        *codes[n].second = code.text;
        report.accessCodeAdjusted[n] = !code.exact;
    }
    return report;
}

QByteArray encodeSystemPanelMemory(const SystemPanelSettings &settings)
{
    QByteArray image(kSystemPanelMemorySize, '\0');
    writeMemory(kLayoutOf, settings.panel, image);
    settings.system.encode(image);
    return image;
}

MemoryDecodeReport decodeSystemPanelMemory(const QByteArray &image, SystemPanelSettings &settings)
{
    const MemoryDecodeReport report = decodeMemory(kLayoutOf, image, settings.panel);
    settings.system.decode(image);
    return report;
}

QByteArray defaultSystemPanelEeprom()
{
    QByteArray image(kSystemPanelEepromSize, '\0');
    writeZoneSet(image, zoneGridLayout(kLayoutOf).offsets[std::size_t(ZoneSet::Closed)], 2, 0xFFFF);
    return image;
}

QByteArray defaultSystemPanelMemory()
{
    return QByteArray(kSystemPanelMemorySize, '\0');
}
