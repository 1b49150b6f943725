#include "eventpages.h"

EventPages::EventPages(Fetch fetch, int pageSize) : m_fetch(std::move(fetch)), m_pageSize(pageSize) {}

EventPages EventPages::history(SiteArchive &archive, DeviceId device, int pageSize)
{
    return EventPages([&archive, device](int offset, int limit) { return archive.history(device, offset, limit); },
                      pageSize);
}

EventPages EventPages::found(SiteArchive &archive, const EventQuery &query, int pageSize)
{
    return EventPages(
        [&archive, query](int offset, int limit) {
            EventQuery page = query;
            page.offset = offset;
            page.limit = limit;
            return archive.findEvents(page);
        },
        pageSize);
}

ArchiveResult<QList<EventRecord>> EventPages::next()
{
    if (!hasMore())
        return {};
    ArchiveResult<QList<EventRecord>> page = m_fetch(m_offset, m_pageSize + 1);
    if (!page.ok())
        return page;
    m_more = page.value.size() > m_pageSize;
    if (m_more)
        page.value.removeLast();
    m_offset += int(page.value.size());
    return page;
}
