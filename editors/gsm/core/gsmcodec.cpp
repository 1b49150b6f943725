#include "gsmcodec.h"

#include "gsmfields.h"
#include "packets.h"
#include "panelencoding.h"

namespace {

using namespace gsmimage;

char trailerOf(const GprsBlock &block, IdentifierForm form)
{
    if (block.kind == GprsFieldKind::Digits)
        return block.field == GprsField::Identifier && form == IdentifierForm::Gsm4 ? kPadding : '\0';
    return kPadding;
}

QByteArray fieldBytes(const GprsBlock &block, IdentifierForm form, const QString &text)
{
    switch (block.kind) {
    case GprsFieldKind::Digits:
        return digitFieldBytes(text, block.field == GprsField::Identifier ? identifierWidth(form)
                                                                          : kDigitFieldWidth);
    case GprsFieldKind::AccessPoint:
        return accessPointBytes(text);
    case GprsFieldKind::Ip:
        return normalisedIp(text).toLatin1();
    case GprsFieldKind::Interval:
        break;
    }
    return QByteArray(1, char(intervalByte(text)));
}

StoredText fieldText(const GprsBlock &block, IdentifierForm form, const QByteArray &bytes)
{
    switch (block.kind) {
    case GprsFieldKind::Digits:
        return digitFieldText(bytes, form != IdentifierForm::Gsm);
    case GprsFieldKind::AccessPoint:
        return {accessPointText(bytes)};
    case GprsFieldKind::Ip:
        return {ipText(bytes)};
    case GprsFieldKind::Interval:
        break;
    }
    return {intervalText(byteAt(bytes, 0))};
}

int storedLength(const GprsBlock &block, IdentifierForm form)
{
    return block.field == GprsField::Identifier ? identifierWidth(form) : block.storedLength;
}

quint8 gsm4Channel(GsmChannel channel)
{
    return channel == GsmChannel::Csd ? gsm4::kChannelCsd : gsm4::kChannelGprs;
}

quint8 bitsOf(bool first, bool second)
{
    return quint8((first ? 1 : 0) | (second ? 2 : 0));
}

void encodeTelephones(const Gsm4Settings &s, QByteArray &image)
{
    // The first number goes whenever it has a packed form, the second only when typed.
    for (int n = 0; n < 2; ++n) {
        const TelephoneNumber &t = s.telephones[std::size_t(n)];
        const bool stored = n == 0 ? !t.codeString.isEmpty() : !t.text.isEmpty();
        if (stored)
            putBytes(image, gsm4::kTelephones[n], gsm4TelephoneBytes(t.codeString));
    }
}

void decodeLoops(const QByteArray &image, Gsm4Settings &s)
{
    const quint8 inputs = byteAt(image, gsm4::kInputTypes);
    for (int n = 0; n < 2; ++n)
        s.inputTypes[std::size_t(n)] = inputs & (1 << n) ? InputType::Fire : InputType::Fault;
    const quint8 levels = byteAt(image, gsm4::kActiveLevels);
    if (levels <= bitsOf(true, true)) // other values leave the buttons as they are
        s.risingLevel = {bool(levels & 1), bool(levels & 2)};
}

void decodeChannel(quint8 byte, quint8 csd, quint8 gprs, GsmChannel &channel)
{
    if (byte == csd)
        channel = GsmChannel::Csd;
    else if (byte == gprs)
        channel = GsmChannel::Gprs;
}

// A reset shows both IP fields empty, not as the zero bytes read back.
void clearIpFields(GsmSettings &s)
{
    s.text(GprsField::Ip) = kEmptyIpText;
    s.text(GprsField::AltIp) = kEmptyIpText;
}

} // namespace

Gsm4Variant gsm4Variant(quint8 editorVariant)
{
    return editorVariant == quint8(Gsm4Variant::Gsm4) ? Gsm4Variant::Gsm4 : Gsm4Variant::S112;
}

Gsm4Variant gsm4VariantOfMarker(quint8 marker)
{
    return marker == gsm4::kMarkerGsm4 ? Gsm4Variant::Gsm4 : Gsm4Variant::S112;
}

IdentifierForm identifierForm(Gsm4Variant variant)
{
    return variant == Gsm4Variant::Gsm4 ? IdentifierForm::Gsm4 : IdentifierForm::S112;
}

int identifierWidth(IdentifierForm form)
{
    return form == IdentifierForm::S112 ? kLongIdentifierWidth : kDigitFieldWidth;
}

QByteArray encodeGprsMemory(const GprsTexts &texts, IdentifierForm form)
{
    QByteArray image(kMemorySize, '\0');
    for (const GprsBlock &block : gprsBlocks()) {
        const QByteArray bytes = fieldBytes(block, form, texts[std::size_t(block.field)]);
        putBytes(image, block.imageOffset, bytes.leftJustified(block.length, trailerOf(block, form), true));
    }
    return image;
}

