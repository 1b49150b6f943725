#include "recordfiles.h"

#include "dialogs.h"
#include "proc.h"
#include "reportoutput.h"
#include "safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString saveCommissioningRecord(const CommissioningRecord &record)
{
    const QString folder = dialogs().existingDirectory(
        QStringLiteral("Папка для протоколу"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (folder.isEmpty())
        return {};
    const QStringList written = writeCommissioningRecord(folder, record);
    if (written.isEmpty()) {
        ShowError(kErrWriteFile, folder);
        return {};
    }
    return QStringLiteral("Протокол записано: %1").arg(written.first());
}
