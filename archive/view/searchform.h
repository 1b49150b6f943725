#pragma once

#include "archivetypes.h"

#include <QDate>
#include <QTimeZone>
#include <optional>

// What the search fields of the archive window hold. Dates are whole days of the user's
// calendar, both ends included.
struct SearchForm {
    QString siteText;
    QString objectNumber{};
    std::optional<quint8> typeCode{};
    std::optional<QDate> from{};
    std::optional<QDate> to{};
    std::optional<EventOutcome> outcome{};
    bool includeArchived = false;
};

// Dates and outcomes are conditions on events: only then are events searched as well.
bool hasEventConditions(const SearchForm &form);
SiteQuery siteQuery(const SearchForm &form);
// The days in `zone` as the UTC times the archive compares: from the start of `from` up to
// the start of the day after `to`.
EventQuery eventQuery(const SearchForm &form, const QTimeZone &zone = QTimeZone::systemTimeZone());
