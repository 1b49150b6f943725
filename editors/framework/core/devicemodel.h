#pragma once

#include <QtGlobal>

// The device models the program configures, in the order of the model list.
enum class Model {
#define VEX_MODEL(name, definition, editor) name,
#include "modellist.def"
#undef VEX_MODEL
};

// The two settings images of a device; the values are the area codes of configurator
// descriptors.
enum class ImageArea : quint8 { Eeprom = 1, Memory = 2 };
