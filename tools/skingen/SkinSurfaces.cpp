#include <QPainter>
#include <algorithm>

#include "SkinArt.h"
#include "SkinArtShared.h"

// The window's outline and background, and the notifier's face.

namespace SkinArt {

namespace {

constexpr int kFieldPadding = 2;  // the well around a field shows this much beyond it

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
