#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <filesystem>

#include "DicomFixtures.h"
#include "viewer/CineClock.h"
#include "viewer/ImageViewerControl.h"
#include "viewer/ZoomSteps.h"

namespace {

// A grey multi-frame file: frame k holds the value 100 * (k + 1) everywhere, except for a
// bright mark in its top-left pixel; the file's window is centre 200, width 400.
std::string WriteFrames(const CTempDir& folder, const std::string& name, int columns, int rows, int frames) {
    CDicomWriter writer;
    writer.Image(rows, columns, 1, 16, 16, false, "MONOCHROME2", frames);
    writer.Text(0x0010, 0x0010, "PN", "Test^Patient").Text(0x0008, 0x0020, "DA", "20240131");
    writer.Text(0x0028, 0x1050, "DS", "200").Text(0x0028, 0x1051, "DS", "400");
    std::vector<std::uint16_t> words;
    for (int frame = 0; frame < frames; ++frame) {
        for (int i = 0; i < rows * columns; ++i) {
            words.push_back(static_cast<std::uint16_t>(i == 0 ? 1000 : 100 * (frame + 1)));
        }
    }
    writer.Bytes(0x7FE0, 0x0010, "OW", LittleEndianWords(words));
    const std::string path = folder.File(name);
    writer.Save(path);
    return path;
}

class ImageViewerControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_control.resize(400, 300);
        m_control.show();
    }

    // Opens and waits until the shown page is on screen.
    void OpenAndShow(const std::string& path) {
        ASSERT_TRUE(m_control.Open(path)) << m_control.LastError();
        WaitShown();
    }

    void WaitShown() { QTRY_VERIFY_WITH_TIMEOUT(m_control.IsPageShown(), 5000); }

    QRgb PixelAt(int x, int y) { return m_control.viewport()->grab().toImage().pixel(x, y); }

    void Wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at(200, 150);
        QWheelEvent event(at, m_control.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_control.viewport(), &event);
    }

    CTempDir m_folder;
    CImageViewerControl m_control;
};

TEST_F(ImageViewerControlTest, ViewModesShowTheFixedPercentagesAndTenFitsTheControl) {
    OpenAndShow(WriteFrames(m_folder, "wide.dcm", 200, 100, 1));
    const double expected[] = {0.25, 1.0 / 3.0, 0.5, 0.75, 1.0, 1.5, 2.0};
    for (int mode = 1; mode <= 7; ++mode) {
        m_control.SetViewMode(mode);
        EXPECT_DOUBLE_EQ(m_control.Scale(), expected[mode - 1]) << "mode " << mode;
        EXPECT_FALSE(m_control.IsFitted());
    }
    m_control.SetViewMode(8);  // no such mode: nothing changes
    EXPECT_DOUBLE_EQ(m_control.Scale(), 2.0);
    m_control.SetViewMode(10);
    EXPECT_TRUE(m_control.IsFitted());
    EXPECT_DOUBLE_EQ(m_control.Scale(), 2.0);
    // 400 x 200 centred in 400 x 300: black bands above and below, the page in the middle.
    EXPECT_EQ(PixelAt(200, 20), qRgb(0, 0, 0));
    EXPECT_EQ(PixelAt(200, 280), qRgb(0, 0, 0));
    // The first frame's value 100 in the window 200 / 400 is a quarter of the grey scale.
    EXPECT_NEAR(qGray(PixelAt(200, 150)), 64, 1);
    m_control.resize(100, 300);
    EXPECT_DOUBLE_EQ(m_control.Scale(), 0.5);
}

TEST(ZoomSteps, StepsRunThroughTheFixedPercentagesAndBeyond) {
    std::vector<double> up{0.1};
    while (up.back() < ZoomSteps::kMaximum) {
        up.push_back(ZoomSteps::Larger(up.back()));
    }
    EXPECT_EQ(up, (std::vector<double>{0.1, 0.15, 0.2, 0.25, 1.0 / 3.0, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8}));
    EXPECT_EQ(ZoomSteps::Larger(8), 8);
    EXPECT_EQ(ZoomSteps::Smaller(0.1), 0.1);
    // From a fitted scale between steps, the next step in each direction.
    EXPECT_EQ(ZoomSteps::Larger(0.8), 1);
    EXPECT_EQ(ZoomSteps::Smaller(0.8), 0.75);
}

