#include "MenuFramePainter.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "menuframes/MenuFrameGeometry.h"

namespace {

using MenuFrameGeometry::kShadow;

constexpr int kPaletteDisplayColours = 256;
// How dark each step away from the menu's edge makes the shadow, and how fast its ends fade.
constexpr int kShadowStep = 30;
constexpr int kFadeStep = 6;
// The shadow's ends begin this far from the window's top and left edges.
constexpr int kShadowOffset = 4;

void Outline(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), colour);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), colour);
}

class CShadowSource {
public:
    CShadowSource(const QImage& capture, const CFrameColours& colours)
        : m_capture(capture), m_background(colours.background.rgb()) {}

    QRgb Captured(int x, int y) const { return m_capture.valid(x, y) ? m_capture.pixel(x, y) : m_background; }
    QRgb Darkened(int x, int y, int k) const { return Darken(Captured(x, y), k); }

private:
    const QImage& m_capture;
    QRgb m_background;
};

// A soft shadow darkened from the screen under it, fading in at both ends of the right band and
// at the left end of the bottom band.
QRgb SoftShadowPixel(const CShadowSource& source, QSize size, int x, int y) {
    const int w = size.width();
    const int h = size.height();
    if (x >= w - kShadow) {
        const int r = w - x;  // 1 at the outer edge, 4 next to the menu
        if (y < kShadowOffset) {
            return source.Captured(x, y);
        }
        if (y < kShadowOffset + 4) {
            return source.Darkened(x, y, kFadeStep * r * (y - 3));
        }
        if (y < h - kShadow) {
            return source.Darkened(x, y, kShadowStep * r);
        }
        return source.Darkened(x, y, kFadeStep * r * (h - y));
    }
    const int s = h - y;
    if (x < kShadowOffset) {
        return source.Captured(x, y);
    }
    if (x < kShadowOffset + 4) {
        return source.Darkened(x, y, (kFadeStep * x - 18) * s);
    }
    return source.Darkened(x, y, kShadowStep * s);
}

// The shadow of displays of 256 colours or fewer: the button shadow colour in the two inner
// columns and rows, the screen as it was in the two outer ones.
QRgb PaletteShadowPixel(const CShadowSource& source, const CFrameColours& colours, QSize size, int x, int y) {
    const int w = size.width();
    const int h = size.height();
    if (x >= w - 2 || y >= h - 2) {
        return source.Captured(x, y);
    }
    if (x >= w - kShadow) {
        return y < kShadowOffset ? source.Captured(x, y) : colours.buttonShadow.rgb();
    }
    return x < kShadowOffset ? source.Captured(x, y) : colours.buttonShadow.rgb();
}

}  // namespace

QImage MenuShadow(QSize size, const CFrameColours& colours, const CFrameLook& look, const QImage& capture) {
    QImage shadow(size, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    const CShadowSource source(capture, colours);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        const bool bottomBand = y >= size.height() - kShadow;
        for (int x = bottomBand ? 0 : std::max(0, size.width() - kShadow); x < size.width(); ++x) {
            if (look.highContrast) {
                row[x] = source.Captured(x, y);
            } else if (look.displayColours > kPaletteDisplayColours) {
                row[x] = SoftShadowPixel(source, size, x, y);
            } else {
                row[x] = PaletteShadowPixel(source, colours, size, x, y);
            }
        }
    }
    return shadow;
}

void PaintMenuFrame(QPainter& painter, QSize size, const CFrameColours& colours, const CFrameLook& look,
                    const QImage& capture) {
    const bool shadows = look.platformShadows;
    const QRect outer = MenuFrameGeometry::OuterRect(size, shadows);
    const QRect inner = MenuFrameGeometry::InnerRect(size, shadows);
    const QRegion band = QRegion(inner) - QRegion(MenuFrameGeometry::BandHole(size, shadows));
    for (const QRect& part : band) {
        painter.fillRect(part, colours.light);
    }
    if (look.highContrast) {
        Outline(painter, outer, colours.outline);
    } else {
        Outline(painter, inner, colours.light);
        painter.fillRect(MenuFrameGeometry::MidColumn(size, shadows), colours.mid);
        Outline(painter, outer, colours.dark);
    }
    if (!shadows) {
        painter.drawImage(0, 0, MenuShadow(size, colours, look, capture));
    }
}
