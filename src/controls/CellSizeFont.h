#pragma once

#include <QFont>
#include <QString>

// A font described by its character cell rather than its em size: `height` pixels from the top
// of the tallest glyph to the bottom of the deepest, and `width` pixels of average character
// width, reached by stretching the face horizontally. A size of 0 leaves that dimension to the
// face. Where the face is absent, fontconfig's metric-compatible substitute is used.
QFont CellSizeFont(const QString& face, int height, int width);