TEST_F(ImageViewerControlTest, ZoomingKeepsThePointInTheMiddleInPlaceAndScrollBarsPan) {
    OpenAndShow(WriteFrames(m_folder, "large.dcm", 1000, 1000, 1));
    m_control.SetViewMode(5);
    QScrollBar* horizontal = m_control.horizontalScrollBar();
    QScrollBar* vertical = m_control.verticalScrollBar();
    ASSERT_GT(horizontal->maximum(), 0);
    horizontal->setValue(300);
    vertical->setValue(200);
    const QPointF middle = QRectF(m_control.viewport()->rect()).center();
    const QPointF pagePointBefore = QPointF(horizontal->value(), vertical->value()) + middle;
    m_control.ZoomIn();
    EXPECT_DOUBLE_EQ(m_control.Scale(), 1.5);
    const QPointF pagePointAfter = (QPointF(horizontal->value(), vertical->value()) + middle) / 1.5;
    EXPECT_NEAR(pagePointAfter.x(), pagePointBefore.x(), 1);
    EXPECT_NEAR(pagePointAfter.y(), pagePointBefore.y(), 1);

    // Dragging with the left button moves the page with the mouse.
    const int x = horizontal->value();
    QTest::mousePress(m_control.viewport(), Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mouseMove(m_control.viewport(), QPoint(150, 150));
    QTest::mouseRelease(m_control.viewport(), Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(horizontal->value(), x + 50);

    m_control.SetViewMode(10);
    EXPECT_EQ(horizontal->maximum(), 0);
    EXPECT_EQ(vertical->maximum(), 0);
}

TEST_F(ImageViewerControlTest, GoToPageCountsFromOneAndRefusesPagesOutOfRange) {
    OpenAndShow(WriteFrames(m_folder, "three.dcm", 8, 4, 3));
    EXPECT_EQ(m_control.PageCount(), 3);
    EXPECT_EQ(m_control.ShowFileIndex(), 1);
    for (const int page : {0, 4, -1, 32767}) {
        EXPECT_FALSE(m_control.GoToPage(page)) << page;
        EXPECT_EQ(m_control.ShowFileIndex(), 1) << page;
    }
    EXPECT_TRUE(m_control.GoToPage(3));
    EXPECT_EQ(m_control.ShowFileIndex(), 3);
    WaitShown();
    // The third frame's value 300 in the window 200 / 400 is three quarters of the grey scale.
    EXPECT_NEAR(qGray(PixelAt(200, 150)), 191, 2);
    const QImage page = m_control.PageImage();
    EXPECT_EQ(page.size(), QSize(8, 4));
    EXPECT_NEAR(page.constScanLine(1)[1], 191, 1);
}

TEST_F(ImageViewerControlTest, TheWheelPagesAndCtrlWheelZooms) {
    OpenAndShow(WriteFrames(m_folder, "three.dcm", 8, 4, 3));
    Wheel(-120);
    EXPECT_EQ(m_control.ShowFileIndex(), 2);
    Wheel(-60);  // half a notch turns no page yet
    EXPECT_EQ(m_control.ShowFileIndex(), 2);
    Wheel(-60);
    Wheel(-120);  // held at the last page
    EXPECT_EQ(m_control.ShowFileIndex(), 3);
    Wheel(240);
    EXPECT_EQ(m_control.ShowFileIndex(), 1);
    const double before = m_control.Scale();
    Wheel(120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(m_control.Scale(), ZoomSteps::Larger(before));
    EXPECT_EQ(m_control.ShowFileIndex(), 1);
}

TEST_F(ImageViewerControlTest, RightDragSetsTheWindowAndDoubleClickReturnsToTheFilesWindow) {
    OpenAndShow(WriteFrames(m_folder, "one.dcm", 8, 4, 1));
    ASSERT_TRUE(m_control.AppliedWindow());
    EXPECT_EQ(m_control.AppliedWindow()->width, 400);
    QTest::mousePress(m_control.viewport(), Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseMove(m_control.viewport(), QPoint(150, 80));
    QTest::mouseRelease(m_control.viewport(), Qt::RightButton, {}, QPoint(150, 80));
    ASSERT_TRUE(m_control.AppliedWindow());
    // The page's values span 100 to 1000: 512 pixels of travel sweep that range.
    const double step = 900.0 / 512;
    EXPECT_NEAR(m_control.AppliedWindow()->width, 400 + 50 * step, 1e-9);
    EXPECT_NEAR(m_control.AppliedWindow()->centre, 200 - 20 * step, 1e-9);
    QTest::mouseDClick(m_control.viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(m_control.AppliedWindow()->width, 400);
    EXPECT_EQ(m_control.AppliedWindow()->centre, 200);
}

TEST_F(ImageViewerControlTest, OpenOptionDecidesWhetherANewFileKeepsTheUsersWindow) {
    const std::string path = WriteFrames(m_folder, "one.dcm", 8, 4, 1);
    OpenAndShow(path);
    m_control.SetVoi(CVoiChoice::Window(10, 20));
    m_control.SetOpenOption(0);
    OpenAndShow(path);
    EXPECT_EQ(m_control.AppliedWindow()->width, 20);
    m_control.SetOpenOption(1);
    OpenAndShow(path);
    EXPECT_EQ(m_control.AppliedWindow()->width, 400);
}

TEST(CineClock, PagesFollowTheClockSkippingWhatWasMissed) {
    CCineClock clock;
    clock.Start(1, 4, 100);
    EXPECT_EQ(clock.PageAt(0), 1);
    EXPECT_EQ(clock.PageAt(99), 1);
    EXPECT_EQ(clock.PageAt(100), 2);
    EXPECT_EQ(clock.PageAt(350), 0);  // a late look skips pages and wraps around
    EXPECT_EQ(clock.PageAt(1000), 3);
    EXPECT_EQ(clock.UntilNextPage(0), 100);
    EXPECT_EQ(clock.UntilNextPage(350), 50);
}

TEST_F(ImageViewerControlTest, StartPlaysThePagesInALoopUntilAPageCommandOrAnotherFile) {
    EXPECT_FALSE(m_control.Start(10));  // nothing open
    const std::string path = WriteFrames(m_folder, "five.dcm", 8, 4, 5);
    OpenAndShow(path);
    EXPECT_TRUE(m_control.Start(15));
    EXPECT_TRUE(m_control.IsPlaying());
    std::set<int> seen;
    QTRY_VERIFY_WITH_TIMEOUT((seen.insert(m_control.ShowFileIndex()), seen.size() == 5), 5000);
    EXPECT_FALSE(m_control.Start(0));
    EXPECT_FALSE(m_control.IsPlaying());

    ASSERT_TRUE(m_control.Start(15));
    EXPECT_TRUE(m_control.GoToPage(2));
    EXPECT_FALSE(m_control.IsPlaying());
    ASSERT_TRUE(m_control.Start(15));
    EXPECT_TRUE(m_control.OpenFile(path));
    EXPECT_FALSE(m_control.IsPlaying());
    ASSERT_TRUE(m_control.Start(15));
    Wheel(-120);
    EXPECT_FALSE(m_control.IsPlaying());
}

TEST_F(ImageViewerControlTest, FileDescriptionAnswersOutOfRangeIndexesWithZeroOrEmpty) {
    EXPECT_EQ(m_control.SectionCount(), 0);
    OpenAndShow(WriteFrames(m_folder, "one.dcm", 8, 4, 1));
    const int sections = m_control.SectionCount();
    ASSERT_GE(sections, 3);
    EXPECT_EQ(m_control.SectionName(0), "File");
    EXPECT_EQ(m_control.EntryName(0, 0), "File Name");
    EXPECT_EQ(m_control.EntryValue(0, 0), "one.dcm");
    for (const int section : {-1, sections, 1000}) {
        EXPECT_EQ(m_control.SectionName(section), "");
        EXPECT_EQ(m_control.EntryCount(section), 0);
        EXPECT_EQ(m_control.EntryName(section, 0), "");
        EXPECT_EQ(m_control.EntryValue(section, 0), "");
    }
    const int entries = m_control.EntryCount(0);
    for (const int entry : {-1, entries}) {
        EXPECT_EQ(m_control.EntryName(0, entry), "");
        EXPECT_EQ(m_control.EntryValue(0, entry), "");
    }
}

TEST_F(ImageViewerControlTest, AFailedOpenShowsAndDescribesTheReason) {
    OpenAndShow(WriteFrames(m_folder, "one.dcm", 8, 4, 1));
    EXPECT_FALSE(m_control.OpenFile(m_folder.File("missing.dcm")));
    EXPECT_EQ(m_control.PageCount(), 0);
    EXPECT_EQ(m_control.ShowFileIndex(), 0);
    ASSERT_EQ(m_control.SectionCount(), 1);
    EXPECT_EQ(m_control.EntryValue(0, 0), "missing.dcm");
    EXPECT_EQ(m_control.EntryName(0, 1), "Error");
    EXPECT_NE(m_control.EntryValue(0, 1).find("does not exist"), std::string::npos);
}

TEST_F(ImageViewerControlTest, RelativeNamesAreOpenedFromTheCurrentFolder) {
    WriteFrames(m_folder, "here.dcm", 8, 4, 2);
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.Path());
    const bool opened = m_control.OpenFile("here.dcm");
    std::filesystem::current_path(saved);
    EXPECT_TRUE(opened);
    EXPECT_EQ(m_control.PageCount(), 2);
    // ShowFile shows a page of the open file without opening it again.
    EXPECT_EQ(m_control.ShowFile(m_folder.File("here.dcm"), 2), 1);
    EXPECT_EQ(m_control.ShowFileIndex(), 2);
    EXPECT_EQ(m_control.ShowFile(m_folder.File("missing.dcm"), 1), 0);
}

TEST_F(ImageViewerControlTest, SaveImageWritesTheShownPageAtFullSizeInTheFormatOfItsExtension) {
    OpenAndShow(WriteFrames(m_folder, "three.dcm", 8, 4, 3));
    ASSERT_TRUE(m_control.GoToPage(2));
    struct CFormat {
        const char* name;
        int tolerance;  // JPEG is lossy
    };
    for (const auto& [name, tolerance] :
         {CFormat{"page.png", 0}, CFormat{"page.BMP", 0}, CFormat{"page.jpg", 8}, CFormat{"page.jpeg", 8}}) {
        const std::string path = m_folder.File(name);
        ASSERT_EQ(m_control.SaveImage(path, "", 0, 0), 1) << name << ": " << m_control.LastError();
        QImageReader reader(QString::fromStdString(path));
        reader.setDecideFormatFromContent(true);
        const QImage saved = reader.read();
        ASSERT_FALSE(saved.isNull()) << name;
        EXPECT_EQ(saved.size(), QSize(8, 4)) << name;
        EXPECT_TRUE(saved.isGrayscale()) << name;
        EXPECT_NEAR(qGray(saved.pixel(3, 2)), 128, tolerance) << name;  // 200 in the window 200 / 400
        EXPECT_NEAR(qGray(saved.pixel(0, 0)), 255, tolerance) << name;
    }
    const QImage png(QString::fromStdString(m_folder.File("page.png")));
    EXPECT_EQ(png.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(m_control.SaveImage(m_folder.File("page.xyz"), "", 0, 0), 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(m_folder.File("page.xyz"))));
    EXPECT_EQ(m_control.SaveImage(m_folder.File("no/such/folder/page.png"), "", 0, 0), 0);
    EXPECT_EQ(QDir(QString::fromStdString(m_folder.Path())).entryList(QDir::Files).size(), 5);
}

TEST_F(ImageViewerControlTest, SaveImageWithNothingShownFails) {
    EXPECT_EQ(m_control.SaveImage(m_folder.File("page.png"), "", 0, 0), 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(m_folder.File("page.png"))));
}

}  // namespace
