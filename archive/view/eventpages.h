#pragma once

#include "sitearchive.h"

#include <functional>

// A list of events read a page at a time, newest first: a device's time line, or what a
// search found. Each page asks one event more than it gives, so that "ще…" is offered only
// when there is more.
class EventPages
{
public:
    using Fetch = std::function<ArchiveResult<QList<EventRecord>>(int offset, int limit)>;
    static constexpr int kPageSize = 50;

    EventPages() = default;
    explicit EventPages(Fetch fetch, int pageSize = kPageSize);
    static EventPages history(SiteArchive &archive, DeviceId device, int pageSize = kPageSize);
    static EventPages found(SiteArchive &archive, const EventQuery &query, int pageSize = kPageSize);

    // The next page; after a failure the same page is asked again next time.
    ArchiveResult<QList<EventRecord>> next();
    bool hasMore() const { return bool(m_fetch) && m_more; }

private:
    Fetch m_fetch;
    int m_pageSize = kPageSize;
    int m_offset = 0;
    bool m_more = true;
};
