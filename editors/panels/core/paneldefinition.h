#pragma once

#include "devicedefinition.h"
#include "panelmodel.h"

// The definitions of the 4-, 8- and 16-zone panels, built from the panel tables.
DeviceDefinition panelDefinition(PanelModel panel);
DeviceDefinition fourZonePanelDefinition();
DeviceDefinition eightZonePanelDefinition();
DeviceDefinition sixteenZonePanelDefinition();
