#pragma once

#include "packagesettings.h"

enum class GenerationResult {
  Success,
  RefusedEntry,     // an entry cannot go into the package's files: nothing was written
  DirectoryFailed,  // a package folder could not be created
  FileFailed,       // a text file or payload could not be written
};

// Writes the package into the generation directory. Settings the wizard's pages would refuse
// (packageSettingsFault) write nothing at all. The first failing step ends the run and
// files written before it stay; a repeated run overwrites them. Writing the serial-port INF turns
// the company abbreviation to upper case in the settings.
GenerationResult generatePackage(PackageSettings &settings);

// Creates the folder and every missing parent; a folder that exists already counts as created.
bool createDirectoryTree(const QString &path);
