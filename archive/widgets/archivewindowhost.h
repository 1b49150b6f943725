#pragma once

#include "archivetypes.h"

// What the archive window asks of the main window that shows it: the archive finds, the
// editors and the record files are the main window's.
class ArchiveWindowHost
{
public:
    virtual ~ArchiveWindowHost() = default;

    // Opens an editor of the configuration's model holding its images; `caption` names the
    // site and the event they come from.
    virtual void openConfiguration(const SettingsExport &settings, const QString &caption) = 0;
    // Compares the configuration with the active editor and says what differs.
    virtual void compareWithEditor(const SettingsExport &settings) = 0;
    // Saves the commissioning record of a checked write. `site` and `device` have id 0 when
    // the event is not matched to a device.
    virtual void saveRecord(const EventRecord &event, const SiteRecord &site, const DeviceRecord &device) = 0;
};
