// Panel editor: the settings report of what the controls hold.
#include "paneleditor.h"

#include "panelreport.h"

SettingsReport TPanelEditor::PrepareToPrint()
{
    return panelReport(m_panel, editorVariant(), title(), settings());
}
