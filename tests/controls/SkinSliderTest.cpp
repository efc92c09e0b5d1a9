#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "RecordingHost.h"
#include "common/SkinFolder.h"
#include "controls/SkinSlider.h"

namespace {

constexpr QRgb kKey = qRgb(255, 0, 255);
constexpr SkinColor kKeyColor = 0x00FF00FF;
constexpr QRgb kChannel = qRgb(0, 200, 0);
constexpr QRgb kThumb = qRgb(250, 250, 0);
constexpr QRgb kActiveThumb = qRgb(250, 120, 0);

// A thumb of one colour whose top-left pixel is keyed.
QImage Thumb(QSize size, QRgb colour) {
    QImage thumb = SolidPicture(size.width(), size.height(), colour);
    thumb.setPixel(0, 0, kKey);
    return thumb;
}

// A slider on a recording host at (10, 5), from a channel and thumbs written to a skin folder;
// a size of 0 leaves that picture out.
struct SSliderOnHost {
    CSkinFixture skin;
    CRecordingHost host{QSize(300, 260)};
    CSkinSlider* slider = new CSkinSlider(&host);

    SSliderOnHost(QSize channel, QSize thumb, bool vertical = false) {
        skin.Picture("channel.bmp", SolidPicture(channel.width(), channel.height(), kChannel));
        skin.Picture("thumb.bmp", Thumb(thumb, kThumb));
        skin.Picture("active.bmp", Thumb(thumb, kActiveThumb));
        slider->setGeometry(10, 5, 33, 44);
        slider->SetIndex(1);
        slider->SetTransparentColor(kKeyColor);
        slider->SetChannel(skin.File(channel.isEmpty() ? "absent.bmp" : "channel.bmp"));
        slider->SetThumb(skin.File(thumb.isEmpty() ? "absent.bmp" : "thumb.bmp"), skin.File("active.bmp"),
                         true);
        slider->SetRange(0, 7200, false);
        slider->SetVertical(vertical);
    }
};

TEST(SkinSlider, PositionsAndThumbPixels) {
    SSliderOnHost on({200, 8}, {20, 20});
    ASSERT_TRUE(on.host.ShowActive());
    EXPECT_EQ(on.slider->size(), QSize(200, 20));
    for (const auto& [position, centre] : {std::pair{0, 10}, {3600, 100}, {7200, 190}, {1800, 55}}) {
        on.slider->SetPos(position);
        EXPECT_EQ(on.slider->ThumbCentre(), centre) << position;
    }
    // A press puts the thumb under the mouse, held within the track, and reports at once.
    for (const auto& [x, position] : {std::pair{5, 0}, {195, 7200}, {100, 3600}, {10, 0}, {11, 40}}) {
        on.host.events.clear();
        QTest::mousePress(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 10));
        QTest::mouseRelease(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 10));
        EXPECT_EQ(on.slider->GetPos(), position) << x;
        EXPECT_EQ(on.host.events, std::vector<std::string>{"slider 1 " + std::to_string(position)}) << x;
    }
}

TEST(SkinSlider, OnlyMouseDraggingReports) {
    SSliderOnHost on({200, 8}, {20, 20});
    ASSERT_TRUE(on.host.ShowActive());
    on.slider->SetPos(9000);
    EXPECT_EQ(on.slider->GetPos(), 7200);
    on.slider->SetPos(-5);
    EXPECT_EQ(on.slider->GetPos(), 0);

    struct SKey {
        Qt::Key key;
        int position;
    };
    const SKey keys[] = {{Qt::Key_PageUp, 80}, {Qt::Key_PageDown, 120}, {Qt::Key_End, 7200},
                         {Qt::Key_Home, 0},    {Qt::Key_Left, 99},      {Qt::Key_Up, 99},
                         {Qt::Key_Right, 101}, {Qt::Key_Down, 101}};
    on.slider->setFocus();
    for (const SKey& k : keys) {
        on.slider->SetPos(100);
        QTest::keyClick(on.slider, k.key);
        EXPECT_EQ(on.slider->GetPos(), k.position) << k.key;
    }
    on.slider->SetPos(3);
    QTest::keyClick(on.slider, Qt::Key_PageUp);
    EXPECT_EQ(on.slider->GetPos(), 0);
    EXPECT_TRUE(on.host.events.empty());
}

TEST(SkinSlider, ADragThatLeavesTheWindowKeepsReportingAtTheNearerEnd) {
    SSliderOnHost on({200, 8}, {20, 20});
    ASSERT_TRUE(on.host.ShowActive());
    QTest::mousePress(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    EXPECT_TRUE(on.slider->IsDragging());
    for (const int x : {250, -40, 55}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 60), on.slider->mapToGlobal(QPointF(x, 60)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on.slider, &move);
    }
    QTest::mouseRelease(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(55, 60));
    EXPECT_FALSE(on.slider->IsDragging());
    EXPECT_EQ(on.host.events,
              (std::vector<std::string>{"slider 1 3600", "slider 1 7200", "slider 1 0", "slider 1 1800"}));
}

