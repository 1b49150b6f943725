// Records events into the archive file named by the first argument until it is killed,
// printing each event's UUID on a line of its own once the event is committed.
#include "sitearchive.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: archive_writer FILE\n");
        return 2;
    }
    ArchiveResult<std::unique_ptr<SiteArchive>> opened = SiteArchive::open(ArchiveLocation::file(arguments.at(1)));
    if (!opened.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error.message));
        return 1;
    }
    SiteArchive &archive = *opened.value;
    ArchiveResult<QList<DeviceRecord>> known = archive.matchDevice(0x21, QStringLiteral("0A1B"));
    ArchiveEvent event;
    event.device = known.value.isEmpty()
        ? archive.addDevice({archive.addSite({QStringLiteral("Полігон")}).value, 0x21, 2, QStringLiteral("0A1B")}).value
        : known.value.first().id;
    event.kind = EventKind::Write;
    for (int i = 0;; ++i) {
        event.eeprom = QByteArray(28, char(i));
        event.memory = QByteArray(4096, char(i * 7));
        const ArchiveResult<RecordReceipt> recorded = archive.record(event);
        if (!recorded.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(recorded.error.message));
            return 1;
        }
        std::printf("%s\n", qPrintable(recorded.value.uuid.toString(QUuid::WithoutBraces)));
        std::fflush(stdout);
    }
}
