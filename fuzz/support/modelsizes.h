#pragma once

#include "devicemodel.h"

// The settings-file layout of each model (type code, then the EEPROM and memory images), from
// the file format's table: the fuzz targets hold the program to it.
struct ModelLayout {
    Model model;
    quint8 typeCode;
    int eepromSize;
    int memorySize;

    int fileSize() const { return 2 + eepromSize + memorySize; }
};

inline constexpr ModelLayout kModelLayouts[] = {
    {Model::Korvel4p, 23, 19, 210},  {Model::Korvel8p, 22, 20, 274}, {Model::Korvel16p, 30, 28, 512},
    {Model::Korvel16_64p, 31, 29, 664}, {Model::ZmuGsm, 26, 2, 132}, {Model::ZmuGsm4, 49, 54, 132},
    {Model::PKorvel24, 55, 0, 203},
};