ShownAsStored decodeGprsMemory(const QByteArray &image, IdentifierForm form, GprsTexts &texts)
{
    ShownAsStored marked;
    for (const GprsBlock &block : gprsBlocks()) {
        if (block.field == GprsField::HiddenCode && form == IdentifierForm::S112)
            continue;
        const QByteArray bytes = imageSlice(image, block.imageOffset, storedLength(block, form));
        const StoredText read = fieldText(block, form, bytes);
        texts[std::size_t(block.field)] = read.text;
        if (read.asStored)
            marked.append(QString::fromLatin1(block.objectName));
    }
    return marked;
}

QByteArray encodeGsmEeprom(const GsmSettings &settings)
{
    QByteArray image(gsm::kEepromSize, '\0');
    putByte(image, 0, gsm::kEepromLead);
    putByte(image, 1, settings.channel == GsmChannel::Csd ? gsm::kChannelCsd : gsm::kChannelGprs);
    return image;
}

void decodeGsmEeprom(const QByteArray &image, GsmSettings &settings)
{
    decodeChannel(byteAt(image, 1), gsm::kChannelCsd, gsm::kChannelGprs, settings.channel);
}

GsmSettings gsmDefaults()
{
    GsmSettings s;
    decodeGsmEeprom(QByteArray(gsm::kEepromSize, '\0'), s);
    decodeGprsMemory(QByteArray(kMemorySize, '\0'), IdentifierForm::Gsm, s.gprs);
    clearIpFields(s);
    return s;
}

QByteArray encodeGsm4Eeprom(const Gsm4Settings &s, Gsm4Variant variant)
{
    QByteArray image(gsm4::kEepromSize, '\0');
    const bool csd = s.common.channel == GsmChannel::Csd;
    writeAccessCode(image, gsm4::kObjectNumber, kObjectNumberFormat, s.objectNumber);
    const bool v110 = s.protocol == Gsm4Protocol::V110 || !csd;
    putByte(image, gsm4::kProtocol, v110 ? gsm4::kProtocolV110 : 0);
    putByte(image, gsm4::kChannel, gsm4Channel(s.common.channel));
    putByte(image, gsm4::kActiveLevels, bitsOf(s.risingLevel[0], s.risingLevel[1]));
    putByte(image, gsm4::kInputTypes,
            bitsOf(s.inputTypes[0] == InputType::Fire, s.inputTypes[1] == InputType::Fire));
    encodeTelephones(s, image);
    putByte(image, gsm4::kDialInterval, dialIntervalByte(s.dialInterval));
    for (int i = 0; i < gsm4::kEventCodeCount; ++i)
        writeAccessCode(image, gsm4::kEventCodes + 2 * i, kEventCodeFormat, s.eventCodes[std::size_t(i)]);
    putByte(image, gsm4::kMarker, variant == Gsm4Variant::Gsm4 ? gsm4::kMarkerGsm4 : gsm4::kMarkerS112);
    return image;
}

ShownAsStored decodeGsm4Eeprom(const QByteArray &image, Gsm4Settings &s)
{
    s.objectNumber = objectNumberText(image, gsm4::kObjectNumber);
    s.protocol = byteAt(image, gsm4::kProtocol) ? Gsm4Protocol::V110 : Gsm4Protocol::V32;
    decodeChannel(byteAt(image, gsm4::kChannel), gsm4::kChannelCsd, gsm4::kChannelGprs, s.common.channel);
    decodeLoops(image, s);
    for (int n = 0; n < 2; ++n)
        s.telephones[std::size_t(n)] = gsm4TelephoneAt(image, gsm4::kTelephones[n]);
    s.dialInterval = dialIntervalText(byteAt(image, gsm4::kDialInterval));
    ShownAsStored marked;
    for (int i = 0; i < gsm4::kEventCodeCount; ++i) {
        const StoredText code = eventCodeText(image, gsm4::kEventCodes + 2 * i);
        s.eventCodes[std::size_t(i)] = code.text;
        if (code.asStored)
            marked.append(QStringLiteral("edS%1").arg(i + 1));
    }
    return marked;
}

QByteArray encodeGsm4Memory(const Gsm4Settings &settings, Gsm4Variant variant)
{
    return encodeGprsMemory(settings.common.gprs, identifierForm(variant));
}

ShownAsStored decodeGsm4Memory(const QByteArray &image, Gsm4Variant variant, Gsm4Settings &settings)
{
    return decodeGprsMemory(image, identifierForm(variant), settings.common.gprs);
}

Gsm4Settings gsm4Defaults(Gsm4Variant variant)
{
    Gsm4Settings s;
    s.common.channel = variant == Gsm4Variant::Gsm4 ? GsmChannel::Csd : GsmChannel::Gprs;
    decodeGsm4Eeprom(QByteArray(gsm4::kEepromSize, '\0'), s);
    decodeGsm4Memory(QByteArray(kMemorySize, '\0'), variant, s);
    clearIpFields(s.common);
    return s;
}
