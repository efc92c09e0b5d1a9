// SaveImage in every format, each result decoded by a reader that is not ours (Pillow,
// ImageMagick, poppler's pdfimages): sizes, how pages are stored, and the pixels themselves.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <numeric>
#include <set>

#include "DicomFixtures.h"
#include "common/IndependentDecoder.h"
#include "viewer/ImageViewerControl.h"
#include "viewer/writers/ImageWriter.h"

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

    // Every page of the open file as saved, from the first; the view goes back to `shown`.
    std::vector<QImage> AllPages(int shown) {
        std::vector<QImage> pages;
        for (int page = 1; page <= m_control.PageCount(); ++page) {
            EXPECT_TRUE(m_control.GoToPage(page));
            pages.push_back(m_control.PageImage());
        }
        EXPECT_TRUE(m_control.GoToPage(shown));
        return pages;
    }

    static void ExpectFrames(const CDecodedFile& file, const std::vector<QImage>& pages, double allowed,
                             const std::string& label) {
        ASSERT_TRUE(file.error.empty()) << label << ": " << file.error;
        ASSERT_EQ(file.frames.size(), pages.size()) << label;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const CDifference difference = Difference(file.frames[i], pages[i]);
            EXPECT_LE(allowed == 0 ? difference.largest : difference.mean, allowed)
                << label << " page " << i + 1;
        }
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

TEST_F(ExportFormatsTest, BOfOneSavesEveryPageWhereTheFormatHoldsSeveralAndTheShownPageElsewhere) {
    Open(WriteGreySeries(m_folder, "series.dcm", 13, 7, 3, "40"));
    const std::vector<QImage> pages = AllPages(2);
    const std::vector<std::string> names = {Save("pages.tif", "", 0, 1), Save("pages.gif", "", 0, 1),
                                            Save("pages.pdf", "", 0, 1), Save("shown.tif", "", 0, 0),
                                            Save("shown.gif", "", 0, 2), Save("shown.png", "", 0, 1)};
    const std::map<std::string, CDecodedFile> decoded = DecodeIndependently(m_folder, names);
    for (const char* name : {"pages.tif", "pages.gif", "pages.pdf"}) {
        ExpectFrames(decoded.at(name), pages, 0, name);
    }
    for (const char* name : {"shown.tif", "shown.gif", "shown.png"}) {
        ExpectFrames(decoded.at(name), {pages[1]}, 0, name);
    }
    // The animation loops for ever at the file's frame time; the PDF has a page per frame.
    const CDecodedFile& gif = decoded.at("pages.gif");
    EXPECT_EQ(gif.info["loop"].toInt(-1), 0);
    for (const CDecodedFrame& frame : gif.frames) {
        EXPECT_EQ(frame.duration, 40);
    }
    const QJsonArray images = decoded.at("pages.pdf").info["images"].toArray();
    ASSERT_EQ(images.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(images[i].toObject()["page"].toInt(), i + 1);
        EXPECT_EQ(images[i].toObject()["enc"].toString(), "image");  // not JPEG
    }
}

