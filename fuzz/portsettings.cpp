// The port-settings reader, given any text as the per-user settings file (on Linux the store
// is an INI file). What it reads is always a setting the port dialog can show; stored and read
// again it comes back unchanged; and every text the store holds reads back as its value.
#include "fuzzcheck.h"
#include "portsettings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

QString freshPath()
{
    static QTemporaryDir folder;
    static int serial = 0;
    return folder.filePath(QStringLiteral("ComPort%1.conf").arg(++serial));
}

PortSettings readFrom(const QString &path)
{
    const QSettings store(path, QSettings::IniFormat);
    return PortSettings::fromSettings(store);
}

bool sameSettings(const PortSettings &a, const PortSettings &b)
{
    return a.port == b.port && a.baudRate == b.baudRate && a.customBaud == b.customBaud
           && a.dataBits == b.dataBits && a.stopBits == b.stopBits && a.parity == b.parity
           && a.flow == b.flow;
}

void checkShowable(const PortSettings &s)
{
    FUZZ_CHECK(s.baudRate > 0);
    FUZZ_CHECK(s.customBaud || standardBaudRateTexts().contains(QString::number(s.baudRate)));
    FUZZ_CHECK(dataBitsTexts().contains(QString::number(int(s.dataBits))));
    FUZZ_CHECK(stopBitsFromText(stopBitsText(s.stopBits)) == s.stopBits);
    FUZZ_CHECK(parityFromText(parityText(s.parity)) == s.parity);
    FUZZ_CHECK(flowFromText(flowText(s.flow)) == s.flow);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = freshPath();
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const PortSettings read = readFrom(path);
    checkShowable(read);

    const QString copyPath = freshPath();
    {
        QSettings copy(copyPath, QSettings::IniFormat);
        read.toSettings(copy);
    }
    FUZZ_CHECK(sameSettings(readFrom(copyPath), read));
    QFile::remove(path);
    QFile::remove(copyPath);
    return 0;
}
