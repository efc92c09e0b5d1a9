#include <gtest/gtest.h>

#include "common/BmpWriter.h"
#include "common/TempDir.h"
#include "platform/Bitmap.h"

namespace {

const std::vector<QRgb> kPalette = {qRgb(0, 0, 0), qRgb(255, 0, 255), qRgb(10, 200, 30), qRgb(1, 2, 3)};

// A 5 x 3 picture whose pixels differ by row and column, so that a flipped or shifted decode shows.
std::vector<std::uint8_t> Indices(int colours) {
    std::vector<std::uint8_t> indices;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            indices.push_back(static_cast<std::uint8_t>((x + 2 * y) % colours));
        }
    }
    return indices;
}

std::vector<QRgb> Colours() {
    std::vector<QRgb> pixels;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            pixels.push_back(qRgb(40 * x, 100 * y, 7 + x + y));
        }
    }
    return pixels;
}

CBitmap Load(const CTempDir& dir, const QByteArray& bytes) {
    const std::string path = dir.File("picture.bmp");
    EXPECT_TRUE(BmpWriter::Save(bytes, QString::fromStdString(path)));
    CBitmap bitmap;
    bitmap.LoadFromFile(path);
    return bitmap;
}

struct SLayout {
    int bits;
    bool topDown;
};

void PrintTo(const SLayout& layout, std::ostream* out) {
    *out << layout.bits << " bits, " << (layout.topDown ? "top-down" : "bottom-up");
}

class BitmapLayouts : public ::testing::TestWithParam<SLayout> {};

TEST_P(BitmapLayouts, DecodesEveryPixelInPlace) {
    const SLayout layout = GetParam();
    CTempDir dir;
    const BmpWriter::SOptions options{layout.bits, layout.topDown, true};
    const bool indexed = layout.bits <= 8;
    const int colours = layout.bits == 1 ? 2 : 4;
    const std::vector<QRgb> palette(kPalette.begin(), kPalette.begin() + colours);
    const QByteArray bytes = indexed ? BmpWriter::Indexed(5, 3, Indices(colours), palette, options)
                                     : BmpWriter::Direct(5, 3, Colours(), options);
    const CBitmap bitmap = Load(dir, bytes);

    ASSERT_FALSE(bitmap.IsEmpty());
    ASSERT_EQ(bitmap.Size(), QSize(5, 3));
    const std::vector<std::uint8_t> indices = Indices(colours);
    const std::vector<QRgb> pixels = Colours();
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const size_t i = static_cast<size_t>(y * 5 + x);
            const QRgb expected = indexed ? palette[indices[i]] : pixels[i];
            EXPECT_EQ(bitmap.Image().pixel(x, y), expected | 0xFF000000u) << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllDepths, BitmapLayouts,
                         ::testing::Values(SLayout{1, false}, SLayout{1, true}, SLayout{4, false},
                                           SLayout{4, true}, SLayout{8, false}, SLayout{8, true},
                                           SLayout{24, false}, SLayout{24, true}, SLayout{32, false},
                                           SLayout{32, true}));

TEST(Bitmap, DamagedOrForeignFilesGiveAnEmptyBitmap) {
    CTempDir dir;
    const QByteArray good = BmpWriter::Direct(5, 3, Colours(), {24, false, true});
    QByteArray hugeClaim = good;
    hugeClaim[18] = '\xFF';  // width 0x7FFFFFFF-ish with a short file behind it
    hugeClaim[19] = '\xFF';
    hugeClaim[20] = '\xFF';
    hugeClaim[21] = '\x7F';
    QByteArray badDepth = good;
    badDepth[28] = 7;
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"empty file", QByteArray()},
        {"signature only", QByteArray("BM")},
        {"header cut short", good.left(30)},
        {"text", QByteArray("[Screen]\nMain=background.bmp\n")},
        {"png bytes", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"huge width", hugeClaim},
        {"unknown depth", badDepth},
    };
    for (const auto& [what, bytes] : cases) {
        EXPECT_TRUE(Load(dir, bytes).IsEmpty()) << what;
    }
}

TEST(Bitmap, MissingFileGivesAnEmptyBitmapAndReplacesOldContent) {
    CTempDir dir;
    CBitmap bitmap = Load(dir, BmpWriter::Direct(5, 3, Colours(), {24, false, true}));
    ASSERT_FALSE(bitmap.IsEmpty());
    EXPECT_FALSE(bitmap.LoadFromFile(dir.File("absent.bmp")));
    EXPECT_TRUE(bitmap.IsEmpty());
}

TEST(Bitmap, TruncatedPixelDataNeverReadsPastTheFile) {
    CTempDir dir;
    const QByteArray good =
        BmpWriter::Direct(64, 64, std::vector<QRgb>(64 * 64, qRgb(9, 9, 9)), {24, false, true});
    for (int cut = 54; cut < good.size(); cut += 997) {
        const CBitmap bitmap = Load(dir, good.left(cut));
        // Either refused or decoded in its full size; anything is fine but a crash (checked by
        // the sanitizers and valgrind runs) or a wrong size.
        if (!bitmap.IsEmpty()) {
            EXPECT_EQ(bitmap.Size(), QSize(64, 64));
        }
    }
}

}  // namespace
