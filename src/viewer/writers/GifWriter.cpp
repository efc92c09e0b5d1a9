#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kColours = 256;
// Frame delays are in hundredths of a second; most readers play delays below 2 as 10.
constexpr int kShortestDelay = 2;
constexpr int kLongestDelay = 65535;
constexpr int kLargestSide = 65535;

struct CMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using CColourMap = std::unique_ptr<ColorMapObject, CMapDeleter>;

int WriteBytes(GifFileType* gif, const GifByteType* bytes, int count) {
    const qint64 written =
        static_cast<QIODevice*>(gif->UserData)->write(reinterpret_cast<const char*>(bytes), count);
    return written == count ? count : 0;
}

// Closes the file on every path; the library frees its state there.
class CGifFile {
public:
    explicit CGifFile(QIODevice& device) { m_gif = EGifOpen(&device, WriteBytes, &m_error); }
    ~CGifFile() {
        if (m_gif) {
            EGifCloseFile(m_gif, nullptr);
        }
    }
    CGifFile(const CGifFile&) = delete;
    CGifFile& operator=(const CGifFile&) = delete;

    GifFileType* Get() const { return m_gif; }
    // Writes the trailer; false when the file could not be finished.
    bool Close() {
        GifFileType* gif = m_gif;
        m_gif = nullptr;
        return EGifCloseFile(gif, &m_error) == GIF_OK;
    }
    std::string Error() const {
        const int code = m_gif ? m_gif->Error : m_error;
        const char* text = GifErrorString(code);
        return std::string("GIF encoder: ") + (text ? text : "failed");
    }

private:
    GifFileType* m_gif = nullptr;
    int m_error = 0;
};

CColourMap GreyMap() {
    CColourMap map(GifMakeMapObject(kColours, nullptr));
    if (map) {
        for (int i = 0; i < kColours; ++i) {
            const auto grey = static_cast<GifByteType>(i);
            map->Colors[i] = {grey, grey, grey};
        }
    }
    return map;
}

// Loops the animation for ever.
bool PutLoopExtension(GifFileType* gif) {
    static const GifByteType kName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoopForEver[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kName, kName) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kLoopForEver, kLoopForEver) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutDelay(GifFileType* gif, int interval) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_BACKGROUND;
    control.UserInputFlag = false;
    control.DelayTime =
        std::clamp(static_cast<int>(std::lround(interval / 10.0)), kShortestDelay, kLongestDelay);
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension) == GIF_OK;
}

// The page as palette indexes, with its own palette for colour pages (null for grey ones,
// which use the global palette of greys).
bool Indexed(const QImage& page, std::vector<GifByteType>& indexes, CColourMap& map) {
    const std::size_t width = static_cast<std::size_t>(page.width());
    const std::size_t pixels = width * static_cast<std::size_t>(page.height());
    indexes.resize(pixels);
    if (page.format() == QImage::Format_Grayscale8) {
        for (int y = 0; y < page.height(); ++y) {
            std::copy_n(page.constScanLine(y), width,
                        indexes.begin() + static_cast<std::ptrdiff_t>(y * width));
        }
        return true;
    }
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels);
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        for (std::size_t x = 0, i = static_cast<std::size_t>(y) * width; x < width; ++x, ++i) {
            red[i] = row[3 * x];
            green[i] = row[3 * x + 1];
            blue[i] = row[3 * x + 2];
        }
    }
    map.reset(GifMakeMapObject(kColours, nullptr));
    int size = kColours;
    if (!map ||
        GifQuantizeBuffer(static_cast<unsigned>(page.width()), static_cast<unsigned>(page.height()), &size,
                          red.data(), green.data(), blue.data(), indexes.data(), map->Colors) != GIF_OK) {
        return false;
    }
    // The library averages colours cut to five bits, which darkens every entry by some four
    // levels; the mean of the pixels each entry stands for is the better colour.
    std::vector<std::array<std::uint64_t, 4>> sums(kColours, {0, 0, 0, 0});
    for (std::size_t i = 0; i < pixels; ++i) {
        std::array<std::uint64_t, 4>& sum = sums[indexes[i]];
        sum[0] += red[i];
        sum[1] += green[i];
        sum[2] += blue[i];
        ++sum[3];
    }
    for (int entry = 0; entry < kColours; ++entry) {
        const std::array<std::uint64_t, 4>& sum = sums[static_cast<std::size_t>(entry)];
        if (sum[3] > 0) {
            const auto mean = [&sum](int channel) {
                return static_cast<GifByteType>((sum[static_cast<std::size_t>(channel)] + sum[3] / 2) /
                                                sum[3]);
            };
            map->Colors[entry] = {mean(0), mean(1), mean(2)};
        }
    }
    return true;
}

bool PutPage(GifFileType* gif, const QImage& page) {
    std::vector<GifByteType> indexes;
    CColourMap map;
    if (!Indexed(page, indexes, map)) {
        return false;
    }
    if (EGifPutImageDesc(gif, 0, 0, page.width(), page.height(), false, map.get()) != GIF_OK) {
        return false;
    }
    for (int y = 0; y < page.height(); ++y) {
        if (EGifPutLine(gif,
                        indexes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(page.width()),
                        page.width()) != GIF_OK) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool CGifWriter::Write(const CSavePages& pages, QIODevice& device, const CSaveOptions&,
                       std::string& error) const {
    QSize screen;
    for (int index = 0; index < pages.Count(); ++index) {
        screen = screen.expandedTo(pages.Size(index));
    }
    if (screen.width() > kLargestSide || screen.height() > kLargestSide) {
        error = "the picture is too large for GIF";
        return false;
    }
    CGifFile file(device);
    GifFileType* gif = file.Get();
    const CColourMap greys = GreyMap();
    if (!gif || !greys) {
        error = file.Error();
        return false;
    }
    const bool animated = pages.Count() > 1;
    EGifSetGifVersion(gif, animated);
    bool written = EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0, greys.get()) == GIF_OK &&
                   (!animated || PutLoopExtension(gif));
    for (int index = 0; written && index < pages.Count(); ++index) {
        const QImage page = pages.Page(index, error);
        if (page.isNull()) {
            return false;
        }
        written = (!animated || PutDelay(gif, pages.FrameInterval())) && PutPage(gif, page);
    }
    if (!written || !file.Close()) {
        error = file.Error();
        return false;
    }
    return true;
}
