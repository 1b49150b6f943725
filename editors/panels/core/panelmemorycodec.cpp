#include "panelcodec.h"
#include "stationcodes.h"

namespace {

int headerOffset(HeaderBlock block)
{
    return headerBlock(block).imageOffset;
}

const std::array<int, 2> kObjectNumberOffsets{headerOffset(HeaderBlock::ObjectNumber1),
                                              headerOffset(HeaderBlock::ObjectNumber2)};
const std::array<int, 2> kTelephoneOffsets{headerOffset(HeaderBlock::Telephone1),
                                           headerOffset(HeaderBlock::Telephone2)};

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
    writeObjectNumbers(image, kObjectNumberOffsets, settings.objectNumbers);
    for (std::size_t n = 0; n < kTelephoneOffsets.size(); ++n)
        writeTelephone(image, kTelephoneOffsets[n], settings.telephones[n]);
    writeTestReport(image, headerOffset(HeaderBlock::TestReport), settings.testReport());
    writeSections(image, kSectionsImageOffset, panelSectionTable(model), settings.sectionFields,
                  settings.protocols);
}

MemoryDecodeReport decodeMemory(PanelModel model, const QByteArray &image,
                                PanelSettings &settings)
{
    settings.objectNumbers = readObjectNumbers(image, kObjectNumberOffsets);
    for (std::size_t n = 0; n < kTelephoneOffsets.size(); ++n)
        settings.telephones[n] = readTelephone(image, kTelephoneOffsets[n]);
    MemoryDecodeReport report;
    report.testReportAdjusted =
        readTestReport(image, headerOffset(HeaderBlock::TestReport), settings.testReport());
    readSections(image, kSectionsImageOffset, panelSectionTable(model), settings.sectionFields,
                 settings.protocols);
    return report;
}
