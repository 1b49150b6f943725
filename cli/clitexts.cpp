#include "clitexts.h"

#include "registry.h"

#include <QDir>

namespace {

using Kind = Operation::Kind;
using Fault = settingsfile::Fault;
using Reason = HexError::Reason;

QString hex(qint64 value, int digits)
{
    return QStringLiteral("0x") + QString::number(value, 16).rightJustified(digits, u'0').toUpper();
}

QString slotText(const char *what, int slot)
{
    return QStringLiteral("%1 configurator slot %2").arg(QLatin1String(what)).arg(slot);
}

QString faultText(const settingsfile::Failure &f)
{
    switch (f.fault) {
    case Fault::Missing: return QStringLiteral("no such file");
    case Fault::NotReadable: return QStringLiteral("cannot be read (%1)").arg(f.systemReason);
    case Fault::Empty: return QStringLiteral("the file is empty");
    case Fault::UnknownType: return QStringLiteral("not a settings file: unknown device type code %1").arg(f.typeCode);
    case Fault::OtherModel: return QStringLiteral("settings of another device (type code %1)").arg(f.typeCode);
    case Fault::TooShort:
        return QStringLiteral("the file is cut short: %1 bytes of the %2 its model needs").arg(f.size).arg(f.expectedSize);
    case Fault::UnsupportedVariant:
        return QStringLiteral("firmware variant %1 of type %2 is not supported").arg(f.variant).arg(f.typeCode);
    }
    return {};
}

QString hexReason(const HexError &e)
{
    switch (e.reason) {
    case Reason::None: return {};
    case Reason::FileUnreadable: return QStringLiteral("the file cannot be read");
    case Reason::FileTooLarge:
        return QStringLiteral("the file is too large for firmware: %1 bytes, at most %2 MiB")
            .arg(e.found).arg(e.expected / (1024 * 1024));
    case Reason::NoStartColon: return QStringLiteral("the record does not start with a colon");
    case Reason::NotHexDigit: return QStringLiteral("character %1 at column %2 is not a hex digit").arg(hex(e.found, 2)).arg(e.column);
    case Reason::LengthMismatch:
        return QStringLiteral("%1 digits after the colon, the byte count needs %2").arg(e.found).arg(e.expected);
    case Reason::BadChecksum:
        return QStringLiteral("bad checksum %1, the bytes need %2").arg(hex(e.found, 2), hex(e.expected, 2));
    case Reason::UnknownType: return QStringLiteral("unknown record type %1").arg(hex(e.found, 2));
    case Reason::BadRecordLength:
        return QStringLiteral("a record of this type holds %1 data bytes, this one %2").arg(e.expected).arg(e.found);
    case Reason::UpperAddress:
        return QStringLiteral("upper address %1 is beyond the device's 64 KiB").arg(hex(e.found, 4));
    case Reason::PastAddressSpace: return QStringLiteral("data run past address 0xFFFF");
    case Reason::DataAfterEnd: return QStringLiteral("a record after the end-of-file record");
    case Reason::NoEndRecord: return QStringLiteral("no end-of-file record (the file may be cut short)");
    }
    return {};
}

QString archiveSentence(ArchiveError::Code code)
{
    using Code = ArchiveError::Code;
    switch (code) {
    case Code::None: break;
    case Code::NoDriver: return QStringLiteral("the database driver for the archive is not installed");
    case Code::CannotOpen: return QStringLiteral("the archive cannot be opened");
    case Code::Damaged: return QStringLiteral("the archive is damaged");
    case Code::NotAnArchive: return QStringLiteral("the database is no site archive");
    case Code::TooNew: return QStringLiteral("the archive was written by a newer program and is left as it is");
    case Code::ServerUnreachable: return QStringLiteral("the archive server cannot be reached");
    case Code::NotFound: return QStringLiteral("no such record in the archive");
    case Code::EmptyObjectNumber: return QStringLiteral("the device holds no object number");
    case Code::NoConfiguration: return QStringLiteral("the event holds no device settings");
    default: return QStringLiteral("the archive refused it");
    }
    return {};
}

} // namespace

QString operationText(const Operation &operation)
{
    switch (operation.kind) {
    case Kind::ReadDevice: return QStringLiteral("reading the device");
    case Kind::WriteDevice: return QStringLiteral("writing the device");
    case Kind::ReadSlot: return slotText("reading", operation.slot);
    case Kind::WriteSlot: return slotText("writing", operation.slot);
    case Kind::SurveySlots: return QStringLiteral("surveying the configurator");
    case Kind::ClearConfigurator: return QStringLiteral("clearing the configurator");
    case Kind::FirmwareToDevice: return QStringLiteral("writing firmware into the device");
    case Kind::FirmwareToConfigurator: return QStringLiteral("writing firmware into the configurator");
    case Kind::RegularMode: return QStringLiteral("switching to regular mode");
    case Kind::VerifyDevice: return QStringLiteral("checking the device after the write");
    case Kind::VerifySlot: return slotText("checking", operation.slot);
    case Kind::CompareDevice: return QStringLiteral("reading the device to compare");
    }
    return {};
}

QString causeText(ExchangeFailure::Cause cause)
{
    switch (cause) {
    case ExchangeFailure::Cause::NoReply: return QStringLiteral("no reply");
    case ExchangeFailure::Cause::BadChecksum: return QStringLiteral("bad checksum");
    case ExchangeFailure::Cause::WrongAnswer: return QStringLiteral("wrong answer");
    }
    return {};
}

QString causeKey(ExchangeFailure::Cause cause)
{
    return causeText(cause).replace(u' ', u'-');
}

QString settingsFileFault(const QString &path, const settingsfile::Failure &failure)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + faultText(failure);
}

QString hexErrorLine(const HexError &error)
{
    const QString reason = hexReason(error);
    return error.line > 0 ? QStringLiteral("line %1: %2").arg(error.line).arg(reason) : reason;
}

QString modelName(Model model)
{
    switch (model) {
    case Model::Korvel4p: return QStringLiteral("4-zone panel");
    case Model::Korvel8p: return QStringLiteral("8-zone panel");
    case Model::Korvel16p: return QStringLiteral("16-zone panel");
    case Model::Korvel16_64p: return QStringLiteral("16.64 system panel");
    case Model::ZmuGsm: return QStringLiteral("GSM module");
    case Model::ZmuGsm4: return QStringLiteral("GSM.4 module");
    case Model::PKorvel24: return QStringLiteral("2/4 control-and-start device");
    }
    return {};
}

QString deviceText(quint8 typeCode, quint8 variant)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    const QString name = model ? modelName(*model) : QStringLiteral("device of type %1").arg(typeCode);
    return QStringLiteral("%1, variant %2").arg(name).arg(variant);
}

QString archiveErrorText(const ArchiveError &error)
{
    // The archive's own sentence comes first, in the program's language; what follows its
    // first ": " is the database's or the system's. A newer schema's detail is the sentence's.
    const QString detail = error.code == ArchiveError::Code::TooNew ? QString() : error.message.section(QStringLiteral(": "), 1);
    const QString sentence = archiveSentence(error.code);
    return detail.isEmpty() ? sentence : QStringLiteral("%1 (%2)").arg(sentence, detail);
}