TEST_F(ExportFormatsTest, AnimationsPlayAtTheFilesFrameTimeElseAtTheCineRate) {
    struct CCase {
        const char* frameTime;  // (0018,1063), ms
        const char* cineRate;   // (0018,0040), frames per second
        int started;            // the interval of a Start before saving; 0 for none
        int expected;
    };
    const CCase cases[] = {
        {"40", "", 250, 40},  // the file's frame time first
        {"", "25", 250, 40},  // then its rate
        {"", "", 250, 250},   // then the cine run's
        {"", "", 0, 100},     // else ten a second
    };
    std::vector<std::string> names;
    for (const CCase& c : cases) {
        CImageViewerControl control;
        CDicomWriter writer;
        writer.Image(2, 3, 1, 8, 8, false, "MONOCHROME2", 2)
            .Bytes(0x7FE0, 0x0010, "OB", std::vector<std::uint8_t>(12, 9));
        for (const auto& [element, value] : {std::pair{0x1063, c.frameTime}, std::pair{0x0040, c.cineRate}}) {
            if (*value) {
                writer.Text(0x0018, static_cast<std::uint16_t>(element), element == 0x1063 ? "DS" : "IS",
                            value);
            }
        }
        const std::string name = "timed" + std::to_string(names.size()) + ".gif";
        writer.Save(m_folder.File(name + ".dcm"));
        ASSERT_TRUE(control.Open(m_folder.File(name + ".dcm")));
        if (c.started > 0) {
            ASSERT_TRUE(control.Start(c.started));
            control.GoToPage(1);  // stops the cine run, whose rate stays
        }
        ASSERT_EQ(control.SaveImage(m_folder.File(name), "", 0, 1), 1) << control.LastError();
        names.push_back(name);
    }
    const std::map<std::string, CDecodedFile> decoded = DecodeIndependently(m_folder, names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const CDecodedFile& gif = decoded.at(names[i]);
        ASSERT_EQ(gif.frames.size(), 2u) << names[i] << gif.error;
        EXPECT_EQ(gif.frames[0].duration, cases[i].expected) << names[i];
    }
}

TEST_F(ExportFormatsTest, TiffCompressionFollowsTheOptionWord) {
    struct CCase {
        std::string text;
        const char* compression;  // as Pillow names it
        double allowed;
    };
    const CCase cases[] = {
        {"", "tiff_lzw", 0},
        {"lzw", "tiff_lzw", 0},
        {" LZW ", "tiff_lzw", 0},
        {"none", "raw", 0},
        {"deflate", "tiff_adobe_deflate", 0},
        {"packbits", "packbits", 0},
        {"jpeg", "jpeg", 2},
        {"item1", "tiff_lzw", 0},  // not a compression: the default
        {"jpeg2", "tiff_lzw", 0},
    };
    std::vector<std::pair<std::string, const CCase*>> saved;
    for (const std::string kind : {"grey", "colour"}) {
        const QImage page = Open(kind == "grey" ? WriteGreySeries(m_folder, "grey.dcm", 13, 7, 1)
                                                : WriteColourPage(m_folder, "colour.dcm", 61, 37));
        for (const CCase& c : cases) {
            saved.push_back({Save(kind + std::to_string(saved.size()) + ".tif", c.text), &c});
        }
        std::vector<std::string> names;
        for (const auto& entry : saved) {
            names.push_back(entry.first);
        }
        const std::map<std::string, CDecodedFile> decoded = DecodeIndependently(m_folder, names);
        for (const auto& [name, c] : saved) {
            const CDecodedFile& file = decoded.at(name);
            EXPECT_EQ(file.info["compression"].toString().toStdString(), c->compression)
                << "\"" << c->text << "\"";
            ExpectFrames(file, {page}, c->allowed, name + " \"" + c->text + "\"");
        }
        saved.clear();
    }
}

