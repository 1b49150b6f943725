#pragma once

#include <QLibraryInfo>
#include <QString>
#include <QStringList>

class QCoreApplication;

// Qt's own texts (file dialogs, message-box buttons, serial port errors) in Ukrainian, from
// Qt's translation catalogues in `folder`. The program's own texts are Ukrainian already.
// A catalogue that is missing or unreadable is skipped: Qt then speaks English.
// Returns the catalogues installed ("qtbase_uk", ...).
QStringList installQtTranslations(QCoreApplication &app,
                                  const QString &folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
