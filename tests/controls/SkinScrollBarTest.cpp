#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QtTest/QTest>

#include "ListTestKit.h"
#include "RecordingHost.h"
#include "controls/SkinScrollBar.h"

namespace {

using Pic = SScrollPictures;
using Timer = CSkinScrollBar::Timer;

// A bar 200 pixels tall with 16-pixel arrows and thumb beside a list of 100 rows that shows
// 10: the list's scroll limit is 90 and the thumb travels L = 200 - 3 * 16 = 152 pixels.
class ScrollBar : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(100, 240);
        list = new QAbstractScrollArea(&window);
        list->setGeometry(20, 0, 60, 200);
        SetRows(100, 10);
        bar = new CSkinScrollBar(&window);
        bar->setGeometry(0, 0, 16, 200);
        pictures.LoadInto(*bar);
        bar->SetList(list);
        bar->SetBackColor(FromQRgb(kBack));
        bar->SyncThumb();
    }

    void SetRows(int rows, int visible) {
        list->verticalScrollBar()->setRange(0, std::max(0, rows - visible));
        list->verticalScrollBar()->setPageStep(visible);
    }
    int Position() const { return list->verticalScrollBar()->value(); }
    void ScrollTo(int row) {
        list->verticalScrollBar()->setValue(row);
        bar->SyncThumb();
    }
    void Click(QPoint press, QPoint release) {
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, press);
        if (release != press) {
            QTest::mouseMove(bar, release);
        }
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, release);
    }

    static constexpr QRgb kBack = qRgb(250, 240, 200);
    const Pic pictures;
    QWidget window;
    QAbstractScrollArea* list = nullptr;
    CSkinScrollBar* bar = nullptr;
};

TEST_F(ScrollBar, ThumbFollowsTheListPosition) {
    const std::pair<int, int> cases[] = {{0, 16}, {1, 17}, {45, 16 + 76}, {89, 16 + 150}, {90, 168}};
    for (const auto& [row, top] : cases) {
        ScrollTo(row);
        EXPECT_EQ(bar->ThumbTop(), top) << "row " << row;
    }
    SetRows(5, 10);  // nothing to scroll: the thumb rests at the top
    bar->SyncThumb();
    EXPECT_EQ(bar->ThumbTop(), 16);
}

TEST_F(ScrollBar, DraggingTheThumbToTheMiddleShowsRow45) {
    Click(QPoint(8, 20), QPoint(8, 100));
    EXPECT_EQ(Position(), 45);
    EXPECT_EQ(bar->ThumbTop(), 92);  // synchronised with the list on release

    // Dragging far beyond either end stops at the list's ends, the thumb at the track's.
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(8, 95));
    QTest::mouseMove(bar, QPoint(8, 400));
    EXPECT_EQ(Position(), 90);
    EXPECT_EQ(bar->ThumbTop(), 168);
    QTest::mouseMove(bar, QPoint(8, -300));
    EXPECT_EQ(Position(), 0);
    EXPECT_EQ(bar->ThumbTop(), 16);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(8, -300));
}

TEST_F(ScrollBar, ClicksStepOrPageOnRelease) {
    // From row 45 the thumb covers y 92 to 107.
    const QPoint up(8, 5), down(8, 190), above(8, 50), below(8, 150), thumb(8, 100);
    struct SCase {
        const char* what;
        QPoint press, release;
        int row;
    } const cases[] = {
        {"up arrow", up, up, 44},
        {"down arrow", down, down, 46},
        {"track above the thumb", above, above, 35},
        {"track below the thumb", below, below, 55},
        {"down arrow released over the track", down, below, 55},
        {"up arrow released below the thumb", up, below, 55},
        {"down arrow released above the thumb", down, above, 35},
        {"thumb, not moved", thumb, thumb, 45},
        {"track released on the thumb", below, thumb, 45},
    };
    for (const SCase& c : cases) {
        ScrollTo(45);
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, c.press);
        EXPECT_EQ(Position(), 45) << c.what << ": nothing happens on the press";
        if (c.release != c.press) {
            QTest::mouseMove(bar, c.release);
        }
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, c.release);
        EXPECT_EQ(Position(), c.row) << c.what;
    }
}

