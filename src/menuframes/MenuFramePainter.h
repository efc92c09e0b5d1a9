#pragma once

#include <QImage>
#include <QSize>

#include "menuframes/MenuFrameColours.h"

class QPainter;

// How a frame is to look on this desktop.
struct CFrameLook {
    bool platformShadows = false;
    bool highContrast = false;
    int displayColours = 64000;
};

// Paints the frame of a menu window of `size` over what the menu painted itself: the light
// band around the item area, then either the single high-contrast outline or the light inner
// outline, the middle-tone column at x = 1 and the dark outer outline; then, where the platform
// draws no shadows, the 4-pixel band on the right and at the bottom from `capture`, the screen
// under the window (pixels it lacks count as the menu's own background): a soft shadow, or the
// screen as it was in high contrast.
void PaintMenuFrame(QPainter& painter, QSize size, const CFrameColours& colours, const CFrameLook& look,
                    const QImage& capture);

// The shadow band alone, as a window-sized image in which only the right 4 columns and the
// bottom 4 rows are set; exposed for its arithmetic.
QImage MenuShadow(QSize size, const CFrameColours& colours, const CFrameLook& look, const QImage& capture);
