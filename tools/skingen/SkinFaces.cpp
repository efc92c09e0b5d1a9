#include <QFontMetrics>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "SkinArt.h"
#include "SkinArtShared.h"
#include "SkinGlyphs.h"

// Buttons, the drop button, the program's mark and the scroll bars' parts.

namespace SkinArt {

namespace {

struct SFace {
    QColor top, bottom, rim, ink;
};

SFace BaseFace(const CSkinPalette& palette, EFace face) {
    switch (face) {
        case EFace::Accent:
            return {palette.accentTop, palette.accentBottom, palette.accentRim, palette.accentInk};
        case EFace::Title:
            return {palette.titleFaceTop, palette.titleFaceBottom, palette.faceRim, palette.titleInk};
        case EFace::Plain:
            break;
    }
    return {palette.faceTop, palette.faceBottom, palette.faceRim, palette.ink};
}

qreal FaceRadius(const CSkinPalette& palette, const QRectF& rect, EFace face) {
    const qreal half = std::min(rect.width(), rect.height()) / 2;
    if (palette.buttonRadius < 0 || face == EFace::Title) {
        return palette.buttonRadius < 0 ? half : std::min<qreal>(half, palette.buttonRadius + 2);
    }
    return std::min<qreal>(half, palette.buttonRadius);
}

// One look of a button face in `rect`; returns the ink its content is drawn in.
QColor PaintFace(QPainter& painter, const CSkinPalette& palette, const QRectF& rect, EFace kind,
                 SkinPainter::Look look) {
    using SkinPainter::Look;
    const SFace base = BaseFace(palette, kind);
    const QColor middle = Mix(palette.bodyTop, palette.bodyBottom, 0.5);
    SFace face = base;
    switch (look) {
        case Look::Hover:
            face.top = Mix(base.top, Qt::white, 0.2);
            face.bottom = Mix(base.bottom, Qt::white, 0.16);
            break;
        case Look::Down:
            if (Mix(base.top, base.bottom, 0.5).lightness() < 80) {
                // Darker still would hardly show on a dark face: it takes on the accent instead.
                face.top = Mix(base.bottom, palette.hoverRing, 0.16);
                face.bottom = Mix(base.top, palette.hoverRing, 0.28);
                face.rim = palette.hoverRing;
            } else {
                face.top = Mix(base.bottom, Qt::black, 0.25);
                face.bottom = Mix(base.top, Qt::black, 0.12);
            }
            break;
        case Look::Disabled:
            face.top = Mix(base.top, middle, 0.6);
            face.bottom = Mix(base.bottom, middle, 0.6);
            face.rim = Mix(base.rim, middle, 0.6);
            face.ink = Mix(base.ink, Mix(face.top, face.bottom, 0.5), 0.6);
            break;
        case Look::Normal:
            break;
    }
    const qreal radius = FaceRadius(palette, rect, kind);
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(path, Vertical(rect, face.top, face.bottom));

    painter.save();
    painter.setClipPath(path);
    const bool raised = look == Look::Normal || look == Look::Hover;
    if (palette.gloss > 0 && raised) {
        QRectF upper = rect;
        upper.setHeight(rect.height() * 0.5);
        const int strength = static_cast<int>(palette.gloss * 110);
        painter.fillRect(
            upper, Vertical(upper, QColor(255, 255, 255, strength), QColor(255, 255, 255, strength / 4)));
    }
    if (palette.bevel && look != Look::Disabled) {
        const QColor light(255, 255, 255, raised ? 110 : 30);
        const QColor dark(0, 0, 0, raised ? 70 : 120);
        painter.setPen(QPen(raised ? light : dark, 1.5));
        painter.drawLine(QPointF(rect.left(), rect.top() + 1.5), QPointF(rect.right(), rect.top() + 1.5));
        painter.setPen(QPen(raised ? dark : light, 1.5));
        painter.drawLine(QPointF(rect.left(), rect.bottom() - 1.5),
                         QPointF(rect.right(), rect.bottom() - 1.5));
    }
    if (look == Look::Down) {
        // A pressed face sits lower: shade under its top edge.
        QRectF shade = rect;
        shade.setHeight(std::min<qreal>(6, rect.height() / 3));
        painter.fillRect(shade, Vertical(shade, QColor(0, 0, 0, 80), QColor(0, 0, 0, 0)));
    }
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(face.rim, 1));
    painter.drawPath(path);
    if (look == Look::Hover) {
        QPainterPath ring;
        ring.addRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), std::max<qreal>(0, radius - 1),
                            std::max<qreal>(0, radius - 1));
        painter.setPen(QPen(palette.hoverRing, 2));
        painter.drawPath(ring);
    }
    return face.ink;
}

// The glyph and the words of a button, centred together; pressed content moves down a pixel.
void PaintContent(QPainter& painter, const CSkinPalette& palette, const CButtonSpec& button, QRectF area,
                  const QColor& ink, bool pressed) {
    if (pressed) {
        area.translate(1, 1);
    }
    if (button.text.isEmpty()) {
        const qreal side = std::min(area.width(), area.height()) * (button.face == EFace::Title ? 0.7 : 0.8);
        PaintGlyph(painter, button.glyph,
                   QRectF(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side)), ink);
        return;
    }
    const QFont font = ButtonFont(palette, palette.buttonPixels);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(button.text);
    const qreal glyphSide = button.glyph == EGlyph::None ? 0 : 18;
    const qreal gap = glyphSide > 0 ? 6 : 0;
    const qreal left = area.center().x() - (glyphSide + gap + textWidth) / 2;
    if (glyphSide > 0) {
        PaintGlyph(painter, button.glyph,
                   QRectF(left, area.center().y() - glyphSide / 2, glyphSide, glyphSide), ink);
    }
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRectF(left + glyphSide + gap, area.top(), textWidth + 2, area.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, button.text);
}

}  // namespace

