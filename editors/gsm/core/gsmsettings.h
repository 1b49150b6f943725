#pragma once

#include "gsmtables.h"
#include "telephonenumber.h"

#include <QString>
#include <QStringList>

#include <array>

// What the controls of the two GSM module editors hold.

enum class GsmChannel { Csd, Gprs }; // cbChannelType item index

// The GPRS group, shared by both modules: the texts of its edits by GprsField.
using GprsTexts = std::array<QString, kGprsFieldCount>;

inline const QString kEmptyIpText = QStringLiteral("   .   .   .   ");

struct GsmSettings {
    GsmChannel channel = GsmChannel::Csd;
    GprsTexts gprs;

    QString &text(GprsField f) { return gprs[std::size_t(f)]; }
    const QString &text(GprsField f) const { return gprs[std::size_t(f)]; }

    friend bool operator==(const GsmSettings &, const GsmSettings &) = default;
};

// The GSM.4 module's two variants, by the variant number the editor is opened with.
enum class Gsm4Variant : quint8 {
    Gsm4 = 1, // "ЗМУ-GSM.4"
    S112 = 2, // "ЗМУ-С112.4": GPRS only, a six-digit identifier and no hidden code
};
Gsm4Variant gsm4Variant(quint8 editorVariant);
// EEPROM byte 53 tells the variant a configuration was made for.
Gsm4Variant gsm4VariantOfMarker(quint8 marker);

enum class InputType { Fault, Fire };       // cbFire<n> item index: "несправність", "пожар"
enum class Gsm4Protocol { V32, V110 };      // cbProtocol item index

inline constexpr int kGsm4TelephoneDigits = 18;

struct Gsm4Settings {
    GsmSettings common;                           // channel and the GPRS group
    std::array<InputType, 2> inputTypes{};        // loops 1 and 2
    std::array<bool, 2> risingLevel{};            // loops 3 and 4: "з 0 в 1" pressed
    QString objectNumber;                         // edNumDev, hexadecimal digits
    // edTelNum1, edTelNum2: digits; the code string kept with each is its text followed by
    // "D" up to 18 digits after every edit, or the 18 digits read from the module.
    std::array<TelephoneNumber, 2> telephones;
    Gsm4Protocol protocol = Gsm4Protocol::V32;
    QString dialInterval;                         // edIntervalCSD, hours
    std::array<QString, gsm4::kEventCodeCount> eventCodes; // edS1 .. edS13

    friend bool operator==(const Gsm4Settings &, const Gsm4Settings &) = default;
};

// Object names of the edits whose stored bytes do not read as the field's form and are
// shown as stored, so that the user does not take them for typed values.
using ShownAsStored = QStringList;
