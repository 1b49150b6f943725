#include "panelsections.h"

// Section titles and field captions. Sections s and s + 14 share their captions.

namespace {

enum SectionBase {
    kFireAlarm, kFireAlarmCancel, kCoincidence, kCoincidenceCancel, kZoneFault, kZoneFaultCleared,
    kZoneOff, kZoneOn, kOutputsOff, kOutputsOn, kOutputFault, kOutputNormal, kParameters, kOther,
};

const QString &reserved()
{
    static const QString text = QStringLiteral("Зарезервована");
    return text;
}

// Fields of sections 18 to 25 name zones 1 to n.
QStringList zoneCaptions(PanelModel model, int base)
{
    static const std::array<QString, 8> templates{
        QStringLiteral("Пожежна тривога в зоні %1"), QStringLiteral("Відміна тривоги в зоні %1"),
        QStringLiteral("Виявлення збігу в зоні %1"),
        QStringLiteral("Відміна виявлення збігу в зоні %1"), QStringLiteral("Несправність зони %1"),
        QStringLiteral("Усунення несправності зони %1"), QStringLiteral("Вимкнення зони %1"),
        QStringLiteral("Ввімкнення зони %1")};
    QStringList captions;
    for (int zone = 1; zone <= panelModelInfo(model).zoneCount; ++zone)
        captions.append(templates[std::size_t(base)].arg(zone));
    return captions;
}

// One caption per output name; an empty name is a reserved field.
QStringList outputCaptions(const QString &textTemplate, const QStringList &outputs)
{
    QStringList captions;
    for (const QString &output : outputs)
        captions.append(output.isEmpty() ? reserved() : textTemplate.arg(output));
    return captions;
}

// Sections 26 (outputs off) and 27 (outputs on).
QStringList switchingCaptions(PanelModel model, bool switchingOn)
{
    const bool sixteen = model == PanelModel::SixteenZone;
    const QStringList outputs = sixteen
        ? QStringList{QStringLiteral("ПППН"), QStringLiteral("ПЦПС"), {}, {}, {}, {},
                      QStringLiteral("ОПОВ."), QStringLiteral("АЗПЗ1"), QStringLiteral("АЗПЗ2"),
                      QStringLiteral("АЗПЗ3"), QStringLiteral("АЗПЗ4"), {}, {}, {}}
        : QStringList{QStringLiteral("АЗПЗ1"), QStringLiteral("ПЦПС"), QStringLiteral("ПППН"),
                      QStringLiteral("ОПОВ."), QStringLiteral("АЗПЗ2"), {}};
    QStringList captions = switchingOn
        ? QStringList{QStringLiteral("Ввімкнення кіл живлення"),
                      QStringLiteral("Ввімкнення живлення сповіщувачів")}
        : QStringList{QStringLiteral("Вимкнення кіл живлення"),
                      QStringLiteral("Вимкнення живлення сповіщувачів")};
    captions += outputCaptions(switchingOn ? QStringLiteral("Ввімкнений вихід %1")
                                           : QStringLiteral("Вимкнений вихід %1"),
                               outputs);
    return captions;
}

// Sections 28 (output fault) and 29 (output back to normal).
QStringList outputStateCaptions(PanelModel model, bool normal)
{
    const QStringList outputs = model == PanelModel::SixteenZone
        ? QStringList{QStringLiteral("ОПОВ."), QStringLiteral("АЗПЗ1"), QStringLiteral("АЗПЗ2"),
                      QStringLiteral("АЗПЗ3"), QStringLiteral("АЗПЗ4"), {}, {}, {}}
        : QStringList{QStringLiteral("ОПОВ."), QStringLiteral("АЗПЗ1"), QStringLiteral("АЗПЗ2"),
                      {}, {}, {}, QStringLiteral("ПППН"), {}};
    return outputCaptions(normal ? QStringLiteral("Вихід %1 в нормі")
                                 : QStringLiteral("Не працює вихід %1"),
                          outputs);
}

QStringList parameterCaptions(PanelModel model)
{
    return {QStringLiteral("Протокол обміну з ПЦПС"), QStringLiteral("Кількість спроб додзвонитись"),
            QStringLiteral("Інтервал дозвону, секунд"),
            QStringLiteral("Режим дозвона 00- „і”, 01 – „або”"),
            QStringLiteral("Код тестового сповіщення"),
            model == PanelModel::SixteenZone ? QStringLiteral("Немає обміну з ППКП (передає ЗМУ)")
                                             : QStringLiteral("\"Немає зв'язку з ППКП\""),
            QStringLiteral("Збій зв’язку"), QStringLiteral("Несправність телефонної лінії"),
            QStringLiteral("Телефонна лінія відновлена"), reserved()};
}

QStringList otherCaptions(PanelModel model)
{
    const bool sixteen = model == PanelModel::SixteenZone;
    return {QStringLiteral("Вхід на 2 рівень доступу"), QStringLiteral("Вихід з 2 рівня доступу"),
            QStringLiteral("Вхід на 3 рівень доступу"), QStringLiteral("Вихід з 3 рівня доступу"),
            QStringLiteral("Скидання"), QStringLiteral("Є мережа 220В"),
            QStringLiteral("Відсутня мережа 220В"), QStringLiteral("Акумулятор в нормі"),
            QStringLiteral("Необхідна заміна акумулятора"),
            sixteen ? reserved() : QStringLiteral("Корпус закритий"),
            sixteen ? reserved() : QStringLiteral("Корпус відкритий"),
            QStringLiteral("Живлення сповіщувачів в нормі"),
            QStringLiteral("Живлення сповіщувачів відсутнє"), QStringLiteral("Системна помилка"),
            QStringLiteral("Системна помилка відсутня "), reserved()};
}

} // namespace

QString sectionTitle(int sectionIndex)
{
    return sectionTitle(sectionIndex, kFirstSection);
}

QString sectionTitle(int sectionIndex, int firstNumber)
{
    static const std::array<QString, kSectionsPerTelephone> subjects{
        QStringLiteral("Коди пожежної тривоги"),
        QStringLiteral("Коди відміни пожежної тривоги"),
        QStringLiteral("Коди виявлення збігу"),
        QStringLiteral("Коди відміни виявлення збігу"),
        QStringLiteral("Коди попередження про несправність зон"),
        QStringLiteral("Коди усунення несправностей зон"),
        QStringLiteral("Коди вимкнення зон"),
        QStringLiteral("Коди ввімкнення зон"),
        QStringLiteral("Коди вимкнення виходів"),
        QStringLiteral("Коди ввімкнення виходів"),
        QStringLiteral("Коди попередження про несправність виходів"),
        QStringLiteral("Коди усунення несправностей виходів"),
        QStringLiteral("Параметри"),
        QStringLiteral("Інші коди"),
    };
    if (!isSectionIndex(sectionIndex))
        return {};
    return QStringLiteral("Секція %1 – %2")
        .arg(firstNumber + sectionIndex)
        .arg(subjects[std::size_t(sectionIndex % kSectionsPerTelephone)]);
}

QStringList sectionFieldCaptions(PanelModel model, int sectionIndex)
{
    if (!isSectionIndex(sectionIndex))
        return {};
    const int base = sectionIndex % kSectionsPerTelephone;
    switch (base) {
    case kOutputsOff:
    case kOutputsOn:
        return switchingCaptions(model, base == kOutputsOn);
    case kOutputFault:
    case kOutputNormal:
        return outputStateCaptions(model, base == kOutputNormal);
    case kParameters:
        return parameterCaptions(model);
    case kOther:
        return otherCaptions(model);
    default:
        return zoneCaptions(model, base);
    }
}
