#pragma once

// An archive file in a temporary folder and the few calls the archive view tests fill it with.
// A refused call fails the running test with the archive's message.

#include "archivetesting.h"
#include "devicedefinition.h"

#include <QTemporaryDir>

namespace archivefixture {

constexpr quint8 kSixteenZone = 30;
constexpr quint8 kGsm4 = 49;

// A 16-zone panel's images (variant 2) whose first object number is `high` `low`: memory
// bytes 0 and 1, shown as four hex digits.
SettingsImages panelImages(char high, char low);

struct EventFields {
    const char *at; // "2024-03-01T10:00:00Z"
    EventKind kind;
    EventOutcome outcome;
    SettingsImages images{};
    quint8 typeCode = kSixteenZone;
    quint8 variant = 2;
};

class ArchiveFixture
{
public:
    ArchiveFixture();

    SiteArchive &archive() { return *m_archive; }
    QString path() const { return m_dir.filePath(QStringLiteral("archive.sqlite")); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    SiteId site(const SiteInfo &info);
    DeviceId device(SiteId site, const QString &objectNumber, const QString &place);
    // Recorded with port "/dev/ttyUSB0" by operator "Олена" on "pc-1".
    EventId event(DeviceId device, const EventFields &fields);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SiteArchive> m_archive;
};

} // namespace archivefixture
