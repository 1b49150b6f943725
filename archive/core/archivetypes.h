#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

// Row numbers the archive's database gives; 0 stands for none.
using SiteId = qint64;
using DeviceId = qint64;
using EventId = qint64;

// Who wrote a record: the operator's name and the machine's host name.
struct Author {
    QString operatorName;
    QString machine;

    // The system user's name and this machine's host name.
    static Author current();
    bool operator==(const Author &) const = default;
};

// When, and by whom, a site or a device was created or last changed.
struct Stamp {
    QDateTime at; // UTC
    Author author;
};

struct SiteInfo {
    QString name;
    QString address{};
    QString contact{};
    QString notes{};
};


struct DeviceInfo {
    SiteId site = 0;
    quint8 typeCode = 0;
    quint8 variant = 0;
    QString objectNumber; // hex digits as the device holds them; stored trimmed and upper-case
    QString place{};      // where it hangs, e.g. "щит 2, поверх 1"
    QString notes{};
};

// A site or a device as the archive holds it.
template <typename Info>
struct StoredRecord {
    qint64 id = 0;
    Info info;
    bool archived = false;
    Stamp created;
    Stamp changed;
};

using SiteRecord = StoredRecord<SiteInfo>;
using DeviceRecord = StoredRecord<DeviceInfo>;

enum class EventKind { Read, Write, CheckedWrite, Compare, FirmwareFlash, SlotRead, SlotWrite, FileSaved, FileOpened };
enum class EventOutcome { Done, Differs, Failed, Cancelled };

// One setting that differed between the two sides of a compare or a checked write.
struct Difference {
    QString group;
    QString name;
    QString first;
    QString second;

    bool operator==(const Difference &) const = default;
};

// A completed exchange or settings-file operation, as the caller reports it.
struct ArchiveEvent {
    QUuid uuid;          // null: made when recorded; a resent event keeps it and is stored once
    DeviceId device = 0; // 0: not matched to a device yet
    EventKind kind = EventKind::Read;
    QDateTime at;        // null: the moment of recording; stored in UTC to the millisecond
    QString port;
    Author author;       // an empty part: the archive's author
    EventOutcome outcome = EventOutcome::Done;
    quint8 typeCode = 0;
    quint8 variant = 0;
    QByteArray eeprom;   // empty: not part of the event
    QByteArray memory;
    QList<Difference> differences{};
    QString filePath{};
};

struct EventRecord {
    EventId id = 0;
    ArchiveEvent event;
    quint32 eepromCrc = 0; // CRC-32 as stored; that of no bytes is 0
    quint32 memoryCrc = 0;
    QString damage;        // empty while the stored checks hold, else what failed
};

// Where an event went: straight into the archive, or into the outbox to be sent later.
struct RecordReceipt {
    QUuid uuid;
    EventId id = 0; // 0 while queued
    bool queued = false;
};

struct SiteQuery {
    QString text;                     // part of the name or the address, in any letter case
    QString objectNumber{};           // only sites with such a device
    std::optional<quint8> typeCode{}; // only sites with a device of this model
    bool includeArchived = false;
};

// Events newest first. Site and device conditions leave out events not matched to a device.
struct EventQuery {
    QString siteText;
    QString objectNumber{};
    std::optional<quint8> typeCode{};
    QDateTime from{}; // inclusive; null: from the start
    QDateTime to{};   // exclusive; null: up to now
    std::optional<EventOutcome> outcome{};
    int offset = 0;
    int limit = 100;
};

// What a settings file holds: the model's type code, the variant and both images.
struct SettingsExport {
    quint8 typeCode = 0;
    quint8 variant = 0;
    QByteArray eeprom;
    QByteArray memory;

    // The file as written: type code, variant, EEPROM image, memory image.
    QByteArray fileBytes() const;
};