TEST_F(ExportFormatsTest, AIsTheQualityOfJpegAndJpeg2000) {
    struct CCase {
        const char* name;
        int a;
    };
    // From most to least faithful for each format; 0 is JPEG's 90 and lossless JPEG 2000.
    const CCase cases[] = {{"q0.j2k", 0},     {"q90.j2k", 90}, {"q30.j2k", 30}, {"q1.j2k", 1},
                           {"q100.jpg", 100}, {"q0.jpg", 0},   {"q90.jpg", 90}, {"q10.jpg", 10}};
    const QImage page = Open(kCtSmall);
    std::vector<std::string> names;
    for (const CCase& c : cases) {
        names.push_back(Save(c.name, "", c.a));
    }
    const std::map<std::string, CDecodedFile> decoded = DecodeIndependently(m_folder, names);
    std::map<std::string, std::pair<qint64, double>> previous;  // by extension: size and error
    for (const CCase& c : cases) {
        const CDecodedFile& file = decoded.at(c.name);
        ASSERT_EQ(file.frames.size(), 1u) << c.name << file.error;
        const CDifference difference = Difference(file.frames[0], page);
        const qint64 size = QFileInfo(QString::fromStdString(m_folder.File(c.name))).size();
        const std::string extension = QFileInfo(c.name).suffix().toStdString();
        if (c.a == 0 && extension == "j2k") {
            EXPECT_EQ(difference.largest, 0) << c.name;
        }
        const auto before = previous.find(extension);
        if (before != previous.end() && c.a != 0) {
            EXPECT_LE(size, before->second.first) << c.name;
            EXPECT_GE(difference.mean, before->second.second) << c.name;
        }
        if (c.a == 0 && extension == "jpg") {
            // The default is quality 90: the same file.
            EXPECT_EQ(size, QFileInfo(QString::fromStdString(m_folder.File("q90.jpg"))).size());
        }
        previous[extension] = {size, difference.mean};
    }
    EXPECT_GT(previous["j2k"].second, 3);  // quality 1 is visibly lossy
}

TEST_F(ExportFormatsTest, IconsShrinkToFitAndOtherFormatsKeepTheFullPage) {
    // 512 is a multiple of 128, which Qt's WBMP writer gets wrong.
    const QImage page = Open(WriteGreySeries(m_folder, "wide.dcm", 512, 256, 1));
    const std::vector<std::string> names = {Save("wide.ico"), Save("wide.wbmp"), Save("wide.gif")};
    const std::map<std::string, CDecodedFile> decoded = DecodeIndependently(m_folder, names);
    const QSize expected[] = {{256, 128}, {512, 256}, {512, 256}};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const CDecodedFile& file = decoded.at(names[i]);
        ASSERT_EQ(file.frames.size(), 1u) << names[i] << ": " << file.error;
        EXPECT_EQ(file.frames[0].Size(), expected[i]) << names[i];
    }
    // Shrunk smoothly: the columns' gradient survives as a gradient.
    const CDecodedFrame& icon = decoded.at("wide.ico").frames[0];
    const CDifference difference =
        Difference(icon, page.scaled(256, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB888));
    EXPECT_LE(difference.largest, 2);
}

TEST_F(ExportFormatsTest, OneBitPicturesKeepBlackAndWhiteAndDitherGreys) {
    struct CCase {
        const char* name;
        QSize size;
        int (*value)(int x, int y);
    };
    const CCase cases[] = {
        {"two-tone.wbmp", {13, 7}, [](int x, int y) { return x < 5 || y == 6 ? 0 : 255; }},
        {"mid-grey.wbmp", {40, 30}, [](int, int) { return 128; }},
        {"dark.wbmp", {40, 30}, [](int, int) { return 32; }},
    };
    std::vector<std::string> names;
    std::vector<QImage> pages;
    for (const CCase& c : cases) {
        QImage page(c.size, QImage::Format_Grayscale8);
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                page.scanLine(y)[x] = static_cast<uchar>(c.value(x, y));
            }
        }
        std::string error;
        ASSERT_TRUE(SaveImageFile(page, m_folder.File(c.name), {}, error)) << error;
        names.push_back(c.name);
        pages.push_back(page);
    }
    const std::map<std::string, CDecodedFile> decoded = DecodeIndependently(m_folder, names);
    ExpectFrames(decoded.at("two-tone.wbmp"), {pages[0]}, 0, "two-tone.wbmp");
    // A threshold would make these all white and all black.
    for (std::size_t i = 1; i < names.size(); ++i) {
        const CDecodedFile& file = decoded.at(names[i]);
        ASSERT_EQ(file.frames.size(), 1u) << names[i] << ": " << file.error;
        EXPECT_NEAR(file.frames[0].MeanValue(), pages[i].pixel(0, 0) & 0xFF, 8) << names[i];
    }
}

}  // namespace
