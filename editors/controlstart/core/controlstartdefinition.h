#pragma once

#include "devicedefinition.h"

// The definition of the control-and-start device 2/4, built from its memory map.
DeviceDefinition controlStartDefinition();
