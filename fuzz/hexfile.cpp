// Intel HEX reader: any text is either refused with a reason or gives firmware whose blocks
// stay in the device's address space; the blocks for the configurator carry the same bytes
// at the same addresses as the device's; and the firmware written out again as HEX text
// reads back as the same blocks.
#include "fuzzcheck.h"
#include "hexfile.h"

#include <QList>
#include <utility>

namespace {

using AddressedBytes = QList<std::pair<int, char>>;

AddressedBytes addressedBytes(const QList<THexData> &blocks)
{
    AddressedBytes bytes;
    for (const THexData &block : blocks) {
        for (int i = 0; i < block.data.size(); ++i)
            bytes.append({block.address + i, block.data.at(i)});
    }
    return bytes;
}

void checkBlock(const THexData &block, int sizeLimit)
{
    FUZZ_CHECK(block.data.size() == block.count);
    FUZZ_CHECK(block.count > 0 && block.count <= sizeLimit);
    FUZZ_CHECK(block.address >= kFirstFirmwareAddress);
    FUZZ_CHECK(block.endAddress == block.address + block.count);
    FUZZ_CHECK(block.endAddress <= 0x10000);
}

QByteArray hexRecord(quint8 type, quint16 address, const QByteArray &data)
{
    QByteArray bytes;
    bytes.append(char(data.size()));
    bytes.append(char(address >> 8));
    bytes.append(char(address & 0xFF));
    bytes.append(char(type));
    bytes.append(data);
    quint8 sum = 0;
    for (const char c : bytes)
        sum = quint8(sum + quint8(c));
    bytes.append(char(quint8(-sum)));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

QByteArray hexText(const QList<THexData> &blocks)
{
    QByteArray text;
    for (const THexData &block : blocks)
        text += hexRecord(0x00, block.address, block.data);
    return text + hexRecord(0x01, 0, QByteArray());
}

bool sameBlocks(const QList<THexData> &a, const QList<THexData> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].address != b[i].address || a[i].count != b[i].count || a[i].data != b[i].data)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const HexParseResult result = parseHex(text);
    if (!result.ok()) {
        FUZZ_CHECK(result.firmware.lines.isEmpty() && result.firmware.merged.isEmpty());
        FUZZ_CHECK(result.error.line >= 0 && result.error.line <= text.count('\n') + 1);
        return 0;
    }
    for (const THexData &block : result.firmware.lines)
        checkBlock(block, 255);
    for (const THexData &block : result.firmware.merged)
        checkBlock(block, kMergedBlockLimit);
    FUZZ_CHECK(addressedBytes(result.firmware.lines) == addressedBytes(result.firmware.merged));

    const HexParseResult again = parseHex(hexText(result.firmware.lines));
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(sameBlocks(again.firmware.lines, result.firmware.lines));
    return 0;
}
