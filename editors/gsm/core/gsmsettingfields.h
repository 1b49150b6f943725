#pragma once

#include "gsmsettings.h"
#include "settingfields.h"

// The GSM modules' settings as named fields valued as the reports print them, grouped
// under the reports' headings: what the reports list, and what verification, comparison
// and the commissioning record show.

inline const QString kCsdChannel = QStringLiteral("CSD - канал");
inline const QString kGprsChannel = QStringLiteral("GPRS - канал");

// The GPRS group (heading "GPRS - канал"); IP addresses as written, normalised.
QList<SettingField> gprsSettingFields(const GprsTexts &texts, bool withHiddenCode);
// The channel type, then the GPRS group, which is written whatever the channel.
QList<SettingField> gsmSettingFields(const GsmSettings &settings);

QList<SettingField> gsm4LoopFields(const Gsm4Settings &settings); // "Тип входів", "Активний рівень"
QList<SettingField> gsm4CsdFields(const Gsm4Settings &settings);       // "CSD - канал"
QList<SettingField> gsm4EventCodeFields(const Gsm4Settings &settings); // "Параметри"
// Every field the module receives: the "ЗМУ-С112.4" receives no hidden code.
QList<SettingField> gsm4SettingFields(Gsm4Variant variant, const Gsm4Settings &settings);
