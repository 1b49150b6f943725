#include "gsmreport.h"

#include "gsmsettingfields.h"

namespace {

using namespace rtfpiece;
using Lines = QList<QByteArray>;

constexpr char kFirstHeading[] = R"(\par \cf0\fs20\b)"; // black, 10 point, after the title
const QString kGsmReportTitle = QStringLiteral("ZMU-GSM");

// Each group of fields as a heading over its bulleted "label, tab, value" lines.
Lines sections(const QList<SettingField> &fields)
{
    Lines lines;
    for (qsizetype i = 0; i < fields.size();) {
        const QString &group = fields[i].group;
        Lines items;
        for (; i < fields.size() && fields[i].group == group; ++i)
            items << rtfTabbed({fields[i].name, fields[i].value});
        lines += headedList(lines.isEmpty() ? kFirstHeading : kEmptyLineHeading, group, items);
    }
    return lines;
}

QByteArray document(const QString &title, const Lines &body)
{
    return rtfDocument(reportStart(title) + body + Lines{kParagraphEnd, kDocumentEnd});
}

} // namespace

// A CSD channel prints its heading alone: the GPRS values, though written, do not apply.
QByteArray gsmReportRtf(const GsmSettings &s)
{
    if (s.channel == GsmChannel::Csd)
        return document(kGsmReportTitle, {kParagraphEnd, kFirstHeading + rtfEscaped(kCsdChannel)});
    return document(kGsmReportTitle, sections(gprsSettingFields(s.gprs, true)));
}

ReportFileResult writeGsmReport(const QString &folder, const GsmSettings &settings)
{
    return writeReportFile(folder, kGsmReportTitle + QStringLiteral(".rtf"), gsmReportRtf(settings));
}

QByteArray gsm4ReportRtf(const QString &title, Gsm4Variant variant, const Gsm4Settings &s)
{
    const QList<SettingField> channel = s.common.channel == GsmChannel::Csd
        ? gsm4CsdFields(s)
        : gprsSettingFields(s.common.gprs, variant == Gsm4Variant::Gsm4);
    return document(title, sections(gsm4LoopFields(s) + channel + gsm4EventCodeFields(s)));
}

QString gsm4ReportFileName(const QString &title)
{
    return title + QStringLiteral(".rtf");
}

ReportFileResult writeGsm4Report(const QString &folder, const QString &title, Gsm4Variant variant,
                                 const Gsm4Settings &settings)
{
    return writeReportFile(folder, gsm4ReportFileName(title), gsm4ReportRtf(title, variant, settings));
}
