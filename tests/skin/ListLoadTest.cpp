#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QtTest/QTest>

#include "common/SkinFolder.h"
#include "controls/SkinListBox.h"
#include "controls/SkinScrollBar.h"
#include "skin/SkinDialog.h"
#include "skin/SkinEntries.h"

namespace {

constexpr QRgb kDown = qRgb(0, 200, 0);
constexpr QRgb kDownActive = qRgb(80, 255, 80);

// Scroll pictures 16 pixels wide named s0.bmp to s6.bmp, with distinct down arrows.
void WriteScrollPictures(const CSkinFixture& skin) {
    const QRgb colours[] = {qRgb(9, 9, 9), qRgb(1, 0, 0), qRgb(2, 0, 0), kDown,
                            kDownActive,   qRgb(5, 0, 0), qRgb(6, 0, 0)};
    for (int i = 0; i < 7; ++i) {
        skin.Picture("s" + std::to_string(i) + ".bmp", SolidPicture(16, 16, colours[i]));
    }
}

const char kScroll[] = "s0.bmp,s1.bmp,s2.bmp,s3.bmp,s4.bmp,s5.bmp,s6.bmp";

std::unique_ptr<CSkinDialog> LoadedDialog(const CSkinFixture& skin, const std::string& description) {
    skin.Picture("back.bmp", SolidPicture(400, 300, qRgb(30, 30, 30)));
    skin.Description("[Screen]\nMain=back.bmp\n" + description);
    auto dialog = std::make_unique<CSkinDialog>();
    dialog->SetDescriptionPath(skin.DescriptionPath());
    dialog->LoadSkin();
    return dialog;
}

TEST(ListEntries, FieldsInRecordOrder) {
    const ListEntry list =
        ParseListEntry("LIST_A,1,2,217,102,0x102030,0x405060,0x708090,0xA0B0C0,t,u1,u2,d1,d2,h,ha");
    EXPECT_EQ(list.name, "LIST_A");
    EXPECT_EQ(list.rect, (SkinRect{1, 2, 217, 102}));
    EXPECT_EQ(list.colours.itemBack, 0x302010u);
    EXPECT_EQ(list.colours.itemText, 0x605040u);
    EXPECT_EQ(list.colours.selBack, 0x908070u);
    EXPECT_EQ(list.colours.selText, 0xC0B0A0u);
    EXPECT_EQ(list.scroll, (ScrollPictureFiles{"t", "u1", "u2", "d1", "d2", "h", "ha"}));

    const ComboEntry combo =
        ParseComboEntry("C,100,50,300,200,drop.bmp,0xFF0000,0x00FF00,0x0000FF,1,2,3,4,t,last");
    EXPECT_EQ(combo.name, "C");
    EXPECT_EQ(combo.rect, (SkinRect{100, 50, 300, 200}));
    EXPECT_EQ(combo.dropStrip, "drop.bmp");
    EXPECT_EQ(combo.editBack, 0x0000FFu);
    EXPECT_EQ(combo.editText, 0x00FF00u);
    EXPECT_EQ(combo.editBorder, 0xFF0000u);
    EXPECT_EQ(combo.listColours.itemBack, 0x010000u);
    EXPECT_EQ(combo.listColours.selText, 0x040000u);
    // Missing trailing fields repeat the last one present.
    EXPECT_EQ(combo.scroll, (ScrollPictureFiles{"t", "last", "last", "last", "last", "last", "last"}));
}

TEST(ListLoad, CreatesAListBoxPerEntryWithItsScrollBarAndColumns) {
    CSkinFixture skin;
    WriteScrollPictures(skin);
    const auto dialog =
        LoadedDialog(skin, std::string("[LISTBOXINFO]\n1=LIST_A,10,20,226,120,0x0000FF,0xFFFFFF,"
                                       "0x00FF00,0,") +
                               kScroll + "\n2=\n3=LIST_B,10,150,60,250,0,0,0,0," + kScroll + "\n");
    const auto& lists = dialog->ListBoxes();
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0]->Name(), "LIST_A");
    EXPECT_EQ(lists[1]->Name(), "LIST_B");
    EXPECT_EQ(lists[0]->Index(), 0);
    EXPECT_EQ(lists[1]->Index(), 1);

    const CSkinListBox& list = *lists[0];
    EXPECT_EQ(list.geometry(), QRect(10, 20, 200, 100));
    EXPECT_EQ(list.ScrollBar()->geometry(), QRect(210, 20, 16, 100));
    EXPECT_EQ(list.Colours().itemBack, 0xFF0000u);
    EXPECT_EQ(list.Colours().itemText, 0xFFFFFFu);
    EXPECT_EQ(list.Colours().selBack, 0x00FF00u);
    EXPECT_EQ(list.Colours().selText, 0u);
    ASSERT_EQ(list.columnCount(), 2);
    EXPECT_EQ(list.columnWidth(0), 35);
    EXPECT_EQ(list.columnWidth(1), 144);
    EXPECT_EQ(list.ColumnAlignment(0), Qt::AlignRight);
    EXPECT_EQ(list.ColumnAlignment(1), Qt::AlignLeft);
    EXPECT_EQ(QFontInfo(list.font()).family(), QFontInfo(QFont("Arial")).family());
    EXPECT_EQ(lists[1]->columnWidth(1), 0);  // 50 wide: nothing left for text
    EXPECT_FALSE(list.isHidden());
    EXPECT_FALSE(list.ScrollBar()->isHidden());
}

