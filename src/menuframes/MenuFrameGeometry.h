#pragma once

#include <QMargins>
#include <QRect>

// Where the parts of a framed menu lie. A framed menu replaces the 3-pixel border of a plain
// menu by a 2-pixel two-tone frame and, when nothing else draws menu shadows, a 4-pixel shadow
// on the right and at the bottom. Rectangles are in window coordinates of a window of `size`.
namespace MenuFrameGeometry {

// The border of the plain menu whose size the frame starts from.
inline constexpr int kPlainBorder = 3;
// Width of the own shadow on the right and at the bottom.
inline constexpr int kShadow = 4;

// The window of a framed menu whose plain menu would cover `plain`: one pixel higher, and 2
// pixels larger each way, or 2 smaller when the platform draws menu shadows.
QRect FramedWindow(const QRect& plain, bool platformShadows);

// Where the menu's items are laid out, as margins from the window's edges.
QMargins ContentMargins(bool platformShadows);

QRect OuterRect(QSize size, bool platformShadows);
QRect InnerRect(QSize size, bool platformShadows);
// The client area as the platform gives it; its last column lies under the frame.
QRect ClientRect(QSize size, bool platformShadows);
// The client area less its last column: the light band fills the inner rectangle around it.
QRect BandHole(QSize size, bool platformShadows);
// The column at x = 1 that takes the middle tone.
QRect MidColumn(QSize size, bool platformShadows);

}  // namespace MenuFrameGeometry
