#pragma once

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

// Refusal of a name that goes between double quotes in the INF.
QString quotedNameMessage(const QString &fieldName);

// Refusal of a name that becomes a file name in the package.
QString fileNameMessage(const QString &fieldName);
