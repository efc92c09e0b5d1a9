#include "TiffWriter.h"

#include <tiffio.h>

#include <QString>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <utility>

namespace {

struct CCompression {
    const char* word;
    std::uint16_t scheme;
};

constexpr std::array<CCompression, 5> kCompressions = {{
    {"none", COMPRESSION_NONE},
    {"lzw", COMPRESSION_LZW},
    {"deflate", COMPRESSION_ADOBE_DEFLATE},
    {"packbits", COMPRESSION_PACKBITS},
    {"jpeg", COMPRESSION_JPEG},
}};

// The option word reaches us from whatever the user typed into the viewer's option field, so a
// word that names no compression saves with the default instead of failing the save.
std::uint16_t CompressionFor(const std::string& text) {
    const QString word = QString::fromStdString(text).trimmed().toLower();
    for (const CCompression& compression : kCompressions) {
        if (word == compression.word) {
            return compression.scheme;
        }
    }
    return COMPRESSION_LZW;
}

// libtiff's file operations over the device.
QIODevice& DeviceOf(thandle_t handle) {
    return *static_cast<QIODevice*>(handle);
}
tmsize_t ReadBytes(thandle_t handle, void* buffer, tmsize_t size) {
    return static_cast<tmsize_t>(DeviceOf(handle).read(static_cast<char*>(buffer), size));
}
tmsize_t WriteBytes(thandle_t handle, void* buffer, tmsize_t size) {
    return static_cast<tmsize_t>(DeviceOf(handle).write(static_cast<const char*>(buffer), size));
}
toff_t Seek(thandle_t handle, toff_t offset, int whence) {
    QIODevice& device = DeviceOf(handle);
    const qint64 base = whence == SEEK_CUR ? device.pos() : whence == SEEK_END ? device.size() : 0;
    const qint64 target = base + static_cast<qint64>(offset);
    return device.seek(target) ? static_cast<toff_t>(target) : static_cast<toff_t>(-1);
}
int Close(thandle_t) {
    return 0;  // the device belongs to the caller
}
toff_t Size(thandle_t handle) {
    return static_cast<toff_t>(DeviceOf(handle).size());
}

// The first error of a save becomes its reason; warnings are dropped.
int KeepError(TIFF*, void* userData, const char*, const char* format, va_list arguments) {
    auto* first = static_cast<std::string*>(userData);
    if (first->empty()) {
        char text[512];
        std::vsnprintf(text, sizeof text, format, arguments);
        *first = std::string("TIFF encoder: ") + text;
    }
    return 1;
}

int IgnoreWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct CTiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

// Classic TIFF, which more readers know, addresses 4 GB; a long series of large pages needs
// BigTIFF. Colour pages are assumed, as the pages are not rendered yet.
bool NeedsBigTiff(const CSavePages& pages) {
    constexpr std::uint64_t kClassicLimit = std::uint64_t{7} << 29;  // 3.5 GB, room for directories
    std::uint64_t bytes = 0;
    for (int index = 0; index < pages.Count(); ++index) {
        const QSize size = pages.Size(index);
        bytes += std::uint64_t{3} * static_cast<std::uint64_t>(size.width()) *
                 static_cast<std::uint64_t>(size.height());
    }
    return bytes > kClassicLimit;
}

bool PutPage(TIFF* tiff, const QImage& page, int index, int count, std::uint16_t compression, int a) {
    const bool grey = page.format() == QImage::Format_Grayscale8;
    const std::uint16_t samples = grey ? 1 : 3;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(page.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(page.height()));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
    if (compression == COMPRESSION_JPEG) {
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, grey ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_YCBCR);
        TIFFSetField(tiff, TIFFTAG_JPEGQUALITY, JpegQuality(a));
        if (!grey) {
            // The library converts the RGB rows given to it.
            TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        }
    } else {
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, grey ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB);
        if (compression == COMPRESSION_LZW || compression == COMPRESSION_ADOBE_DEFLATE) {
            // Differences between neighbours compress far better than the values of a picture.
            TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
        }
    }
    if (count > 1) {
        TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE);
        TIFFSetField(tiff, TIFFTAG_PAGENUMBER, static_cast<std::uint16_t>(index),
                     static_cast<std::uint16_t>(count));
    }
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    for (int y = 0; y < page.height(); ++y) {
        // libtiff takes rows as writable but only reads them.
        if (TIFFWriteScanline(tiff, const_cast<uchar*>(page.constScanLine(y)),
                              static_cast<std::uint32_t>(y)) < 0) {
            return false;
        }
    }
    return TIFFWriteDirectory(tiff) != 0;
}

}  // namespace

bool CTiffWriter::Write(const CSavePages& pages, QIODevice& device, const CSaveOptions& options,
                        std::string& error) const {
    const std::uint16_t compression = CompressionFor(options.text);
    std::string messages;
    TIFFOpenOptions* openOptions = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(openOptions, KeepError, &messages);
    TIFFOpenOptionsSetWarningHandlerExtR(openOptions, IgnoreWarning, nullptr);
    std::unique_ptr<TIFF, CTiffCloser> tiff(TIFFClientOpenExt("page", NeedsBigTiff(pages) ? "w8" : "w",
                                                              &device, ReadBytes, WriteBytes, Seek, Close,
                                                              Size, nullptr, nullptr, openOptions));
    TIFFOpenOptionsFree(openOptions);
    if (!tiff) {
        error = messages.empty() ? "cannot start the TIFF file" : messages;
        return false;
    }
    for (int index = 0; index < pages.Count(); ++index) {
        const QImage page = pages.Page(index, error);
        if (page.isNull()) {
            return false;
        }
        if (!PutPage(tiff.get(), page, index, pages.Count(), compression, options.a)) {
            error = messages.empty() ? "cannot write the TIFF file" : messages;
            return false;
        }
    }
    tiff.reset();
    if (!messages.empty()) {
        error = messages;
        return false;
    }
    return true;
}
