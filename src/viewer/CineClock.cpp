#include "CineClock.h"

#include <algorithm>

void CCineClock::Start(int firstPage, int pageCount, int interval) {
    m_pageCount = std::max(1, pageCount);
    m_firstPage = std::clamp(firstPage, 0, m_pageCount - 1);
    m_interval = std::max(1, interval);
}

int CCineClock::PageAt(std::int64_t elapsed) const {
    const std::int64_t steps = std::max<std::int64_t>(0, elapsed) / m_interval;
    return static_cast<int>((m_firstPage + steps) % m_pageCount);
}

int CCineClock::UntilNextPage(std::int64_t elapsed) const {
    const std::int64_t next = (std::max<std::int64_t>(0, elapsed) / m_interval + 1) * m_interval;
    return static_cast<int>(std::max<std::int64_t>(1, next - elapsed));
}
