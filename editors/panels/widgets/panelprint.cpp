// Panel editor: the settings report, written beside the program and opened in the
// system's RTF viewer for printing.
#include "paneleditor.h"

#include "dialogs.h"
#include "panelreport.h"
#include "proc.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

void TPanelEditor::PrepareToPrint()
{
    openReport(writePanelReport(QCoreApplication::applicationDirPath(), m_panel, editorVariant(), title(),
                                settings()));
}

void TPanelEditor::openReport(const ReportFileResult &result)
{
    if (!result.ok()) {
        ShowError(kErrWriteFile);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(result.path));
}
