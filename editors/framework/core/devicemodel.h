#pragma once

#include <QtGlobal>

// The seven device models the program configures.
enum class Model { Korvel4p, Korvel8p, Korvel16p, Korvel16_64p, ZmuGsm, ZmuGsm4, PKorvel24 };

// The two settings images of a device; the values are the area codes of configurator
// descriptors.
enum class ImageArea : quint8 { Eeprom = 1, Memory = 2 };
