#include "systempanelreport.h"

#include "panelfields.h"
#include "systempanelmap.h"

namespace {

const QString kSystemTable = QStringLiteral("Приписка ППКП");

// "1, 5, 12": the zones of a relay, as the relay view shows them.
QString zoneList(quint16 zones)
{
    QStringList numbers;
    for (int zone = 1; zone <= 16; ++zone) {
        if (zones & (1u << (zone - 1)))
            numbers << QString::number(zone);
    }
    return numbers.join(QStringLiteral(", "));
}

void addSystemTable(QList<SettingField> &fields, const TDeviceCollection &table)
{
    for (int slot = 1; slot < kDeviceSlotCount; ++slot)
        fields.append({kSystemTable, QStringLiteral("прилад %1").arg(slot + 1),
                       deviceSlotName(slot, table.item(slot).type)});
    for (int module = 0; module < kModuleCount; ++module) {
        const QString name = QStringLiteral("%1 №%2").arg(kModuleName).arg(module + 1);
        fields.append({kSystemTable, name, table.modulePresent(module) ? QStringLiteral("так") : QStringLiteral("ні")});
        for (int slot = 0; slot < kDeviceSlotCount && table.modulePresent(module); ++slot) {
            if (table.item(slot).type == kSlotEmpty)
                continue;
            for (int relay = 1; relay <= kRelayCount; ++relay)
                fields.append({kSystemTable, QStringLiteral("%1, реле %2, прилад %3").arg(name).arg(relay).arg(slot + 1),
                               zoneList(table.relayZones(slot, module, relay))});
        }
    }
}

} // namespace

const PanelReportLayout &systemPanelReportLayout()
{
    static const PanelReportLayout layout{.tables = PanelModel::SixteenZone,
                                          .title = QStringLiteral("КОРВЕЛ - 16.64П (KVL16.64P-1)"),
                                          .firstSectionNumber = kSystemPanelFirstSection};
    return layout;
}

SettingsReport systemPanelReport(const PanelSettings &settings)
{
    return panelReport(systemPanelReportLayout(), settings);
}

QList<SettingField> systemPanelSettingFields(const SystemPanelSettings &settings)
{
    QList<SettingField> fields = panelSettingFields(systemPanelReportLayout(), settings.panel);
    addSystemTable(fields, settings.system);
    return fields;
}
