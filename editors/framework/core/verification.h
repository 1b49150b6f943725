#pragma once

#include "devicedefinition.h"

// Reading back what a write stored. Every step of the write plan that stores bytes gets a
// read of exactly its range into scratch images (EEPROM bytes into the scratch EEPROM
// image, everything else into the scratch memory image, one range after another), and
// `expected` holds the bytes sent at the same scratch places. The clock is not read back:
// it has moved on.
struct VerifiedRange {
    ImageArea scratch;    // which scratch image holds it
    int scratchOffset;
    int length;
    bool fromImage;       // image bytes (else a constant or a slot descriptor)
    ImageArea source;     // where the bytes came from, when from an image
    int sourceOffset;
    QString label;        // what it is, when not from an image: "байти 0x00FE"
};

struct Verification {
    TransferPlan reads;
    SettingsImages expected;
    QList<VerifiedRange> ranges;
};

// `readPlan` (the model's device read) gives the request size each memory range takes
// when read; a range it does not cover is read in requests of its write size.
Verification verificationOf(const TransferPlan &write, const SettingsImages &sent,
                            const TransferPlan &readPlan);

// What a check found.
struct VerifyResult {
    bool matches = true;
    SettingsImages readBack; // the images sent with every image byte read back in place
    QStringList otherMismatches; // ranges not from an image that differ
};
VerifyResult checkVerification(const Verification &verification, const SettingsImages &sent,
                               const SettingsImages &scratch);
