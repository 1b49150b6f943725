#include "searchform.h"

namespace {

QDateTime startOf(const QDate &day, const QTimeZone &zone)
{
    return QDateTime(day, QTime(0, 0), zone).toUTC();
}

} // namespace

bool hasEventConditions(const SearchForm &form)
{
    return form.from || form.to || form.outcome;
}

SiteQuery siteQuery(const SearchForm &form)
{
    return {form.siteText, form.objectNumber, form.typeCode, form.includeArchived};
}

EventQuery eventQuery(const SearchForm &form, const QTimeZone &zone)
{
    EventQuery query{form.siteText, form.objectNumber, form.typeCode};
    if (form.from)
        query.from = startOf(*form.from, zone);
    if (form.to)
        query.to = startOf(form.to->addDays(1), zone);
    query.outcome = form.outcome;
    return query;
}
