#pragma once

#include <QString>

// The program's version (the CMake project's) and the day it was built ("09.12.2026").
QString programVersion();
QString buildDate();
