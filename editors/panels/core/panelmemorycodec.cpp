#include "panelcodec.h"
#include "panelencoding.h"

namespace {

constexpr std::array<HeaderBlock, 2> kObjectNumberBlocks{HeaderBlock::ObjectNumber1,
                                                         HeaderBlock::ObjectNumber2};
constexpr std::array<HeaderBlock, 2> kTelephoneBlocks{HeaderBlock::Telephone1,
                                                      HeaderBlock::Telephone2};

int headerOffset(HeaderBlock block)
{
    return headerBlock(block).imageOffset;
}

// Test-report byte i holds spinner ud8 + i.
PanelSpinner testReportSpinner(int field)
{
    return PanelSpinner(int(PanelSpinner::ReportHour) + field);
}

quint8 sectionFieldByte(const PanelSettings &settings, int sectionIndex, int field)
{
    if (isProtocolField(sectionIndex, field)) {
        const int index = settings.protocols[std::size_t(telephoneOfSection(sectionIndex))];
        return index >= 0 && index < kProtocolCount ? quint8(index) : 0;
    }
    return hexPairValue(settings.sectionFields[std::size_t(sectionIndex)][std::size_t(field - 1)]);
}

void writeSections(PanelModel model, const PanelSettings &settings, QByteArray &image)
{
    for (int i = 0; i < kSectionCount; ++i) {
        const MemoryBlock block = sectionBlock(model, i);
        for (int field = 1; field <= block.length; ++field)
            putByte(image, block.imageOffset + field - 1, sectionFieldByte(settings, i, field));
    }
}

// A stored protocol that the combo does not list leaves the combo without a selection.
int protocolIndex(quint8 byte)
{
    return byte < kProtocolCount ? byte : -1;
}

void readSection(PanelModel model, int sectionIndex, const QByteArray &image,
                 PanelSettings &settings)
{
    const MemoryBlock block = sectionBlock(model, sectionIndex);
    SectionFieldTexts &texts = settings.sectionFields[std::size_t(sectionIndex)];
    texts = SectionFieldTexts{};
    for (int field = 1; field <= block.length; ++field) {
        const quint8 byte = byteAt(image, block.imageOffset + field - 1);
        if (isProtocolField(sectionIndex, field))
            settings.protocols[std::size_t(telephoneOfSection(sectionIndex))] = protocolIndex(byte);
        else
            texts[std::size_t(field - 1)] = hexPairText(byte);
    }
}

void readTelephone(const QByteArray &image, int offset, PanelTelephone &telephone)
{
    telephone.codeString = telephoneCodeStringAt(image, offset);
    const TelephoneDisplay display = telephoneDisplay(telephone.codeString);
    telephone.text = display.text;
    telephone.tone = display.tone;
}

void writeTestReport(const PanelSettings &settings, QByteArray &image)
{
    const int offset = headerOffset(HeaderBlock::TestReport);
    for (int field = 0; field < kTestReportFieldCount; ++field) {
        const PanelSpinner spinner = testReportSpinner(field);
        putByte(image, offset + field,
                bcdByte(spinnerRange(spinner).clamp(settings.spinner(spinner))));
    }
}

MemoryDecodeReport readTestReport(const QByteArray &image, PanelSettings &settings)
{
    MemoryDecodeReport report;
    const int offset = headerOffset(HeaderBlock::TestReport);
    for (int field = 0; field < kTestReportFieldCount; ++field) {
        const PanelSpinner spinner = testReportSpinner(field);
        const BcdValue stored = decodeBcd(byteAt(image, offset + field));
        const int shown = spinnerRange(spinner).clamp(stored.value);
        settings.spinner(spinner) = shown;
        report.testReportAdjusted[std::size_t(field)] = !stored.valid || shown != stored.value;
    }
    return report;
}

} // namespace

bool MemoryDecodeReport::anyAdjusted() const
{
    return std::find(testReportAdjusted.begin(), testReportAdjusted.end(), true)
        != testReportAdjusted.end();
}

QByteArray encodeMemory(PanelModel model, const PanelSettings &settings)
{
    QByteArray image(panelModelInfo(model).memorySize, '\0');
    writeMemory(model, settings, image);
    return image;
}

void writeMemory(PanelModel model, const PanelSettings &settings, QByteArray &image)
{
    for (std::size_t n = 0; n < kObjectNumberBlocks.size(); ++n)
        writeWord(image, headerOffset(kObjectNumberBlocks[n]),
                  hexWordValue(settings.objectNumbers[n], 0));
    for (std::size_t n = 0; n < kTelephoneBlocks.size(); ++n)
        putBytes(image, headerOffset(kTelephoneBlocks[n]),
                 telephoneBytes(settings.telephones[n].codeString));
    writeTestReport(settings, image);
    writeSections(model, settings, image);
}

MemoryDecodeReport decodeMemory(PanelModel model, const QByteArray &image,
                                PanelSettings &settings)
{
    for (std::size_t n = 0; n < kObjectNumberBlocks.size(); ++n)
        settings.objectNumbers[n] = hexWordText(readWord(image, headerOffset(kObjectNumberBlocks[n])));
    for (std::size_t n = 0; n < kTelephoneBlocks.size(); ++n)
        readTelephone(image, headerOffset(kTelephoneBlocks[n]), settings.telephones[n]);
    const MemoryDecodeReport report = readTestReport(image, settings);
    for (int i = 0; i < kSectionCount; ++i)
        readSection(model, i, image, settings);
    return report;
}
