#include "panelreport.h"

#include "stationcodes.h"

namespace {

using Lines = RtfLines;

using namespace rtfpiece;

constexpr char kZoneTabStops[] = R"(\tx426\tx1704\tx3408\tx5254\tx6106\tx7100\tx7952)";
constexpr char kLastZoneTabStop16[] = R"(\tx8946)";
constexpr char kLastZoneTabStop[] = R"(\tx8804)"; // 4- and 8-zone
constexpr char kSectionTitlesFormat[] = R"(\par \tx4828\b)";
constexpr char kSectionFieldsFormat[] = R"(\par \pard\tx284\tx3692\tx5112\tx8520\b0)";

bool isSixteenZone(PanelModel model) { return model == PanelModel::SixteenZone; }

QString notSupported() { return QStringLiteral("не підтримується"); }

// "КОРВЕЛ-4П (KVL4P-2)" becomes "КОРВЕЛ - 4П (KVL4P-2)".
QString reportTitle(const QString &editorTitle)
{
    QString title = editorTitle;
    const qsizetype dash = title.indexOf(u'-');
    if (dash >= 0)
        title.replace(dash, 1, QStringLiteral(" - "));
    return title;
}

// The report's column headings write "АЗПЗ1" where the zone grid shows "АЗПЗ 1".
QStringList zoneHeadings(PanelModel model)
{
    QStringList headings{QStringLiteral("№ ЗОНИ"), QStringLiteral("ТИП СПОВІЩУВАЧА"),
                         QStringLiteral("РЕЖИМ ЗБІГУ"), QStringLiteral("АЗПЗ1"),
                         QStringLiteral("АЗПЗ2")};
    if (isSixteenZone(model))
        return headings << QStringLiteral("АЗПЗ3") << QStringLiteral("АЗПЗ4")
                        << QStringLiteral("\"ОПОВ\"");
    return headings << QStringLiteral("\"ОПОВ\"") << QStringLiteral("РЕЛ 1")
                    << QStringLiteral("РЕЛ 2");
}

Lines zoneTable(PanelModel model, const PanelSettings &settings)
{
    const ReportZoneTable table{zoneHeadings(model), {0, 1, 2, 3, 4},
                                QByteArray(kZoneTabStops)
                                    + (isSixteenZone(model) ? kLastZoneTabStop16 : kLastZoneTabStop)};
    return reportZoneTable(table, panelModelInfo(model).zones(), settings.zones);
}

Lines timingLines(const PanelReportLayout &layout, const PanelSettings &settings)
{
    const QString lineFault = layout.lineFault
        ? reportValue(settings.spinner(PanelSpinner::LineFault), QStringLiteral("хв"))
        : notSupported();
    return reportTimingLines(settings.timing(), lineFault);
}

Lines codeLines(const PanelReportLayout &layout, const PanelSettings &settings)
{
    Lines lines = reportCodeLines(settings.accessCode2, settings.accessCode3, settings.objectNumbers,
                                  settings.telephones);
    if (layout.address != AddressLine::None) {
        const QString address = layout.address == AddressLine::Shown ? settings.address : notSupported();
        lines << rtfTabbed({QStringLiteral("адреса в системі \"Корвел-16.64П\""), address});
    }
    return lines;
}

QString fieldValue(const PanelSettings &settings, int sectionIndex, int field)
{
    if (isProtocolField(sectionIndex, field)) {
        const int protocol = settings.protocols[std::size_t(telephoneOfSection(sectionIndex))];
        return protocolItems().value(protocol);
    }
    return settings.sectionFields[std::size_t(sectionIndex)][std::size_t(field - 1)];
}

// Section s for the first telephone number beside section s + 14 for the second.
Lines sectionPair(const PanelReportLayout &layout, int first, const PanelSettings &settings)
{
    const PanelModel model = layout.tables;
    const int second = first + kSectionsPerTelephone;
    const QStringList captions = sectionFieldCaptions(model, second);
    Lines fields;
    for (int field = 1; field <= sectionFieldCount(model, second); ++field) {
        const QString &caption = captions[field - 1];
        fields << rtfTabbed({{}, caption, fieldValue(settings, first, field), caption,
                             fieldValue(settings, second, field)});
    }
    return Lines{kParagraphEnd,
                 kSectionTitlesFormat + rtfTabbed({sectionTitle(first, layout.firstSectionNumber),
                                                       sectionTitle(second, layout.firstSectionNumber)}),
                 kSectionFieldsFormat}
        + rtfLineBreaks(fields);
}

} // namespace

// Variant 2 firmware of the 4- and 8-zone panels has no line-fault time, and the 8-zone panel
// takes a system address from variant 4 on; the editor disables those controls.
bool panelLineFaultSupported(PanelModel model, int variant)
{
    return isSixteenZone(model) || variant != 2;
}

bool panelAddressSupported(PanelModel model, int variant)
{
    return model != PanelModel::EightZone || (variant != 2 && variant != 3);
}

PanelReportLayout panelReportLayout(PanelModel model, int variant, const QString &editorTitle)
{
    PanelReportLayout layout{model, reportTitle(editorTitle), panelLineFaultSupported(model, variant)};
    if (model != PanelModel::FourZone)
        layout.address = panelAddressSupported(model, variant) ? AddressLine::Shown : AddressLine::NotSupported;
    return layout;
}

QByteArray panelReportRtf(PanelModel model, int variant, const QString &editorTitle,
                          const PanelSettings &settings)
{
    return panelReportRtf(panelReportLayout(model, variant, editorTitle), settings);
}

QByteArray panelReportRtf(const PanelReportLayout &layout, const PanelSettings &settings)
{
    Lines lines = reportStart(layout.title);
    lines += zoneTable(layout.tables, settings);
    lines += headedList(kEmptyLineHeading, QStringLiteral("ЧАСОВІ НАЛАШТУВАННЯ"),
                        timingLines(layout, settings));
    lines += headedList(kHeading, QStringLiteral("Параметри передачі тестового сповіщення"),
                        reportTestReportLines(settings.testReport()));
    lines += headedList(kEmptyLineHeading, QStringLiteral("КОДИ ДОСТУПУ"),
                        codeLines(layout, settings));
    for (int first = 0; first < kSectionsPerTelephone; ++first)
        lines += sectionPair(layout, first, settings);
    lines << kParagraphEnd << kDocumentEnd;
    return rtfDocument(lines);
}

QString panelReportFileName(PanelModel model, int variant)
{
    switch (model) {
    case PanelModel::SixteenZone:
        return QStringLiteral("KORVEL-16P.rtf");
    case PanelModel::EightZone:
        if (variant >= 2 && variant <= 4)
            return QStringLiteral("KORVEL-8P%1.rtf").arg(variant);
        return QStringLiteral("KORVEL-8P.rtf");
    case PanelModel::FourZone:
        if (variant == 2 || variant == 4)
            return QStringLiteral("KORVEL-4P%1.rtf").arg(variant);
        return QStringLiteral("KORVEL-4P.rtf");
    }
    return {};
}

ReportFileResult writePanelReport(const QString &folder, PanelModel model, int variant,
                                  const QString &editorTitle, const PanelSettings &settings)
{
    return writeReportFile(folder, panelReportFileName(model, variant),
                           panelReportRtf(model, variant, editorTitle, settings));
}
