#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a property check that stops the run (libFuzzer keeps the
// input as a crash), and a reader that takes the parts of one input in turn.

[[noreturn]] void fuzzFailure(const char *condition, const char *file, int line);

#define FUZZ_CHECK(condition) \
    ((condition) ? void() : fuzzFailure(#condition, __FILE__, __LINE__))

class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size)
        : m_bytes(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)))
    {
    }

    bool atEnd() const { return m_position >= m_bytes.size(); }
    // 0 once the input is used up.
    quint8 byte();
    // Up to `count` bytes (fewer at the input's end).
    QByteArray bytes(qsizetype count);
    QByteArray rest();
    // A text of up to `maxLength` bytes, read as UTF-8: its length comes first.
    QString text(int maxLength);

private:
    QByteArray m_bytes;
    qsizetype m_position = 0;
};

// A Qt application object for the targets whose code posts events or runs timers, and a
// current directory of their own whose log file leads to /dev/null, so that long runs
// neither fill the disk nor write beside the caller.
void setUpQuietApplication();
