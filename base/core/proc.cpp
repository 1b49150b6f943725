#include "proc.h"

#include "dialogs.h"

#include <array>

namespace {

const std::array<const char *, 15> kErrorTexts = {
    "Прилад повернув квітанцію, яка не співпадає з командою",
    "Не вдалося відіслати пакет данних",
    "Нема відповіді на запит.\rПеревірте підключення та живлення приладу, налаштування порту.\r"
    "Спробуйте вимкнути прилад і вімкнути знову.",
    "Невірний CRC",
    "Не вдалося визначити тип приладу.",
    "Виникла помилка при передачі даних.\rЗапис даних в прилад зупинено",
    "Зчитування даних з приладу зупинено",
    "Не знайдено файлу заводських налаштувань",
    "Не вдалося записати файл",
    "Не вдалося прочитати файл",
    "Дані не відповідають типу приладу",
    "Немає підготовлених даних для запису",
    "Версія не підтримується",
    "Неправильна IP адреса",
    "Неправильний час",
};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}
bool isTelephoneChar(QChar c) { return isDigit(c) || c == u'+' || c == u'*'; }
bool isAddressDigit(QChar c) { return c == u'0' || (c >= u'2' && c <= u'7'); }

} // namespace

QString errorText(int code)
{
    if (code < 1 || code > int(kErrorTexts.size()))
        return {};
    return QString::fromUtf8(kErrorTexts[code - 1]);
}

void ShowError(int code, const QString &detail)
{
    dialogs().showMessage(Dialogs::Kind::Error, errorText(code), detail);
}

const KeyFilter &digitKeyFilter()
{
    static const KeyFilter filter{isDigit, QStringLiteral("Потрібно вводити тільки цифри.")};
    return filter;
}

const KeyFilter &hexKeyFilter()
{
    static const KeyFilter filter{
        isHexDigit,
        QStringLiteral("Потрібно вводити в шістнадцятирічному  вигляді.\rСимволи '0..9, A..F'")};
    return filter;
}

const KeyFilter &telephoneKeyFilter()
{
    static const KeyFilter filter{
        isTelephoneChar,
        QStringLiteral("Потрібно вводити цифри або\r \"+\" для встановлення паузи\r"
                       "чи \"*\" для встановлення пошуку сигналу.")};
    return filter;
}

const KeyFilter &dialledKeyFilter()
{
    static const KeyFilter filter{isDigit, QStringLiteral("Потрібно вводити цифри")};
    return filter;
}

const KeyFilter &addressKeyFilter()
{
    static const KeyFilter filter{isAddressDigit,
                                  QStringLiteral("Потрібно вводити в cимволи від '2' до '7'")};
    return filter;
}

bool isEditingKey(QChar key)
{
    const char16_t c = key.unicode();
    return c == 8 || c == 3 || c == 22 || c == 24;
}

bool filterKey(const KeyFilter &filter, QChar key)
{
    if (isEditingKey(key) || filter.accepts(key))
        return true;
    dialogs().showMessage(Dialogs::Kind::Information, filter.message);
    return false;
}

QString filterText(const KeyFilter &filter, const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (filter.accepts(c))
            kept.append(c);
    }
    return kept;
}
