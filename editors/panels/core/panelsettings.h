#pragma once

#include "panelmodel.h"
#include "panelsections.h"
#include "telephonenumber.h"

// What the controls of a 4-, 8- or 16-zone panel editor hold. Zones beyond the model's zone
// count and section fields beyond a section's field count are not part of the configuration.

// The panels' names for what their zone grid and telephone fields hold.
using PanelZone = ZoneSettings;
using PanelTelephone = TelephoneNumber;

struct PanelSettings {
    ZoneList zones;
    // ud5 to ud12 by PanelSpinner; seconds, minutes, hours and days as the spinners show them.
    std::array<int, kSpinnerCount> spinners{10, 0, 0, 0, 0, 0, 0, 0};
    QString address;     // edAddress (8- and 16-zone)
    QString accessCode2; // edCode2, up to four decimal digits
    QString accessCode3; // edCode3
    std::array<QString, 2> objectNumbers;     // edNumDev1, edNumDev2, hex words
    std::array<PanelTelephone, 2> telephones;
    // edS<s><k> by section index and field k - 1, hex pairs; field 1 of sections 30 and 44
    // is the protocol combo instead.
    std::array<SectionFieldTexts, kSectionCount> sectionFields;
    std::array<int, 2> protocols{}; // cbS301, cbS441 item index

    int spinner(PanelSpinner which) const { return spinners[std::size_t(which)]; }
    int &spinner(PanelSpinner which) { return spinners[std::size_t(which)]; }

    friend bool operator==(const PanelSettings &, const PanelSettings &) = default;
};
