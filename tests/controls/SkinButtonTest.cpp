#include <gtest/gtest.h>

#include <QPainter>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "RecordingHost.h"
#include "common/SkinFolder.h"
#include "controls/ComboDropButton.h"
#include "controls/SkinButton.h"
#include "controls/SkinCheckButton.h"
#include "controls/SkinOptionButton.h"

namespace {

using Frame = CSkinButton::Frame;

constexpr QRgb kKey = qRgb(255, 0, 255);
constexpr SkinColor kKeyColor = 0x00FF00FF;
constexpr std::array<QRgb, 4> kFrameColours = {qRgb(10, 10, 10), qRgb(20, 200, 20), qRgb(30, 30, 250),
                                               qRgb(128, 128, 128)};

TEST(SkinButton, FrameChoice) {
    struct SCase {
        CSkinButton::SLook look;
        Frame frame;
    };
    // latched, checked, hover, pressed, disabled
    const SCase cases[] = {
        {{false, false, false, false, false}, Frame::Normal},
        {{false, false, true, false, false}, Frame::Hover},
        {{false, false, true, true, false}, Frame::Down},
        {{false, false, false, false, true}, Frame::Disabled},
        {{false, false, true, false, true}, Frame::Hover},
        {{false, true, false, false, false}, Frame::Down},
        {{false, true, true, false, false}, Frame::Hover},  // checked but hovered
        {{false, true, true, true, false}, Frame::Down},
        {{false, true, false, false, true}, Frame::Down},
        // A latched button has two looks only: down while checked, normal otherwise.
        {{true, true, true, true, false}, Frame::Down},
        {{true, true, false, false, true}, Frame::Down},
        {{true, false, false, false, true}, Frame::Normal},
        {{true, false, true, true, false}, Frame::Normal},
    };
    for (const SCase& c : cases) {
        const auto& l = c.look;
        EXPECT_EQ(CSkinButton::ChooseFrame(c.look), c.frame)
            << "latched " << l.latched << " checked " << l.checked << " hover " << l.hover << " pressed "
            << l.pressed << " disabled " << l.disabled;
    }
}

TEST(SkinButton, TheStripIsCutIntoFourFramesStretchedToTheButton) {
    struct SCase {
        QSize stripFrame;
        int extraColumns;  // beyond four whole frames: never shown
        QSize button;
    };
    const SCase cases[] = {
        {{100, 30}, 0, {100, 30}},
        {{100, 30}, 1, {100, 30}},  // a 401-pixel strip
        {{10, 10}, 3, {20, 25}},    // stretched
        {{40, 20}, 0, {10, 5}},     // shrunk
    };
    for (const SCase& c : cases) {
        CSkinFixture skin;
        QImage strip(c.stripFrame.width() * 4 + c.extraColumns, c.stripFrame.height(), QImage::Format_RGB32);
        strip.fill(qRgb(255, 255, 255));  // what is left over shows white
        QPainter painter(&strip);
        painter.drawImage(0, 0, Strip(c.stripFrame, kFrameColours));
        // Each frame's first column is marked so that its left edge shows where it was cut.
        for (int k = 0; k < 4; ++k) {
            painter.fillRect(k * c.stripFrame.width(), 0, 1, c.stripFrame.height(), QColor(k, 99, 99));
        }
        painter.end();
        skin.Picture("strip.bmp", strip);

        CSkinButton button;
        button.LoadFrameStrip(skin.File("strip.bmp"), 5, 7, 5 + c.button.width(), 7 + c.button.height());
        for (int k = 0; k < 4; ++k) {
            const QImage& frame = button.FrameImage(static_cast<Frame>(k));
            SCOPED_TRACE("frame " + std::to_string(k) + " of a " + std::to_string(strip.width()) + " strip");
            ASSERT_EQ(frame.size(), c.button);
            if (c.button.width() >= c.stripFrame.width()) {
                EXPECT_EQ(frame.pixel(0, 0), qRgb(k, 99, 99));
            }
            EXPECT_EQ(frame.pixel(c.button.width() - 1, c.button.height() - 1), kFrameColours[k]);
        }
    }
}

TEST(SkinButton, AStripThatCannotBeReadKeepsTheFrames) {
    CSkinFixture skin;
    skin.Picture("strip.bmp", Strip({8, 8}, kFrameColours));
    CSkinButton button;
    button.LoadFrameStrip(skin.File("strip.bmp"), 0, 0, 8, 8);
    button.LoadFrameStrip(skin.Folder(), 0, 0, 8, 8);  // an empty strip field names the folder
    button.LoadFrameStrip(skin.File("absent.bmp"), 0, 0, 8, 8);
    EXPECT_EQ(button.FrameImage(Frame::Hover).pixel(3, 3), kFrameColours[1]);
}

// A host window with one button of class `Button` at (20, 10), 40 x 20, index 2.
template <typename Button>
struct SButtonOnHost {
    CRecordingHost host;
    Button* button = new Button(&host);

