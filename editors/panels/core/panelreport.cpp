#include "panelreport.h"

#include "stationcodes.h"

namespace {

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

ReportBlock zoneTable(PanelModel model, const PanelSettings &settings)
{
    return reportZoneTable(zoneHeadings(model), {0, 1, 2, 3, 4}, panelModelInfo(model).zones(), settings.zones);
}

ReportRows timingRows(const PanelReportLayout &layout, const PanelSettings &settings)
{
    const QString lineFault = layout.lineFault
        ? reportValue(settings.spinner(PanelSpinner::LineFault), QStringLiteral("хв"))
        : notSupported();
    return reportTimingRows(settings.timing(), lineFault);
}

ReportRows codeRows(const PanelReportLayout &layout, const PanelSettings &settings)
{
    ReportRows rows = reportCodeRows(settings.accessCode2, settings.accessCode3, settings.objectNumbers,
                                     settings.telephones);
    if (layout.address != AddressLine::None) {
        const QString address = layout.address == AddressLine::Shown ? settings.address : notSupported();
        rows << QStringList{QStringLiteral("адреса в системі \"Корвел-16.64П\""), address};
    }
    return rows;
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
ReportBlock sectionPair(const PanelReportLayout &layout, int first, const PanelSettings &settings)
{
    const PanelModel model = layout.tables;
    const int second = first + kSectionsPerTelephone;
    const QStringList captions = sectionFieldCaptions(model, second);
    ReportBlock pair{ReportBlock::Kind::Fields,
                     {sectionTitle(first, layout.firstSectionNumber), sectionTitle(second, layout.firstSectionNumber)},
                     {}};
    for (int field = 1; field <= sectionFieldCount(model, second); ++field) {
        const QString &caption = captions[field - 1];
        pair.rows << QStringList{caption, fieldValue(settings, first, field), caption, fieldValue(settings, second, field)};
    }
    return pair;
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

SettingsReport panelReport(PanelModel model, int variant, const QString &editorTitle, const PanelSettings &settings)
{
    return panelReport(panelReportLayout(model, variant, editorTitle), settings);
}

SettingsReport panelReport(const PanelReportLayout &layout, const PanelSettings &settings)
{
    SettingsReport report{layout.title, {zoneTable(layout.tables, settings)}};
    report.blocks << reportList(QStringLiteral("ЧАСОВІ НАЛАШТУВАННЯ"), timingRows(layout, settings))
                  << reportList(QStringLiteral("Параметри передачі тестового сповіщення"),
                                reportTestReportRows(settings.testReport()), false)
                  << reportList(QStringLiteral("КОДИ ДОСТУПУ"), codeRows(layout, settings));
    for (int first = 0; first < kSectionsPerTelephone; ++first)
        report.blocks << sectionPair(layout, first, settings);
    return report;
}
