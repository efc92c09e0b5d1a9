#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

// Writes BMP files byte by byte, so that the reader is tested against files that our own
// reader did not produce and in every layout the format allows.
namespace BmpWriter {

struct SOptions {
    int bitsPerPixel = 24;    // 1, 4, 8, 24 or 32
    bool topDown = false;     // negative height
    bool withPalette = true;  // for 1, 4, 8 bits: false writes a palette-less file (invalid)
};

// `indices` gives, for 1/4/8 bits, each pixel's palette index (row-major, top row first);
// `palette` the colours. For 24/32 bits `pixels` gives the colours.
QByteArray Indexed(int width, int height, const std::vector<std::uint8_t>& indices,
                   const std::vector<QRgb>& palette, const SOptions& options);
QByteArray Direct(int width, int height, const std::vector<QRgb>& pixels, const SOptions& options);

bool Save(const QByteArray& bytes, const QString& path);

}  // namespace BmpWriter
