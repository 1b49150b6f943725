#pragma once

#include <QString>

// Where the program keeps what it writes itself: option.ini and the log. A copy unpacked
// anywhere keeps option.ini beside the program and the log under the current directory. An
// installed program, whose folder the user cannot write, keeps option.ini in the user's
// configuration folder and the log in the user's data folder; the factory files are still
// read from beside the program.
struct WritableFolders {
    QString optionIni; // full path of option.ini
    QString logBase;   // the folder that holds "Logs"; empty: the current directory
};

WritableFolders writableFolders(const QString &programFolder);

// True when a file can be created in `folder`: one is created and removed again, since the
// permission bits do not tell what a privileged user or a read-only mount allows.
bool canCreateFilesIn(const QString &folder);
