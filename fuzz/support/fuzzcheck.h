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

// A Qt application object, for the targets whose code posts events.
void setUpApplication();

// While it lives, the current directory is one of the run's own whose log file leads to
// /dev/null: code that logs every frame neither fills the disk nor writes beside the caller.
// (Only while an input runs: libFuzzer takes the paths it is given from the caller's folder.)
class QuietLogFolder
{
public:
    QuietLogFolder();
    ~QuietLogFolder();
    QuietLogFolder(const QuietLogFolder &) = delete;
    QuietLogFolder &operator=(const QuietLogFolder &) = delete;

private:
    QString m_callersFolder;
};
