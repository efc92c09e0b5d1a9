#pragma once

// The scales of the view: the seven fixed view modes and the steps of zooming in and out.
namespace ZoomSteps {

constexpr double kMinimum = 0.10;
constexpr double kMaximum = 8.0;

// The scale of view mode 1 to 7 (25 % to 200 %); 0 for other modes.
double ForViewMode(int mode);
// The next step above (or below) `scale`, held within the minimum and the maximum.
double Larger(double scale);
double Smaller(double scale);

}  // namespace ZoomSteps
