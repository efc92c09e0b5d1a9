#include "SlideMotion.h"

namespace {

// Edges of a rectangle with the far ones outside it, as the work area is measured.
int Right(const QRect& r) {
    return r.x() + r.width();
}

int Bottom(const QRect& r) {
    return r.y() + r.height();
}

}  // namespace

ETaskbarEdge FindTaskbarEdge(const QRect& screen, const QRect& workArea) {
    if (workArea.width() < screen.width()) {
        return workArea.x() == screen.x() ? ETaskbarEdge::Right : ETaskbarEdge::Left;
    }
    if (workArea.height() < screen.height() && workArea.y() != screen.y()) {
        return ETaskbarEdge::Top;
    }
    return ETaskbarEdge::Bottom;
}

CSlideMotion::CSlideMotion(const QRect& screen, const QRect& workArea, QSize size, int step)
    : m_edge(FindTaskbarEdge(screen, workArea)), m_size(size), m_step(step) {
    switch (m_edge) {
        case ETaskbarEdge::Bottom:
            m_start = QPoint(Right(workArea) - size.width(), Bottom(workArea));
            break;
        case ETaskbarEdge::Top:
            m_start = QPoint(Right(workArea) - size.width(), workArea.y() - size.height());
            break;
        case ETaskbarEdge::Right:
            m_start = QPoint(Right(workArea), Bottom(workArea) - size.height());
            break;
        case ETaskbarEdge::Left:
            m_start = QPoint(workArea.x() - size.width(), Bottom(workArea) - size.height());
            break;
    }
    m_current = m_start;
}

int CSlideMotion::Extent() const {
    const bool vertical = m_edge == ETaskbarEdge::Bottom || m_edge == ETaskbarEdge::Top;
    return vertical ? m_size.height() : m_size.width();
}

QPoint CSlideMotion::Outward() const {
    switch (m_edge) {
        case ETaskbarEdge::Top:
            return {0, 1};
        case ETaskbarEdge::Left:
            return {1, 0};
        case ETaskbarEdge::Right:
            return {-1, 0};
        case ETaskbarEdge::Bottom:
            break;
    }
    return {0, -1};
}

int CSlideMotion::Travelled() const {
    return QPoint::dotProduct(m_current - m_start, Outward());
}

std::uint32_t CSlideMotion::Period(std::uint32_t timeMs) const {
    const int steps = m_step > 0 ? Extent() / m_step : 0;
    return steps > 0 ? timeMs / static_cast<std::uint32_t>(steps) : timeMs;
}

bool CSlideMotion::StepIn() {
    if (Travelled() >= Extent()) {
        return false;
    }
    m_current += Outward() * m_step;
    return true;
}

bool CSlideMotion::StepOut() {
    if (Travelled() <= 0) {
        return false;
    }
    m_current -= Outward() * m_step;
    return true;
}
