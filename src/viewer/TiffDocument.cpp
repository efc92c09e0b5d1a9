#include "TiffDocument.h"

#include <tiffio.h>

#include <cstdarg>
#include <cstring>

bool CTiffDocument::CPageInfo::RawGrey() const {
    return samplesPerPixel == 1 && (bitsPerSample == 8 || bitsPerSample == 16) &&
           (photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE) &&
           (sampleFormat == SAMPLEFORMAT_UINT || sampleFormat == SAMPLEFORMAT_INT);
}

namespace {

// A decoded page larger than this is refused instead of allocated.
constexpr std::uint64_t kMaxPageBytes = std::uint64_t{512} << 20;
constexpr tmsize_t kMaxLibraryAllocation = tmsize_t{512} << 20;

int KeepError(TIFF*, void* userData, const char*, const char* format, va_list arguments) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    auto* last = static_cast<std::string*>(userData);
    if (last->empty()) {
        *last = text;
    }
    return 1;
}

int IgnoreWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

const char* PhotometricName(std::uint16_t photometric) {
    switch (photometric) {
        case PHOTOMETRIC_MINISWHITE:
            return "min-is-white";
        case PHOTOMETRIC_MINISBLACK:
            return "min-is-black";
        case PHOTOMETRIC_RGB:
            return "RGB";
        case PHOTOMETRIC_PALETTE:
            return "palette";
        case PHOTOMETRIC_MASK:
            return "transparency mask";
        case PHOTOMETRIC_SEPARATED:
            return "separated (CMYK)";
        case PHOTOMETRIC_YCBCR:
            return "YCbCr";
        case PHOTOMETRIC_CIELAB:
            return "CIE L*a*b*";
        default:
            return "other";
    }
}

const char* CompressionName(std::uint16_t compression) {
    switch (compression) {
        case COMPRESSION_NONE:
            return "none";
        case COMPRESSION_CCITTRLE:
            return "CCITT modified Huffman RLE";
        case COMPRESSION_CCITTFAX3:
            return "CCITT Group 3";
        case COMPRESSION_CCITTFAX4:
            return "CCITT Group 4";
        case COMPRESSION_LZW:
            return "LZW";
        case COMPRESSION_OJPEG:
        case COMPRESSION_JPEG:
            return "JPEG";
        case COMPRESSION_ADOBE_DEFLATE:
        case COMPRESSION_DEFLATE:
            return "Deflate";
        case COMPRESSION_PACKBITS:
            return "PackBits";
        case COMPRESSION_LZMA:
            return "LZMA";
        case COMPRESSION_ZSTD:
            return "Zstandard";
        case COMPRESSION_WEBP:
            return "WebP";
        default:
            return "other";
    }
}

void AddTextTag(TIFF* tiff, ttag_t tag, const char* name, std::vector<CMetadataEntry>& entries) {
    char* text = nullptr;
    if (TIFFGetField(tiff, tag, &text) == 1 && text) {
        entries.push_back({name, text});
    }
}

void AddResolution(TIFF* tiff, std::vector<CMetadataEntry>& entries) {
    float x = 0, y = 0;
    std::uint16_t unit = RESUNIT_INCH;
    if (TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &x) == 1 &&
        TIFFGetField(tiff, TIFFTAG_YRESOLUTION, &y) == 1) {
        TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
        const char* unitName = unit == RESUNIT_CENTIMETER ? " per cm"
                               : unit == RESUNIT_INCH     ? " per inch"
                                                          : "";
        entries.push_back({"Resolution", std::to_string(x) + " x " + std::to_string(y) + unitName});
    }
}

}  // namespace

bool CTiffDocument::Recognise(const std::uint8_t* head, std::size_t size) {
    if (size < 4) {
        return false;
    }
    return (head[0] == 'I' && head[1] == 'I' && (head[2] == 42 || head[2] == 43) && head[3] == 0) ||
           (head[0] == 'M' && head[1] == 'M' && head[2] == 0 && (head[3] == 42 || head[3] == 43));
}

std::unique_ptr<CTiffDocument> CTiffDocument::Open(const std::string& path, const std::string& name,
                                                   std::uint64_t fileSize, std::string& error) {
    std::unique_ptr<CTiffDocument> document(new CTiffDocument);
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxLibraryAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options, KeepError, &document->m_lastError);
    TIFFOpenOptionsSetWarningHandlerExtR(options, IgnoreWarning, nullptr);
    document->m_tiff = TIFFOpenExt(path.c_str(), "rm", options);
    TIFFOpenOptionsFree(options);
    if (!document->m_tiff) {
        error = document->m_lastError.empty() ? "The TIFF file cannot be opened." : document->m_lastError;
        return nullptr;
    }
    if (!document->ReadPages(error)) {
        return nullptr;
    }
    document->BuildMetadata(name, fileSize);
    return document;
}

CTiffDocument::~CTiffDocument() {
    if (m_tiff) {
        TIFFClose(m_tiff);
    }
}

