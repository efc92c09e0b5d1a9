// What saving promises when it fails or replaces a file: 0 and a reason, no partial file, no
// stray temporary file, an existing file intact; on success the file replaced in place.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "DicomFixtures.h"
#include "viewer/ImageViewerControl.h"
#include "viewer/writers/ImageWriter.h"

namespace {

QStringList Listing(const CTempDir& folder) {
    return QDir(QString::fromStdString(folder.Path()))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray Content(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage GreyPage(int width, int height) {
    QImage page(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            page.scanLine(y)[x] = static_cast<uchar>(x * 7 + y * 3);
        }
    }
    return page;
}

// Pages of which one cannot be rendered, as a damaged frame of a series.
class CFailingPages : public CImagePages {
public:
    CFailingPages(std::vector<QImage> pages, int failing)
        : CImagePages(std::move(pages)), m_failing(failing) {}
    QImage Page(int index, std::string& error) const override {
        if (index == m_failing) {
            error = "frame " + std::to_string(index + 1) + " is damaged";
            return {};
        }
        return CImagePages::Page(index, error);
    }

private:
    int m_failing;
};

TEST(SaveFailure, TheControlReturnsZeroWithAReasonAndLeavesTheFolderAsItWas) {
    CTempDir folder;
    CImageViewerControl control;
    EXPECT_EQ(control.SaveImage(folder.File("nothing.png"), "", 0, 0), 0);  // no file open
    EXPECT_FALSE(control.LastError().empty());

    CDicomWriter writer;
    writer.Image(3, 5, 1, 8, 8, false, "MONOCHROME2", 2)
        .Bytes(0x7FE0, 0x0010, "OB", std::vector<std::uint8_t>(30, 7));
    writer.Save(folder.File("two.dcm"));
    ASSERT_TRUE(control.Open(folder.File("two.dcm")));
    folder.Write("a file", "not a folder");
    const QStringList before = Listing(folder);
    struct CCase {
        std::string name;
        std::string text;
    };
    const CCase cases[] = {
        {"page.xyz", ""},           // unknown extension
        {"page", ""},               // none
        {"missing/page.png", ""},   // no such folder
        {"a file/page.png", ""},    // a file where the folder should be
    };
    for (const CCase& c : cases) {
        EXPECT_EQ(control.SaveImage(folder.File(c.name), c.text, 0, 1), 0) << c.name;
        EXPECT_FALSE(control.LastError().empty()) << c.name;
        EXPECT_EQ(Listing(folder), before) << c.name;
    }
}

TEST(SaveFailure, APageThatCannotBeRenderedFailsTheWholeSaveOfEveryMultiPageFormat) {
    CTempDir folder;
    const CFailingPages pages({GreyPage(9, 5), GreyPage(9, 5), GreyPage(9, 5)}, 2);
    for (const std::string name : {"pages.tif", "pages.gif", "pages.pdf"}) {
        const std::string path = folder.Write(name, "keep me");
        std::string error;
        EXPECT_FALSE(SaveImageFile(pages, 0, path, {"", 0, 1}, error)) << name;
        EXPECT_EQ(error, "frame 3 is damaged") << name;
        EXPECT_EQ(Content(path), "keep me") << name;
        // Only the shown page is asked for when b is not 1.
        EXPECT_TRUE(SaveImageFile(pages, 1, path, {"", 0, 0}, error)) << name << ": " << error;
    }
    EXPECT_EQ(Listing(folder), (QStringList{"pages.gif", "pages.pdf", "pages.tif"}));
}

TEST(SaveFailure, ASuccessfulSaveReplacesTheFileInPlaceKeepingItsModeAndLinks) {
    CTempDir folder;
    const std::string existing = folder.Write("existing.png", "old");
    ASSERT_EQ(::chmod(existing.c_str(), 0640), 0);
    const std::string target = folder.Write("target.bmp", "old");
    ASSERT_TRUE(QFile::link(QString::fromStdString(target), QString::fromStdString(folder.File("link.bmp"))));
    std::string error;
    for (const std::string& path : {existing, folder.File("link.bmp"), folder.File("new.png")}) {
        ASSERT_TRUE(SaveImageFile(GreyPage(4, 3), path, {}, error)) << path << ": " << error;
    }
    EXPECT_EQ(QImage(QString::fromStdString(existing)).size(), QSize(4, 3));
    struct stat status {};
    ASSERT_EQ(::stat(existing.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    // The link still points at the file, which now holds the picture.
    EXPECT_TRUE(QFileInfo(QString::fromStdString(folder.File("link.bmp"))).isSymLink());
    EXPECT_EQ(QImage(QString::fromStdString(target)).size(), QSize(4, 3));
    // A new file is made as any other: the umask decides.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ASSERT_EQ(::stat(folder.File("new.png").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0666u & ~mask);
    EXPECT_EQ(Listing(folder), (QStringList{"existing.png", "link.bmp", "new.png", "target.bmp"}));
}

}  // namespace
