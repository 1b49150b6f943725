#include "stationcodes.h"

#include "panelencoding.h"

QStringList protocolItems()
{
    return {QStringLiteral("20BPS"), QStringLiteral("Ademco Express"),
            QStringLiteral("Contact ID"), QStringLiteral("10BPS")};
}

void writeObjectNumbers(QByteArray &image, const std::array<int, 2> &offsets,
                        const std::array<QString, 2> &numbers)
{
    for (std::size_t n = 0; n < offsets.size(); ++n)
        writeWord(image, offsets[n], hexWordValue(numbers[n], 0));
}

std::array<QString, 2> readObjectNumbers(const QByteArray &image, const std::array<int, 2> &offsets)
{
    return {hexWordText(readWord(image, offsets[0])), hexWordText(readWord(image, offsets[1]))};
}

void writeTelephone(QByteArray &image, int offset, const TelephoneNumber &number)
{
    putBytes(image, offset, telephoneBytes(number.codeString));
}

TelephoneNumber readTelephone(const QByteArray &image, int offset)
{
    const QString codeString = telephoneCodeStringAt(image, offset);
    const TelephoneDisplay display = telephoneDisplay(codeString);
    return {display.text, codeString, display.tone};
}

void writeTestReport(QByteArray &image, int offset, std::span<const int, kTestReportFieldCount> values)
{
    for (int field = 0; field < kTestReportFieldCount; ++field)
        putByte(image, offset + field, bcdByte(kTestReportRanges[std::size_t(field)].clamp(values[std::size_t(field)])));
}

TestReportAdjusted readTestReport(const QByteArray &image, int offset,
                                  std::span<int, kTestReportFieldCount> values)
{
    TestReportAdjusted adjusted{};
    for (int field = 0; field < kTestReportFieldCount; ++field) {
        const BcdValue stored = decodeBcd(byteAt(image, offset + field));
        const int shown = kTestReportRanges[std::size_t(field)].clamp(stored.value);
        values[std::size_t(field)] = shown;
        adjusted[std::size_t(field)] = !stored.valid || shown != stored.value;
    }
    return adjusted;
}

void writeSections(QByteArray &image, int offset, const SectionTable &table,
                   std::span<const SectionFieldTexts> fields, std::span<const int> lists)
{
    const int listCount = int(table.listItems.size());
    for (int i = 0; i < table.sections.size() && std::size_t(i) < fields.size(); ++i) {
        const SectionEntry &section = table.sections.at(i);
        const int slot = listFieldSlot(table, i);
        for (int field = 1; field <= section.fieldCount(); ++field, ++offset) {
            if (field == section.listField && slot >= 0 && std::size_t(slot) < lists.size()) {
                const int item = lists[std::size_t(slot)];
                putByte(image, offset, item >= 0 && item < listCount ? quint8(item) : 0);
            } else {
                putByte(image, offset, hexPairValue(fields[std::size_t(i)][std::size_t(field - 1)]));
            }
        }
    }
}

void readSections(const QByteArray &image, int offset, const SectionTable &table,
                  std::span<SectionFieldTexts> fields, std::span<int> lists)
{
    const int listCount = int(table.listItems.size());
    for (int i = 0; i < table.sections.size() && std::size_t(i) < fields.size(); ++i) {
        const SectionEntry &section = table.sections.at(i);
        const int slot = listFieldSlot(table, i);
        SectionFieldTexts &texts = fields[std::size_t(i)];
        texts = SectionFieldTexts{};
        for (int field = 1; field <= section.fieldCount(); ++field, ++offset) {
            const quint8 byte = byteAt(image, offset);
            if (field == section.listField && slot >= 0 && std::size_t(slot) < lists.size())
                lists[std::size_t(slot)] = byte < listCount ? byte : -1;
            else
                texts[std::size_t(field - 1)] = hexPairText(byte);
        }
    }
}
