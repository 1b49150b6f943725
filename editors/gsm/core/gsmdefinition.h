#pragma once

#include "devicedefinition.h"

// The definitions of the GSM module (type 26) and the GSM.4 module (type 49).
DeviceDefinition gsmModuleDefinition();
DeviceDefinition gsm4ModuleDefinition();

// A GSM.4 window records firmware version 1 until a write to a version-2 module adopts 2.
inline constexpr quint8 kGsm4FreshVersion = 1;
