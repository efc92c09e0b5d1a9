#include "BmpWriter.h"

#include <QFile>

namespace BmpWriter {
namespace {

void Put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

void Put32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

QByteArray Headers(int width, int height, int bits, int paletteSize, int imageSize, bool topDown) {
    QByteArray out;
    const int offset = 14 + 40 + paletteSize * 4;
    out.append("BM");
    Put32(out, static_cast<std::uint32_t>(offset + imageSize));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(offset));
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint16_t>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(paletteSize));
    Put32(out, 0);
    return out;
}

int Stride(int width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

// Rows in file order: bottom-up unless top-down was asked for.
int FileRow(int i, int height, bool topDown) {
    return topDown ? i : height - 1 - i;
}

}  // namespace

QByteArray Indexed(int width, int height, const std::vector<std::uint8_t>& indices,
                   const std::vector<QRgb>& palette, const SOptions& options) {
    const int bits = options.bitsPerPixel;
    const int stride = Stride(width, bits);
    const int paletteSize = options.withPalette ? static_cast<int>(palette.size()) : 0;
    QByteArray out = Headers(width, height, bits, paletteSize, stride * height, options.topDown);
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb c = palette[static_cast<size_t>(i)];
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int i = 0; i < height; ++i) {
        const int y = FileRow(i, height, options.topDown);
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = indices[static_cast<size_t>(y * width + x)];
            const int bit = x * bits;
            const int shift = 8 - bits - (bit % 8);
            row[bit / 8] = static_cast<char>(static_cast<std::uint8_t>(row[bit / 8]) | (index << shift));
        }
        out.append(row);
    }
    return out;
}

QByteArray Direct(int width, int height, const std::vector<QRgb>& pixels, const SOptions& options) {
    const int bits = options.bitsPerPixel;
    const int stride = Stride(width, bits);
    QByteArray out = Headers(width, height, bits, 0, stride * height, options.topDown);
    for (int i = 0; i < height; ++i) {
        const int y = FileRow(i, height, options.topDown);
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            const QRgb c = pixels[static_cast<size_t>(y * width + x)];
            row.append(static_cast<char>(qBlue(c)));
            row.append(static_cast<char>(qGreen(c)));
            row.append(static_cast<char>(qRed(c)));
            if (bits == 32) {
                row.append('\0');  // alpha 0, which a skin picture must still show as opaque
            }
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        out.append(row);
    }
    return out;
}

bool Save(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace BmpWriter