TEST(ListLoad, MovesOverTheWindowReachTheFirstListsBarInTheWindowsCoordinates) {
    CSkinFixture skin;
    WriteScrollPictures(skin);
    const auto dialog = LoadedDialog(skin, std::string("[LISTBOXINFO]\n1=L,100,100,216,200,0,0,0,0,") +
                                               kScroll + "\n2=M,100,220,216,290,0,0,0,0," + kScroll + "\n");
    for (const auto& list : dialog->ListBoxes()) {
        for (int i = 0; i < 30; ++i) {
            list->AddItem("row");
        }
        list->doItemsLayout();
    }
    const auto moveTo = [&dialog](QPointF point) {
        QMouseEvent move(QEvent::MouseMove, point, dialog->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(dialog.get(), &move);
    };
    const auto pixel = [](QWidget& bar, int y) { return bar.grab().toImage().pixel(8, y) | 0xFF000000u; };
    CSkinScrollBar& first = *dialog->ListBoxes()[0]->ScrollBar();
    CSkinScrollBar& second = *dialog->ListBoxes()[1]->ScrollBar();
    // (8, 90) of the window lies on the first bar's down arrow when taken as the bar's own point.
    moveTo(QPointF(8, 90));
    EXPECT_EQ(pixel(first, 90), kDownActive);
    // (8, 60) would be on the second bar's down arrow, but only the first list's bar is told.
    moveTo(QPointF(8, 60));
    EXPECT_EQ(pixel(first, 90), kDown);
    EXPECT_EQ(pixel(second, 60), kDown);
}

TEST(ListLoad, ANewSkinTakesTheListBoxesAndTheirBarsAway) {
    CSkinFixture skin;
    WriteScrollPictures(skin);
    auto dialog =
        LoadedDialog(skin, std::string("[LISTBOXINFO]\n1=L,10,10,126,110,0,0,0,0,") + kScroll + "\n");
    ASSERT_EQ(dialog->findChildren<CSkinScrollBar*>().size(), 1);
    skin.Description("[Screen]\nMain=back.bmp\n");
    dialog->LoadSkin();
    EXPECT_TRUE(dialog->ListBoxes().empty());
    EXPECT_TRUE(dialog->findChildren<CSkinScrollBar*>().isEmpty());
}

}  // namespace