    explicit SButtonOnHost(const std::string& stripPath = {}) {
        button->setGeometry(20, 10, 40, 20);
        button->SetIndex(2);
        if (!stripPath.empty()) {
            button->LoadFrameStrip(stripPath, 20, 10, 60, 30);
        }
    }
};

TEST(SkinButton, PaintsItsFrameLeavingOutTheTransparentColour) {
    CSkinFixture skin;
    QImage strip = Strip({40, 20}, kFrameColours);
    for (int k = 0; k < 4; ++k) {
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                strip.setPixel(k * 40 + x, y, kKey);  // the left half of every frame is keyed
            }
        }
    }
    skin.Picture("strip.bmp", strip);
    SButtonOnHost<CSkinButton> on(skin.File("strip.bmp"));
    on.button->SetTransparentColor(kKeyColor);

    QImage shot = Shot(on.host);
    EXPECT_EQ(shot.pixel(25, 15), qRgb(0, 0, 255));  // the window shows through
    EXPECT_EQ(shot.pixel(55, 15), kFrameColours[0]);
    on.button->setEnabled(false);
    EXPECT_EQ(Shot(on.host).pixel(55, 15), kFrameColours[3]);
    on.button->setEnabled(true);
    on.button->SetChecked(true);
    EXPECT_EQ(Shot(on.host).pixel(55, 15), kFrameColours[2]);
}

TEST(SkinButton, BlackIsTransparentUntilAColourIsSet) {
    CSkinFixture skin;
    skin.Picture("strip.bmp", Strip({40, 20}, {qRgb(0, 0, 0), 0, 0, 0}));
    SButtonOnHost<CComboDropButton> on(skin.File("strip.bmp"));
    EXPECT_EQ(Shot(on.host).pixel(30, 15), qRgb(0, 0, 255));
    on.button->SetTransparentColor(kKeyColor);
    EXPECT_EQ(Shot(on.host).pixel(30, 15), qRgb(0, 0, 0));
}

// Clicks `button` `clicks` times in its middle and returns what its window heard.
std::vector<std::string> Click(CSkinButton& button, CRecordingHost& host, int clicks) {
    for (int i = 0; i < clicks; ++i) {
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    }
    return host.events;
}

TEST(SkinButton, EachKindReportsItsClickAndChangesItsOwnState) {
    using V = std::vector<std::string>;
    {
        SButtonOnHost<CSkinButton> on;  // no frames: draws nothing, still works
        ASSERT_TRUE(on.host.ShowActive());
        EXPECT_EQ(Click(*on.button, on.host, 2), (V{"button 2", "button 2"}));
        EXPECT_FALSE(on.button->IsChecked());
    }
    {
        SButtonOnHost<CSkinCheckButton> on;
        ASSERT_TRUE(on.host.ShowActive());
        EXPECT_EQ(Click(*on.button, on.host, 1), (V{"check 2"}));
        EXPECT_TRUE(on.button->IsChecked());
        EXPECT_EQ(Click(*on.button, on.host, 1), (V{"check 2", "check 2"}));
        EXPECT_FALSE(on.button->IsChecked());
    }
    {
        SButtonOnHost<CSkinOptionButton> on;
        ASSERT_TRUE(on.host.ShowActive());
        EXPECT_EQ(Click(*on.button, on.host, 2), (V{"option 2", "option 2"}));
        EXPECT_TRUE(on.button->IsChecked());
    }
    {
        SButtonOnHost<CComboDropButton> on;
        ASSERT_TRUE(on.host.ShowActive());
        EXPECT_EQ(Click(*on.button, on.host, 1), (V{"combo"}));
    }
}

