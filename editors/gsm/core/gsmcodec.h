#pragma once

#include "gsmsettings.h"

#include <QByteArray>

// Settings to images and back, for both GSM modules. Decoders read bytes beyond an image's
// end as 0 and leave a control alone where the documented rule keeps it.

// How the identifier block (6 bytes) is laid out.
enum class IdentifierForm {
    Gsm,  // GSM module: 4 digits, then 0x00 0x00
    Gsm4, // "ЗМУ-GSM.4": 4 digits, then 0xFF 0xFF
    S112, // "ЗМУ-С112.4": 6 digits; the hidden code is neither shown nor sent
};
IdentifierForm identifierForm(Gsm4Variant variant);
int identifierWidth(IdentifierForm form);

// The 132-byte memory image of the GPRS group.
QByteArray encodeGprsMemory(const GprsTexts &texts, IdentifierForm form);
ShownAsStored decodeGprsMemory(const QByteArray &image, IdentifierForm form, GprsTexts &texts);

// GSM module: EEPROM byte 0 is 0x01, byte 1 the channel (0x00 CSD, 0x02 GPRS; another
// value leaves the channel as it was).
QByteArray encodeGsmEeprom(const GsmSettings &settings);
void decodeGsmEeprom(const QByteArray &image, GsmSettings &settings);
// What a reset leaves in the controls: all-zero images read back, both IP fields empty.
GsmSettings gsmDefaults();

// GSM.4 module: the 54-byte EEPROM image; byte 53 marks the variant.
QByteArray encodeGsm4Eeprom(const Gsm4Settings &settings, Gsm4Variant variant);
ShownAsStored decodeGsm4Eeprom(const QByteArray &image, Gsm4Settings &settings);
QByteArray encodeGsm4Memory(const Gsm4Settings &settings, Gsm4Variant variant);
ShownAsStored decodeGsm4Memory(const QByteArray &image, Gsm4Variant variant, Gsm4Settings &settings);
// A reset followed by the choice of `variant`: the "ЗМУ-С112.4" is fixed to GPRS.
Gsm4Settings gsm4Defaults(Gsm4Variant variant);
