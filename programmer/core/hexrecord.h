#pragma once

#include <QByteArray>
#include <QByteArrayView>

// One record (line) of an Intel HEX file: ":", then count (2 digits), address (4), type (2),
// count data bytes (2 digits each) and a checksum (2) that makes the sum of every byte
// after the colon 0 modulo 256. Every field is hexadecimal digits and nothing else.
enum class HexRecordType : quint8 {
    Data = 0x00,
    EndOfFile = 0x01,
    ExtendedSegmentAddress = 0x02, // upper address part, paragraph (x16) units
    StartSegmentAddress = 0x03,
    ExtendedLinearAddress = 0x04,  // upper 16 address bits
    StartLinearAddress = 0x05,
};

struct HexRecord {
    HexRecordType type = HexRecordType::Data;
    quint16 address = 0;
    QByteArray data;
};

// What is wrong with a HEX file. `line` counts from 1; 0 means the file as a whole.
struct HexError {
    enum class Reason {
        None,
        FileUnreadable,
        FileTooLarge,     // found: the file's size in bytes
        NoStartColon,
        NotHexDigit,      // column: 1-based character position; found: the character
        LengthMismatch,   // digits after the colon: expected as the count field says, found
        BadChecksum,      // expected: the checksum the bytes need; found: the line's
        UnknownType,      // found: the type
        BadRecordLength,  // data bytes of an end or address record: expected, found
        UpperAddress,     // found: the non-zero upper address part (16 bits)
        PastAddressSpace, // a data record runs past 0xFFFF
        DataAfterEnd,     // a record after the end-of-file record
        NoEndRecord,      // the file stops without an end-of-file record (cut short?); line 0
    };
    Reason reason = Reason::None;
    int line = 0;
    int column = 0;
    qint64 expected = 0;
    qint64 found = 0;
};

struct ParsedHexRecord {
    HexRecord record;
    HexError error; // reason None: the record is good; `line` is left to the caller
};

// Checks one line (without its line end) completely: colon, digits, length, checksum, a
// known type with its length, an upper address part of 0 (the device addresses 16 bits)
// and data that stay below 0x10000.
ParsedHexRecord parseHexRecord(QByteArrayView line);
