#include <gtest/gtest.h>

#include <QPainter>

#include "platform/KeyedImage.h"

namespace {

TEST(KeyedImage, LeavesOutKeyPixelsWhenStretched) {
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 255));
    source.setPixel(1, 0, qRgb(0, 128, 0));
    QImage target(4, 2, QImage::Format_RGB32);
    target.fill(qRgb(0, 0, 200));
    {
        QPainter painter(&target);
        DrawKeyed(painter, QRect(0, 0, 4, 2), source, QRect(0, 0, 2, 1), 0xFF00FF);
    }
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(target.pixel(0, y), qRgb(0, 0, 200));
        EXPECT_EQ(target.pixel(1, y), qRgb(0, 0, 200));
        EXPECT_EQ(target.pixel(2, y), qRgb(0, 128, 0));
        EXPECT_EQ(target.pixel(3, y), qRgb(0, 128, 0));
    }
}

}  // namespace
