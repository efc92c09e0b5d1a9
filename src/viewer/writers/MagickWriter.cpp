#include "MagickWriter.h"

#include <Magick++.h>

#include <limits>
#include <mutex>
#include <vector>

namespace {

constexpr int kGreys = 256;

void InitializeOnce() {
    static std::once_flag once;
    std::call_once(once, [] { Magick::InitializeMagick(nullptr); });
}

// A grey page as a palette image whose palette is the 256 greys in order, so that writers of
// palette formats store the grey values themselves, one byte each (a direct-colour grey image
// would become 24-bit RGB in PCX and Sun raster).
Magick::Image GreyImage(const QImage& page) {
    Magick::Image image(
        Magick::Geometry(static_cast<std::size_t>(page.width()), static_cast<std::size_t>(page.height())),
        Magick::Color(0, 0, 0));
    image.modifyImage();
    if (MagickCore::AcquireImageColormap(image.image(), kGreys) == MagickCore::MagickFalse) {
        throw Magick::ErrorResourceLimit("no memory for the palette");
    }
    constexpr unsigned kQuantumPerByte = std::numeric_limits<MagickCore::Quantum>::max() / 255;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        Magick::PixelPacket* pixels = image.getPixels(0, y, static_cast<std::size_t>(page.width()), 1);
        Magick::IndexPacket* indexes = image.getIndexes();
        for (int x = 0; x < page.width(); ++x) {
            const auto value = static_cast<MagickCore::Quantum>(row[x] * kQuantumPerByte);
            indexes[x] = row[x];
            pixels[x].red = value;
            pixels[x].green = value;
            pixels[x].blue = value;
        }
        image.syncPixels();
    }
    return image;
}

Magick::Image ColourImage(const QImage& page) {
    // The rows without their padding, as the library reads pixels.
    const std::size_t rowBytes = static_cast<std::size_t>(page.width()) * 3;
    std::vector<unsigned char> pixels(rowBytes * static_cast<std::size_t>(page.height()));
    for (int y = 0; y < page.height(); ++y) {
        std::copy_n(page.constScanLine(y), rowBytes,
                    pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes));
    }
    Magick::Image image(static_cast<std::size_t>(page.width()), static_cast<std::size_t>(page.height()),
                        "RGB", Magick::CharPixel, pixels.data());
    image.type(Magick::TrueColorType);
    return image;
}

}  // namespace

bool CMagickWriter::WritePage(const QImage& page, QIODevice& device, const CSaveOptions&,
                              std::string& error) const {
    InitializeOnce();
    try {
        Magick::Image image =
            page.format() == QImage::Format_Grayscale8 ? GreyImage(page) : ColourImage(page);
        image.magick(m_format);
        image.depth(8);
        if (m_format == "TGA") {
            // Rows from the top: the format's default is from the bottom, which readers honour.
            image.orientation(Magick::TopLeftOrientation);
        }
        Magick::Blob blob;
        image.write(&blob);
        const auto length = static_cast<qint64>(blob.length());
        if (device.write(static_cast<const char*>(blob.data()), length) != length) {
            error = device.errorString().toStdString();
            return false;
        }
        return true;
    } catch (const Magick::Exception& exception) {
        error = m_format + " encoder: " + exception.what();
        return false;
    }
}
