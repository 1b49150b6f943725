#include "gsmreport.h"

#include "gsmfields.h"
#include "gsmtexts.h"

namespace {

using namespace rtfpiece;
using namespace gsmtext;
using Lines = QList<QByteArray>;

constexpr char kFirstHeading[] = R"(\par \cf0\fs20\b)"; // black, 10 point, after the title
const QString kGsmReportTitle = QStringLiteral("ZMU-GSM");

QString channelHeading(GsmChannel channel)
{
    return channel == GsmChannel::Csd ? QStringLiteral("CSD - канал") : QStringLiteral("GPRS - канал");
}

// As written into the module: an IP address in its normalised form.
QString reportValue(const GprsBlock &block, const QString &text)
{
    return block.kind == GprsFieldKind::Ip ? normalisedIp(text) : text;
}

// The "ЗМУ-С112.4" sends no hidden code: the report leaves it out.
Lines gprsLines(const GprsTexts &texts, bool withHiddenCode)
{
    Lines lines;
    for (const GprsBlock &b : gprsBlocks()) {
        if (b.field == GprsField::HiddenCode && !withHiddenCode)
            continue;
        lines << rtfTabbed({QString::fromUtf8(b.label), reportValue(b, texts[std::size_t(b.field)])});
    }
    return lines;
}

Lines document(const QString &title, const Lines &body)
{
    return reportStart(title) + body + Lines{kParagraphEnd, kDocumentEnd};
}

Lines loopSections(const Gsm4Settings &s)
{
    Lines types;
    Lines levels;
    for (int n = 0; n < 2; ++n) {
        types << rtfTabbed({loopCaption(n + 1), inputTypeItems().value(int(s.inputTypes[std::size_t(n)]))});
        levels << rtfTabbed({loopCaption(n + 3), activeLevelText(s.risingLevel[std::size_t(n)])});
    }
    return headedList(kFirstHeading, QStringLiteral("Тип входів"), types)
           + headedList(kEmptyLineHeading, QStringLiteral("Активний рівень"), levels);
}

Lines csdLines(const Gsm4Settings &s)
{
    return {
        rtfTabbed({kObjectNumber, s.objectNumber}),
        rtfTabbed({QStringLiteral("Перший телефоний номер"), s.telephones[0].text}),
        rtfTabbed({QStringLiteral("Другий телефоний номер"), s.telephones[1].text}),
        rtfTabbed({kProtocol, protocolItems().value(int(s.protocol))}),
        rtfTabbed({kDialInterval, s.dialInterval}),
    };
}

Lines eventCodeLines(const Gsm4Settings &s)
{
    Lines lines;
    for (int i = 0; i < gsm4::kEventCodeCount; ++i)
        lines << rtfTabbed({eventCodeLabels().value(i), s.eventCodes[std::size_t(i)]});
    return lines;
}

} // namespace

QByteArray gsmReportRtf(const GsmSettings &s)
{
    const QString heading = channelHeading(s.channel);
    const Lines body = s.channel == GsmChannel::Csd
                           ? Lines{kParagraphEnd, kFirstHeading + rtfEscaped(heading)}
                           : headedList(kFirstHeading, heading, gprsLines(s.gprs, true));
    return rtfDocument(document(kGsmReportTitle, body));
}

ReportFileResult writeGsmReport(const QString &folder, const GsmSettings &settings)
{
    return writeReportFile(folder, kGsmReportTitle + QStringLiteral(".rtf"), gsmReportRtf(settings));
}

QByteArray gsm4ReportRtf(const QString &title, Gsm4Variant variant, const Gsm4Settings &s)
{
    const GsmChannel channel = s.common.channel;
    const Lines channelLines =
        channel == GsmChannel::Csd ? csdLines(s) : gprsLines(s.common.gprs, variant == Gsm4Variant::Gsm4);
    const Lines body = loopSections(s) + headedList(kEmptyLineHeading, channelHeading(channel), channelLines)
                       + headedList(kEmptyLineHeading, QStringLiteral("Параметри"), eventCodeLines(s));
    return rtfDocument(document(title, body));
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
