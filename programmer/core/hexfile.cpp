#include "hexfile.h"

#include "crc32.h"

#include <QFile>

#include <algorithm>

namespace {

using Reason = HexError::Reason;

constexpr int kTargetTypeIndex = 4;
constexpr int kTargetVariantIndex = 5;

bool onlyErasedBytes(const QByteArray &data)
{
    return std::all_of(data.cbegin(), data.cend(), [](char c) { return c == '\xFF'; });
}

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

// Consecutive blocks joined while they continue each other and stay within 24 bytes.
QList<THexData> mergeBlocks(const QList<THexData> &blocks)
{
    QList<THexData> merged;
    for (const THexData &block : blocks) {
        if (!merged.isEmpty()) {
            THexData &last = merged.last();
            if (last.count + block.count <= kMergedBlockLimit && block.address == last.endAddress) {
                last.data += block.data;
                last.count = quint8(last.count + block.count);
                last.endAddress += block.count;
                continue;
            }
        }
        merged.append(block);
    }
    return merged;
}

class FirmwareCollector
{
public:
    void add(const HexRecord &record)
    {
        if (record.address < kFirstFirmwareAddress)
            return;
        if (record.address == kFirstFirmwareAddress && record.data.size() > kTargetVariantIndex) {
            m_firmware.hasTarget = true;
            m_firmware.deviceType = quint8(record.data.at(kTargetTypeIndex));
            m_firmware.variant = quint8(record.data.at(kTargetVariantIndex));
        }
        m_crc.add(record.data);
        if (record.data.isEmpty() || onlyErasedBytes(record.data))
            return;
        const auto count = quint8(record.data.size());
        m_firmware.lines.append({count, record.address, record.address + count, record.data});
    }

    HexFirmware finish()
    {
        m_firmware.merged = mergeBlocks(splitBlocks(m_firmware.lines, kMergedBlockLimit));
        m_firmware.crc32 = m_crc.value();
        return m_firmware;
    }

private:
    HexFirmware m_firmware;
    Crc32 m_crc;
};

HexParseResult refused(HexError error, int line)
{
    HexParseResult result;
    result.error = error;
    result.error.line = line;
    return result;
}

} // namespace

HexParseResult parseHex(QByteArrayView text)
{
    FirmwareCollector collector;
    bool ended = false;
    int lineNumber = 0;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = withoutLineEnd(text.sliced(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.isEmpty())
            continue;
        if (ended)
            return refused({Reason::DataAfterEnd}, lineNumber);
        const ParsedHexRecord parsed = parseHexRecord(line);
        if (parsed.error.reason != Reason::None)
            return refused(parsed.error, lineNumber);
        ended = parsed.record.type == HexRecordType::EndOfFile;
        if (parsed.record.type == HexRecordType::Data)
            collector.add(parsed.record);
    }
    if (!ended)
        return refused({Reason::NoEndRecord}, 0); // the file as a whole: its end is missing
    return {collector.finish(), {}};
}

HexFile readHexFile(const QString &path)
{
    HexFile file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        file.parsed.error.reason = Reason::FileUnreadable;
        return file;
    }
    file.size = input.size();
    if (file.size <= kMaxHexFileSize) {
        const QByteArray text = input.read(kMaxHexFileSize + 1); // a device or a pipe reports no size
        if (input.error() != QFileDevice::NoError) {
            file.parsed.error.reason = Reason::FileUnreadable;
            return file;
        }
        file.size = std::max<qint64>(file.size, text.size());
        if (text.size() <= kMaxHexFileSize) {
            file.parsed = parseHex(text);
            return file;
        }
    }
    file.parsed.error = {Reason::FileTooLarge, 0, 0, kMaxHexFileSize, file.size};
    return file;
}

FirmwareExtent extentOf(const QList<THexData> &blocks)
{
    FirmwareExtent extent;
    if (blocks.isEmpty())
        return extent;
    extent.first = blocks.first().address;
    extent.last = blocks.first().endAddress - 1;
    for (const THexData &block : blocks) {
        extent.first = std::min<int>(extent.first, block.address);
        extent.last = std::max(extent.last, block.endAddress - 1);
        extent.bytes += block.count;
    }
    return extent;
}
