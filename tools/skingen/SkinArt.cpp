#include "SkinArt.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "SkinGlyphs.h"

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    const auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()),
                  channel(a.alpha(), b.alpha()));
}

namespace SkinArt {

namespace {

constexpr int kFieldPadding = 2;  // the well around a field shows this much beyond it

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void PrepareSmooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// Pixels the outline covers at least half of are the window; the rest take the key colour.
// The window's edge is a hard cut whatever we do, so it is cut where the smooth shape is.
void CutOutside(QImage& image, const QPainterPath& outline) {
    QImage coverage(image.size(), QImage::Format_Alpha8);
    coverage.fill(0);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.fillPath(outline, Qt::black);
    }
    for (int y = 0; y < image.height(); ++y) {
        const uchar* alpha = coverage.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[x] = alpha[x] < 128 ? (0xFF000000 | SkinPainter::kKey) : (row[x] | 0xFF000000);
        }
    }
}

// A key-coloured pixel inside the window would punch a hole in its shape.
void AvoidKey(QImage& image, const QPainterPath& outline) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == SkinPainter::kKey && outline.contains(QPointF(x + 0.5, y + 0.5))) {
                row[x] = qRgb(0xFE, 0x00, 0xFE);
            }
        }
    }
}

void Texture(QPainter& painter, const CSkinPalette& palette, QSize size) {
    if (palette.texture == 0) {
        return;
    }
    painter.save();
    painter.setPen(QPen(palette.textureInk, 1));
    if (palette.texture == 1) {
        for (int y = 0; y < size.height(); y += 3) {
            painter.drawLine(0, y, size.width(), y);
        }
    } else {
        for (int d = -size.height(); d < size.width(); d += 6) {
            painter.drawLine(QPointF(d, 0), QPointF(d + size.height(), size.height()));
            painter.drawLine(QPointF(d + size.height(), 0), QPointF(d, size.height()));
        }
    }
    painter.restore();
}

