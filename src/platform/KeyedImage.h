#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// A copy of `image` in which every pixel of the colour `key` (24 bits, exact) is fully
// transparent, so that drawing it leaves those pixels out.
QImage MakeKeyedImage(const QImage& image, QRgb key);

// Draws `source` (the part `sourceRect` of it) stretched into `target`, leaving out pixels of
// the colour `key`. Stretching picks pixels without smoothing, so no blended edge colours
// appear around the left-out pixels.
void DrawKeyed(QPainter& painter, const QRect& target, const QImage& source, const QRect& sourceRect,
               QRgb key);
