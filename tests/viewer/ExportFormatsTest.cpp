// SaveImage in every format, each result decoded by a reader that is not ours (Pillow,
// ImageMagick, poppler's pdfimages): sizes, how pages are stored, and the pixels themselves.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <set>

#include "DicomFixtures.h"
#include "IndependentDecoder.h"
#include "viewer/ImageViewerControl.h"

namespace {

const std::string kCtSmall = std::string(PYDICOM_DATA) + "/test_files/CT_small.dcm";

// A grey series: frame k holds 40 * k + x + 3 * y at (x, y); the window shows it unchanged.
std::string WriteGreySeries(const CTempDir& folder, const std::string& name, int columns, int rows,
                            int frames, const std::string& frameTime = {}) {
    CDicomWriter writer;
    writer.Image(rows, columns, 1, 8, 8, false, "MONOCHROME2", frames);
    writer.Text(0x0028, 0x1050, "DS", "127.5").Text(0x0028, 0x1051, "DS", "256");
    if (!frameTime.empty()) {
        writer.Text(0x0018, 0x1063, "DS", frameTime);
    }
    std::vector<std::uint8_t> pixels;
    for (int frame = 0; frame < frames; ++frame) {
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < columns; ++x) {
                pixels.push_back(static_cast<std::uint8_t>(40 * frame + x + 3 * y));
            }
        }
    }
    writer.Bytes(0x7FE0, 0x0010, "OB", pixels);
    const std::string path = folder.File(name);
    writer.Save(path);
    return path;
}

// An RGB page of odd width (rows of QImage are padded, files' rows mostly not) with smooth
// colour gradients.
std::string WriteColourPage(const CTempDir& folder, const std::string& name, int columns, int rows) {
    CDicomWriter writer;
    writer.Image(rows, columns, 3, 8, 8, false, "RGB");
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>(4 * x), static_cast<std::uint8_t>(6 * y),
                                         static_cast<std::uint8_t>(255 - 2 * (x + y))});
        }
    }
    writer.Bytes(0x7FE0, 0x0010, "OB", pixels);
    const std::string path = folder.File(name);
    writer.Save(path);
    return path;
}

double MeanLuma(const QImage& page) {
    double total = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb rgb = page.pixel(x, y);
            total += 0.299 * qRed(rgb) + 0.587 * qGreen(rgb) + 0.114 * qBlue(rgb);
        }
    }
    return total / (page.width() * page.height());
}

class ExportFormatsTest : public ::testing::Test {
protected:
    // Opens the file and returns its shown page as it is saved.
    QImage Open(const std::string& path) {
        EXPECT_TRUE(m_control.Open(path)) << path << ": " << m_control.LastError();
        const QImage page = m_control.PageImage();
        return page.format() == QImage::Format_Grayscale8 ? page
                                                          : page.convertToFormat(QImage::Format_RGB888);
    }

    // Saves under `name` in the test folder; the name for the decoder.
    std::string Save(const std::string& name, const std::string& text = {}, int a = 0, int b = 0) {
        EXPECT_EQ(m_control.SaveImage(m_folder.File(name), text, a, b), 1)
            << name << ": " << m_control.LastError();
        return name;
    }

    CTempDir m_folder;
    CImageViewerControl m_control;
};

struct CFormat {
    const char* extension;
    // How the reader sees a grey and a colour page stored.
    const char* greyStored;
    const char* colourStored;
    // Mean difference allowed for grey and colour pages: 0 for lossless formats; -1 for the
    // one-bit format, whose dots keep only the mean.
    double greyError;
    double colourError;
};

// QPdfWriter stores every picture as RGB (Qt 6.4 has no grey colour model for it), losslessly.
// Metafiles are rendered by the reader. PGX has one component: a colour page's luminance. GIF
// quantises colour pages to 256 colours (the colour page has 2257). Icons carry an alpha channel, fully
// opaque here.
constexpr CFormat kFormats[] = {
    {"pdf", "rgb", "rgb", 0, 0},   {"psd", "grey", "rgb", 0, 0},     {"j2k", "grey", "rgb", 0, 0},
    {"j2c", "grey", "rgb", 0, 0},  {"jpg", "grey", "rgb", 1.5, 3},   {"jpeg", "grey", "rgb", 1.5, 3},
    {"pcx", "grey", "rgb", 0, 0},  {"wmf", "rgb", "rgb", 0, 0},      {"wbmp", "grey", "grey", -1, -1},
    {"bmp", "grey", "rgb", 0, 0},  {"tif", "grey", "rgb", 0, 0},     {"tiff", "grey", "rgb", 0, 0},
    {"tga", "grey", "rgb", 0, 0},  {"gif", "grey", "palette", 0, 6}, {"pgx", "grey", "grey", 0, 0.5},
    {"ras", "grey", "rgb", 0, 0},  {"pnm", "grey", "rgb", 0, 0},     {"png", "grey", "rgb", 0, 0},
    {"ico", "rgba", "rgba", 0, 0},
};

TEST_F(ExportFormatsTest, EveryFormatHoldsGreyAndColourPagesAsOtherReadersDecodeThem) {
    struct CPage {
        std::string kind;
        QImage image;
    };
    std::vector<CPage> pages;
    std::vector<std::string> names;
    for (const std::string kind : {"grey", "colour"}) {
        const QImage image =
            Open(kind == "grey" ? kCtSmall : WriteColourPage(m_folder, "colour.dcm", 61, 37));
        ASSERT_FALSE(image.isNull());
        pages.push_back({kind, image});
        for (const CFormat& format : kFormats) {
            // Colour pages go to upper-case names: the extension's case does not matter.
            const QString extension = kind == "grey" ? format.extension : QString(format.extension).toUpper();
            names.push_back(Save(kind + "." + extension.toStdString()));
        }
    }
    ASSERT_EQ(pages[0].image.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(pages[0].image.size(), QSize(128, 128));

    const std::map<std::string, CDecodedFile> decoded = DecodeIndependently(m_folder, names);
    auto name = names.begin();
    for (const CPage& page : pages) {
        for (const CFormat& format : kFormats) {
            const CDecodedFile& file = decoded.at(*name++);
            const std::string label = page.kind + " " + format.extension + " (" + file.decoder + ")";
            ASSERT_TRUE(file.error.empty()) << label << ": " << file.error;
            ASSERT_EQ(file.frames.size(), 1u) << label;
            const CDecodedFrame& frame = file.frames[0];
            EXPECT_EQ(frame.Size(), page.image.size()) << label;
            EXPECT_EQ(frame.mode, page.kind == "grey" ? format.greyStored : format.colourStored) << label;
            EXPECT_TRUE(frame.opaque) << label;
            const double allowed = page.kind == "grey" ? format.greyError : format.colourError;
            if (allowed < 0) {
                // One bit: only black and white, in the page's mean proportion.
                EXPECT_EQ(std::set<std::uint8_t>(frame.pixels.begin(), frame.pixels.end()),
                          (std::set<std::uint8_t>{0, 255}))
                    << label;
                EXPECT_NEAR(frame.MeanValue(), MeanLuma(page.image), 2) << label;
                continue;
            }
            const CDifference difference = Difference(frame, page.image);
            if (allowed == 0) {
                EXPECT_EQ(difference.largest, 0) << label;
            } else {
                EXPECT_LE(difference.mean, allowed) << label;
            }
        }
    }
}

}  // namespace