TEST(SkinButton, APressReleasedOutsideReportsNothing) {
    SButtonOnHost<CSkinCheckButton> on;
    ASSERT_TRUE(on.host.ShowActive());
    QTest::mousePress(on.button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_TRUE(on.button->isDown());
    QTest::mouseRelease(on.button, Qt::LeftButton, Qt::NoModifier, QPoint(60, 10));
    EXPECT_TRUE(on.host.events.empty());
    EXPECT_FALSE(on.button->IsChecked());
    EXPECT_FALSE(on.button->isDown());
}

// The notifier popup's side: only its close button slides it out.
class CRecordingNotifier : public QWidget, public CNotifierHost {
public:
    explicit CRecordingNotifier(QWidget* owner) : QWidget(owner, Qt::Tool) {}
    void BeginSlideOut(const std::string& name) override { slideOuts.push_back(name); }
    std::vector<std::string> slideOuts;
};

// The popup is a window of its own over the skin window; its other buttons reach neither.
TEST(SkinButton, TheNotifiersCloseButtonSlidesThePopupOut) {
    CRecordingHost owner;
    owner.show();
    CRecordingNotifier popup(&owner);
    popup.resize(100, 50);
    auto* close = new CSkinButton(&popup);
    close->SetName("TASKBUTTON_EXIT");
    close->setGeometry(0, 0, 20, 20);
    auto* other = new CSkinButton(&popup);
    other->SetName("TASKBUTTON_MORE");
    other->setGeometry(30, 0, 20, 20);
    popup.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    QTest::mouseClick(close, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));  // ignored
    EXPECT_EQ(popup.slideOuts, std::vector<std::string>{"TASKBUTTON_EXIT"});
    EXPECT_TRUE(owner.events.empty());
}

TEST(SkinButton, HoverLightsUpUntilTheMouseLeavesOrClicks) {
    SButtonOnHost<CSkinButton> on;
    ASSERT_TRUE(on.host.ShowActive());
    QTest::mouseMove(on.button, QPoint(10, 10));
    EXPECT_TRUE(on.button->IsHover());
    QTest::mouseMove(&on.host, QPoint(150, 150));
    EXPECT_FALSE(on.button->IsHover());

    QTest::mouseMove(on.button, QPoint(10, 10));
    QTest::mouseClick(on.button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_FALSE(on.button->IsHover());
}

TEST(SkinButton, CheckedToggleButtonsDoNotLightUp) {
    SButtonOnHost<CSkinOptionButton> option;
    SButtonOnHost<CSkinCheckButton> check;
    check.host.move(option.host.pos() + QPoint(0, 250));  // Qt drops moves that do not move
    for (CSkinButton* button :
         {static_cast<CSkinButton*>(option.button), static_cast<CSkinButton*>(check.button)}) {
        auto& host = static_cast<CRecordingHost&>(*button->parentWidget());
        ASSERT_TRUE(host.ShowActive());
        button->SetChecked(true);
        QTest::mouseMove(button, QPoint(10, 10));
        EXPECT_FALSE(button->IsHover()) << button->metaObject()->className();
        button->SetChecked(false);
        QTest::mouseMove(button, QPoint(11, 10));
        EXPECT_TRUE(button->IsHover()) << button->metaObject()->className();
    }
}

TEST(SkinButton, HintIsTheTooltipWhileActive) {
    CSkinButton button;
    button.SetHint("Play", true);
    EXPECT_EQ(button.toolTip(), "Play");
    button.SetHint("Play", false);
    EXPECT_TRUE(button.toolTip().isEmpty());
}

}  // namespace
