#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QProxyStyle>
#include <QtTest/QTest>
#include <thread>

#include "menuframes/MenuFrameErrors.h"
#include "menuframes/MenuFrames.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenInfo.h"

namespace {

// A screen whose desktop facts the test sets, and whose pixels are all kScreen; it keeps the
// areas the frames asked to read.
constexpr QRgb kScreen = qRgb(255, 255, 255);

class CTestScreen : public CQtScreenInfo {
public:
    bool MenuShadows() const override { return shadows; }
    bool HighContrast() const override { return highContrast; }
    int DisplayColours() const override { return 64000; }
    QImage GrabScreen(const QRect& area) const override {
        grabs.push_back(area);
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(kScreen);
        return image;
    }

    bool shadows = false;
    bool highContrast = false;
    mutable std::vector<QRect> grabs;
};

class CScreenScope {
public:
    explicit CScreenScope(const CScreenInfo& info) { CScreenInfo::Install(&info); }
    ~CScreenScope() { CScreenInfo::Install(nullptr); }
};

struct SBox {
    QString text;
    QString caption;
    CMessageBoxes::Icon icon;
};

class CRecordingBoxes : public CMessageBoxes {
public:
    Answer Show(QWidget*, const QString& text, const QString& caption, Icon icon, Buttons) override {
        boxes.push_back({text, caption, icon});
        return Answer::Ok;
    }
    std::vector<SBox> boxes;
};

class CBoxesScope {
public:
    explicit CBoxesScope(CMessageBoxes& boxes) { CMessageBoxes::Install(&boxes); }
    ~CBoxesScope() { CMessageBoxes::Install(nullptr); }
};

// A style whose menus have the 3-pixel border the frame's sizes are measured from.
class CThreePixelMenus : public QProxyStyle {
public:
    CThreePixelMenus() : QProxyStyle("Fusion") {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return metric == PM_MenuPanelWidth ? 3 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Colours the frame mixes: menu 200, window 255 give DARK 100, LIGHT 247, MID 208.
QPalette TestPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(200, 200, 200));
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    palette.setColor(QPalette::Button, QColor(200, 200, 200));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    return palette;
}

constexpr QRgb kDark = qRgb(100, 100, 100);
constexpr QRgb kLight = qRgb(247, 247, 247);

class MenuFramesTest : public ::testing::Test {
protected:
    MenuFramesTest() {
        m_menu.setStyle(&m_style);
        m_menu.setPalette(TestPalette());
        m_menu.addAction("Open...");
        m_menu.addAction("Save...");
        m_menu.addSeparator();
        m_menu.addAction("A rather longer entry");
    }

    // Shows the menu where Qt puts it at `at`, and returns where that is without a frame.
    QRect ShowMenu(QPoint at = QPoint(100, 120)) {
        const QRect plain(at, m_menu.sizeHint());
        m_menu.popup(at);
        return plain;
    }

    CTestScreen m_screen;
    CScreenScope m_screenScope{m_screen};
    CRecordingBoxes m_boxes;
    CBoxesScope m_boxesScope{m_boxes};
    CThreePixelMenus m_style;
    QMenu m_menu;
};

TEST_F(MenuFramesTest, AMenuBecomesTwoPixelsLargerOnePixelHigherAndShadesTheScreenUnderIt) {
    const CMenuFrames frames;
    const QRect plain = ShowMenu();
    ASSERT_TRUE(frames.IsFramed(&m_menu));
    const QRect framed(plain.x(), plain.y() - 1, plain.width() + 2, plain.height() + 2);
    EXPECT_EQ(m_menu.geometry(), framed);
    // The screen under the window was read once, before the menu showed.
    ASSERT_EQ(m_screen.grabs.size(), 1u);
    EXPECT_EQ(m_screen.grabs[0], framed.adjusted(0, 0, 10, 10));

    const QImage image = m_menu.grab().toImage();
    const int w = image.width();
    const int h = image.height();
    EXPECT_EQ(image.pixel(0, 0), kDark);
    EXPECT_EQ(image.pixel(w - 5, h / 2), kDark);
    EXPECT_EQ(image.pixel(1, 1), kLight);
    EXPECT_EQ(image.pixel(1, h / 2), qRgb(208, 208, 208));
    EXPECT_EQ(image.pixel(w - 4, h / 2), qRgb(135, 135, 135));  // white darkened by 120
    EXPECT_EQ(image.pixel(w - 1, h / 2), qRgb(225, 225, 225));  // by 30
    EXPECT_EQ(image.pixel(w / 2, h - 1), qRgb(225, 225, 225));
    // Qt's style still draws the items inside the frame, where the plain menu had them.
    const QRect first = m_menu.actionGeometry(m_menu.actions().at(0));
    EXPECT_EQ(first.left(), 2 + m_style.pixelMetric(QStyle::PM_MenuHMargin, nullptr, &m_menu));
    EXPECT_EQ(first.top(), 2 + m_style.pixelMetric(QStyle::PM_MenuVMargin, nullptr, &m_menu));
}

TEST_F(MenuFramesTest, WithPlatformShadowsTheMenuShrinksTwoPixelsAndHasNoShadowOfItsOwn) {
    m_screen.shadows = true;
    const CMenuFrames frames;
    const QRect plain = ShowMenu();
    EXPECT_EQ(m_menu.geometry(), QRect(plain.x(), plain.y() - 1, plain.width() - 2, plain.height() - 2));
    const QImage image = m_menu.grab().toImage();
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), kDark);
    EXPECT_EQ(image.pixel(image.width() - 2, image.height() / 2), kLight);
}

