#include <gtest/gtest.h>
#include <tiffio.h>

#include <fstream>

#include "DicomFixtures.h"
#include "viewer/Renderer.h"

namespace {

struct CTiffPage {
    std::uint32_t width = 2;
    std::uint32_t height = 1;
    std::uint16_t bits = 8;
    std::uint16_t samples = 1;
    std::uint16_t photometric = PHOTOMETRIC_MINISBLACK;
    std::vector<std::uint8_t> data;       // rows of samples in the machine's byte order
    std::vector<std::uint16_t> colormap;  // red, green and blue tables one after the other
    bool alpha = false;
    bool tiled = false;
};

std::string WriteTiff(const CTempDir& folder, const std::string& name, const std::vector<CTiffPage>& pages) {
    const std::string path = folder.File(name);
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    for (const CTiffPage& page : pages) {
        TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, page.width);
        TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, page.height);
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, page.bits);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, page.samples);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, page.photometric);
        TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
        if (page.alpha) {
            const std::uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
            TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
        }
        if (!page.colormap.empty()) {
            const std::size_t size = page.colormap.size() / 3;
            TIFFSetField(tiff, TIFFTAG_COLORMAP, page.colormap.data(), page.colormap.data() + size,
                         page.colormap.data() + 2 * size);
        }
        const std::size_t rowBytes = (page.width * page.bits * page.samples + 7) / 8;
        if (page.tiled) {
            TIFFSetField(tiff, TIFFTAG_TILEWIDTH, 16);
            TIFFSetField(tiff, TIFFTAG_TILELENGTH, 16);
            std::vector<std::uint8_t> tile(static_cast<std::size_t>(TIFFTileSize(tiff)), 0);
            const std::size_t bytesPerPixel = page.bits * page.samples / 8;
            for (std::uint32_t y = 0; y < page.height; ++y) {
                std::copy_n(page.data.begin() + static_cast<std::ptrdiff_t>(y * rowBytes), rowBytes,
                            tile.begin() + static_cast<std::ptrdiff_t>(y * 16 * bytesPerPixel));
            }
            TIFFWriteTile(tiff, tile.data(), 0, 0, 0, 0);
        } else {
            for (std::uint32_t y = 0; y < page.height; ++y) {
                TIFFWriteScanline(tiff, const_cast<std::uint8_t*>(page.data.data() + y * rowBytes), y, 0);
            }
        }
        TIFFWriteDirectory(tiff);
    }
    TIFFClose(tiff);
    return path;
}

std::vector<std::uint8_t> Words(const std::vector<std::uint16_t>& values) {
    std::vector<std::uint8_t> bytes(values.size() * 2);
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}

QImage RenderPage(const CImageDocument& document, int page) {
    CFrame frame;
    std::string error;
    EXPECT_TRUE(document.DecodePage(page, frame, error)) << error;
    return RenderFrame(frame, document.DisplayParameters(page), {}).image;
}

std::unique_ptr<CImageDocument> Open(const std::string& path) {
    std::string error;
    auto document = OpenImageDocument(path, error);
    EXPECT_TRUE(document) << error;
    return document;
}

TEST(TiffDocument, GreyPagesShowEightBitsAsTheyAreAndSixteenBitsByTheirRange) {
    CTempDir folder;
    CTiffPage eight;
    eight.width = 3;
    eight.data = {0, 100, 255};
    CTiffPage sixteen;
    sixteen.width = 3;
    sixteen.bits = 16;
    sixteen.data = Words({1000, 1500, 2000});
    CTiffPage whiteIsZero = eight;
    whiteIsZero.photometric = PHOTOMETRIC_MINISWHITE;
    CTiffPage tiled = sixteen;
    tiled.tiled = true;
    tiled.height = 2;
    tiled.data = Words({1000, 1500, 2000, 2000, 1500, 1000});
    const auto document = Open(WriteTiff(folder, "grey.tif", {eight, sixteen, whiteIsZero, tiled}));
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 4);
    const std::vector<std::vector<int>> expected = {
        {0, 100, 255}, {0, 128, 255}, {255, 155, 0}, {0, 128, 255}};
    for (int page = 0; page < 4; ++page) {
        const QImage image = RenderPage(*document, page);
        ASSERT_EQ(image.format(), QImage::Format_Grayscale8) << page;
        std::vector<int> row;
        for (int x = 0; x < image.width(); ++x) {
            row.push_back(image.constScanLine(0)[x]);
        }
        EXPECT_EQ(row, expected[page]) << "page " << page + 1;
    }
    EXPECT_EQ(RenderPage(*document, 3).constScanLine(1)[0], 255);
}

TEST(TiffDocument, PaletteBilevelAndTransparentPagesBecomeColour) {
    CTempDir folder;
    CTiffPage palette;
    palette.photometric = PHOTOMETRIC_PALETTE;
    palette.data = {0, 1};
    palette.colormap.assign(3 * 256, 0);
    palette.colormap[1] = 65535;        // red of entry 1
    palette.colormap[256 + 0] = 65535;  // green of entry 0
    CTiffPage bilevel;
    bilevel.bits = 1;
    bilevel.data = {0b01000000};
    CTiffPage rgba;
    rgba.samples = 4;
    rgba.photometric = PHOTOMETRIC_RGB;
    rgba.alpha = true;
    rgba.data = {10, 20, 30, 255, 40, 50, 60, 0};
    const auto document = Open(WriteTiff(folder, "colour.tif", {palette, bilevel, rgba}));
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 3);
    QImage image = RenderPage(*document, 0);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0));
    image = RenderPage(*document, 1);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 255, 255));
    image = RenderPage(*document, 2);
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgba(10, 20, 30, 255));
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);
}

TEST(TiffDocument, DescribesTheFileAndEachPage) {
    CTempDir folder;
    CTiffPage small;
    small.data = {1, 2};
    CTiffPage large = small;
    large.width = 1;
    large.height = 2;
    const auto document = Open(WriteTiff(folder, "pages.tif", {small, large}));
    ASSERT_TRUE(document);
    EXPECT_EQ(document->PageSize(0), QSize(2, 1));
    EXPECT_EQ(document->PageSize(1), QSize(1, 2));
    const CMetadata& metadata = document->Metadata();
    ASSERT_EQ(metadata.size(), 3u);
    EXPECT_EQ(metadata[0].name, "File");
    EXPECT_EQ(metadata[2].name, "Page 2");
    EXPECT_EQ(metadata[0].entries[0].value, "pages.tif");
    EXPECT_EQ(metadata[0].entries[2].value, "TIFF");
    EXPECT_EQ(metadata[2].entries[1].name, "Image Length");
    EXPECT_EQ(metadata[2].entries[1].value, "2");
}

TEST(TiffDocument, DamagedFilesFailWithAReason) {
    CTempDir folder;
    CTiffPage page;
    page.width = 64;
    page.height = 64;
    page.data.assign(64 * 64, 7);
    std::ifstream whole(WriteTiff(folder, "whole.tif", {page}), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    for (const std::size_t length : {std::size_t{8}, std::size_t{20}, bytes.size() / 2, bytes.size() - 10}) {
        const std::string path =
            folder.Write("cut" + std::to_string(length) + ".tif", bytes.substr(0, length));
        std::string error;
        const auto document = OpenImageDocument(path, error);
        if (!document) {
            EXPECT_FALSE(error.empty()) << length;
            continue;
        }
        for (int index = 0; index < document->PageCount(); ++index) {
            CFrame frame;
            if (!document->DecodePage(index, frame, error)) {
                EXPECT_FALSE(error.empty()) << length;
            }
        }
    }
}

}  // namespace
