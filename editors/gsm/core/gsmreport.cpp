#include "gsmreport.h"

#include "gsmsettingfields.h"

namespace {

const QString kGsmReportTitle = QStringLiteral("ZMU-GSM");

// Each group of fields as a heading over its "label, value" lines.
QList<ReportBlock> sections(const QList<SettingField> &fields)
{
    QList<ReportBlock> blocks;
    for (qsizetype i = 0; i < fields.size();) {
        ReportBlock block = reportList(fields[i].group, {});
        for (; i < fields.size() && fields[i].group == block.headings.first(); ++i)
            block.rows << QStringList{fields[i].name, fields[i].value};
        blocks << block;
    }
    return blocks;
}

} // namespace

// A CSD channel prints its heading alone: the GPRS values, though written, do not apply.
SettingsReport gsmReport(const GsmSettings &s)
{
    if (s.channel == GsmChannel::Csd)
        return {kGsmReportTitle, {reportList(kCsdChannel, {})}};
    return {kGsmReportTitle, sections(gprsSettingFields(s.gprs, true))};
}

SettingsReport gsm4Report(const QString &title, Gsm4Variant variant, const Gsm4Settings &s)
{
    const QList<SettingField> channel = s.common.channel == GsmChannel::Csd
        ? gsm4CsdFields(s)
        : gprsSettingFields(s.common.gprs, variant == Gsm4Variant::Gsm4);
    return {title, sections(gsm4LoopFields(s) + channel + gsm4EventCodeFields(s))};
}
