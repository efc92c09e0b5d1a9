#include "SkinArtShared.h"

#include <QPainter>

#include "SkinPainter.h"

namespace SkinArt {

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

}  // namespace SkinArt
