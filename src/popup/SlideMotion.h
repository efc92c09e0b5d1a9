#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

// The screen edge the task bar sits on, numbered as the popup has always stored it.
enum class ETaskbarEdge { Top = 1, Left = 2, Right = 3, Bottom = 4 };

// The task bar's edge, told from how the work area falls short of the screen. A work area as
// large as the screen (a task bar that hides itself) counts as the bottom edge.
ETaskbarEdge FindTaskbarEdge(const QRect& screen, const QRect& workArea);

// The path of a window of `size` that slides out of the task bar's edge into the work area and
// back, `step` pixels at a time. It starts just behind the task bar, flush with the work
// area's far corner along that edge.
class CSlideMotion {
public:
    CSlideMotion() = default;
    CSlideMotion(const QRect& screen, const QRect& workArea, QSize size, int step);

    ETaskbarEdge Edge() const { return m_edge; }
    QPoint Start() const { return m_start; }
    QPoint Current() const { return m_current; }

    // The timer period that spreads `timeMs` over the steps across the window's extent along
    // the slide; whole milliseconds, rounded down, so 0 for a window taller or wider than the
    // time. Callers make sure the extent holds at least one step.
    std::uint32_t Period(std::uint32_t timeMs) const;

    // Moves one step out of the edge; false, without moving, once the window is wholly in view.
    bool StepIn();
    // Moves one step back towards the start; false, without moving, once it is there.
    bool StepOut();

private:
    // Pixels the window travels between hidden and wholly in view.
    int Extent() const;
    // The unit step from behind the task bar into the work area.
    QPoint Outward() const;
    // How far the window has come out of the edge.
    int Travelled() const;

    ETaskbarEdge m_edge = ETaskbarEdge::Bottom;
    QSize m_size;
    int m_step = 1;
    QPoint m_start;
    QPoint m_current;
};
