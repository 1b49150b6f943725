#include "recordfiles.h"

#include "reportoutput.h"
#include "safefile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A base name under which neither the RTF nor the PDF exists yet.
QString freeBaseName(const QDir &folder, const QString &base)
{
    QString name = base;
    for (int n = 2; folder.exists(name + QStringLiteral(".rtf")) || folder.exists(name + QStringLiteral(".pdf")); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return name;
}

} // namespace

QStringList writeCommissioningRecord(const QString &folder, const CommissioningRecord &record)
{
    const QDir dir(folder);
    const QString base = dir.filePath(freeBaseName(dir, commissioningRecordBaseName(record)));
    const QString rtf = base + QStringLiteral(".rtf");
    const QString pdf = base + QStringLiteral(".pdf");
    if (!saveFileAtomically(rtf, commissioningRecordRtf(record)) || !writeHtmlPdf(pdf, commissioningRecordHtml(record), QFileInfo(pdf).fileName()))
        return {};
    return {rtf, pdf};
}
