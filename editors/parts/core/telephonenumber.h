#pragma once

#include <QString>

// What a telephone field holds: the number as shown and the code string the device stores.
struct TelephoneNumber {
    QString text;       // edTelNum<n>: digits, "+" and "*"
    QString codeString; // kept with the field; empty if it never had one
    bool tone = false;  // sbTonePulse<n> is down

    friend bool operator==(const TelephoneNumber &, const TelephoneNumber &) = default;
};
