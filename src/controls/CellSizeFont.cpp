#include "CellSizeFont.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

QFont CellSizeFont(const QString& face, int height, int width) {
    QFont font(face);
    if (height > 0) {
        // The largest em size whose cell still fits the height; cells grow by whole pixels
        // with the em size, so a short downward search from the height itself is enough.
        int pixels = height;
        font.setPixelSize(pixels);
        while (pixels > 1 && QFontMetrics(font).height() > height) {
            font.setPixelSize(--pixels);
        }
    }
    const int average = QFontMetrics(font).averageCharWidth();
    if (width > 0 && average > 0) {
        const int stretch = static_cast<int>(std::lround(100.0 * width / average));
        font.setStretch(std::clamp(stretch, 1, 4000));
    }
    return font;
}
