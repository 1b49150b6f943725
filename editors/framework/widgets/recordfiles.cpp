#include "recordfiles.h"

#include <QDir>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {

// A base name under which neither the RTF nor the PDF exists yet.
QString freeBaseName(const QDir &folder, const QString &base)
{
    QString name = base;
    for (int n = 2; folder.exists(name + QStringLiteral(".rtf")) || folder.exists(name + QStringLiteral(".pdf")); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return name;
}

bool writeRtf(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

bool writePdf(const QString &path, const QString &html)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(150);
    pdf.setTitle(QDir(path).dirName());
    QTextDocument document;
    document.setHtml(html);
    document.setPageSize(QSizeF(pdf.width(), pdf.height()));
    document.print(&pdf);
    return QFileInfo(path).size() > 0;
}

} // namespace

QStringList writeCommissioningRecord(const QString &folder, const CommissioningRecord &record)
{
    const QDir dir(folder);
    const QString base = dir.filePath(freeBaseName(dir, commissioningRecordBaseName(record)));
    const QString rtf = base + QStringLiteral(".rtf");
    const QString pdf = base + QStringLiteral(".pdf");
    if (!writeRtf(rtf, commissioningRecordRtf(record)) || !writePdf(pdf, commissioningRecordHtml(record)))
        return {};
    return {rtf, pdf};
}
