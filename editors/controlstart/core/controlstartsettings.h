#pragma once

#include "controlstartclock.h"
#include "controlstartmap.h"
#include "sectiontable.h"
#include "telephonenumber.h"
#include "timingranges.h"
#include "zonetable.h"

#include <array>

// What the controls of the control-and-start device's editor hold.
namespace controlstart {

// Items of cbVoltage1 and cbVoltage2.
enum Supply { kSupply12 = 0, kSupply24 = 1 };

struct Direction {
    int supply = kSupply24;       // cbVoltage<d>
    bool releaseControl = false;  // ckbControl<d> "Контролювання випуску"
    int evacuationDelay = 0;      // udEvak<d>, seconds
    int releaseTime = 1;          // udIssue<d>, minutes

    friend bool operator==(const Direction &, const Direction &) = default;
};

inline constexpr SpinnerRange kEvacuationRange{0, 60, 1};
inline constexpr SpinnerRange kReleaseRange{1, 30, 1};

// Zones the device has not been told about: "розімкнутий", "без збігу", no outputs.
inline ZoneList openZones()
{
    ZoneList zones;
    zones.fill(ZoneSettings{.detectorType = kDetectorOpen});
    return zones;
}

struct Settings {
    // Zones 5 to 8; outputs in columns C ("ОПОВ"), D ("РЕЛ 1"), E ("РЕЛ 2").
    ZoneList zones = openZones();
    // ud5 coincidence and ud6 sounder time in seconds, ud7 line-fault time in minutes.
    std::array<int, kTimingValueCount> times{10, 0, 0};
    std::array<int, kTestReportFieldCount> testReport{}; // ud8 to ud12
    std::array<Direction, kDirectionCount> directions;
    QString accessCode2; // edCode2, up to 4 digits
    QString accessCode3; // edCode3, up to 5 digits
    std::array<QString, 2> objectNumbers; // edNumDev1, edNumDev2, hex words
    std::array<TelephoneNumber, 2> telephones;
    std::array<SectionFieldTexts, kSectionCount> sectionFields; // by section index
    std::array<int, 1> lists{}; // cbS271 item index
    ClockSettings clock;

    friend bool operator==(const Settings &, const Settings &) = default;
};

} // namespace controlstart
