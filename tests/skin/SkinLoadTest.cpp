#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "common/SkinFolder.h"
#include "skin/SkinDialog.h"

namespace {

constexpr QRgb kKey = qRgb(255, 0, 255);
constexpr QRgb kBack = qRgb(30, 60, 90);
constexpr QRgb kIconInk = qRgb(200, 180, 20);

// A 40 x 30 background with its top-left 5 x 5 corner keyed out, and an 8 x 8 icon whose left
// half is keyed.
void WriteFirstSkin(const CSkinFixture& skin) {
    QImage back = SolidPicture(40, 30, kBack);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            back.setPixel(x, y, kKey);
        }
    }
    skin.Picture("back.bmp", back);
    QImage icon = SolidPicture(8, 8, kIconInk);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 4; ++x) {
            icon.setPixel(x, y, kKey);
        }
    }
    skin.Picture("icon.bmp", icon);
    skin.Description(
        "[Screen]\nMain=back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n[CONTROL]\nCONTROL=10,12,30,25\n"
        "[ICON]\nICON=icon.bmp,20,10,28,18\n");
}

TEST(SkinLoad, BackgroundShapeControlRectAndIcon) {
    CSkinFixture skin;
    WriteFirstSkin(skin);
    CSkinDialog dialog;
    dialog.SetDescriptionPath(skin.DescriptionPath());
    dialog.LoadSkin();

    EXPECT_EQ(dialog.size(), QSize(40, 30));
    EXPECT_EQ(dialog.TransparentColor(), 0x00FF00FFu);
    EXPECT_EQ(dialog.ControlRect(), (SkinRect{10, 12, 30, 25}));
    EXPECT_FALSE(dialog.mask().contains(QPoint(4, 4)));
    EXPECT_TRUE(dialog.mask().contains(QPoint(5, 4)));
    EXPECT_EQ(dialog.BackgroundCanvas().size(), QSize(40, 30));
    EXPECT_EQ(dialog.BackgroundCanvas().pixel(10, 10), kBack | 0xFF000000u);
}

TEST(SkinLoad, PaintsBackgroundThenIconThroughTheKeyThenControls) {
    CSkinFixture skin;
    WriteFirstSkin(skin);
    CSkinDialog dialog;
    dialog.SetDescriptionPath(skin.DescriptionPath());
    dialog.LoadSkin();
    auto* control = new QWidget(&dialog);
    control->setGeometry(26, 16, 4, 4);  // overlaps the icon's lower right corner
    control->setAutoFillBackground(true);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, Qt::red);
    control->setPalette(palette);

    const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(10, 20), kBack | 0xFF000000u);     // background
    EXPECT_EQ(shot.pixel(21, 12), kBack | 0xFF000000u);     // key half of the icon
    EXPECT_EQ(shot.pixel(25, 12), kIconInk | 0xFF000000u);  // icon
    EXPECT_EQ(shot.pixel(27, 17), qRgb(255, 0, 0));         // control over the icon
}

TEST(SkinLoad, ASecondSkinWithoutThoseSectionsKeepsColourRectAndIcon) {
    CSkinFixture first;
    WriteFirstSkin(first);
    CSkinDialog dialog;
    dialog.SetDescriptionPath(first.DescriptionPath());
    dialog.LoadSkin();

    CSkinFixture second;
    QImage back = SolidPicture(50, 50, qRgb(1, 2, 3));
    back.setPixel(49, 49, kKey);
    second.Picture("b.bmp", back);
    second.Description("[Screen]\nMain=b.bmp\n");
    dialog.SetDescriptionPath(second.DescriptionPath());
    dialog.LoadSkin();

    EXPECT_EQ(dialog.TransparentColor(), 0x00FF00FFu);
    EXPECT_EQ(dialog.ControlRect(), (SkinRect{10, 12, 30, 25}));
    EXPECT_FALSE(dialog.mask().contains(QPoint(49, 49)));
    const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(25, 12), kIconInk | 0xFF000000u);  // the old icon, at the old place
}

TEST(SkinLoad, AMissingDescriptionLoadsNothingAndDoesNotFail) {
    CSkinFixture first;
    WriteFirstSkin(first);
    CSkinDialog dialog;
    dialog.SetDescriptionPath(first.DescriptionPath());
    dialog.LoadSkin();
    dialog.SetDescriptionPath(first.Folder() + "absent/Skin.ini");
    dialog.LoadSkin();
    EXPECT_TRUE(dialog.mask().isEmpty());
    EXPECT_TRUE(dialog.BackgroundCanvas().isNull());
    EXPECT_EQ(dialog.TransparentColor(), 0x00FF00FFu);
    dialog.grab();  // paints without a picture
}

}  // namespace
