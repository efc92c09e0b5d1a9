#pragma once

#include <QRect>
#include <cstdint>
#include <map>
#include <set>

#include "platform/ScreenInfo.h"
#include "popup/StepTimers.h"

// A screen of fixed geometry, installed for the lifetime of the object.
class CFakeScreen : public CScreenInfo {
public:
    CFakeScreen(QRect screen, QRect workArea) : m_screen(screen), m_workArea(workArea) { Install(this); }
    ~CFakeScreen() override { Install(nullptr); }

    QRect WorkArea() const override { return m_workArea; }
    QRect ScreenRect() const override { return m_screen; }
    int LogicalDpiY() const override { return 96; }
    QSize IconSize() const override { return {32, 32}; }
    bool MenuShadows() const override { return false; }
    bool HighContrast() const override { return false; }

private:
    QRect m_screen;
    QRect m_workArea;
};

// Timers that tick only when the test says so, and remember the periods they were given.
class CCountedTimers : public CStepTimers {
public:
    void Start(ESlideTimer timer, std::uint32_t periodMs) override {
        active.insert(timer);
        periods[timer] = periodMs;
    }
    void Stop(ESlideTimer timer) override { active.erase(timer); }
    bool IsActive(ESlideTimer timer) const override { return active.count(timer) > 0; }

    // Ticks `timer` `count` times, or fewer if it stops; the number of ticks given.
    int Tick(ESlideTimer timer, int count = 1) {
        int ticks = 0;
        while (ticks < count && IsActive(timer)) {
            Fire(timer);
            ++ticks;
        }
        return ticks;
    }
    // Ticks `timer` until it stops; the number of ticks it took.
    int RunOut(ESlideTimer timer) { return Tick(timer, 100000); }

    std::set<ESlideTimer> active;
    std::map<ESlideTimer, std::uint32_t> periods;
};
