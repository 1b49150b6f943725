#pragma once

#include "validation.h"

#include <QString>

// Texts of the wizard's message boxes.

inline constexpr char kWizardTitle[] = "Custom USB Driver Installation Wizard";
inline constexpr char kFillInAllBlanks[] = "Please fill in all blanks.";
inline constexpr char kDirectoryDoesNotExist[] = "Directory does not exist, do you want to create it?";
inline constexpr char kCouldNotCreateDirectory[] = "Error: Could Not Create Directory.";
inline constexpr char kCouldNotOpenFileForWrite[] = "Error: Could Not Open File For Write.";
inline constexpr char kCouldNotGenerateAllFiles[] = "Error: Could Not Generate All Files.";
inline constexpr char kFilesGenerated[] = "Files Successfully Generated";
inline constexpr char kSelectGenerationFolder[] = "Select a Folder to Generate Your Setup Files In:";

// Refusal of a directory name; lists the slash that is not the allowed separator.
QString directoryNameMessage(QChar separator);

// Why the entry of the field the wizard labels `fieldName` cannot be used. A target directory
// gets the directory-name text, which names no field.
QString entryFaultMessage(const QString &fieldName, EntryFault fault);
