#pragma once

#include <QColor>
#include <QPalette>

// The desktop colours a menu frame is mixed from.
struct CSystemColours {
    QColor menu;
    QColor menuBar;
    QColor window;  // the background of text fields
    QColor buttonFace;
    QColor buttonText;
    QColor buttonShadow;
};

// The colours a frame is painted with.
struct CFrameColours {
    QColor light;         // inner outline and band
    QColor dark;          // outer outline
    QColor mid;           // the column at x = 1
    QColor outline;       // the single outline of high contrast
    QColor buttonShadow;  // the shadow on displays of 256 colours or fewer
    QColor background;    // the menu's own background, where the screen under it is unknown
};

// The palette roles that stand for the desktop colours: the menu takes the menu's background
// role, the menu bar the button face (as flat menus show it), the window the base of text
// fields, the button shadow the dark role.
CSystemColours SystemColours(const QPalette& palette, QPalette::ColorRole menuRole);

// Mixes the frame's colours: LIGHT = 86 % window + 14 % M, DARK = M x 127 / 255, MID =
// 86 % M + 14 % window (the button face on displays of 256 colours or fewer), where M is the
// menu-bar colour with flat menus and the menu colour without. When LIGHT and MID would show
// as the same colour, LIGHT becomes the window colour and MID the menu colour M.
CFrameColours MixFrameColours(const CSystemColours& system, bool flatMenus, int displayColours);

// `percent` % of `a` and the rest of `b`, per channel, rounded.
QColor MixColours(const QColor& a, int percent, const QColor& b);
// Each channel multiplied by (255 - k) / 255, rounded.
QRgb Darken(QRgb colour, int k);
// The colour a display of `displayColours` colours shows for `colour`: itself on true-colour
// displays, the nearest of a 6 x 6 x 6 colour cube on palette displays.
QColor NearestColour(const QColor& colour, int displayColours);
