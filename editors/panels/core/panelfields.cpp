#include "panelfields.h"

#include "alarmfields.h"
#include "panelreport.h"

QList<SettingField> panelSettingFields(PanelModel model, int variant, const PanelSettings &settings)
{
    const PanelModelInfo &info = panelModelInfo(model);
    QList<FieldColumn> columns;
    for (int c = 0; c < kOutputColumnCount; ++c)
        columns.append({c, info.columnCaptions.value(c)});
    QList<SettingField> fields;
    appendZoneFields(fields, info.zones(), settings.zones, columns);
    appendTimingFields(fields, settings.timing(), panelLineFaultSupported(model, variant));
    appendTestReportFields(fields, settings.testReport());
    appendCodeFields(fields, settings.accessCode2, settings.accessCode3, settings.objectNumbers);
    if (model != PanelModel::FourZone && panelAddressSupported(model, variant))
        fields.append({kCodesGroup, QStringLiteral("адреса в системі \"Корвел-16.64П\""), settings.address});
    appendTelephoneFields(fields, settings.telephones);
    appendSectionFields(fields, panelSectionTable(model), settings.sectionFields, settings.protocols);
    return fields;
}
