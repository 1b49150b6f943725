#include "controlstartmap.h"

#include "stationcodes.h"

#include <QStringList>

#include <array>

namespace controlstart {

namespace {

constexpr int kWholeRun = 0; // write request size: the whole run in one request

// By Block.
constexpr std::array<ImageRun, kBlockCount> kBlocks{{
    {DeviceSpace::Memory, 0x6800, 0, 2, kWholeRun},
    {DeviceSpace::Memory, 0x6840, 2, 2, kWholeRun},
    {DeviceSpace::Memory, 0x6BC0, 4, 8, kWholeRun},
    {DeviceSpace::Memory, 0x6C00, 12, 8, kWholeRun},
    {DeviceSpace::Memory, 0x6C40, 20, 5, kWholeRun}, // image bytes 25 to 29 are unused
    {DeviceSpace::Memory, 0x7000, 174, 8, kWholeRun},
    {DeviceSpace::Memory, 0x700D, 182, 3, kWholeRun},
    {DeviceSpace::Memory, 0x7008, 185, 1, kWholeRun},
    {DeviceSpace::Memory, 0x7009, 186, 4, kWholeRun},
    {DeviceSpace::Short, kCodeBlockShortAddress, 190, 6, kWholeRun},
    {DeviceSpace::Clock, 0, 196, kClockSize, kWholeRun},
}};

struct SectionRow {
    int number;
    quint16 address;
    int writeRequestSize;
    const char *title; // after "Секція <number> – "
};

// Section 27 is written 10 bytes at a time, as the device takes it.
constexpr SectionRow kSectionRows[kSectionCount] = {
    {15, 0x6880, kWholeRun, "Коди пожежної тривоги"},
    {16, 0x68C0, kWholeRun, "Коди відміни пожежної тривоги"},
    {17, 0x6B00, kWholeRun, "Коди виявлення збігу"},
    {18, 0x6B40, kWholeRun, "Коди відміни виявлення збігу"},
    {19, 0x6940, kWholeRun, "Коди попередження про несправність зон"},
    {20, 0x6980, kWholeRun, "Коди усунення несправностей зон"},
    {21, 0x6A00, kWholeRun, "Коди вимкнення зон"},
    {22, 0x6A40, kWholeRun, "Коди увімкнення зон"},
    {23, 0x6A80, kWholeRun, "Коди вимкнення виходів"},
    {24, 0x6AC0, kWholeRun, "Коди увімкнення виходів"},
    {25, 0x6C80, kWholeRun, "Коди попередження про несправність виходів"},
    {26, 0x6CC0, kWholeRun, "Коди усунення несправностей виходів"},
    {27, 0x6B80, 10, "Параметри ППКП"},
    {28, 0x69C0, kWholeRun, "Інші коди"},
    {29, 0x6D00, kWholeRun, "Коди спрацювання"},
    {30, 0x6D40, kWholeRun, "Коди скидання спрацювання"},
    {31, 0x6D80, kWholeRun, "Коди несправностей ПУіЗ"},
    {32, 0x6DC0, kWholeRun, "Коди усунення несправностей"},
    {34, 0x6E40, kWholeRun, "Коди вимкнення ПУіЗ"},
    {35, 0x6E80, kWholeRun, "Коди увімкнень ПУіЗ"},
};

constexpr int kProtocolSection = 27;

QString reserved()
{
    return QStringLiteral("Зарезервована");
}

QStringList numbered(const QString &caption, int first, int last)
{
    QStringList captions;
    for (int n = first; n <= last; ++n)
        captions << caption.arg(n);
    return captions;
}

// Eight fields, reserved except those given (field number, caption).
QStringList mostlyReserved(std::initializer_list<std::pair<int, QString>> fields)
{
    QStringList captions(8, reserved());
    for (const auto &[field, caption] : fields)
        captions[field - 1] = caption;
    return captions;
}

QStringList outputSwitchCaptions(const QString &state)
{
    return mostlyReserved({{3, state + QStringLiteral(" вихід ОПОВ.")},
                           {5, state + QStringLiteral(" вихід ПЦПС")},
                           {7, state + QStringLiteral(" вихід Рел. 1")},
                           {8, state + QStringLiteral(" вихід Рел. 2")}});
}

QStringList parameterCaptions()
{
    return {QStringLiteral("Протокол обміну з ПЦПС"),
            QStringLiteral("Кількість спроб додзвонитись"),
            QStringLiteral("Інтервал дозвону, секунд"),
            QStringLiteral("Режим дозвона 00- „і”, 01 – „або”"),
            QStringLiteral("Код тестового сповіщення"),
            QStringLiteral("Немає зв'язку з ППКП/Відкл. системи"),
            QStringLiteral("Збій зв’язку"),
            QStringLiteral("Несправність телефонної лінії"),
            QStringLiteral("Телефонна лінія відновлена"),
            QStringLiteral("Очищення журналу"),
            QStringLiteral("Empty"),
            QStringLiteral("Запуск системи (перше включення)")};
}

QStringList otherCaptions()
{
    return {QStringLiteral("Вхід на 2 рівень доступу"),
            QStringLiteral("Вихід з 2 рівня доступу"),
            QStringLiteral("Вхід на 3 рівень доступу"),
            QStringLiteral("Вихід з 3 рівня доступу"),
            QStringLiteral("Скидання"),
            QStringLiteral("Є мережа 220В"),
            QStringLiteral("Відсутня мережа 220В"),
            QStringLiteral("Акумулятор в нормі"),
            QStringLiteral("Необхідна заміна акумулятора"),
            QStringLiteral("Корпус закритий"),
            QStringLiteral("Корпус відкритий"),
            QStringLiteral("Живлення сповіщувачів в нормі"),
            QStringLiteral("Живлення сповіщувачів відсутнє"),
            QStringLiteral("Системна помилка"),
            QStringLiteral("Системна помилка відсутня"),
            reserved()};
}

QStringList fieldCaptions(int number)
{
    switch (number) {
    case 15: return numbered(QStringLiteral("Пожежна тривога в зоні %1"), 1, 8);
    case 16: return numbered(QStringLiteral("Відміна тривоги в зоні %1"), 1, 8);
    case 17: return numbered(QStringLiteral("Виявлення збігу в зоні %1"), 1, 8);
    case 18: return numbered(QStringLiteral("Відміна виявлення збігу в зоні %1"), 1, 8);
    case 19: return numbered(QStringLiteral("Несправність зони %1"), 1, 8);
    case 20: return numbered(QStringLiteral("Усунення несправності зони %1"), 1, 8);
    case 21: return numbered(QStringLiteral("Вимкнення зони %1"), kFirstZone, kLastZone);
    case 22: return numbered(QStringLiteral("Увімкнення зони %1"), kFirstZone, kLastZone);
    case 23: return outputSwitchCaptions(QStringLiteral("Вимкнений"));
    case 24: return outputSwitchCaptions(QStringLiteral("Увімкнений"));
    case 25:
        return mostlyReserved({{1, QStringLiteral("Не працює вихід ОПОВ.")},
                               {6, QStringLiteral("Не працює вихід ПППС")}});
    case 26:
        return mostlyReserved({{1, QStringLiteral("Вихід ОПОВ. в нормі")},
                               {6, QStringLiteral("Вихід ПППС в нормі")}});
    case 27: return parameterCaptions();
    case 28: return otherCaptions();
    case 29:
        return {QStringLiteral("Спрацювання входу \"РП\""), QStringLiteral("Спрацювання входу \"КМ\""),
                QStringLiteral("Спрацювання входу \"МК\""), QStringLiteral("Спрацювання входу \"ВП\""),
                QStringLiteral("Режим \"Спрацювання\"")};
    case 30:
        return {QStringLiteral("Скидання спрацювання входу \"РП\""),
                QStringLiteral("Скидання спрацювання входу \"КП\""),
                QStringLiteral("Скидання спрацювання входу \"МК\""),
                QStringLiteral("Скидання спрацювання входу \"ВП\""),
                QStringLiteral("Скидання режиму \"Спрацювання\"")};
    case 31:
        return {QStringLiteral("Несправність входу \"РП\""), QStringLiteral("Несправність входу \"КП\""),
                QStringLiteral("Несправність входу \"МК\""), QStringLiteral("Несправність входу \"ВП\""),
                QStringLiteral("Несправність виходу \"П+/П-\"")};
    case 32:
        return {QStringLiteral("Вхід \"РП\" в нормі"), QStringLiteral("Вхід \"КП\" в нормі"),
                QStringLiteral("Вхід \"МК\" в нормі"), QStringLiteral("Вхід \"ВП\" в нормі"),
                QStringLiteral("Вихід \"П+/П-\" в нормі")};
    case 34:
        return {QStringLiteral("Вимкнення виходу \"П+/П-\""), QStringLiteral("Вимкнення входу \"РП\""),
                QStringLiteral("Вимкнення виходу \"ВК\""), QStringLiteral("Ручний режим"),
                QStringLiteral("Автоматичний режим")};
    case 35:
        return {QStringLiteral("Увімкнення виходу \"Піропатрон\""), QStringLiteral("Увімкнення входу \"РП\""),
                QStringLiteral("Увімкнення входу вентиляція")};
    default:
        return {};
    }
}

SectionTable buildSectionTable()
{
    SectionTable table;
    table.pageTitles = {QStringLiteral("Коди сповіщень для передачі")};
    table.listItems = protocolItems();
    for (const SectionRow &row : kSectionRows) {
        table.sections.append(SectionEntry{
            .number = row.number,
            .nameNumber = row.number,
            .page = 0,
            .title = QStringLiteral("Секція %1 – ").arg(row.number) + QString::fromUtf8(row.title),
            .fieldCaptions = fieldCaptions(row.number),
            .listField = row.number == kProtocolSection ? 1 : 0,
        });
    }
    return table;
}

} // namespace

ImageRun blockRun(Block block)
{
    return kBlocks[std::size_t(block)];
}

const SectionTable &sectionTable()
{
    static const SectionTable table = buildSectionTable();
    return table;
}

ImageRun sectionRun(int sectionIndex)
{
    Q_ASSERT(sectionIndex >= 0 && sectionIndex < kSectionCount);
    int offset = kSectionsImageOffset;
    for (int i = 0; i < sectionIndex; ++i)
        offset += sectionTable().sections.at(i).fieldCount();
    const SectionRow &row = kSectionRows[sectionIndex];
    return {DeviceSpace::Memory, row.address, offset, sectionTable().sections.at(sectionIndex).fieldCount(),
            row.writeRequestSize};
}

QList<ImageRun> imageRuns()
{
    QList<ImageRun> runs;
    for (int b = 0; b <= int(Block::TestReport); ++b)
        runs.append(blockRun(Block(b)));
    for (int i = 0; i < kSectionCount; ++i)
        runs.append(sectionRun(i));
    for (int b = int(Block::ZoneTable); b < kBlockCount; ++b)
        runs.append(blockRun(Block(b)));
    return runs;
}

} // namespace controlstart
