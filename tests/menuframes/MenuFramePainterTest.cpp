#include <gtest/gtest.h>

#include <QPainter>

#include "menuframes/MenuFrameColours.h"
#include "menuframes/MenuFrameGeometry.h"
#include "menuframes/MenuFramePainter.h"
#include "menuframes/MenuFrameStyles.h"

namespace {

constexpr QRgb kQtPainting = qRgb(255, 0, 255);  // stands for what Qt painted in the menu
constexpr QRgb kScreen = qRgb(255, 255, 255);    // the screen under the menu

CFrameColours TestColours() {
    CFrameColours colours;
    colours.light = QColor(240, 240, 240);
    colours.dark = QColor(100, 100, 100);
    colours.mid = QColor(200, 200, 200);
    colours.outline = QColor(0, 0, 255);
    colours.buttonShadow = QColor(0, 128, 0);
    colours.background = QColor(100, 150, 200);
    return colours;
}

// A 40 x 30 menu window painted over Qt's painting, with a white screen under it.
QImage Framed(const CFrameLook& look, const QImage& capture = QImage()) {
    QImage window(40, 30, QImage::Format_RGB32);
    window.fill(kQtPainting);
    QImage screen = capture;
    if (screen.isNull()) {
        screen = QImage(50, 40, QImage::Format_RGB32);
        screen.fill(kScreen);
    }
    QPainter painter(&window);
    PaintMenuFrame(painter, window.size(), TestColours(), look, screen);
    return window;
}

// Grey levels of the white screen darkened by k: 255 x (255 - k) / 255, rounded.
QRgb Grey(int level) {
    return qRgb(level, level, level);
}

struct SPixel {
    int x;
    int y;
    QRgb expected;
    const char* what;
};

void ExpectPixels(const QImage& image, std::initializer_list<SPixel> pixels) {
    for (const SPixel& p : pixels) {
        EXPECT_EQ(image.pixel(p.x, p.y), p.expected)
            << p.what << " at " << p.x << "," << p.y << ": " << std::hex << image.pixel(p.x, p.y);
    }
}

TEST(MenuFrameGeometry, APlainMenuGrowsTwoPixelsAndRisesOneWithoutPlatformShadowsAndShrinksTwoWithThem) {
    EXPECT_EQ(MenuFrameGeometry::FramedWindow(QRect(300, 400, 120, 200), false), QRect(300, 399, 122, 202));
    EXPECT_EQ(MenuFrameGeometry::FramedWindow(QRect(300, 400, 120, 200), true), QRect(300, 399, 118, 198));
    // The items keep the plain menu's client area: 3 pixels in from each edge of the plain menu.
    for (const bool shadows : {false, true}) {
        const QRect framed = MenuFrameGeometry::FramedWindow(QRect(0, 0, 120, 200), shadows);
        const QRect items =
            QRect(QPoint(), framed.size()).marginsRemoved(MenuFrameGeometry::ContentMargins(shadows));
        EXPECT_EQ(items.size(), QSize(114, 194)) << shadows;
    }
}

TEST(MenuFramePainter, WithoutPlatformShadowsTheFrameIsTwoToneAndAShadowFadesInAtBothEnds) {
    const QImage image = Framed({false, false, 64000});
    ExpectPixels(image, {
                            {0, 0, TestColours().dark.rgb(), "outer outline"},
                            {35, 20, TestColours().dark.rgb(), "outer outline, right (W - 5)"},
                            {20, 25, TestColours().dark.rgb(), "outer outline, bottom (H - 5)"},
                            {1, 1, TestColours().light.rgb(), "inner outline"},
                            {34, 10, TestColours().light.rgb(), "inner outline, right"},
                            {1, 2, TestColours().mid.rgb(), "middle column from y = 2"},
                            {1, 23, TestColours().mid.rgb(), "middle column, H - 8 long"},
                            {1, 24, TestColours().light.rgb(), "inner outline below the column"},
                            {2, 2, kQtPainting, "client area"},
                            {33, 23, kQtPainting, "client area, last pixel"},
                            // Right band, columns r = 4 (x = 36) to r = 1 (x = 39).
                            {36, 3, kScreen, "right band, rows 0 to 3 as captured"},
                            {36, 4, Grey(231), "fade-in, k = 6 x 4 x 1"},
                            {36, 7, Grey(159), "fade-in, k = 6 x 4 x 4"},
                            {36, 8, Grey(135), "k = 30 x 4, the darkest"},
                            {39, 15, Grey(225), "k = 30 x 1, the lightest"},
                            {36, 26, Grey(159), "fade-out, k = 6 x 4 x (30 - 26)"},
                            {36, 29, Grey(231), "fade-out, k = 6 x 4 x 1"},
                            {39, 29, Grey(249), "corner, k = 6 x 1 x 1"},
                            // Bottom band, rows s = 4 (y = 26) to s = 1 (y = 29).
                            {3, 26, kScreen, "bottom band, columns 0 to 3 as captured"},
                            {4, 26, Grey(231), "fade-in, k = (24 - 18) x 4"},
                            {7, 26, Grey(159), "fade-in, k = (42 - 18) x 4"},
                            {8, 26, Grey(135), "k = 30 x 4"},
                            {35, 29, Grey(225), "k = 30 x 1 up to W - 5"},
                        });
}

TEST(MenuFramePainter, WithPlatformShadowsTheFrameFillsTheWindowAndTheBandCoversTheLastClientColumn) {
    const QImage image = Framed({true, false, 64000});
    ExpectPixels(image, {
                            {39, 29, TestColours().dark.rgb(), "outer outline reaches the window's corner"},
                            {39, 10, TestColours().dark.rgb(), "outer outline, right"},
                            {38, 10, TestColours().light.rgb(), "inner outline"},
                            {37, 10, TestColours().light.rgb(), "band over the client's last column"},
                            {36, 10, kQtPainting, "client area"},
                            {1, 27, TestColours().mid.rgb(), "middle column, H - 4 long"},
                            {1, 28, TestColours().light.rgb(), "inner outline below it"},
                            {20, 27, kQtPainting, "client area, last row"},
                        });
}

TEST(MenuFramePainter, HighContrastDrawsOneOutlineAndNoShadow) {
    const QImage image = Framed({false, true, 64000});
    ExpectPixels(image, {
                            {0, 0, TestColours().outline.rgb(), "outline"},
                            {35, 25, TestColours().outline.rgb(), "outline, bottom right"},
                            {1, 5, TestColours().light.rgb(), "band, no middle column"},
                            {34, 5, TestColours().light.rgb(), "band"},
                            {36, 10, kScreen, "the screen as it was"},
                            {10, 28, kScreen, "the screen as it was"},
                        });
    EXPECT_EQ(Framed({true, true, 64000}).pixel(39, 29), TestColours().outline.rgb());
}

TEST(MenuFramePainter, OnPaletteDisplaysTheShadowIsTheButtonShadowColourAndTheColumnTheButtonFace) {
    const QImage image = Framed({false, false, 256});
    const QRgb shadow = TestColours().buttonShadow.rgb();
    ExpectPixels(image, {
                            {39, 10, kScreen, "outer columns as captured"},
                            {38, 10, kScreen, "outer columns as captured"},
                            {37, 10, shadow, "inner columns"},
                            {36, 10, shadow, "inner columns"},
                            {36, 3, kScreen, "rows 0 to 3 as captured"},
                            {36, 27, shadow, "inner columns down to H - 3"},
                            {36, 28, kScreen, "outer rows as captured"},
                            {3, 26, kScreen, "columns 0 to 3 as captured"},
                            {4, 27, shadow, "inner rows"},
                        });
}

TEST(MenuFramePainter, WhereTheScreenCannotBeReadTheShadowDarkensTheMenusOwnBackground) {
    // A capture that ends inside the shadow: the rest counts as the menu's background.
    QImage partial(37, 40, QImage::Format_RGB32);
    partial.fill(kScreen);
    const QImage image = Framed({false, false, 64000}, partial);
    EXPECT_EQ(image.pixel(36, 10), Grey(135));
    EXPECT_EQ(image.pixel(37, 10), Darken(TestColours().background.rgb(), 90));
    QImage nothing(1, 1, QImage::Format_RGB32);
    nothing.fill(kScreen);
    EXPECT_EQ(Framed({false, false, 64000}, nothing).pixel(20, 28),
              Darken(TestColours().background.rgb(), 60));
}

TEST(MenuFrameColours, MixesLightDarkAndMiddleFromTheMenuAndWindowColours) {
    const CSystemColours system{QColor(200, 100, 0),   QColor(10, 20, 30), QColor(255, 255, 255),
                                QColor(192, 192, 192), Qt::black,          QColor(128, 128, 128)};
    const CFrameColours colours = MixFrameColours(system, false, 64000);
    EXPECT_EQ(colours.light, QColor(247, 233, 219));  // 86 % window + 14 % menu
    EXPECT_EQ(colours.dark, QColor(100, 50, 0));      // menu x 127 / 255
    EXPECT_EQ(colours.mid, QColor(208, 122, 36));     // 86 % menu + 14 % window
    EXPECT_EQ(colours.background, QColor(200, 100, 0));
    // Flat menus mix from the menu-bar colour.
    EXPECT_EQ(MixFrameColours(system, true, 64000).dark, QColor(5, 10, 15));
    // Palette displays take the button face for the middle tone.
    EXPECT_EQ(MixFrameColours(system, false, 256).mid, QColor(192, 192, 192));
}

TEST(MenuFrameColours, WhenLightAndMiddleShowAlikeTheyBecomeTheWindowAndMenuColours) {
    const CSystemColours system{
        QColor(250, 250, 250), QColor(250, 250, 250), QColor(255, 255, 255), QColor(252, 252, 252), Qt::black,
        QColor(128, 128, 128)};
    // 254 and 251 differ on a true-colour display...
    EXPECT_EQ(MixFrameColours(system, false, 64000).light, QColor(254, 254, 254));
    EXPECT_EQ(MixFrameColours(system, false, 64000).mid, QColor(251, 251, 251));
    // ...but 254 and the button face 252 show as the same colour of a palette display.
    const CFrameColours palette = MixFrameColours(system, false, 256);
    EXPECT_EQ(palette.light, QColor(255, 255, 255));
    EXPECT_EQ(palette.mid, QColor(250, 250, 250));
}

TEST(MenuFrameStyles, TenStylesAreRegisteredAndTheCurrentOneFramesWithTheTwoTonePainter) {
    const auto& styles = RegisteredMenuFrameStyles();
    const int order[] = {6, 7, 0, 1, 2, 3, 8, 9, 4, 5};
    for (int i = 0; i < kMenuFrameStyleCount; ++i) {
        EXPECT_EQ(styles[static_cast<std::size_t>(i)].key, order[i]);
        EXPECT_EQ(styles[static_cast<std::size_t>(i)].hasFrame, order[i] % 2 == 0);
    }
    const CMenuFrameStyle* current = FindMenuFrameStyle(kCurrentMenuFrameStyle);
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(current->hasFrame);
    EXPECT_EQ(current->painter, EFramePainter::TwoTone);
    EXPECT_EQ(FindMenuFrameStyle(10), nullptr);
}

}  // namespace
