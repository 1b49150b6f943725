// Writes the factory settings files of the panel editors into the folder given as the
// only argument: for every factory file name, the settings the editor holds right after a
// reset, saved as the editor saves them, with the first variant that uses that file.
#include "panelcodec.h"
#include "registry.h"
#include "settingsfile.h"

#include <QDir>
#include <QSet>
#include <QTextStream>

namespace {

struct Panel {
    Model model;
    PanelModel panel;
};

const Panel kPanels[] = {{Model::Korvel4p, PanelModel::FourZone},
                         {Model::Korvel8p, PanelModel::EightZone},
                         {Model::Korvel16p, PanelModel::SixteenZone}};

bool writeFactoryFile(const QDir &folder, const QString &relativePath, const Panel &p, quint8 variant)
{
    const ModelInfo &info = modelInfo(p.model);
    PanelSettings reset;
    decodeEeprom(p.panel, variant, defaultEepromImage(p.panel), reset);
    decodeMemory(p.panel, QByteArray(info.memorySize, '\0'), reset);
    return settingsfile::write(folder.filePath(QDir(relativePath).dirName()), {info.typeCode, variant},
                               encodeEeprom(p.panel, variant, reset), info.eepromSize,
                               encodeMemory(p.panel, reset), info.memorySize);
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
    for (const Panel &p : kPanels) {
        for (quint8 variant : modelInfo(p.model).acceptedVariants) {
            const QString file = factoryFile(p.model, editorTitle(p.model, variant));
            if (file.isEmpty() || written.contains(file))
                continue;
            if (!writeFactoryFile(folder, file, p, variant)) {
                err << "cannot write " << file << "\n";
                return 1;
            }
            written.insert(file);
        }
    }
    return 0;
}
