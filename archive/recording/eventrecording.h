#pragma once

#include "archivetypes.h"
#include "flowjobs.h"

// What an operation did, turned into the event the site archive keeps. Plain values in,
// an ArchiveEvent out: call it once the operation has ended, then match the device
// (devicematching.h) and record the event with SiteArchive::record.
//
// An event carries images only when its operation completed (done, or done with
// differences): a read that failed half-way or a write the device took part of holds no
// configuration anyone could restore. Images are cut to the model's sizes, so that an event
// exported to a settings file is byte for byte the file the same read would have saved.
// The author is left empty: the archive fills in the one it was opened with.

// What the caller knows of an exchange besides the flow's result.
struct ExchangeReport {
    // Read, Write, Compare, FirmwareFlash, SlotRead or SlotWrite. A device write that was
    // read back is recorded as CheckedWrite.
    EventKind kind = EventKind::Read;
    QString port;
    // The model and the variant the settings are held for (as a settings file records them).
    quint8 typeCode = 0;
    quint8 variant = 0;
    // A write: what was sent. A read, a comparison or firmware: nothing.
    SettingsImages sent{};
    // The settings file read into, compared or written, or the HEX file flashed; empty for none.
    QString filePath{};
};

// Done -> done, Differs -> differs (also a done write whose check found other mismatches),
// Declined and Cancelled -> cancelled, Failed and PortNotOpened -> failed.
EventOutcome outcomeOf(const FlowResult &result);

ArchiveEvent exchangeEvent(const ExchangeReport &report, const FlowResult &result);

// A settings file saved or opened (kind FileSaved or FileOpened) with the images it holds.
ArchiveEvent fileEvent(EventKind kind, const QString &path, quint8 typeCode, quint8 variant, const SettingsImages &images);
