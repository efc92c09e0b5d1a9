#include <gtest/gtest.h>

#include "DicomFixtures.h"
#include "viewer/Renderer.h"

namespace {

template <typename T>
CFrame MakeFrame(std::vector<T> values, int samples = 1, EPhotometric photometric = EPhotometric::Monochrome2,
                 int bitsStored = 8 * sizeof(T)) {
    CFrame frame;
    frame.width = static_cast<int>(values.size()) / samples;
    frame.height = 1;
    frame.samplesPerPixel = samples;
    frame.bitsStored = bitsStored;
    frame.photometric = photometric;
    frame.samples = std::move(values);
    frame.ComputeRange();
    return frame;
}

std::vector<int> GreyRow(const QImage& image) {
    std::vector<int> row;
    for (int x = 0; x < image.width(); ++x) {
        row.push_back(image.constScanLine(0)[x]);
    }
    return row;
}

std::vector<QRgb> ColourRow(const QImage& image) {
    std::vector<QRgb> row;
    for (int x = 0; x < image.width(); ++x) {
        row.push_back(image.pixel(x, 0));
    }
    return row;
}

struct CWindowCase {
    EVoiFunction function;
    double centre, width, value, expected;
};

TEST(Renderer, WindowFunctionsMapModalityValuesOntoTheGreyScale) {
    const CWindowCase cases[] = {
        {EVoiFunction::Linear, 40, 400, -160, 0},
        {EVoiFunction::Linear, 40, 400, -159, 255.0 * (0.5 + (-159 - 39.5) / 399)},
        {EVoiFunction::Linear, 40, 400, 39.5, 127.5},
        {EVoiFunction::Linear, 40, 400, 239, 255.0 * (0.5 + 199.5 / 399)},
        {EVoiFunction::Linear, 40, 400, 239.01, 255},
        {EVoiFunction::Linear, 10, 1, 9.5, 0},  // a width of one is a threshold
        {EVoiFunction::Linear, 10, 1, 9.6, 255},
        {EVoiFunction::LinearExact, 40, 400, -160, 0},
        {EVoiFunction::LinearExact, 40, 400, 40, 127.5},
        {EVoiFunction::LinearExact, 40, 400, 240, 255},
        {EVoiFunction::Sigmoid, 0, 100, 0, 127.5},
        {EVoiFunction::Sigmoid, 0, 100, 50, 255 / (1 + std::exp(-2.0))},
    };
    for (const CWindowCase& c : cases) {
        EXPECT_NEAR(ApplyWindow({c.centre, c.width, c.function, {}}, c.value), c.expected, 1e-9)
            << static_cast<int>(c.function) << " " << c.centre << "/" << c.width << " at " << c.value;
    }
}

TEST(Renderer, GreyPagesPassModalityThenWindowThenPolarity) {
    CDisplayParameters rescaled;
    rescaled.rescaleSlope = -1;
    rescaled.rescaleIntercept = 100;
    rescaled.windows.push_back({70, 100, EVoiFunction::LinearExact, {}});
    // Stored 30 is modality 70: the window's centre.
    EXPECT_EQ(GreyRow(RenderFrame(MakeFrame<std::int16_t>({30, 120, -20}), rescaled, {}).image),
              (std::vector<int>{128, 0, 255}));
    EXPECT_EQ(GreyRow(RenderFrame(MakeFrame<std::int16_t>({30, 120, -20}, 1, EPhotometric::Monochrome1),
                                  rescaled, {})
                          .image),
              (std::vector<int>{127, 255, 0}));

    CDisplayParameters table;
    auto modality = std::make_shared<CLookupTable>();
    modality->firstMapped = 10;
    modality->values = {0, 1000, 2000};
    table.modalityLut = modality;
    table.windows.push_back({1000, 2000, EVoiFunction::LinearExact, {}});
    // Below the table's first input its first entry applies, above its last the last one.
    EXPECT_EQ(GreyRow(RenderFrame(MakeFrame<std::uint16_t>({11, 5, 40}), table, {}).image),
              (std::vector<int>{128, 0, 255}));

    CDisplayParameters voi;
    auto voiTable = std::make_shared<CLookupTable>();
    voiTable->bits = 8;
    voiTable->values = {0, 51, 255};
    voi.voiLut = voiTable;
    EXPECT_EQ(GreyRow(RenderFrame(MakeFrame<std::uint8_t>({0, 1, 2}), voi, {}).image),
              (std::vector<int>{0, 51, 255}));
    // A window chosen by the user takes the place of the file's table.
    EXPECT_EQ(GreyRow(RenderFrame(MakeFrame<std::uint8_t>({0, 1, 2}), voi, CVoiChoice::Window(1, 3)).image),
              (std::vector<int>{64, 191, 255}));
}

TEST(Renderer, PagesWithoutAWindowAreShownByTheirRange) {
    const CRenderedPage page = RenderFrame(MakeFrame<std::uint16_t>({1000, 1500, 2000}), {}, {});
    EXPECT_EQ(GreyRow(page.image), (std::vector<int>{0, 128, 255}));
    ASSERT_TRUE(page.window);
    EXPECT_EQ(page.window->centre, 1500);
    EXPECT_EQ(page.window->width, 1000);
    EXPECT_EQ(page.lowest, 1000);
    EXPECT_EQ(page.highest, 2000);
    // Asked for explicitly, the range wins over the file's window too.
    CDisplayParameters windowed;
    windowed.windows.push_back({0, 10, EVoiFunction::Linear, {}});
    EXPECT_EQ(
        GreyRow(
            RenderFrame(MakeFrame<std::uint16_t>({1000, 2000}), windowed, {CVoiChoice::EMode::MinMax}).image),
        (std::vector<int>{0, 255}));
}

TEST(Renderer, ColourPagesConvertToRgb) {
    EXPECT_EQ(
        ColourRow(RenderFrame(MakeFrame<std::uint8_t>({10, 20, 30}, 3, EPhotometric::Rgb), {}, {}).image),
        (std::vector<QRgb>{qRgb(10, 20, 30)}));
    // Deeper samples are scaled from their stored range.
    EXPECT_EQ(
        ColourRow(
            RenderFrame(MakeFrame<std::uint16_t>({65535, 32768, 0}, 3, EPhotometric::Rgb), {}, {}).image),
        (std::vector<QRgb>{qRgb(255, 128, 0)}));
    EXPECT_EQ(ColourRow(RenderFrame(
                            MakeFrame<std::uint8_t>({128, 128, 128, 128, 128, 255}, 3, EPhotometric::YbrFull),
                            {}, {})
                            .image),
              (std::vector<QRgb>{qRgb(128, 128, 128), qRgb(255, 37, 128)}));
    EXPECT_EQ(ColourRow(RenderFrame(MakeFrame<std::uint8_t>({16, 128, 128, 235, 128, 128}, 3,
                                                            EPhotometric::YbrPartial),
                                    {}, {})
                            .image),
              (std::vector<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    const QImage transparent =
        RenderFrame(MakeFrame<std::uint8_t>({1, 2, 3, 64}, 4, EPhotometric::Rgb), {}, {}).image;
    EXPECT_EQ(transparent.format(), QImage::Format_ARGB32);
    EXPECT_EQ(transparent.pixel(0, 0), qRgba(1, 2, 3, 64));
}

// A 1 x 8 palette image of the indexes 0 to 7 with `red` as its red table.
CDicomWriter PaletteImage(std::uint16_t bits, const std::vector<std::uint16_t>& red, bool segmented) {
    CDicomWriter writer;
    writer.Image(1, 8, 1, 8, 8, false, "PALETTE COLOR");
    const std::uint16_t entries = 8;
    for (std::uint16_t element : {0x1101, 0x1102, 0x1103}) {
        writer.UShort(0x0028, element, {entries, 0, bits});
    }
    writer.Words(0x0028, segmented ? 0x1221 : 0x1201, "OW", red);
    writer.Words(0x0028, 0x1202, "OW", std::vector<std::uint16_t>(entries, 0));
    writer.Words(0x0028, 0x1203, "OW", std::vector<std::uint16_t>(entries, bits == 16 ? 65535 : 255));
    writer.Bytes(0x7FE0, 0x0010, "OB", {0, 1, 2, 3, 4, 5, 6, 7});
    return writer;
}

std::vector<int> RedChannel(const CImageDocument& document) {
    CFrame frame;
    std::string error;
    EXPECT_TRUE(document.DecodePage(0, frame, error)) << error;
    std::vector<int> red;
    for (const QRgb pixel : ColourRow(RenderFrame(frame, document.DisplayParameters(0), {}).image)) {
        red.push_back(qRed(pixel));
    }
    return red;
}

TEST(Renderer, PaletteImagesTakeTheirColoursFromPlainOrSegmentedTables) {
    CTempDir folder;
    auto document = OpenWritten(folder, PaletteImage(8, {0, 10, 20, 30, 40, 50, 60, 255}, false));
    ASSERT_TRUE(document);
    EXPECT_EQ(RedChannel(*document), (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 255}));

    document = OpenWritten(folder, PaletteImage(16, {0, 257, 514, 32896, 65535, 0, 0, 0}, false));
    ASSERT_TRUE(document);
    EXPECT_EQ(RedChannel(*document), (std::vector<int>{0, 1, 2, 128, 255, 0, 0, 0}));

    // Discrete 0, 100; linear to 200 over four entries; indirect: the first segment again.
    const std::vector<std::uint16_t> segments = {0, 2, 0, 100, 1, 4, 200, 2, 1, 0, 0};
    document = OpenWritten(folder, PaletteImage(8, segments, true));
    ASSERT_TRUE(document);
    EXPECT_EQ(RedChannel(*document), (std::vector<int>{0, 100, 125, 150, 175, 200, 0, 100}));
}

}  // namespace
