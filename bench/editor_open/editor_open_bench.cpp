// Editor benchmark: time to create and show each panel editor and the 2/4's, and to fill it from a full
// image (a read or a file load). Targets: under 150 ms for the 16-zone editor, under 200 ms
// for the 16.64P editor (the largest), creating and filling together.
#include "dialogs.h"
#include "editorfactory.h"
#include "editorwindow.h"
#include "main.h"
#include "qtdialogs.h"
#include "settingsfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

double elapsedMs(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// A file of the model's size whose bytes are all set, so every control changes on load.
settingsfile::Contents fullFile(Model model, quint8 variant)
{
    const ModelInfo &info = modelInfo(model);
    return {{info.typeCode, variant},
            model,
            {QByteArray(info.eepromSize, '\x55'), QByteArray(info.memorySize, '\x12')},
            0};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtDialogs qtDialogs;
    setDialogs(&qtDialogs);
    QTemporaryDir dir;
    TMainForm form(dir.filePath(QStringLiteral("option.ini")));
    form.setEditorFactory(createEditor);
    form.show();
    QTextStream out(stdout);
    const struct {
        Model model;
        quint8 variant;
        const char *name;
        const char *target;
    } cases[] = {{Model::Korvel4p, 5, "4-zone", ""},
                 {Model::Korvel8p, 5, "8-zone", ""},
                 {Model::Korvel16p, 2, "16-zone", " (target: under 150 ms)"},
                 {Model::Korvel16_64p, 2, "16.64P", " (target: create and fill under 200 ms)"},
                 {Model::PKorvel24, 1, "2/4", ""}};
    for (const auto &c : cases) {
        QElapsedTimer timer;
        timer.start();
        EditorWindow *editor = form.openEditor(c.model, c.variant);
        QApplication::processEvents();
        const double openMs = elapsedMs(timer);
        const settingsfile::Contents file = fullFile(c.model, c.variant);
        timer.restart();
        editor->PrepareToLoad(QStringLiteral("full.vau"), file);
        QApplication::processEvents();
        const double fillMs = elapsedMs(timer);
        out << c.name << " editor: create and show " << QString::number(openMs, 'f', 1)
            << " ms, fill from image " << QString::number(fillMs, 'f', 1) << " ms, together "
            << QString::number(openMs + fillMs, 'f', 1) << " ms" << c.target << "\n";
    }
    setDialogs(nullptr);
    return 0;
}
