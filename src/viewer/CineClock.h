#pragma once

#include <cstdint>

// Which page cine shows when: pages follow each other every `interval` ms from the start, in a
// loop, by the clock rather than by counting frames, so slow decoding skips pages instead of
// slowing the film down.
class CCineClock {
public:
    void Start(int firstPage, int pageCount, int interval);
    // The page due `elapsed` ms after the start.
    int PageAt(std::int64_t elapsed) const;
    // Milliseconds from `elapsed` until the next page is due (at least 1).
    int UntilNextPage(std::int64_t elapsed) const;
    int Interval() const { return m_interval; }

private:
    int m_firstPage = 0;
    int m_pageCount = 1;
    int m_interval = 1;
};
