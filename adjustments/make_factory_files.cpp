// Writes the factory settings files into the folder given as the only argument: for every
// factory file name a model's definition gives, the settings its editor holds right after
// a reset, saved as the editor saves them, with the first variant that uses that file.
#include "registry.h"
#include "settingsfile.h"

#include <QDir>
#include <QSet>
#include <QTextStream>

namespace {

bool writeFactoryFile(const QDir &folder, const QString &relativePath, const DeviceDefinition &d,
                      quint8 variant)
{
    const SettingsImages images = d.factoryImages(variant);
    return settingsfile::write(folder.filePath(QDir(relativePath).dirName()), {d.typeCode, variant},
                               images.eeprom, d.eepromSize, images.memory, d.memorySize);
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_factory_files <folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }
    QSet<QString> written;
    for (const DeviceDefinition &d : models()) {
        if (!d.factoryImages)
            continue;
        for (quint8 variant : d.acceptedVariants) {
            const QString file = d.factoryFile(d.title(variant));
            if (file.isEmpty() || written.contains(file))
                continue;
            if (!writeFactoryFile(folder, file, d, variant)) {
                err << "cannot write " << file << "\n";
                return 1;
            }
            written.insert(file);
        }
    }
    return 0;
}
