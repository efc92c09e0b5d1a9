#include "SkinGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// A triangle pointing right (or left) in the unit square, its corners slightly rounded by the
// pen that fills it.
QPolygonF Triangle(bool right, qreal left, qreal width) {
    if (right) {
        return QPolygonF({{left, 0.18}, {left + width, 0.5}, {left, 0.82}});
    }
    return QPolygonF({{left + width, 0.18}, {left, 0.5}, {left + width, 0.82}});
}

void Magnifier(QPainter& painter, bool plus) {
    painter.drawEllipse(QPointF(0.42, 0.42), 0.27, 0.27);
    painter.drawLine(QPointF(0.62, 0.62), QPointF(0.88, 0.88));
    painter.drawLine(QPointF(0.29, 0.42), QPointF(0.55, 0.42));
    if (plus) {
        painter.drawLine(QPointF(0.42, 0.29), QPointF(0.42, 0.55));
    }
}

}  // namespace

void PaintGlyph(QPainter& painter, EGlyph glyph, const QRectF& box, const QColor& ink) {
    if (glyph == EGlyph::None) {
        return;
    }
    const qreal side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.center() - QPointF(side / 2, side / 2));
    painter.scale(side, side);
    // About 1.6 pixels at 16, 2.4 at 24: thin enough for detail, heavy enough to read.
    const qreal weight = std::max(1.4, side * 0.1) / side;
    QPen pen(ink, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QBrush fill(ink);

    switch (glyph) {
        case EGlyph::Close:
            painter.drawLine(QPointF(0.22, 0.22), QPointF(0.78, 0.78));
            painter.drawLine(QPointF(0.78, 0.22), QPointF(0.22, 0.78));
            break;
        case EGlyph::Minimise:
            painter.drawLine(QPointF(0.22, 0.72), QPointF(0.78, 0.72));
            break;
        case EGlyph::OpenFile: {
            QPainterPath folder;
            folder.moveTo(0.1, 0.8);
            folder.lineTo(0.1, 0.2);
            folder.lineTo(0.38, 0.2);
            folder.lineTo(0.46, 0.3);
            folder.lineTo(0.82, 0.3);
            folder.lineTo(0.82, 0.42);
            painter.drawPath(folder);
            painter.drawPolygon(QPolygonF({{0.1, 0.8}, {0.24, 0.46}, {0.92, 0.46}, {0.78, 0.8}}));
            break;
        }
        case EGlyph::Picture:
            painter.drawRoundedRect(QRectF(0.1, 0.18, 0.8, 0.64), 0.08, 0.08);
            painter.drawPolyline(
                QPolygonF({{0.18, 0.72}, {0.38, 0.48}, {0.52, 0.62}, {0.62, 0.54}, {0.82, 0.72}}));
            painter.setBrush(fill);
            painter.drawEllipse(QPointF(0.68, 0.36), 0.06, 0.06);
            break;
        case EGlyph::First:
        case EGlyph::Last: {
            const bool last = glyph == EGlyph::Last;
            painter.setBrush(fill);
            painter.drawPolygon(Triangle(last, last ? 0.2 : 0.32, 0.44));
            const qreal bar = last ? 0.78 : 0.22;
            painter.drawLine(QPointF(bar, 0.2), QPointF(bar, 0.8));
            break;
        }
        case EGlyph::Previous:
        case EGlyph::Next:
            painter.setBrush(fill);
            painter.drawPolygon(Triangle(glyph == EGlyph::Next, 0.28, 0.44));
            break;
        case EGlyph::GoTo:
            painter.drawPolyline(QPolygonF({{0.56, 0.16}, {0.84, 0.16}, {0.84, 0.84}, {0.56, 0.84}}));
            painter.drawLine(QPointF(0.14, 0.5), QPointF(0.64, 0.5));
            painter.drawPolyline(QPolygonF({{0.46, 0.32}, {0.64, 0.5}, {0.46, 0.68}}));
            break;
        case EGlyph::ZoomIn:
        case EGlyph::ZoomOut:
            Magnifier(painter, glyph == EGlyph::ZoomIn);
            break;
        case EGlyph::Save:
            painter.drawPolyline(QPolygonF({{0.14, 0.6}, {0.14, 0.86}, {0.86, 0.86}, {0.86, 0.6}}));
            painter.drawLine(QPointF(0.5, 0.14), QPointF(0.5, 0.64));
            painter.drawPolyline(QPolygonF({{0.3, 0.45}, {0.5, 0.65}, {0.7, 0.45}}));
            break;
        case EGlyph::Cine:
            painter.drawRoundedRect(QRectF(0.1, 0.2, 0.8, 0.6), 0.08, 0.08);
            painter.drawLine(QPointF(0.1, 0.32), QPointF(0.9, 0.32));
            painter.drawLine(QPointF(0.1, 0.68), QPointF(0.9, 0.68));
            painter.setBrush(fill);
            painter.drawPolygon(QPolygonF({{0.43, 0.4}, {0.6, 0.5}, {0.43, 0.6}}));
            break;
        case EGlyph::Chevron:
        case EGlyph::Down:
            painter.drawPolyline(QPolygonF({{0.28, 0.4}, {0.5, 0.62}, {0.72, 0.4}}));
            break;
        case EGlyph::Up:
            painter.drawPolyline(QPolygonF({{0.28, 0.6}, {0.5, 0.38}, {0.72, 0.6}}));
            break;
        case EGlyph::None:
            break;
    }
    painter.restore();
}
