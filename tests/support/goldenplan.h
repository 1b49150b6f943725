#pragma once

// Golden request lists: hand-written tables of the requests a transfer must send, and the
// decoder that turns a built TPacketList into the same row form, frame by frame.
// Another model: write its tables from the documentation in a text file, add the file as a
// resource of the test, link golden_plans, and compare firstDifference(book.requests(list,
// {{"base", slot base}}), decodeRequests(built)) per case (tst_goldenplans.cpp does so).
//
// Table text (one file may hold many tables and lists; '#' starts a comment):
//
//   table NAME                 named cells that `each` rows repeat over
//   columns k device 4z ...    column names, then one line of cells per row
//   0  0x4800  2 ...
//   end
//
//   list NAME                  the requests of one transfer, in order
//   A 0x0000 ; W E 0x0000 15/8 rows, ';' or a new line between them
//   use OTHER v=5              the rows of list OTHER, with parameter $v = 5 (and ours)
//   each NAME 5..32 : A $device ; W M $device $4z
//                              the rows once per table row whose first cell is 5 to 32
//                              (no range: every row), $column standing for its cell
//   end
//
// Row forms (as decodeRequests() writes them; numbers compare by value, so 0x40 = 64):
//   device (addressee 0x01), the address being where the device's pointer is:
//     A addr             set the address pointer
//     W E|M addr n       write n bytes to EEPROM / working memory; the pointer moves on by n
//     R E addr 1         read one EEPROM byte;                   the pointer moves on by 1
//     R M addr n         read n bytes of working memory;          the pointer moves on by n
//     SW sa n | SR sa b  short-address write of n bytes / read of b bytes
//     CLK R | CLK W n    clock read / write     ID | REG   identify / regular mode
//   configurator (addressee 0x07):
//     CD rec type variant E|M data dev count next    store a block descriptor at rec
//     CW addr n          store n data bytes         CR E|M addr count   read into an image
//     CR K<kind> addr    read of another kind (slot header 9, survey 10)
//   BAD hex-bytes        a frame whose start byte, length byte or CRC is wrong
//
// Shorthands in table rows:
//   N/C as the last field, after an address: N bytes in requests of at most C bytes, the
//       address advancing by each request's count (W E 0x0000 15/8 = 8 at 0, 7 at 8);
//   a+b: the sum of numbers (0x1500+$base, where the test passes base = the slot base);
//   next as a descriptor's next field: the rec of the following CD row of the list.

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class TPacketList;

namespace golden {

struct Request {
    QStringList fields;
    int line = 0; // line of the table text that wrote it; 0 for decoded requests
    QString text() const { return fields.join(QLatin1Char(' ')); }
};
using Requests = QList<Request>;
using Parameters = QMap<QString, QString>;

class PlanBook
{
public:
    // Parses the text; a malformed text leaves an error() and no lists.
    static PlanBook parse(const QString &text);
    // Reads and parses a file (or a Qt resource).
    static PlanBook load(const QString &path);

    QString error() const { return m_error; }
    // The expanded rows of list `name`; on failure none, and *error says why.
    Requests requests(const QString &name, const Parameters &parameters, QString *error) const;

    struct Line {
        int number;
        QString text;
    };
    struct Table {
        QStringList columns;
        QList<QStringList> rows;
    };

private:
    QMap<QString, Table> m_tables;
    QMap<QString, QList<Line>> m_lists;
    QString m_error;

    friend class PlanParser;
    friend class PlanExpander;
};

// A field as a number: "0x..." hexadecimal, otherwise decimal; none for a word.
std::optional<qint64> numberField(const QString &field);
// An address field: "0x" and at least four upper-case hexadecimal digits.
QString hexField(qint64 value);

// Every request of the list in the row form above.
Requests decodeRequests(const TPacketList &list);

// Empty when both lists hold the same requests; otherwise says where they first differ.
QString firstDifference(const Requests &expected, const Requests &built);

} // namespace golden
