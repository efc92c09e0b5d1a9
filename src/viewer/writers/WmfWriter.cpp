#include "WmfWriter.h"

#include <QDataStream>
#include <cstdint>

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint16_t kUnitsPerInch = 96;
constexpr std::uint16_t kMemoryMetafile = 1;
constexpr std::uint16_t kHeaderWords = 9;
constexpr std::uint16_t kVersion3 = 0x0300;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kStretchDib = 0x0F43;
constexpr std::uint16_t kEndOfFile = 0x0000;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr std::uint16_t kDibRgbColours = 0;
// Record size fields count 16-bit words: the size itself (two words) and the function (one).
constexpr std::uint32_t kRecordHeadWords = 3;
constexpr std::uint32_t kWindowRecordWords = kRecordHeadWords + 2;
// After the head: raster operation (2 words), colour use (1) and eight coordinates.
constexpr std::uint32_t kStretchDibFixedWords = kRecordHeadWords + 2 + 1 + 8;
constexpr std::uint32_t kBitmapInfoHeaderBytes = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 per inch
constexpr int kGreys = 256;
// Coordinates are signed 16-bit.
constexpr int kLargestSide = 32767;

struct CDibLayout {
    bool grey;
    std::uint32_t rowBytes;
    std::uint32_t paletteBytes;
    std::uint32_t pixelBytes;
    std::uint32_t Bytes() const { return kBitmapInfoHeaderBytes + paletteBytes + pixelBytes; }
};

CDibLayout LayoutOf(const QImage& page) {
    const bool grey = page.format() == QImage::Format_Grayscale8;
    const std::uint32_t bits = grey ? 8 : 24;
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(page.width()) * bits + 31) / 32 * 4;
    return {grey, rowBytes, grey ? kGreys * 4u : 0u, rowBytes * static_cast<std::uint32_t>(page.height())};
}

void PutPlaceableHeader(QDataStream& out, const QImage& page) {
    const std::uint16_t words[10] = {static_cast<std::uint16_t>(kPlaceableKey & 0xFFFF),
                                     static_cast<std::uint16_t>(kPlaceableKey >> 16),
                                     0,  // no handle
                                     0,
                                     0,
                                     static_cast<std::uint16_t>(page.width()),
                                     static_cast<std::uint16_t>(page.height()),
                                     kUnitsPerInch,
                                     0,
                                     0};
    std::uint16_t checksum = 0;
    for (const std::uint16_t word : words) {
        out << word;
        checksum ^= word;
    }
    out << checksum;
}

void PutRecordHead(QDataStream& out, std::uint32_t words, std::uint16_t function) {
    out << words << function;
}

void PutDib(QDataStream& out, const QImage& page, const CDibLayout& layout) {
    out << kBitmapInfoHeaderBytes << static_cast<std::int32_t>(page.width())
        << static_cast<std::int32_t>(page.height())  // positive: rows from the bottom
        << std::uint16_t{1} << static_cast<std::uint16_t>(layout.grey ? 8 : 24) << std::uint32_t{0}
        << layout.pixelBytes << kPixelsPerMetre << kPixelsPerMetre
        << static_cast<std::uint32_t>(layout.grey ? kGreys : 0) << std::uint32_t{0};
    if (layout.grey) {
        for (int i = 0; i < kGreys; ++i) {
            const auto grey = static_cast<std::uint8_t>(i);
            out << grey << grey << grey << std::uint8_t{0};
        }
    }
    QByteArray row(static_cast<qsizetype>(layout.rowBytes), '\0');
    for (int y = page.height() - 1; y >= 0; --y) {
        const uchar* source = page.constScanLine(y);
        if (layout.grey) {
            std::copy_n(source, page.width(), row.begin());
        } else {
            for (int x = 0; x < page.width(); ++x) {  // BGR
                row[3 * x] = static_cast<char>(source[3 * x + 2]);
                row[3 * x + 1] = static_cast<char>(source[3 * x + 1]);
                row[3 * x + 2] = static_cast<char>(source[3 * x]);
            }
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
}

}  // namespace

bool CWmfWriter::WritePage(const QImage& page, QIODevice& device, const CSaveOptions&,
                           std::string& error) const {
    if (page.width() > kLargestSide || page.height() > kLargestSide) {
        error = "the picture is too large for a metafile";
        return false;
    }
    const CDibLayout layout = LayoutOf(page);
    const std::uint32_t stretchWords = kStretchDibFixedWords + layout.Bytes() / 2;
    const std::uint32_t totalWords = kHeaderWords + 2 * kWindowRecordWords + stretchWords + kRecordHeadWords;
    const auto width = static_cast<std::int16_t>(page.width());
    const auto height = static_cast<std::int16_t>(page.height());

    QDataStream out(&device);
    out.setByteOrder(QDataStream::LittleEndian);
    PutPlaceableHeader(out, page);
    out << kMemoryMetafile << kHeaderWords << kVersion3 << totalWords << std::uint16_t{0}  // no objects
        << stretchWords << std::uint16_t{0};
    PutRecordHead(out, kWindowRecordWords, kSetWindowOrg);
    out << std::int16_t{0} << std::int16_t{0};
    PutRecordHead(out, kWindowRecordWords, kSetWindowExt);
    out << height << width;
    PutRecordHead(out, stretchWords, kStretchDib);
    out << kSourceCopy << kDibRgbColours << height << width << std::int16_t{0} << std::int16_t{0}  // source
        << height << width << std::int16_t{0} << std::int16_t{0};                                  // target
    PutDib(out, page, layout);
    PutRecordHead(out, kRecordHeadWords, kEndOfFile);
    if (out.status() != QDataStream::Ok) {
        error = device.errorString().toStdString();
        return false;
    }
    return true;
}
