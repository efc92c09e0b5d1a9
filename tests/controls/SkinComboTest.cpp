#include <gtest/gtest.h>

#include "common/SkinFolder.h"
#include "controls/SkinCombo.h"

namespace {

struct SLayoutCase {
    const char* what;
    QSize strip;  // empty: no picture
    SkinRect rect;
    SkinRect edit, button, list, whole;
};

TEST(SkinCombo, LaysOutItsPartsFromTheDropStrip) {
    const SLayoutCase cases[] = {
        {"64 x 20 strip",
         QSize(64, 20),
         {100, 50, 300, 200},
         {100, 50, 284, 70},
         {284, 49, 300, 71},
         {100, 72, 299, 200},
         {100, 50, 300, 200}},
        {"a list under 50 pixels grows to 50",
         QSize(64, 16),
         {100, 50, 300, 70},
         {100, 50, 284, 66},
         {284, 49, 300, 67},
         {100, 68, 299, 118},
         {100, 50, 300, 118}},
        {"a strip 65 wide has 16-pixel frames",
         QSize(65, 16),
         {0, 0, 100, 100},
         {0, 0, 84, 16},
         {84, -1, 100, 17},
         {0, 18, 99, 100},
         {0, 0, 100, 100}},
        {"no strip",
         QSize(),
         {100, 50, 300, 200},
         {100, 50, 300, 50},
         {300, 49, 300, 51},
         {100, 52, 299, 200},
         {100, 50, 300, 200}},
    };
    for (const SLayoutCase& c : cases) {
        CSkinFixture folder;
        if (!c.strip.isEmpty()) {
            folder.Picture("drop.bmp", SolidPicture(c.strip.width(), c.strip.height(), qRgb(1, 2, 3)));
        }
        CSkinCombo combo;
        combo.LoadDropStrip(folder.File("drop.bmp"));
        combo.SetLayout(c.rect);
        EXPECT_EQ(combo.EditRect(), c.edit) << c.what;
        EXPECT_EQ(combo.ButtonRect(), c.button) << c.what;
        EXPECT_EQ(combo.ListRect(), c.list) << c.what;
        EXPECT_EQ(combo.WholeRect(), c.whole) << c.what;
        EXPECT_TRUE(combo.IsListHidden());
    }
}

TEST(SkinCombo, ToggleAndSelectWithoutParts) {
    CSkinCombo combo;
    combo.ToggleList();
    EXPECT_FALSE(combo.IsListHidden());
    combo.ToggleList();
    EXPECT_TRUE(combo.IsListHidden());
    combo.SelectItem("x");  // ends closed even when it was
    EXPECT_TRUE(combo.IsListHidden());
}

}  // namespace
