#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "platform/PixelRegion.h"

namespace {

constexpr QRgb kKey = 0xFF00FF;

// The region as a per-pixel truth table, for comparing with a plain pixel walk.
bool Contains(const QRegion& region, int x, int y) {
    return region.contains(QPoint(x, y));
}

TEST(PixelRegion, MatchesAPixelByPixelCutOut) {
    QImage image(37, 23, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // Runs of key pixels of random lengths, and rows repeated to exercise band merging.
            const bool key = ((x / (1 + (y / 3) % 4)) + random.bounded(2)) % 3 == 0;
            image.setPixel(x, y, key ? (kKey | 0xFF000000u) : qRgb(x * 5, y * 9, 20));
        }
    }
    const SPixelRegion built = RegionWithoutColor(image, kKey);
    long long keyPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool key = (image.pixel(x, y) & 0xFFFFFF) == kKey;
            keyPixels += key;
            EXPECT_EQ(Contains(built.region, x, y), !key) << x << "," << y;
        }
    }
    EXPECT_EQ(built.removedPixels, keyPixels);
    EXPECT_FALSE(Contains(built.region, image.width(), 0));
    EXPECT_FALSE(Contains(built.region, 0, image.height()));
}

TEST(PixelRegion, ComparesAll24BitsExactly) {
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 255));
    image.setPixel(1, 0, qRgb(254, 0, 255));
    image.setPixel(2, 0, qRgb(255, 1, 255));
    const SPixelRegion built = RegionWithoutColor(image, kKey);
    EXPECT_EQ(built.removedPixels, 1);
    EXPECT_EQ(built.region, QRegion(1, 0, 2, 1));
}

TEST(PixelRegion, EdgeCases) {
    QImage plain(4, 2, QImage::Format_RGB32);
    plain.fill(qRgb(1, 2, 3));
    EXPECT_EQ(RegionWithoutColor(plain, kKey).region, QRegion(0, 0, 4, 2));
    EXPECT_EQ(RegionWithoutColor(plain, kKey).removedPixels, 0);

    QImage allKey(4, 2, QImage::Format_RGB32);
    allKey.fill(qRgb(255, 0, 255));
    EXPECT_TRUE(RegionWithoutColor(allKey, kKey).region.isEmpty());
    EXPECT_EQ(RegionWithoutColor(allKey, kKey).removedPixels, 8);

    EXPECT_TRUE(RegionWithoutColor(QImage(), kKey).region.isEmpty());
}

}  // namespace
