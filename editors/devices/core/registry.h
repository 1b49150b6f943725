#pragma once

#include "devicedefinition.h"

#include <QList>
#include <QString>
#include <optional>

// The list of every model's definition, and what the program asks of it. Adding a model
// is adding its definition to the list in registry.cpp.

using ModelInfo = DeviceDefinition;

const QList<DeviceDefinition> &models();
const DeviceDefinition &modelInfo(Model model);
std::optional<Model> modelByTypeCode(quint8 typeCode);

// Size of a settings file of the model: type byte, variant byte and both images.
int settingsFileSize(Model model);

// Identification: the model of an accepted (type, variant) pair, with the variant the
// editor gets (a 4-zone panel reporting 0 is taken as 3). Nothing for a pair the
// program does not support.
struct Identified {
    Model model;
    quint8 variant;
};
std::optional<Identified> identify(quint8 typeCode, quint8 variant);

// Editor title (also its hint) for a variant; empty when the variant leaves the title as
// it was.
QString editorTitle(Model model, quint8 variant);

// Factory settings file, relative to the program's folder ("adjustments/kvl4p-3.vaf"),
// chosen by the editor's title for the 4- and 8-zone panels. Empty: the model has none.
QString factoryFile(Model model, const QString &title);

// Text after "Конфігурація n " in the read-slot menu items after a survey.
QString slotDescription(quint8 typeCode, quint8 variant);

// The links of the selection window, model by model.
QList<SelectionLink> selectionLinks();
