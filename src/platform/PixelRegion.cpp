#include "PixelRegion.h"

#include <vector>

namespace {

// Runs of non-key pixels of one row, as [start, end) pairs.
void CollectRuns(const QRgb* row, int width, QRgb key, std::vector<int>& runs, long long& removed) {
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && (row[x] & 0xFFFFFF) == key) {
            ++x;
            ++removed;
        }
        if (x == width) {
            break;
        }
        const int start = x;
        while (x < width && (row[x] & 0xFFFFFF) != key) {
            ++x;
        }
        runs.push_back(start);
        runs.push_back(x);
    }
}

void EmitBand(const std::vector<int>& runs, int top, int height, std::vector<QRect>& rects) {
    for (size_t i = 0; i < runs.size(); i += 2) {
        rects.emplace_back(runs[i], top, runs[i + 1] - runs[i], height);
    }
}

}  // namespace

SPixelRegion RegionWithoutColor(const QImage& source, QRgb key) {
    SPixelRegion result;
    if (source.isNull()) {
        return result;
    }
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    key &= 0xFFFFFF;
    const int width = image.width();
    std::vector<QRect> rects;
    std::vector<int> bandRuns;
    std::vector<int> rowRuns;
    int bandTop = 0;
    for (int y = 0; y < image.height(); ++y) {
        CollectRuns(reinterpret_cast<const QRgb*>(image.constScanLine(y)), width, key, rowRuns,
                    result.removedPixels);
        if (y == 0) {
            bandRuns.swap(rowRuns);
        } else if (rowRuns != bandRuns) {
            EmitBand(bandRuns, bandTop, y - bandTop, rects);
            bandRuns.swap(rowRuns);
            bandTop = y;
        }
    }
    EmitBand(bandRuns, bandTop, image.height() - bandTop, rects);
    // Bands are emitted top to bottom with sorted, disjoint runs: the banded form QRegion keeps
    // internally, so setRects takes them without re-sorting.
    result.region.setRects(rects.data(), static_cast<int>(rects.size()));
    return result;
}
