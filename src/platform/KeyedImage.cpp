#include "KeyedImage.h"

#include <QPainter>

QImage MakeKeyedImage(const QImage& image, QRgb key) {
    if (image.isNull()) {
        return {};
    }
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    key &= 0xFFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            row[x] = (row[x] & 0xFFFFFF) == key ? 0u : (row[x] | 0xFF000000u);
        }
    }
    return keyed;
}

void DrawKeyed(QPainter& painter, const QRect& target, const QImage& source, const QRect& sourceRect,
               QRgb key) {
    const QRect part = sourceRect.intersected(source.rect());
    if (part.isEmpty() || target.isEmpty()) {
        return;
    }
    const QImage keyed = MakeKeyedImage(source.copy(part), key);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, keyed);
    painter.restore();
}
