#include "hexfile.h"

#include "frame.h"

namespace {

// Every field is read as hexadecimal; unreadable text gives the field's stated value.
int hexField(const QString &line, int position, int length, int fallback)
{
    bool ok = false;
    const int value = line.mid(position - 1, length).toInt(&ok, 16);
    return ok && line.size() >= position - 1 + length ? value : fallback;
}

bool onlyErasedBytes(const QString &dataText)
{
    for (QChar c : dataText) {
        if (c != u'F' && c != u'f')
            return false;
    }
    return true;
}

QByteArray dataBytes(const QString &dataText)
{
    constexpr int kUnreadableByte = 2;
    QByteArray bytes;
    for (int i = 0; i < dataText.size(); i += 2)
        bytes.append(char(hexField(dataText, i + 1, 2, kUnreadableByte)));
    return bytes;
}

void merge(QList<THexData> &merged, const THexData &line)
{
    if (!merged.isEmpty()) {
        THexData &last = merged.last();
        if (last.count + line.count <= kMergedBlockLimit && line.address == last.endAddress) {
            last.data += line.data;
            last.count = quint8(last.count + line.count);
            last.endAddress += line.count;
            return;
        }
    }
    merged.append(line);
}

} // namespace

void addHexLine(HexFirmware &firmware, const QString &line)
{
    constexpr int kUnreadableTarget = 2;
    const int address = hexField(line, 4, 4, 0);
    if (address < kFirstFirmwareAddress)
        return;
    if (address == kFirstFirmwareAddress) {
        firmware.hasTarget = true;
        firmware.deviceType = quint8(hexField(line, 18, 2, kUnreadableTarget));
        firmware.variant = quint8(hexField(line, 20, 2, kUnreadableTarget));
    }
    // A record carries at most what one frame can: longer lines are cut there.
    const int count = std::min(hexField(line, 2, 2, 0), frame::kMaxPayload - 2);
    const QString dataText = line.mid(9, 2 * count);
    if (dataText.isEmpty() || onlyErasedBytes(dataText))
        return;
    const QByteArray bytes = dataBytes(dataText);
    const THexData block{quint8(bytes.size()), quint16(address), address + qint32(bytes.size()), bytes};
    firmware.lines.append(block);
    merge(firmware.merged, block);
}

HexFirmware parseHex(const QStringList &lines)
{
    HexFirmware firmware;
    for (const QString &line : lines)
        addHexLine(firmware, line);
    return firmware;
}

QString firmwareDeviceName(quint8 deviceType, quint8 variant)
{
    const char *prefix = nullptr;
    switch (deviceType) {
    case 22: prefix = "КОРВЕЛ-8П (KVL8P-"; break;
    case 23: prefix = "КОРВЕЛ-4П (KVL4P-"; break;
    case 30: prefix = "КОРВЕЛ-16П (KVL16P-"; break;
    case 31: prefix = "КОРВЕЛ-16.64П (KVL64P-"; break;
    case 49: prefix = "ЗМУ-GSM.4 (ZMUGSM-"; break;
    default: return {};
    }
    return QString::fromUtf8(prefix) + QString::number(variant) + u')';
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
