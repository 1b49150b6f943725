#include "panelfields.h"

#include "panelreport.h"

namespace {

const QString kZones = QStringLiteral("Зони");
const QString kOutputs = QStringLiteral("Виходи");
const QString kTimes = QStringLiteral("Часові налаштування");
const QString kCodes = QStringLiteral("Коди доступу");
const QString kTelephones = QStringLiteral("Телефонні номери");
const QString kSections = QStringLiteral("Секції");

QString yesNo(bool on)
{
    return on ? QStringLiteral("так") : QStringLiteral("ні");
}

void addZones(QList<SettingField> &fields, PanelModel model, const PanelSettings &s)
{
    const PanelModelInfo &info = panelModelInfo(model);
    for (int z = 1; z <= info.zoneCount; ++z) {
        const PanelZone &zone = s.zones[std::size_t(z - 1)];
        const QString prefix = QStringLiteral("Зона %1: ").arg(z);
        fields.append({kZones, prefix + QStringLiteral("тип сповіщувача"), detectorTypeItems().value(zone.detectorType)});
        fields.append({kZones, prefix + QStringLiteral("режим збігу"), coincidenceModeItems().value(zone.mode)});
        for (int c = 0; c < kOutputColumnCount; ++c)
            fields.append({kOutputs, prefix + info.columnCaptions.value(c), yesNo(zone.outputs[std::size_t(c)])});
    }
}

void addTimes(QList<SettingField> &fields, const PanelReportLayout &layout, const PanelSettings &s)
{
    const auto spinner = [&s](PanelSpinner which, const char *unit) {
        return QString::number(s.spinner(which)) + u' ' + QString::fromUtf8(unit);
    };
    fields.append({kTimes, QStringLiteral("час виявлення збігу"), spinner(PanelSpinner::Coincidence, "сек")});
    fields.append({kTimes, QStringLiteral("час звучання ЗІ"), spinner(PanelSpinner::Siren, "сек")});
    if (layout.lineFault)
        fields.append({kTimes, QStringLiteral("час виявлення несправності лінії"),
                       spinner(PanelSpinner::LineFault, "хв")});
    fields.append({kTimes, QStringLiteral("перше тестове сповіщення"),
                   spinner(PanelSpinner::ReportHour, "год") + u' ' + spinner(PanelSpinner::ReportMinute, "хв")});
    fields.append({kTimes, QStringLiteral("період тестового сповіщення"),
                   spinner(PanelSpinner::PeriodDays, "дні") + u' ' + spinner(PanelSpinner::PeriodHours, "год")
                       + u' ' + spinner(PanelSpinner::PeriodMinutes, "хв")});
}

void addCodes(QList<SettingField> &fields, const PanelReportLayout &layout, const PanelSettings &s)
{
    fields.append({kCodes, QStringLiteral("код доступу до другого рівня"), s.accessCode2});
    fields.append({kCodes, QStringLiteral("код доступу до третього рівня"), s.accessCode3});
    fields.append({kCodes, QStringLiteral("об'єктові номера приладу №1"), s.objectNumbers[0]});
    fields.append({kCodes, QStringLiteral("об'єктові номера приладу №2"), s.objectNumbers[1]});
    if (layout.address == AddressLine::Shown)
        fields.append({kCodes, QStringLiteral("адреса в системі \"Корвел-16.64П\""), s.address});
    for (int n = 0; n < 2; ++n) {
        const PanelTelephone &t = s.telephones[std::size_t(n)];
        fields.append({kTelephones, n == 0 ? QStringLiteral("перший телефонний номер") : QStringLiteral("другий телефонний номер"),
                       t.text + (t.tone ? QStringLiteral(" (тон)") : QString())});
    }
}

void addSections(QList<SettingField> &fields, const PanelReportLayout &layout, const PanelSettings &s)
{
    const PanelModel model = layout.tables;
    for (int i = 0; i < kSectionCount; ++i) {
        const QStringList captions = sectionFieldCaptions(model, i);
        for (int k = 1; k <= sectionFieldCount(model, i); ++k) {
            const QString value = isProtocolField(i, k)
                ? protocolItems().value(s.protocols[std::size_t(telephoneOfSection(i))])
                : s.sectionFields[std::size_t(i)][std::size_t(k - 1)];
            // Several fields of a section share a caption: the number tells them apart.
            fields.append({kSections, QStringLiteral("%1, поле %2 (%3)").arg(sectionTitle(i, layout.firstSectionNumber)).arg(k).arg(captions.value(k - 1)),
                           value});
        }
    }
}

} // namespace

QList<SettingField> panelSettingFields(PanelModel model, int variant, const PanelSettings &settings)
{
    return panelSettingFields(panelReportLayout(model, variant, QString()), settings);
}

QList<SettingField> panelSettingFields(const PanelReportLayout &layout, const PanelSettings &settings)
{
    QList<SettingField> fields;
    addZones(fields, layout.tables, settings);
    addTimes(fields, layout, settings);
    addCodes(fields, layout, settings);
    addSections(fields, layout, settings);
    return fields;
}
