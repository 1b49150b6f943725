#pragma once

#include "devicedefinition.h"

// A write cut to what the device does not hold yet. The device's bytes come from a read
// of the whole device, placed by the model's memory map (image offset to device address),
// so that bytes a reply carried beyond what was asked never count. A positioned run is
// cut only between requests, each piece starting with its own set-address; the stages
// keep their order, and a run of documented constant bytes is written whenever anything
// else is. Runs that later runs overwrite are kept as far as the device must end up
// holding the whole write's bytes.
struct CutPlan {
    TransferPlan plan;
    int runs = 0; // positioned runs (each piece of a cut run counts) left to write
};

CutPlan cutWritePlan(const TransferPlan &write, const SettingsImages &sent, const QList<ImageSegment> &segments,
                     const SettingsImages &deviceNow);
