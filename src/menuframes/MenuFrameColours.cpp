#include "MenuFrameColours.h"

namespace {

constexpr int kPaletteDisplayColours = 256;

int MixChannel(int a, int percent, int b) {
    return (a * percent + b * (100 - percent) + 50) / 100;
}

int DarkenChannel(int channel, int k) {
    return (channel * (255 - k) + 127) / 255;
}

// The nearest of the six levels 0, 51, ..., 255.
int CubeLevel(int channel) {
    return (channel + 25) / 51 * 51;
}

}  // namespace

CSystemColours SystemColours(const QPalette& palette, QPalette::ColorRole menuRole) {
    return {
        palette.color(menuRole),         palette.color(QPalette::Button),     palette.color(QPalette::Base),
        palette.color(QPalette::Button), palette.color(QPalette::ButtonText), palette.color(QPalette::Dark)};
}

CFrameColours MixFrameColours(const CSystemColours& system, bool flatMenus, int displayColours) {
    const QColor menu = flatMenus ? system.menuBar : system.menu;
    CFrameColours colours;
    colours.light = MixColours(system.window, 86, menu);
    colours.dark = QColor(Darken(menu.rgb(), 128));
    colours.mid =
        displayColours > kPaletteDisplayColours ? MixColours(menu, 86, system.window) : system.buttonFace;
    if (NearestColour(colours.light, displayColours) == NearestColour(colours.mid, displayColours)) {
        colours.light = system.window;
        colours.mid = menu;
    }
    colours.outline = system.buttonText;
    colours.buttonShadow = system.buttonShadow;
    colours.background = system.menu;
    return colours;
}

QColor MixColours(const QColor& a, int percent, const QColor& b) {
    return {MixChannel(a.red(), percent, b.red()), MixChannel(a.green(), percent, b.green()),
            MixChannel(a.blue(), percent, b.blue())};
}

QRgb Darken(QRgb colour, int k) {
    return qRgb(DarkenChannel(qRed(colour), k), DarkenChannel(qGreen(colour), k),
                DarkenChannel(qBlue(colour), k));
}

QColor NearestColour(const QColor& colour, int displayColours) {
    if (displayColours > kPaletteDisplayColours) {
        return colour.toRgb();
    }
    return {CubeLevel(colour.red()), CubeLevel(colour.green()), CubeLevel(colour.blue())};
}
