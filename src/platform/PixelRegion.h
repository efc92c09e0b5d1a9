#pragma once

#include <QImage>
#include <QRegion>

// The region of an image's rectangle without the pixels of one colour.
struct SPixelRegion {
    QRegion region;
    long long removedPixels = 0;
};

// Compares all 24 colour bits exactly (alpha is ignored). The region is assembled from
// horizontal runs, and rows with identical runs are merged into one band, so the cost grows
// with the number of runs rather than with the number of key pixels.
SPixelRegion RegionWithoutColor(const QImage& image, QRgb key);
