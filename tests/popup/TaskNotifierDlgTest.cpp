#include <gtest/gtest.h>

#include <QPointer>
#include <QtTest/QTest>

#include "PopupTestKit.h"
#include "common/SkinFolder.h"
#include "controls/SkinButton.h"
#include "popup/TaskNotifierDlg.h"

namespace {

constexpr QRgb kKey = qRgb(255, 0, 255);
constexpr QRgb kFace = qRgb(40, 90, 140);
const QRect kScreen(0, 0, 1024, 768);

// A popup driven by counted ticks, with a face of `size` written to the fixture.
struct SPopup {
    explicit SPopup(QSize size = {250, 150}) {
        auto counted = std::make_unique<CCountedTimers>();
        timers = counted.get();
        popup = std::make_unique<CTaskNotifierDlg>(nullptr, std::move(counted));
        Face("face.bmp", size);
    }
    bool Face(const std::string& name, QSize size) const {
        skin.Picture(name, SolidPicture(size.width(), size.height(), kFace));
        return popup->ApplySkinBitmap(skin.File(name), 255, 0, 255);
    }

    CSkinFixture skin;
    CCountedTimers* timers;
    std::unique_ptr<CTaskNotifierDlg> popup;
};

struct SSlideCase {
    const char* name;
    QRect workArea;
    QSize face;
    ETaskbarEdge edge;
    QPoint start;
    QPoint shown;
    std::uint32_t period;
};

class NotifierSlide : public testing::TestWithParam<SSlideCase> {};

TEST_P(NotifierSlide, ComesOutOfTheTaskbarEdgeAPixelATickAndGoesBackTheSameWay) {
    const SSlideCase& c = GetParam();
    CFakeScreen screen(kScreen, c.workArea);
    SPopup p(c.face);
    p.popup->SlideIn(300, 1000, 300);

    EXPECT_EQ(p.popup->Motion().Edge(), c.edge);
    EXPECT_EQ(p.popup->State(), CTaskNotifierDlg::EState::Appearing);
    EXPECT_TRUE(p.popup->isVisible());
    EXPECT_EQ(p.popup->geometry(), QRect(c.start, c.face));
    EXPECT_EQ(p.timers->periods[ESlideTimer::In], c.period);
    const int extent = std::abs(c.shown.x() - c.start.x()) + std::abs(c.shown.y() - c.start.y());

    // One pixel per tick, then one more tick that finds it wholly in view and stops.
    EXPECT_EQ(p.timers->Tick(ESlideTimer::In, extent), extent);
    EXPECT_EQ(p.popup->pos(), c.shown);
    EXPECT_EQ(p.popup->State(), CTaskNotifierDlg::EState::Appearing);
    EXPECT_EQ(p.timers->RunOut(ESlideTimer::In), 1);
    EXPECT_EQ(p.popup->State(), CTaskNotifierDlg::EState::Shown);
    EXPECT_EQ(p.popup->pos(), c.shown);

    p.popup->BeginSlideOut("TASKBUTTON_EXIT");
    EXPECT_EQ(p.timers->periods[ESlideTimer::Out], c.period);
    EXPECT_EQ(p.timers->Tick(ESlideTimer::Out), 1);
    EXPECT_EQ(p.popup->State(), CTaskNotifierDlg::EState::Disappearing);
    EXPECT_EQ(p.timers->RunOut(ESlideTimer::Out), extent);
    EXPECT_EQ(p.popup->State(), CTaskNotifierDlg::EState::Hidden);
    EXPECT_FALSE(p.popup->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Edges, NotifierSlide,
    testing::Values(
        SSlideCase{"Bottom", {0, 0, 1024, 738}, {250, 150}, ETaskbarEdge::Bottom, {774, 738}, {774, 588}, 2},
        SSlideCase{"Top", {0, 30, 1024, 738}, {250, 150}, ETaskbarEdge::Top, {774, -120}, {774, 30}, 2},
        SSlideCase{"Right", {0, 0, 984, 768}, {250, 150}, ETaskbarEdge::Right, {984, 618}, {734, 618}, 1},
        SSlideCase{"Left", {40, 0, 984, 768}, {250, 150}, ETaskbarEdge::Left, {-210, 618}, {40, 618}, 1},
        // A task bar that hides itself leaves the whole screen to work in.
        SSlideCase{"AutoHiding", kScreen, {250, 150}, ETaskbarEdge::Bottom, {774, 768}, {774, 618}, 2},
        // Taller than the time is long: whole milliseconds round down to none.
        SSlideCase{
            "TallFace", {0, 0, 1024, 738}, {100, 400}, ETaskbarEdge::Bottom, {924, 738}, {924, 338}, 0}),
    [](const testing::TestParamInfo<SSlideCase>& info) { return std::string(info.param.name); });

TEST(Notifier, ZeroPeriodsRunAtTheShortestRealPeriod) {
    CQtStepTimers timers;
    timers.Start(ESlideTimer::In, 0);
    EXPECT_EQ(timers.Interval(ESlideTimer::In), 1);
    timers.Start(ESlideTimer::Out, 7);
    EXPECT_EQ(timers.Interval(ESlideTimer::Out), 7);

    // And the popup's own timers carry a slide through to its end.
    CFakeScreen screen(kScreen, {0, 0, 1024, 738});
    CSkinFixture skin;
    skin.Picture("face.bmp", SolidPicture(40, 30, kFace));
    CTaskNotifierDlg popup(nullptr);
    ASSERT_TRUE(popup.ApplySkinBitmap(skin.File("face.bmp"), 255, 0, 255));
    popup.SlideIn(30, 1000, 30);
    QTRY_COMPARE_WITH_TIMEOUT(popup.State(), CTaskNotifierDlg::EState::Shown, 5000);
    EXPECT_EQ(popup.pos(), QPoint(984, 708));
}

TEST(Notifier, ShapeLeavesOutTheKeyAndTheColumnsBeyondAMultipleOfFour) {
    SPopup p;
    QImage face = SolidPicture(203, 20, kFace);
    face.setPixel(10, 5, kKey);
    face.setPixel(10, 6, qRgb(254, 0, 255));
    p.skin.Picture("odd.bmp", face);
    ASSERT_TRUE(p.popup->ApplySkinBitmap(p.skin.File("odd.bmp"), 255, 0, 255));

    EXPECT_EQ(p.popup->SkinBitmap().Size(), QSize(203, 20));
    EXPECT_EQ(p.popup->Shape().boundingRect(), QRect(0, 0, 200, 20));
    EXPECT_EQ(p.popup->mask(), p.popup->Shape());
    EXPECT_FALSE(p.popup->Shape().contains(QPoint(10, 5)));
    EXPECT_TRUE(p.popup->Shape().contains(QPoint(10, 6)));
    EXPECT_FALSE(p.popup->Shape().contains(QPoint(201, 6)));
}

TEST(Notifier, AFaceThatCannotBeLoadedKeepsThePreviousOne) {
    SPopup p({60, 40});
    const QRegion shape = p.popup->Shape();
    p.skin.Description("not a picture");
    for (const std::string& file : {p.skin.File("absent.bmp"), p.skin.DescriptionPath()}) {
        EXPECT_FALSE(p.popup->ApplySkinBitmap(file, 255, 0, 255)) << file;
        EXPECT_EQ(p.popup->SkinBitmap().Size(), QSize(60, 40));
        EXPECT_EQ(p.popup->Shape(), shape);
    }
}

TEST(Notifier, WithoutAnyFaceItStaysHidden) {
    CFakeScreen screen(kScreen, {0, 0, 1024, 738});
    auto counted = std::make_unique<CCountedTimers>();
    CCountedTimers& timers = *counted;
    CTaskNotifierDlg popup(nullptr, std::move(counted));
    EXPECT_FALSE(popup.ApplySkinBitmap("/nonexistent/dlgTaskNotifier.bmp", 255, 0, 255));
    popup.SlideIn(300, 1000, 300);
    EXPECT_EQ(popup.State(), CTaskNotifierDlg::EState::Hidden);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_TRUE(timers.active.empty());
}

TEST(Notifier, TheCloseButtonWhileAppearingSlidesBackFromWhereItIs) {
    CFakeScreen screen(kScreen, {0, 0, 1024, 738});
    SPopup p;
    auto close = std::make_unique<CSkinButton>(p.popup.get());
    close->SetName("TASKBUTTON_EXIT");
    close->setGeometry(220, 5, 20, 20);
    CSkinButton* button = close.get();
    p.popup->AddTaskbarButton(std::move(close));
    auto other = std::make_unique<CSkinButton>(p.popup.get());
    other->SetName("TASKBUTTON_MORE");
    other->setGeometry(190, 5, 20, 20);
    CSkinButton* more = other.get();
    p.popup->AddTaskbarButton(std::move(other));
    p.popup->SlideIn(300, 1000, 300);
    p.timers->Tick(ESlideTimer::In, 50);
    ASSERT_EQ(p.popup->pos(), QPoint(774, 688));

    QTest::mouseClick(more, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(p.timers->IsActive(ESlideTimer::In));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(p.timers->IsActive(ESlideTimer::In));
    EXPECT_EQ(p.timers->RunOut(ESlideTimer::Out), 51);
    EXPECT_EQ(p.popup->State(), CTaskNotifierDlg::EState::Hidden);
}

TEST(Notifier, HideNowStopsAnySlideAndANewFaceSlidesInAtItsOwnSize) {
    CFakeScreen screen(kScreen, {0, 0, 1024, 738});
    SPopup p;
    p.popup->SlideIn(300, 1000, 300);
    p.timers->Tick(ESlideTimer::In, 20);
    p.popup->HideNow();
    EXPECT_EQ(p.popup->State(), CTaskNotifierDlg::EState::Hidden);
    EXPECT_FALSE(p.popup->isVisible());
    EXPECT_TRUE(p.timers->active.empty());
    // A click into the page that arrives late finds nothing to slide out.
    p.popup->BeginSlideOut("TASKBUTTON_EXIT");
    EXPECT_TRUE(p.timers->active.empty());

    ASSERT_TRUE(p.Face("second.bmp", {120, 60}));
    p.popup->SlideIn(300, 1000, 300);
    EXPECT_EQ(p.popup->geometry(), QRect(904, 738, 120, 60));
    EXPECT_EQ(p.timers->periods[ESlideTimer::In], 5u);
    EXPECT_EQ(p.timers->RunOut(ESlideTimer::In), 61);
    EXPECT_EQ(p.popup->pos(), QPoint(904, 678));
}

TEST(Notifier, DestroyingTheTaskbarButtonsTakesThemAll) {
    SPopup p;
    QPointer<CSkinButton> first = new CSkinButton(p.popup.get());
    QPointer<CSkinButton> second = new CSkinButton(p.popup.get());
    p.popup->AddTaskbarButton(std::unique_ptr<CSkinButton>(first.data()));
    p.popup->AddTaskbarButton(std::unique_ptr<CSkinButton>(second.data()));
    EXPECT_EQ(p.popup->TaskbarButton(), second.data());
    p.popup->DestroyTaskbarButtons();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(p.popup->TaskbarButton(), nullptr);
}

}  // namespace
