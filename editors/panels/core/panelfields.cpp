#include "panelfields.h"

#include "alarmfields.h"

QList<SettingField> panelSettingFields(PanelModel model, int variant, const PanelSettings &settings)
{
    return panelSettingFields(panelReportLayout(model, variant, QString()), settings);
}

QList<SettingField> panelSettingFields(const PanelReportLayout &layout, const PanelSettings &settings)
{
    const PanelModelInfo &info = panelModelInfo(layout.tables);
    QList<FieldColumn> columns;
    for (int c = 0; c < kOutputColumnCount; ++c)
        columns.append({c, info.columnCaptions.value(c)});
    QList<SettingField> fields;
    appendZoneFields(fields, info.zones(), settings.zones, columns);
    appendTimingFields(fields, settings.timing(), layout.lineFault);
    appendTestReportFields(fields, settings.testReport());
    appendCodeFields(fields, settings.accessCode2, settings.accessCode3, settings.objectNumbers);
    if (layout.address == AddressLine::Shown)
        fields.append({kCodesGroup, QStringLiteral("адреса в системі \"Корвел-16.64П\""), settings.address});
    appendTelephoneFields(fields, settings.telephones);
    appendSectionFields(fields, panelSectionTable(layout.tables, layout.firstSectionNumber), settings.sectionFields,
                        settings.protocols);
    return fields;
}