QImage ButtonStrip(const QImage& under, const CButtonSpec& button, const CSkinPalette& palette) {
    const QSize size = button.rect.size();
    QImage strip(size.width() * 4, size.height(), QImage::Format_RGB32);
    QPainter painter(&strip);
    PrepareSmooth(painter);
    for (int k = 0; k < 4; ++k) {
        const QRect frame(QPoint(k * size.width(), 0), size);
        painter.drawImage(frame.topLeft(), under);
        const auto look = SkinPainter::kLooks[k];
        const QColor ink = PaintFace(painter, palette, QRectF(frame), button.face, look);
        PaintContent(painter, palette, button, QRectF(frame).adjusted(4, 2, -4, -2), ink,
                     look == SkinPainter::Look::Down);
    }
    return strip;
}

QImage DropStrip(QSize frame, const CSkinPalette& palette) {
    QImage strip(frame.width() * 4, frame.height(), QImage::Format_RGB32);
    strip.fill(palette.fieldBack);
    {
        QPainter painter(&strip);
        PrepareSmooth(painter);
        const CButtonSpec drop{"COMBO_BTN", QRect(QPoint(0, 0), frame), EGlyph::Chevron, "", "",
                               EFace::Plain};
        for (int k = 0; k < 4; ++k) {
            const QRectF rect = QRectF(QPointF(k * frame.width(), 0), QSizeF(frame)).adjusted(1, 1, -1, -1);
            const auto look = SkinPainter::kLooks[k];
            const QColor ink = PaintFace(painter, palette, rect, EFace::Plain, look);
            PaintContent(painter, palette, drop, rect, ink, look == SkinPainter::Look::Down);
        }
    }
    for (int y = 0; y < strip.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == 0) {
                row[x] = qRgb(1, 1, 1);
            }
        }
    }
    return strip;
}

QImage Icon(const QImage& under, const CSkinPalette& palette) {
    QImage image = under.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    PrepareSmooth(painter);
    const QRectF disc = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    QRadialGradient light(disc.center() - QPointF(disc.width() / 5, disc.height() / 5), disc.width() * 0.8);
    light.setColorAt(0, Mix(palette.accentTop, Qt::white, 0.3));
    light.setColorAt(1, palette.accentBottom);
    painter.setBrush(light);
    painter.setPen(QPen(palette.accentRim, 1));
    painter.drawEllipse(disc);
    // The mark: a V whose arms frame a small lens.
    const qreal s = disc.width();
    painter.setPen(QPen(palette.accentInk, s * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(
        QPolygonF({disc.topLeft() + QPointF(s * 0.24, s * 0.28), disc.topLeft() + QPointF(s * 0.5, s * 0.76),
                   disc.topLeft() + QPointF(s * 0.76, s * 0.28)}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.accentInk);
    painter.drawEllipse(disc.topLeft() + QPointF(s * 0.5, s * 0.34), s * 0.08, s * 0.08);
    return image;
}

SScrollPictures ScrollPictures(const CSkinPalette& palette) {
    const int w = palette.scrollWidth;
    const auto part = [&](int height, EGlyph glyph, bool active) {
        QImage image(w, height, QImage::Format_RGB32);
        image.fill(palette.scrollTrack);
        QPainter painter(&image);
        PrepareSmooth(painter);
        const QRectF body = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        const QColor face = active ? Mix(palette.scrollFace, palette.hoverRing, 0.45) : palette.scrollFace;
        painter.setPen(Qt::NoPen);
        painter.setBrush(face);
        painter.drawRoundedRect(body, std::min<qreal>(4, w / 3.0), std::min<qreal>(4, w / 3.0));
        if (glyph != EGlyph::None) {
            PaintGlyph(painter, glyph, QRectF(image.rect()).adjusted(1, 1, -1, -1), palette.scrollInk);
        } else {
            // Grip lines across the middle of the thumb.
            painter.setPen(QPen(WithAlpha(palette.scrollInk, 150), 1));
            for (int i = -1; i <= 1; ++i) {
                const qreal y = height / 2.0 + i * 3;
                painter.drawLine(QPointF(w * 0.3, y), QPointF(w * 0.7, y));
            }
        }
        return image;
    };
    SScrollPictures pictures;
    pictures.track = QImage(w, 32, QImage::Format_RGB32);
    pictures.track.fill(palette.scrollTrack);
    {
        QPainter painter(&pictures.track);
        painter.setPen(QPen(Mix(palette.scrollTrack, palette.scrollFace, 0.35), 2));
        painter.drawLine(QPointF(w / 2.0, 0), QPointF(w / 2.0, 32));
    }
    pictures.up = part(w, EGlyph::Up, false);
    pictures.upActive = part(w, EGlyph::Up, true);
    pictures.down = part(w, EGlyph::Down, false);
    pictures.downActive = part(w, EGlyph::Down, true);
    pictures.thumb = part(22, EGlyph::None, false);
    pictures.thumbActive = part(22, EGlyph::None, true);
    return pictures;
}

}  // namespace SkinArt
