#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>

// A rectangle of the skin description, in client pixels of the skin window; right and bottom
// lie outside it.
struct SkinRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    bool operator==(const SkinRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// A colour reference with red in the low byte, as skins store them; kNoColor stands for none.
using SkinColor = std::uint32_t;
constexpr SkinColor kNoColor = 0xFFFFFFFFu;

inline QRgb ToQRgb(SkinColor color) {
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

inline QColor ToQColor(SkinColor color) {
    return QColor(ToQRgb(color));
}

inline SkinColor FromQRgb(QRgb rgb) {
    return static_cast<SkinColor>(qRed(rgb)) | (static_cast<SkinColor>(qGreen(rgb)) << 8) |
           (static_cast<SkinColor>(qBlue(rgb)) << 16);
}
