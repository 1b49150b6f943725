#pragma once

#include "devicedefinition.h"
#include "gsmsettings.h"

// The transfers of both GSM modules, built from the block table. Configurator slots keep
// their descriptor chain at the slot base plus 0x1000 and end it with a next address of
// the slot base itself.

// GSM module, by its firmware version (4 has its own addresses; any other the map of 1
// and 2). EEPROM 0x00FE receives the constant 0x0F with every write.
TransferPlan gsmDeviceWrite(quint8 version);
TransferPlan gsmDeviceRead(quint8 version);
TransferPlan gsmSlotWrite(quint8 version, int slot);
TransferPlan gsmSlotRead(int slot);
QList<ImageSegment> gsmSegments(quint8 version);

// GSM.4 module: the same addresses for both versions; the variant decides which image
// bytes the module's hidden-code block receives. Slots record `version`.
TransferPlan gsm4DeviceWrite(Gsm4Variant variant);
TransferPlan gsm4DeviceRead();
TransferPlan gsm4SlotWrite(Gsm4Variant variant, quint8 version, int slot);
TransferPlan gsm4SlotRead(int slot);
QList<ImageSegment> gsm4Segments();

// The version an editor holds after identifying the module it writes to: a window of
// version 1 takes the module's 1 or 2 (they share one map); otherwise it keeps its own.
quint8 adoptedVersion(quint8 stored, quint8 reported);
