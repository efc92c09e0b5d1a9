#pragma once

#include <QTimer>
#include <cstdint>
#include <functional>

// The popup's two animation timers, under the ids it has always given them.
enum class ESlideTimer { In = 1, Out = 3 };

// What moves the popup a step at a time. Kept behind an interface so that tests can count
// ticks instead of waiting for them.
class CStepTimers {
public:
    using Tick = std::function<void(ESlideTimer)>;

    virtual ~CStepTimers() = default;

    // Calls the tick every `periodMs` until stopped; starting a running timer restarts it.
    virtual void Start(ESlideTimer timer, std::uint32_t periodMs) = 0;
    virtual void Stop(ESlideTimer timer) = 0;
    virtual bool IsActive(ESlideTimer timer) const = 0;

    void SetTick(Tick tick) { m_tick = std::move(tick); }

protected:
    void Fire(ESlideTimer timer) const {
        if (m_tick) {
            m_tick(timer);
        }
    }

private:
    Tick m_tick;
};

// Qt's timers. A period of 0 runs at the shortest real period, 1 ms: a zero timer would fire
// at every pass of the event loop and race through the slide as fast as the loop spins.
class CQtStepTimers : public CStepTimers {
public:
    CQtStepTimers();

    void Start(ESlideTimer timer, std::uint32_t periodMs) override;
    void Stop(ESlideTimer timer) override;
    bool IsActive(ESlideTimer timer) const override;
    // The period the timer runs at, in milliseconds.
    int Interval(ESlideTimer timer) const;

private:
    void Connect(QTimer& qtTimer, ESlideTimer timer);
    QTimer& TimerOf(ESlideTimer timer) { return timer == ESlideTimer::In ? m_in : m_out; }
    const QTimer& TimerOf(ESlideTimer timer) const { return timer == ESlideTimer::In ? m_in : m_out; }

    QTimer m_in;
    QTimer m_out;
};