bool CTiffDocument::ReadPages(std::string& error) {
    const tdir_t count = TIFFNumberOfDirectories(m_tiff);
    for (tdir_t page = 0; page < count; ++page) {
        if (!TIFFSetDirectory(m_tiff, page)) {
            break;
        }
        CPageInfo info;
        TIFFGetField(m_tiff, TIFFTAG_IMAGEWIDTH, &info.width);
        TIFFGetField(m_tiff, TIFFTAG_IMAGELENGTH, &info.height);
        TIFFGetFieldDefaulted(m_tiff, TIFFTAG_BITSPERSAMPLE, &info.bitsPerSample);
        TIFFGetFieldDefaulted(m_tiff, TIFFTAG_SAMPLESPERPIXEL, &info.samplesPerPixel);
        TIFFGetFieldDefaulted(m_tiff, TIFFTAG_SAMPLEFORMAT, &info.sampleFormat);
        TIFFGetFieldDefaulted(m_tiff, TIFFTAG_COMPRESSION, &info.compression);
        std::uint16_t* extraTypes = nullptr;
        TIFFGetFieldDefaulted(m_tiff, TIFFTAG_EXTRASAMPLES, &info.extraSamples, &extraTypes);
        if (TIFFGetField(m_tiff, TIFFTAG_PHOTOMETRIC, &info.photometric) != 1) {
            info.photometric = info.samplesPerPixel >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
        }
        info.tiled = TIFFIsTiled(m_tiff) != 0;
        auto& tags = info.tags;
        tags.push_back({"Image Width", std::to_string(info.width)});
        tags.push_back({"Image Length", std::to_string(info.height)});
        tags.push_back({"Bits per Sample", std::to_string(info.bitsPerSample)});
        tags.push_back({"Samples per Pixel", std::to_string(info.samplesPerPixel)});
        tags.push_back({"Photometric Interpretation", PhotometricName(info.photometric)});
        tags.push_back({"Compression", CompressionName(info.compression)});
        tags.push_back({"Layout", info.tiled ? "tiles" : "strips"});
        AddResolution(m_tiff, tags);
        AddTextTag(m_tiff, TIFFTAG_IMAGEDESCRIPTION, "Image Description", tags);
        AddTextTag(m_tiff, TIFFTAG_SOFTWARE, "Software", tags);
        AddTextTag(m_tiff, TIFFTAG_DATETIME, "Date Time", tags);
        AddTextTag(m_tiff, TIFFTAG_ARTIST, "Artist", tags);
        AddTextTag(m_tiff, TIFFTAG_DOCUMENTNAME, "Document Name", tags);
        m_pages.push_back(std::move(info));
    }
    if (m_pages.empty()) {
        error = m_lastError.empty() ? "The TIFF file holds no images." : m_lastError;
        return false;
    }
    return true;
}

void CTiffDocument::BuildMetadata(const std::string& name, std::uint64_t fileSize) {
    CMetadataSection file{"File", {}};
    file.entries.push_back({"File Name", name});
    file.entries.push_back({"File Size", std::to_string(fileSize) + " bytes"});
    file.entries.push_back({"Format", "TIFF"});
    file.entries.push_back({"Pages", std::to_string(m_pages.size())});
    const CPageInfo& first = m_pages.front();
    file.entries.push_back(
        {"Dimensions", std::to_string(first.width) + " x " + std::to_string(first.height)});
    file.entries.push_back({"Photometric Interpretation", PhotometricName(first.photometric)});
    file.entries.push_back({"Bits", std::to_string(first.bitsPerSample) + " per sample, " +
                                        std::to_string(first.samplesPerPixel) + " samples per pixel"});
    m_metadata.push_back(std::move(file));
    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        m_metadata.push_back({"Page " + std::to_string(page + 1), m_pages[page].tags});
    }
}

QSize CTiffDocument::PageSize(int page) const {
    if (page < 0 || page >= PageCount()) {
        return {};
    }
    const CPageInfo& info = m_pages[static_cast<std::size_t>(page)];
    return QSize(static_cast<int>(info.width), static_cast<int>(info.height));
}

CDisplayParameters CTiffDocument::DisplayParameters(int page) const {
    CDisplayParameters parameters;
    // Eight-bit grey shows its values as they are; sixteen-bit grey is shown by its range.
    if (page >= 0 && page < PageCount() && m_pages[static_cast<std::size_t>(page)].bitsPerSample == 8) {
        parameters.windows.push_back({127.5, 255, EVoiFunction::LinearExact, "Full range"});
    }
    return parameters;
}

