#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>

class QPainter;

// Small helpers the painters of a skin's surfaces and faces share.
namespace SkinArt {

QColor WithAlpha(QColor colour, int alpha);
QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom);
// Anti-aliased shapes and text, smooth scaling.
void PrepareSmooth(QPainter& painter);

// Pixels the outline covers at least half of are the window; the rest take the key colour.
// The window's edge is a hard cut whatever we do, so it is cut where the smooth shape is.
void CutOutside(QImage& image, const QPainterPath& outline);
// A key-coloured pixel inside the window would punch a hole in its shape: such pixels move to
// a neighbouring colour.
void AvoidKey(QImage& image, const QPainterPath& outline);

}  // namespace SkinArt