TEST_F(ScrollBar, AHeldArrowRepeatsAfterTheDelayAndOnceMoreOnRelease) {
    const QPoint down(8, 190);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, down);
    EXPECT_TRUE(bar->IsTimerRunning(Timer::Delay));
    EXPECT_FALSE(bar->IsTimerRunning(Timer::Repeat));

    bar->OnTimer(Timer::Delay);
    EXPECT_FALSE(bar->IsTimerRunning(Timer::Delay));
    EXPECT_TRUE(bar->IsTimerRunning(Timer::Repeat));
    EXPECT_EQ(Position(), 0);

    for (int tick = 1; tick <= 3; ++tick) {
        bar->OnTimer(Timer::Repeat);
        EXPECT_EQ(Position(), tick);
        EXPECT_EQ(bar->ThumbTop(), 16 + tick * 152 / 90);
    }
    // Off the arrow, still held: the ticks do nothing; back on it, they step again.
    QTest::mouseMove(bar, QPoint(8, 120));
    bar->OnTimer(Timer::Repeat);
    EXPECT_EQ(Position(), 3);
    QTest::mouseMove(bar, down);
    bar->OnTimer(Timer::Repeat);
    EXPECT_EQ(Position(), 4);

    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, down);
    EXPECT_EQ(Position(), 5);
    EXPECT_FALSE(bar->IsTimerRunning(Timer::Delay));
    EXPECT_FALSE(bar->IsTimerRunning(Timer::Repeat));
    bar->OnTimer(Timer::Repeat);  // a tick already queued at the release does nothing
    EXPECT_EQ(Position(), 5);
}

TEST_F(ScrollBar, QtTimersOf250And50MillisecondsDriveTheTicks) {
    // Finds the bar's one registered timer of `interval` and delivers a tick of it.
    const auto tick = [this](int interval) {
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(bar);
        ASSERT_EQ(timers.size(), 1);
        ASSERT_EQ(timers.front().interval, interval);
        QTimerEvent event(timers.front().timerId);
        QApplication::sendEvent(bar, &event);
    };
    ScrollTo(10);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(8, 5));
    tick(250);
    tick(50);
    EXPECT_EQ(Position(), 9);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(8, 5));
    EXPECT_TRUE(QAbstractEventDispatcher::instance()->registeredTimers(bar).isEmpty());
}

TEST_F(ScrollBar, DrawsItsPicturesAndTheActiveOneOfThePartUnderTheMouse) {
    ScrollTo(45);
    EXPECT_EQ(Shot(*bar).pixel(8, 8), Pic::kUp);
    EXPECT_EQ(Shot(*bar).pixel(8, 60), Pic::kTrackTop);  // the 8-pixel track stretched over 200
    EXPECT_EQ(Shot(*bar).pixel(8, 140), Pic::kTrackBottom);
    EXPECT_EQ(Shot(*bar).pixel(8, 100), Pic::kThumb);
    EXPECT_EQ(Shot(*bar).pixel(8, 190), Pic::kDown);

    const std::pair<QPoint, QRgb> hovers[] = {{QPoint(8, 8), Pic::kUpActive},
                                              {QPoint(8, 100), Pic::kThumbActive},
                                              {QPoint(8, 190), Pic::kDownActive}};
    for (const auto& [point, active] : hovers) {
        Hover(*bar, point);
        EXPECT_EQ(Shot(*bar).pixel(point.x(), point.y()), active);
    }
    Hover(*bar, QPoint(8, 60));
    EXPECT_EQ(Shot(*bar).pixel(8, 190), Pic::kDown);
}

TEST_F(ScrollBar, WithNothingToScrollItIsPlainBackgroundAndClicksMoveNothing) {
    SetRows(4, 10);
    bar->SyncThumb();
    const QImage shot = Shot(*bar);
    for (const int y : {0, 8, 100, 199}) {
        EXPECT_EQ(shot.pixel(8, y), kBack) << y;
    }
    Click(QPoint(8, 150), QPoint(8, 150));
    Click(QPoint(8, 190), QPoint(8, 190));
    EXPECT_EQ(Position(), 0);
}

TEST_F(ScrollBar, WithoutBothUpPicturesItTakesNoRoom) {
    for (const char* missing : {"up.bmp", "upa.bmp"}) {
        const Pic incomplete(missing);
        CSkinScrollBar other;
        incomplete.LoadInto(other);
        EXPECT_EQ(other.GetBarWidth(), 0) << missing;
        EXPECT_EQ(other.ThumbTop(), 0) << missing;
    }
    EXPECT_EQ(bar->GetBarWidth(), 16);
}

TEST_F(ScrollBar, MovesPassedOnFromElsewhereLightPartsButNeverDrag) {
    ScrollTo(45);
    bar->MouseMoved(QPoint(8, 100));  // a point of the list or window that falls on the thumb
    EXPECT_EQ(Shot(*bar).pixel(8, 100), Pic::kThumbActive);
    bar->MouseMoved(QPoint(8, 150));  // e.g. while the list's own button is held
    EXPECT_EQ(Position(), 45);
    EXPECT_EQ(Shot(*bar).pixel(8, 100), Pic::kThumb);
}

}  // namespace