TEST_F(MenuFramesTest, HighContrastAsReadAtStartGivesOneButtonTextOutlineAndNoShadow) {
    m_screen.highContrast = true;
    const CMenuFrames frames;
    m_screen.highContrast = false;  // read once, when the frames were installed
    ShowMenu();
    const QImage image = m_menu.grab().toImage();
    const int w = image.width();
    const int h = image.height();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(w - 5, h - 5), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(1, h / 2), kLight);
    EXPECT_EQ(image.pixel(w - 2, h / 2), kScreen);
}

TEST_F(MenuFramesTest, AMoveWithoutResizeReadsTheScreenAtTheNewPlaceAndAMoveWithResizeGivesQtsLookBack) {
    const CMenuFrames frames;
    ShowMenu();
    const QRect framed = m_menu.geometry();
    m_menu.move(framed.topLeft() + QPoint(30, 40));
    // Qt's placement is kept one pixel higher, and the shadow shows what lies there.
    const QRect moved(framed.topLeft() + QPoint(30, 39), framed.size());
    EXPECT_EQ(m_menu.geometry(), moved);
    EXPECT_TRUE(frames.IsFramed(&m_menu));
    ASSERT_EQ(m_screen.grabs.size(), 2u);
    EXPECT_EQ(m_screen.grabs[1], moved.adjusted(0, 0, 10, 10));

    m_menu.setGeometry(QRect(moved.topLeft() + QPoint(5, 5), moved.size() + QSize(20, 0)));
    EXPECT_FALSE(frames.IsFramed(&m_menu));
    EXPECT_EQ(m_menu.contentsMargins(), QMargins());
    EXPECT_NE(m_menu.grab().toImage().pixel(0, 0), kDark);
}

TEST_F(MenuFramesTest, HidingRestoresTheMenusMarginsAndTheNextShowFramesItAlike) {
    m_menu.setContentsMargins(1, 2, 3, 4);
    const CMenuFrames frames;
    ShowMenu();
    const QSize framed = m_menu.size();
    EXPECT_NE(m_menu.contentsMargins(), QMargins(1, 2, 3, 4));
    m_menu.hide();
    EXPECT_FALSE(frames.IsFramed(&m_menu));
    EXPECT_EQ(m_menu.contentsMargins(), QMargins(1, 2, 3, 4));
    ShowMenu();
    EXPECT_TRUE(frames.IsFramed(&m_menu));
    EXPECT_EQ(m_menu.size(), framed);
}

TEST_F(MenuFramesTest, RemovingTheFramesGivesShownMenusBackAndLeavesLaterOnesAlone) {
    auto frames = std::make_unique<CMenuFrames>();
    ShowMenu();
    auto other = std::make_unique<QMenu>();
    other->addAction("Another");
    other->popup(QPoint(300, 300));
    EXPECT_TRUE(frames->IsFramed(other.get()));
    other.reset();  // destroyed while framed
    frames.reset();
    EXPECT_EQ(m_menu.contentsMargins(), QMargins());
    m_menu.hide();
    const QRect plain = ShowMenu();
    EXPECT_EQ(m_menu.geometry(), plain);
}

TEST_F(MenuFramesTest, AMenuThatKeepsItsSizeStaysPlainAndTheFailureIsReported) {
    const CMenuFrames frames;
    m_menu.setFixedSize(m_menu.sizeHint());
    const QRect plain = ShowMenu();
    EXPECT_FALSE(frames.IsFramed(&m_menu));
    EXPECT_EQ(m_menu.geometry(), plain);
    EXPECT_EQ(m_menu.contentsMargins(), QMargins());
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.boxes[0].caption, "Error");
    EXPECT_EQ(m_boxes.boxes[0].icon, CMessageBoxes::Icon::Information);
    EXPECT_EQ(m_boxes.boxes[0].text, MenuFrameErrorMessage(3));
}

TEST(MenuFrameErrors, CodesWithoutAMessageSaySoInHexadecimal) {
    EXPECT_EQ(MenuFrameErrorMessage(0x2a), "Error message 0x2a not found");
    EXPECT_EQ(MenuFrameErrorMessage(0), "Error message 0x0 not found");
    EXPECT_FALSE(MenuFrameErrorMessage(1).contains("not found"));
}

TEST(MenuFrameErrors, InstallingOffTheUserInterfaceThreadThrows) {
    std::optional<EMenuFrameError> error;
    std::thread worker([&error] {
        try {
            CMenuFrames frames;
        } catch (const CMenuFrameException& exception) {
            error = exception.Error();
        }
    });
    worker.join();
    EXPECT_EQ(error, EMenuFrameError::OtherThread);
}

}  // namespace
