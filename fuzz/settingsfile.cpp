// Settings-file reader: every input is read as a file of each of the seven models in turn.
// A file it takes gives images of exactly the model's sizes (the format's size table, kept
// here apart from the program's own), holding the file's bytes; one it refuses says why, and
// a file that is too short says how long it should be. A taken file written out again reads
// back the same.
#include "fuzzcheck.h"
#include "modelsizes.h"
#include "settingsfile.h"

#include <QTemporaryDir>

namespace {

const QString &scratchFile()
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("fuzz.vau"));
    return path;
}

void checkTaken(const settingsfile::Contents &contents, const ModelLayout &layout, const QByteArray &bytes)
{
    const int fileSize = layout.fileSize();
    FUZZ_CHECK(contents.model == layout.model);
    FUZZ_CHECK(contents.header.typeCode == layout.typeCode);
    FUZZ_CHECK(contents.header.variant == quint8(bytes.at(1)));
    FUZZ_CHECK(contents.images.eeprom == bytes.mid(2, layout.eepromSize));
    FUZZ_CHECK(contents.images.memory == bytes.mid(2 + layout.eepromSize, layout.memorySize));
    FUZZ_CHECK(contents.images.eeprom.size() == layout.eepromSize);
    FUZZ_CHECK(contents.images.memory.size() == layout.memorySize);
    FUZZ_CHECK(contents.ignoredBytes == bytes.size() - fileSize);

    FUZZ_CHECK(settingsfile::write(scratchFile(), contents.header, contents.images.eeprom,
                                   layout.eepromSize, contents.images.memory, layout.memorySize));
    const settingsfile::ReadResult again = settingsfile::readFile(scratchFile(), layout.model);
    const auto *reread = std::get_if<settingsfile::Contents>(&again);
    FUZZ_CHECK(reread && reread->ignoredBytes == 0);
    FUZZ_CHECK(reread->images.eeprom == contents.images.eeprom);
    FUZZ_CHECK(reread->images.memory == contents.images.memory);
}

void checkRefused(const settingsfile::Failure &failure, const ModelLayout &layout, const QByteArray &bytes)
{
    const int fileSize = layout.fileSize();
    using settingsfile::Fault;
    FUZZ_CHECK(failure.fault == Fault::TooShort || failure.fault == Fault::UnsupportedVariant);
    if (failure.fault == Fault::TooShort)
        FUZZ_CHECK(bytes.size() < fileSize && failure.expectedSize == fileSize);
    else
        FUZZ_CHECK(bytes.size() >= fileSize && failure.variant == quint8(bytes.at(1)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const settingsfile::ReadResult asItIs = settingsfile::parse(input);
    if (const auto *failure = std::get_if<settingsfile::Failure>(&asItIs))
        FUZZ_CHECK(failure->fault != settingsfile::Fault::OtherModel);

    for (const ModelLayout &layout : kModelLayouts) {
        QByteArray bytes = input;
        bytes[0] = char(layout.typeCode);
        const settingsfile::ReadResult result = settingsfile::parse(bytes, layout.model);
        if (const auto *contents = std::get_if<settingsfile::Contents>(&result))
            checkTaken(*contents, layout, bytes);
        else
            checkRefused(std::get<settingsfile::Failure>(result), layout, bytes);
    }
    return 0;
}
