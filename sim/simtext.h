#pragma once

#include <QString>
#include <optional>

// A number typed by a user: decimal, or hexadecimal after "0x"; nothing when it is not a
// number from `min` to `max`.
inline std::optional<int> parseUserNumber(const QString &text, int min, int max)
{
    bool ok = false;
    const QString t = text.trimmed();
    const qlonglong value = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                ? t.mid(2).toLongLong(&ok, 16)
                                : t.toLongLong(&ok, 10);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return int(value);
}
