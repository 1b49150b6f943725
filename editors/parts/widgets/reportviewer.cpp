#include "reportviewer.h"

#include "proc.h"

#include <QDesktopServices>
#include <QUrl>

void openReport(const ReportFileResult &result)
{
    if (!result.ok()) {
        ShowError(kErrWriteFile);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(result.path));
}