// A raised group panel.
void PaintPanel(QPainter& painter, const CSkinPalette& palette, const QRectF& rect) {
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), palette.panelRadius, palette.panelRadius);
    painter.fillPath(path, Vertical(rect, palette.panelTop, palette.panelBottom));
    if (palette.panelHighlight.alpha() > 0) {
        painter.save();
        painter.setClipPath(path);
        painter.setPen(QPen(palette.panelHighlight, 1));
        painter.drawLine(QPointF(rect.left() + palette.panelRadius, rect.top() + 1.5),
                         QPointF(rect.right() - palette.panelRadius, rect.top() + 1.5));
        painter.restore();
    }
    painter.setPen(QPen(palette.panelRim, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// A second rim inside every panel, and a rule from each heading to its panel's edge that fades
// as it goes.
void PaintOrnaments(QPainter& painter, const CSkinLayout& layout, const CSkinPalette& palette) {
    const QColor trim = palette.rimInner;
    for (const QRect& panel : layout.panels) {
        const qreal radius = std::max(0, palette.panelRadius - 3);
        painter.setPen(QPen(WithAlpha(trim, 90), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(panel).adjusted(3.5, 3.5, -3.5, -3.5), radius, radius);
        for (const CLabelSpec& label : layout.labels) {
            if (!label.heading || !panel.contains(label.rect)) {
                continue;
            }
            const QPointF from(label.rect.right() + 10, label.rect.center().y() + 1.5);
            const QPointF to(panel.right() - 14, from.y());
            QLinearGradient fade(from, to);
            fade.setColorAt(0, WithAlpha(trim, 200));
            fade.setColorAt(1, WithAlpha(trim, 0));
            painter.setPen(QPen(QBrush(fade), 1));
            painter.drawLine(from, to);
        }
    }
}

// The sunken frame in which a field, a list or the image sits.
void PaintWell(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& rim, qreal radius,
               bool bevel) {
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(path, fill);
    if (bevel) {
        // Shade along the top edge, light along the bottom: the well sinks into its panel.
        painter.save();
        painter.setClipPath(path);
        painter.setPen(QPen(QColor(0, 0, 0, 70), 2));
        painter.drawLine(rect.topLeft() + QPointF(0, 1), rect.topRight() + QPointF(0, 1));
        painter.restore();
        painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
        painter.drawLine(rect.bottomLeft() + QPointF(radius, 0.5),
                         rect.bottomRight() + QPointF(-radius, 0.5));
    }
    painter.setPen(QPen(rim, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

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

QRectF Inflated(const QRect& rect, int by) {
    return QRectF(rect.adjusted(-by, -by, by, by));
}

}  // namespace

QPainterPath Outline(const CSkinPalette& palette, QSize size, const QRect& caption, qreal inset) {
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(inset, inset, -inset, -inset);
    const qreal c = std::max<qreal>(0, palette.radius - inset * 0.6);
    QPainterPath path;
    switch (palette.outline) {
        case EOutline::Chamfered:
            path.moveTo(r.left() + c, r.top());
            path.lineTo(r.right() - c, r.top());
            path.lineTo(r.right(), r.top() + c);
            path.lineTo(r.right(), r.bottom() - c);
            path.lineTo(r.right() - c, r.bottom());
            path.lineTo(r.left() + c, r.bottom());
            path.lineTo(r.left(), r.bottom() - c);
            path.lineTo(r.left(), r.top() + c);
            path.closeSubpath();
            return path;
        case EOutline::Scalloped: {
            const qreal d = palette.radius + inset;  // the bites keep their centres on the corners
            const QRectF o = QRectF(QPointF(0, 0), QSizeF(size));
            path.moveTo(r.left() + d - inset, r.top());
            path.lineTo(r.right() - d + inset, r.top());
            path.arcTo(QRectF(o.right() - d, o.top() - d, 2 * d, 2 * d), 180, 90);
            path.lineTo(r.right(), r.bottom() - d + inset);
            path.arcTo(QRectF(o.right() - d, o.bottom() - d, 2 * d, 2 * d), 90, 90);
            path.lineTo(r.left() + d - inset, r.bottom());
            path.arcTo(QRectF(o.left() - d, o.bottom() - d, 2 * d, 2 * d), 0, 90);
            path.lineTo(r.left(), r.top() + d - inset);
            path.arcTo(QRectF(o.left() - d, o.top() - d, 2 * d, 2 * d), 270, 90);
            path.closeSubpath();
            return path;
        }
        case EOutline::Crowned: {
            // The body's top edge lies `drop` below the tab's; the tab's shoulders are curves.
            const qreal drop = 10;
            // The icon stands left of the caption, inside the tab.
            const qreal tabLeft = caption.left() - 42 - 40;
            const qreal tabRight = caption.left() + caption.width() + 40;
            const qreal top = r.top() + drop;
            const qreal shoulder = 22;
            path.moveTo(r.left() + c, top);
            path.lineTo(tabLeft - shoulder, top);
            path.cubicTo(tabLeft - shoulder / 3, top, tabLeft - shoulder / 3, r.top(), tabLeft + shoulder / 2,
                         r.top());
            path.lineTo(tabRight - shoulder / 2, r.top());
            path.cubicTo(tabRight + shoulder / 3, r.top(), tabRight + shoulder / 3, top, tabRight + shoulder,
                         top);
            path.lineTo(r.right() - c, top);
            path.quadTo(r.right(), top, r.right(), top + c);
            path.lineTo(r.right(), r.bottom() - c);
            path.quadTo(r.right(), r.bottom(), r.right() - c, r.bottom());
            path.lineTo(r.left() + c, r.bottom());
            path.quadTo(r.left(), r.bottom(), r.left(), r.bottom() - c);
            path.lineTo(r.left(), top + c);
            path.quadTo(r.left(), top, r.left() + c, top);
            path.closeSubpath();
            return path;
        }
        case EOutline::Rounded:
            break;
    }
    path.addRoundedRect(r, c, c);
    return path;
}

QImage Background(const CSkinLayout& layout, const CSkinPalette& palette) {
    QImage image(layout.size, QImage::Format_ARGB32_Premultiplied);
    const QPainterPath outline = Outline(palette, layout.size, layout.caption.rect);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        painter.fillRect(image.rect(), Vertical(image.rect(), palette.bodyTop, palette.bodyBottom));
        Texture(painter, palette, layout.size);
        if (palette.titleTop.alpha() > 0) {
            // The band ends a little above the first thing under the title bar.
            int below = layout.viewer.top() - 4;
            for (const QRect& panel : layout.panels) {
                below = std::min(below, panel.top());
            }
            const QRectF band(0, 0, layout.size.width(), below - 6);
            painter.fillRect(band, Vertical(band, palette.titleTop, palette.titleBottom));
            painter.setPen(QPen(palette.rimInner, 1));
            painter.drawLine(QPointF(0, band.bottom() + 0.5), QPointF(band.right(), band.bottom() + 0.5));
        }
        // The edge: a dark line along the cut and a light one inside it.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette.rimOuter, 3));
        painter.drawPath(outline);
        painter.setPen(QPen(palette.rimInner, 1));
        painter.drawPath(Outline(palette, layout.size, layout.caption.rect, 2.5));

        for (const QRect& panel : layout.panels) {
            PaintPanel(painter, palette, QRectF(panel));
        }
        if (palette.ornate) {
            PaintOrnaments(painter, layout, palette);
        }
        PaintWell(painter, Inflated(layout.viewer, 4), palette.well, palette.wellRim, 6, palette.bevel);
        for (size_t role = 0; role < layout.edits.size(); ++role) {
            const CEditSpec& edit = layout.edits[role];
            PaintWell(painter, Inflated(edit.rect, kFieldPadding),
                      edit.enabled ? palette.fieldBack : palette.readoutBack, palette.fieldRim, 4,
                      palette.bevel);
        }
        for (const CListSpec& list : layout.lists) {
            PaintWell(painter, Inflated(list.rect, kFieldPadding), palette.listBack, palette.fieldRim, 4,
                      palette.bevel);
        }
        PaintWell(painter, Inflated(layout.combo, kFieldPadding), palette.fieldBack, palette.fieldRim, 4,
                  palette.bevel);
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    AvoidKey(image, outline);
    CutOutside(image, outline);
    return image;
}

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

QImage NotifierFace(const CSkinPalette& palette) {
    QImage image(kNotifierSize, QImage::Format_ARGB32_Premultiplied);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(image.rect()), 16, 16);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        painter.fillRect(image.rect(), Vertical(image.rect(), palette.bodyTop, palette.bodyBottom));
        const QRectF band(0, 0, kNotifierSize.width(), 38);
        painter.fillRect(band,
                         Vertical(band, palette.titleTop.alpha() > 0 ? palette.titleTop : palette.panelTop,
                                  palette.titleTop.alpha() > 0 ? palette.titleBottom : palette.panelBottom));
        PaintPanel(painter, palette, QRectF(10, 46, kNotifierSize.width() - 20, kNotifierSize.height() - 56));
        const QRect mark(12, 8, 22, 22);
        painter.drawImage(mark.topLeft(), Icon(image.copy(mark), palette));
        painter.setFont(CaptionFont(palette));
        painter.setPen(palette.caption);
        painter.drawText(QRectF(42, 0, 200, 38), Qt::AlignLeft | Qt::AlignVCenter, "Vitrine");
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette.rimOuter, 3));
        painter.drawPath(outline);
        painter.setPen(QPen(palette.rimInner, 1));
        QPainterPath inner;
        inner.addRoundedRect(QRectF(image.rect()).adjusted(2.5, 2.5, -2.5, -2.5), 14, 14);
        painter.drawPath(inner);
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    AvoidKey(image, outline);
    CutOutside(image, outline);
    return image;
}

}  // namespace SkinArt
