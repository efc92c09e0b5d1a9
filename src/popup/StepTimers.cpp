#include "StepTimers.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::uint32_t kShortestPeriodMs = 1;

}  // namespace

CQtStepTimers::CQtStepTimers() {
    Connect(m_in, ESlideTimer::In);
    Connect(m_out, ESlideTimer::Out);
}

void CQtStepTimers::Connect(QTimer& qtTimer, ESlideTimer timer) {
    // A slide of a few hundred milliseconds in steps of one or two: coarse timers would
    // stretch it visibly.
    qtTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&qtTimer, &QTimer::timeout, &qtTimer, [this, timer] { Fire(timer); });
}

void CQtStepTimers::Start(ESlideTimer timer, std::uint32_t periodMs) {
    const std::uint32_t period =
        std::clamp<std::uint32_t>(periodMs, kShortestPeriodMs, std::numeric_limits<int>::max());
    TimerOf(timer).start(static_cast<int>(period));
}

void CQtStepTimers::Stop(ESlideTimer timer) {
    TimerOf(timer).stop();
}

bool CQtStepTimers::IsActive(ESlideTimer timer) const {
    return TimerOf(timer).isActive();
}

int CQtStepTimers::Interval(ESlideTimer timer) const {
    return TimerOf(timer).interval();
}