bool CTiffDocument::DecodePage(int page, CFrame& frame, std::string& error) const {
    if (page < 0 || page >= PageCount()) {
        error = "There is no page " + std::to_string(page + 1) + ".";
        return false;
    }
    const CPageInfo& info = m_pages[static_cast<std::size_t>(page)];
    const std::uint64_t bytes = std::uint64_t{info.width} * info.height * 4;
    if (info.width == 0 || info.height == 0 || bytes > kMaxPageBytes || info.width > INT32_MAX ||
        info.height > INT32_MAX) {
        error = "Page " + std::to_string(page + 1) + " has an unusable size.";
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastError.clear();
    const bool read = TIFFSetDirectory(m_tiff, static_cast<tdir_t>(page)) &&
                      (info.RawGrey() ? ReadGrey(info, frame) : ReadColour(info, frame));
    if (!read) {
        error = "Page " + std::to_string(page + 1) + ": " +
                (m_lastError.empty() ? std::string("the image data cannot be read.") : m_lastError);
        return false;
    }
    frame.width = static_cast<int>(info.width);
    frame.height = static_cast<int>(info.height);
    frame.ComputeRange();
    return true;
}

bool CTiffDocument::ReadGrey(const CPageInfo& info, CFrame& frame) const {
    const bool wide = info.bitsPerSample == 16;
    const bool isSigned = info.sampleFormat == SAMPLEFORMAT_INT;
    const std::size_t pixels = std::size_t{info.width} * info.height;
    std::vector<std::uint8_t> raw(pixels * (wide ? 2 : 1));
    const std::size_t rowBytes = std::size_t{info.width} * (wide ? 2 : 1);
    if (info.tiled) {
        std::uint32_t tileWidth = 0, tileHeight = 0;
        TIFFGetField(m_tiff, TIFFTAG_TILEWIDTH, &tileWidth);
        TIFFGetField(m_tiff, TIFFTAG_TILELENGTH, &tileHeight);
        if (tileWidth == 0 || tileHeight == 0) {
            return false;
        }
        std::vector<std::uint8_t> tile(static_cast<std::size_t>(TIFFTileSize(m_tiff)));
        const std::size_t tileRow = std::size_t{tileWidth} * (wide ? 2 : 1);
        for (std::uint32_t y = 0; y < info.height; y += tileHeight) {
            for (std::uint32_t x = 0; x < info.width; x += tileWidth) {
                if (tile.size() < tileRow * tileHeight || TIFFReadTile(m_tiff, tile.data(), x, y, 0, 0) < 0) {
                    return false;
                }
                const std::size_t copyRow = std::min<std::size_t>(tileWidth, info.width - x) * (wide ? 2 : 1);
                for (std::uint32_t row = 0; row < tileHeight && y + row < info.height; ++row) {
                    std::memcpy(raw.data() + (y + row) * rowBytes + x * (wide ? 2 : 1),
                                tile.data() + row * tileRow, copyRow);
                }
            }
        }
    } else {
        std::vector<std::uint8_t> line(
            std::max<std::size_t>(static_cast<std::size_t>(TIFFScanlineSize(m_tiff)), rowBytes));
        for (std::uint32_t row = 0; row < info.height; ++row) {
            if (TIFFReadScanline(m_tiff, line.data(), row, 0) < 0) {
                return false;
            }
            std::memcpy(raw.data() + row * rowBytes, line.data(), rowBytes);
        }
    }
    // libtiff hands samples over in the machine's byte order.
    frame.samplesPerPixel = 1;
    frame.bitsStored = info.bitsPerSample;
    frame.photometric =
        info.photometric == PHOTOMETRIC_MINISWHITE ? EPhotometric::Monochrome1 : EPhotometric::Monochrome2;
    if (wide) {
        if (isSigned) {
            std::vector<std::int16_t> values(pixels);
            std::memcpy(values.data(), raw.data(), raw.size());
            frame.samples = std::move(values);
        } else {
            std::vector<std::uint16_t> values(pixels);
            std::memcpy(values.data(), raw.data(), raw.size());
            frame.samples = std::move(values);
        }
    } else if (isSigned) {
        frame.samples = std::vector<std::int8_t>(raw.begin(), raw.end());
    } else {
        frame.samples = std::move(raw);
    }
    return true;
}

bool CTiffDocument::ReadColour(const CPageInfo& info, CFrame& frame) const {
    std::vector<std::uint32_t> rgba(std::size_t{info.width} * info.height);
    if (!TIFFReadRGBAImageOriented(m_tiff, info.width, info.height, rgba.data(), ORIENTATION_TOPLEFT, 0)) {
        return false;
    }
    const bool alpha = info.extraSamples > 0;
    const int samples = alpha ? 4 : 3;
    std::vector<std::uint8_t> values(rgba.size() * static_cast<std::size_t>(samples));
    for (std::size_t i = 0; i < rgba.size(); ++i) {
        std::uint8_t* out = &values[i * static_cast<std::size_t>(samples)];
        out[0] = static_cast<std::uint8_t>(TIFFGetR(rgba[i]));
        out[1] = static_cast<std::uint8_t>(TIFFGetG(rgba[i]));
        out[2] = static_cast<std::uint8_t>(TIFFGetB(rgba[i]));
        if (alpha) {
            out[3] = static_cast<std::uint8_t>(TIFFGetA(rgba[i]));
        }
    }
    frame.samplesPerPixel = samples;
    frame.bitsStored = 8;
    frame.photometric = EPhotometric::Rgb;
    frame.samples = std::move(values);
    return true;
}
