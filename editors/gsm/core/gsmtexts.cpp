#include "gsmtexts.h"

QStringList gsmtext::channelItems()
{
    return {QStringLiteral("CSD"), QStringLiteral("GPRS")};
}

QStringList gsmtext::inputTypeItems()
{
    return {QStringLiteral("несправність"), QStringLiteral("пожар")};
}

QStringList gsmtext::protocolItems()
{
    return {QStringLiteral("V32"), QStringLiteral("V110")};
}

QString gsmtext::loopCaption(int loop)
{
    return QStringLiteral("Шлейф %1").arg(loop);
}

QString gsmtext::activeLevelText(bool rising)
{
    return rising ? QStringLiteral("з 0 в 1") : QStringLiteral("з 1 в 0");
}

QStringList gsmtext::eventCodeLabels()
{
    return {
        QStringLiteral("Вхід \"1\" активний / норма"),
        QStringLiteral("Вхід \"1\" несправність / справний"),
        QStringLiteral("Вхід \"2\" активний / норма"),
        QStringLiteral("Вхід \"2\" несправність / справний"),
        QStringLiteral("Вхід \"3\" активний / норма"),
        QStringLiteral("Вхід \"4\" активний / норма"),
        QStringLiteral("Несправність живлення / живлення в нормі"),
        QStringLiteral("Тампер відкритий / закритий"),
        QStringLiteral("Вхід в програмування (3 рівень)"),
        QStringLiteral("Вихід з програмування (3 рівень)"),
        QStringLiteral("Тестове спровіщення"),
        QStringLiteral("Несправність лінії зв'язку"),
        QStringLiteral("Скидання"),
    };
}

QString gsmtext::telephoneCaption(int number)
{
    return QStringLiteral("%1-й телефоний номер").arg(number);
}
