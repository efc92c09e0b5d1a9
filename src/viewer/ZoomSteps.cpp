#include "ZoomSteps.h"

#include <iterator>

namespace {

constexpr double kViewModes[] = {0.25, 1.0 / 3.0, 0.50, 0.75, 1.0, 1.5, 2.0};
constexpr double kSteps[] = {0.10, 0.15, 0.20, 0.25, 1.0 / 3.0, 0.50, 0.75,
                             1.0,  1.5,  2.0,  3.0,  4.0,       6.0,  8.0};
// Scales this close to a step count as that step, so that fitted views step as expected.
constexpr double kTolerance = 1e-3;

}  // namespace

namespace ZoomSteps {

double ForViewMode(int mode) {
    return mode >= 1 && mode <= 7 ? kViewModes[mode - 1] : 0.0;
}

double Larger(double scale) {
    for (const double step : kSteps) {
        if (step > scale * (1 + kTolerance)) {
            return step;
        }
    }
    return kMaximum;
}

double Smaller(double scale) {
    for (auto step = std::rbegin(kSteps); step != std::rend(kSteps); ++step) {
        if (*step < scale * (1 - kTolerance)) {
            return *step;
        }
    }
    return kMinimum;
}

}  // namespace ZoomSteps
