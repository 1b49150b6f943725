#include "archivefixture.h"

#include "registry.h"

namespace archivefixture {

namespace {

// The value of `result`, or a failure of the running test and an empty value.
template <typename T>
T checked(ArchiveResult<T> result)
{
    if (!result.ok())
        QTest::qFail(qPrintable(result.error.message), __FILE__, __LINE__);
    return std::move(result.value);
}

} // namespace

SettingsImages panelImages(char high, char low)
{
    const DeviceDefinition &panel = modelInfo(Model::Korvel16p);
    QByteArray memory(panel.memorySize, '\0');
    memory[0] = high;
    memory[1] = low;
    return {QByteArray(panel.eepromSize, '\0'), memory};
}

ArchiveFixture::ArchiveFixture()
{
    m_archive = checked(SiteArchive::open(ArchiveLocation::file(path())));
}

SiteId ArchiveFixture::site(const SiteInfo &info)
{
    return checked(m_archive->addSite(info));
}

DeviceId ArchiveFixture::device(SiteId site, const QString &objectNumber, const QString &place)
{
    return checked(m_archive->addDevice({site, kSixteenZone, 2, objectNumber, place}));
}

EventId ArchiveFixture::event(DeviceId device, const EventFields &fields)
{
    ArchiveEvent event;
    event.device = device;
    event.kind = fields.kind;
    event.outcome = fields.outcome;
    event.at = archivetesting::utc(fields.at);
    event.port = QStringLiteral("/dev/ttyUSB0");
    event.author = {QStringLiteral("Олена"), QStringLiteral("pc-1")};
    event.typeCode = fields.typeCode;
    event.variant = fields.variant;
    event.eeprom = fields.images.eeprom;
    event.memory = fields.images.memory;
    return checked(m_archive->record(event)).id;
}

} // namespace archivefixture
