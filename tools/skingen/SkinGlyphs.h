#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The one icon set of every skin: line drawings with round ends in a square box, so that a
// glyph reads the same whatever the skin's colours and sizes.
enum class EGlyph {
    None,
    Close,
    Minimise,
    OpenFile,  // a folder
    Picture,   // a framed landscape: an image file
    First,
    Previous,
    Next,
    Last,
    GoTo,  // an arrow into a page
    ZoomIn,
    ZoomOut,
    Save,     // an arrow down into a tray
    Cine,     // a film frame with a play mark
    Chevron,  // the drop button's arrow
    Up,
    Down,
};

// Draws `glyph` centred in `box` (the largest square inside it) in `ink`; the stroke weight
// grows with the box.
void PaintGlyph(QPainter& painter, EGlyph glyph, const QRectF& box, const QColor& ink);
