#pragma once

#include "settingsfile.h"

#include <QList>

// One entry per model whose settings-file layout is known: adding a model is adding its
// entry in modellayouts.cpp.
struct ModelLayoutEntry {
    quint8 typeCode;
    SettingsFileLayout (*build)();
};

const QList<ModelLayoutEntry> &modelLayoutEntries();