TEST(SkinSlider, PaintsTheChannelUpToTheThumbOverTheSkinBackground) {
    // Thumb 20 x 20 over a channel 200 x 8: the channel sits 6 pixels down, centred on the thumb.
    SSliderOnHost on({200, 8}, {20, 20});
    on.slider->SetPos(3600);
    const auto at = [&on](const QImage& shot, int x, int y) { return shot.pixel(10 + x, 5 + y); };
    const auto canvas = [](int x, int y) { return CanvasPixel(10 + x, 5 + y); };
    QImage shot = Shot(on.host);
    EXPECT_EQ(at(shot, 50, 6), kChannel);
    EXPECT_EQ(at(shot, 50, 13), kChannel);
    EXPECT_EQ(at(shot, 50, 5), canvas(50, 5));
    EXPECT_EQ(at(shot, 50, 14), canvas(50, 14));
    EXPECT_EQ(at(shot, 150, 10), canvas(150, 10));  // beyond the thumb: the skin background
    EXPECT_EQ(at(shot, 101, 10), kThumb);
    EXPECT_EQ(at(shot, 90, 0), canvas(90, 0));  // the thumb's keyed pixel

    ASSERT_TRUE(on.host.ShowActive());
    QTest::mousePress(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    EXPECT_EQ(at(Shot(on.host), 101, 10), kActiveThumb);
    QTest::mouseRelease(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    EXPECT_EQ(at(Shot(on.host), 101, 10), kThumb);
}

TEST(SkinSlider, VerticalSlidersRunDownwardsAndFillBelowTheThumb) {
    SSliderOnHost on({8, 200}, {20, 20}, true);
    ASSERT_TRUE(on.host.ShowActive());
    EXPECT_EQ(on.slider->size(), QSize(20, 200));
    on.slider->SetPos(3600);
    EXPECT_EQ(on.slider->ThumbCentre(), 100);
    QImage shot = Shot(on.host);
    EXPECT_EQ(shot.pixel(10 + 10, 5 + 150), kChannel);
    EXPECT_EQ(shot.pixel(10 + 10, 5 + 50), CanvasPixel(20, 55));
    EXPECT_EQ(shot.pixel(10 + 3, 5 + 150), CanvasPixel(13, 155));  // the channel is centred, 6 in

    on.slider->setFocus();
    on.slider->SetPos(100);
    QTest::keyClick(on.slider, Qt::Key_Up);
    EXPECT_EQ(on.slider->GetPos(), 99);
    QTest::mousePress(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(10, 195));
    EXPECT_EQ(on.slider->GetPos(), 7200);
}

TEST(SkinSlider, MissingPicturesLeaveTheRestWorking) {
    {
        SCOPED_TRACE("no thumb: channel size, no thumb, dragging still reports");
        SSliderOnHost on({120, 10}, {});
        ASSERT_TRUE(on.host.ShowActive());
        EXPECT_FALSE(on.slider->HasThumb());
        EXPECT_EQ(on.slider->size(), QSize(120, 10));
        QTest::mouseClick(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(60, 5));
        EXPECT_EQ(on.host.events, std::vector<std::string>{"slider 1 3600"});
    }
    {
        SCOPED_TRACE("no active thumb: the thumb goes too and the size stays");
        SSliderOnHost on({120, 10}, {10, 10});
        CSkinSlider fresh(&on.host);
        fresh.setGeometry(0, 0, 33, 44);
        fresh.SetChannel(on.skin.File("channel.bmp"));
        // An empty active-thumb field names the skin folder itself.
        EXPECT_FALSE(fresh.SetThumb(on.skin.File("thumb.bmp"), on.skin.Folder(), true));
        EXPECT_FALSE(fresh.HasThumb());
        EXPECT_EQ(fresh.size(), QSize(33, 44));
    }
    {
        SCOPED_TRACE("no channel: the thumb alone sizes and shows");
        SSliderOnHost on({}, {10, 30});
        EXPECT_FALSE(on.slider->HasChannel());
        EXPECT_EQ(on.slider->size(), QSize(10, 30));
        EXPECT_EQ(Shot(on.host).pixel(10 + 5, 5 + 20), kThumb);
    }
    {
        SCOPED_TRACE("nothing at all");
        SSliderOnHost on({}, {});
        QTest::mouseClick(on.slider, Qt::LeftButton, Qt::NoModifier, QPoint(0, 0));
        EXPECT_EQ(on.slider->GetPos(), 0);
        Shot(on.host);
    }
}

}  // namespace
