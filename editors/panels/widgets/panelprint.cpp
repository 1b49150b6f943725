// Panel editor: the settings report, written beside the program and opened in the
// system's RTF viewer for printing.
#include "paneleditor.h"

#include "panelreport.h"
#include "reportviewer.h"

#include <QCoreApplication>

void TPanelEditor::PrepareToPrint()
{
    openReport(writePanelReport(QCoreApplication::applicationDirPath(), m_panel, editorVariant(), title(),
                                settings()));
}
