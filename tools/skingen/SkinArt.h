#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>

#include "SkinLayout.h"
#include "SkinPainter.h"
#include "SkinPalette.h"

// The pictures of a skin, drawn from its layout and palette. Shapes are anti-aliased against
// what really lies beneath them: a button is drawn over the piece of background it covers, so
// no picture but the window's own outline (and the popup's) holds the key colour.
namespace SkinArt {

// The window's outline for a window of `size`, `inset` pixels inside its edge; `caption` is
// where the caption sits, which a crowned outline raises its tab around.
QPainterPath Outline(const CSkinPalette& palette, QSize size, const QRect& caption, qreal inset = 0);

// The background: body, title band, panels, and the wells around the image, fields and lists;
// key-coloured outside the outline.
QImage Background(const CSkinLayout& layout, const CSkinPalette& palette);

// The four looks of a button over `under`, the background beneath it.
QImage ButtonStrip(const QImage& under, const CButtonSpec& button, const CSkinPalette& palette);

// The combo box's drop button, four frames of `frame` size. Its transparent colour is black, so
// no pixel of it is pure black.
QImage DropStrip(QSize frame, const CSkinPalette& palette);

// The program's mark over `under`.
QImage Icon(const QImage& under, const CSkinPalette& palette);

// The seven pictures of a list's scroll bar, in the order the description names them.
struct SScrollPictures {
    QImage track, up, upActive, down, downActive, thumb, thumbActive;
};
SScrollPictures ScrollPictures(const CSkinPalette& palette);

// The task-bar notifier's face (magenta outside its shape) and the place of its close button.
constexpr QSize kNotifierSize(300, 200);
constexpr QRect kNotifierExit(266, 7, 24, 24);
QImage NotifierFace(const CSkinPalette& palette);

}  // namespace SkinArt
