#pragma once

#include "devicedefinition.h"

// The definition of the 16.64P panel: its identification, transfers and factory settings.
// The panel keeps nothing in the portable configurator.
DeviceDefinition systemPanelDefinition();
