#include "systempanelreport.h"

#include "panelreport.h"
#include "systempanelmap.h"

QByteArray systemPanelReportRtf(const PanelSettings &settings)
{
    const PanelReportLayout layout{.tables = PanelModel::SixteenZone,
                                   .title = QStringLiteral("КОРВЕЛ - 16.64П (KVL16.64P-1)"),
                                   .firstSectionNumber = kSystemPanelFirstSection};
    return panelReportRtf(layout, settings);
}

ReportFileResult writeSystemPanelReport(const QString &folder, const PanelSettings &settings)
{
    return writeReportFile(folder, kSystemPanelReportFile, systemPanelReportRtf(settings));
}
