#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap CreateAppIcon(int extent) {
    QPixmap icon(extent, extent);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal e = extent;
    // A display case: a dark frame holding a grey radiograph-like gradient.
    painter.setBrush(QColor(0x4A, 0x2C, 0x6E));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, e, e), e * 0.18, e * 0.18);
    QRadialGradient glow(QPointF(e * 0.5, e * 0.45), e * 0.4);
    glow.setColorAt(0, QColor(235, 235, 235));
    glow.setColorAt(1, QColor(40, 40, 40));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(e * 0.18, e * 0.14, e * 0.64, e * 0.64));
    painter.setBrush(QColor(0xE0, 0xC0, 0xFF));
    painter.drawRect(QRectF(e * 0.2, e * 0.82, e * 0.6, e * 0.06));
    return icon;
}
