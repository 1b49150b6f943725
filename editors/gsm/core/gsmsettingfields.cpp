#include "gsmsettingfields.h"

#include "gsmfields.h"
#include "gsmtexts.h"

using namespace gsmtext;

namespace {

const QString kChannelGroup = QStringLiteral("Канал");

QString channelText(GsmChannel channel)
{
    return channelItems().value(int(channel));
}

} // namespace

QList<SettingField> gprsSettingFields(const GprsTexts &texts, bool withHiddenCode)
{
    QList<SettingField> fields;
    for (const GprsBlock &b : gprsBlocks()) {
        if (b.field == GprsField::HiddenCode && !withHiddenCode)
            continue;
        const QString &text = texts[std::size_t(b.field)];
        fields.append({kGprsChannel, QString::fromUtf8(b.label),
                       b.kind == GprsFieldKind::Ip ? normalisedIp(text) : text});
    }
    return fields;
}

QList<SettingField> gsmSettingFields(const GsmSettings &s)
{
    return QList<SettingField>{{kChannelGroup, kChannel, channelText(s.channel)}}
           + gprsSettingFields(s.gprs, true);
}

QList<SettingField> gsm4LoopFields(const Gsm4Settings &s)
{
    const QString types = QStringLiteral("Тип входів");
    const QString levels = QStringLiteral("Активний рівень");
    QList<SettingField> fields;
    for (int n = 0; n < 2; ++n)
        fields.append({types, loopCaption(n + 1), inputTypeItems().value(int(s.inputTypes[std::size_t(n)]))});
    for (int n = 0; n < 2; ++n)
        fields.append({levels, loopCaption(n + 3), activeLevelText(s.risingLevel[std::size_t(n)])});
    return fields;
}

QList<SettingField> gsm4CsdFields(const Gsm4Settings &s)
{
    return {
        {kCsdChannel, kObjectNumber, s.objectNumber},
        {kCsdChannel, QStringLiteral("Перший телефоний номер"), s.telephones[0].text},
        {kCsdChannel, QStringLiteral("Другий телефоний номер"), s.telephones[1].text},
        {kCsdChannel, kProtocol, protocolItems().value(int(s.protocol))},
        {kCsdChannel, kDialInterval, s.dialInterval},
    };
}

QList<SettingField> gsm4EventCodeFields(const Gsm4Settings &s)
{
    const QString group = QStringLiteral("Параметри");
    QList<SettingField> fields;
    const QStringList labels = eventCodeLabels();
    for (int i = 0; i < gsm4::kEventCodeCount; ++i)
        fields.append({group, labels.value(i), s.eventCodes[std::size_t(i)]});
    return fields;
}

QList<SettingField> gsm4SettingFields(Gsm4Variant variant, const Gsm4Settings &s)
{
    return QList<SettingField>{{kChannelGroup, kChannel, channelText(s.common.channel)}} + gsm4LoopFields(s)
           + gsm4CsdFields(s) + gprsSettingFields(s.common.gprs, variant == Gsm4Variant::Gsm4)
           + gsm4EventCodeFields(s);
}
