#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QtTest/QTest>

#include "common/SkinFolder.h"
#include "controls/ComboDropButton.h"
#include "controls/ComboList.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinOptionButton.h"
#include "skin/SkinDialog.h"

namespace {

constexpr QRgb kBack = qRgb(30, 30, 30);
constexpr QRgb kOption = qRgb(200, 100, 0);
constexpr QRgb kListBack = qRgb(0, 0, 255);
constexpr QRgb kBorder = qRgb(255, 255, 0);

// Two combo boxes with 64 x 20 drop strips; the first one's list, (100, 72)-(299, 200), lies
// over an option button at (120, 150)-(160, 170) made earlier.
class ComboLoad : public ::testing::Test {
protected:
    void SetUp() override {
        skin.Picture("back.bmp", SolidPicture(400, 300, kBack));
        skin.Picture("drop.bmp", SolidPicture(64, 20, qRgb(90, 90, 90)));
        skin.Picture("option.bmp", SolidPicture(160, 20, kOption));
        for (int i = 0; i < 7; ++i) {
            skin.Picture("s" + std::to_string(i) + ".bmp", SolidPicture(16, 16, qRgb(10 * i, 0, 0)));
        }
        const std::string scroll = "s0.bmp,s1.bmp,s2.bmp,s3.bmp,s4.bmp,s5.bmp,s6.bmp";
        skin.Description(
            "[Screen]\nMain=back.bmp\n[OPTIONINFO]\n1=OPTION_A,option.bmp,120,150,160,170,,F,F\n"
            "[COMBOBOXINFO]\n1=COMBO_FORMAT,100,50,300,200,drop.bmp,0x101010,0xF0F0F0,0xFFFF00,"
            "0x0000FF,0xFFFFFF,0x00FF00,0," +
            scroll + "\n2=COMBO_OTHER,100,250,200,270,drop.bmp,0,0,0,0,0,0,0," + scroll + "\n");
        dialog.SetDescriptionPath(skin.DescriptionPath());
        dialog.LoadSkin();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        first = dialog.ComboBoxes().at(0).get();
        list = first->List();
        for (const char* text : {"BMP", "PNG", "JPG"}) {
            list->AddItem(text);
        }
        list->doItemsLayout();
    }

    QRgb Pixel(int x, int y) { return dialog.grab().toImage().pixel(x, y) | 0xFF000000u; }
    void MoveOverWindow(QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, dialog.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&dialog, &move);
    }
    void ClickDropButton(size_t combo) {
        CComboDropButton* button = dialog.ComboBoxes().at(combo)->DropButton();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    }

    CSkinFixture skin;
    CSkinDialog dialog;
    CSkinCombo* first = nullptr;
    CComboList* list = nullptr;
};

TEST_F(ComboLoad, MakesTheComboBoxAndItsPartsOnTheSkinWindow) {
    ASSERT_EQ(dialog.ComboBoxes().size(), 2u);
    EXPECT_EQ(first->Name(), "COMBO_FORMAT");
    EXPECT_EQ(dialog.ComboBoxes()[1]->Index(), 1);

    CComboDropButton& button = *first->DropButton();
    CComboEdit& edit = *first->Edit();
    EXPECT_EQ(button.Name(), "COMBO_BTN");
    EXPECT_EQ(edit.Name(), "COMBO_EDIT");
    EXPECT_EQ(list->Name(), "COMBO_LIST");
    for (QWidget* part : {static_cast<QWidget*>(&button), static_cast<QWidget*>(&edit),
                          static_cast<QWidget*>(list), static_cast<QWidget*>(list->ScrollBar())}) {
        EXPECT_EQ(part->parentWidget(), &dialog);
    }
    EXPECT_EQ(button.geometry(), QRect(284, 49, 16, 22));
    EXPECT_EQ(button.FrameImage(CSkinButton::Frame::Normal).size(), QSize(16, 22));
    EXPECT_EQ(button.TransparentColor(), 0u);
    EXPECT_EQ(edit.geometry(), QRect(100, 50, 184, 20));
    EXPECT_EQ(edit.BackColor(), 0x101010u);
    EXPECT_EQ(edit.TextColor(), 0xF0F0F0u);
    EXPECT_EQ(edit.BorderColor(), 0x00FFFFu);
    EXPECT_TRUE(edit.isEnabled());
    EXPECT_EQ(list->geometry(), QRect(100, 72, 183, 128));  // narrowed by its 16-pixel bar
    EXPECT_EQ(list->ScrollBar()->geometry(), QRect(283, 72, 16, 128));
    EXPECT_EQ(list->columnCount(), 1);
    EXPECT_EQ(list->columnWidth(0), 183);
    EXPECT_EQ(list->Colours().itemBack, 0xFF0000u);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_TRUE(first->IsListHidden());
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(list->ScrollBar()->isVisible());
}

TEST_F(ComboLoad, EveryDropButtonOpensAndClosesTheFirstComboBoxsList) {
    ClickDropButton(0);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(list->ScrollBar()->isVisible());
    ClickDropButton(0);
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(list->ScrollBar()->isVisible());

    ClickDropButton(1);
    EXPECT_FALSE(first->IsListHidden());
    EXPECT_TRUE(dialog.ComboBoxes()[1]->IsListHidden());
    EXPECT_FALSE(dialog.ComboBoxes()[1]->List()->isVisible());
}

TEST_F(ComboLoad, ChoosingARowFillsTheEditAndShowsWhatTheListCovered) {
    EXPECT_EQ(Pixel(130, 160), kOption);
    ClickDropButton(0);
    EXPECT_EQ(Pixel(130, 160), kListBack);  // the list lies over the option button
    EXPECT_EQ(Pixel(99, 140), kBorder);     // and has a frame in the edit's border colour
    EXPECT_EQ(Pixel(150, 200), kBorder);

    const QRect row = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    EXPECT_EQ(first->Edit()->text(), "PNG");
    EXPECT_TRUE(first->IsListHidden());
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(list->ScrollBar()->isVisible());
    EXPECT_EQ(Pixel(130, 160), kOption);
    EXPECT_EQ(Pixel(200, 100), kBack);
    EXPECT_EQ(Pixel(99, 140), kBack);
}

TEST_F(ComboLoad, TheSecondComboBoxsListAlsoChoosesForTheFirst) {
    CComboList& other = *dialog.ComboBoxes()[1]->List();
    other.AddItem("TIF");
    other.doItemsLayout();
    other.show();
    QTest::mouseClick(other.viewport(), Qt::LeftButton, Qt::NoModifier,
                      other.visualItemRect(other.topLevelItem(0)).center());
    EXPECT_EQ(first->Edit()->text(), "TIF");
    EXPECT_EQ(dialog.ComboBoxes()[1]->Edit()->text(), "");
}

TEST_F(ComboLoad, MovingOverTheWindowOutsideTheComboBoxClosesItsList) {
    ClickDropButton(0);
    MoveOverWindow(QPoint(299, 199));  // the bottom right corner of the combo box: inside
    EXPECT_FALSE(first->IsListHidden());
    MoveOverWindow(QPoint(300, 120));
    EXPECT_TRUE(first->IsListHidden());
    EXPECT_FALSE(list->isVisible());
    MoveOverWindow(QPoint(10, 10));  // a closed list stays closed
    EXPECT_TRUE(first->IsListHidden());
}

TEST_F(ComboLoad, ANewSkinTakesTheComboBoxesAndAllTheirPartsAway) {
    QPointer<QWidget> parts[] = {first->DropButton(), first->Edit(), list, list->ScrollBar()};
    skin.Description("[Screen]\nMain=back.bmp\n");
    dialog.LoadSkin();
    EXPECT_TRUE(dialog.ComboBoxes().empty());
    for (const QPointer<QWidget>& part : parts) {
        EXPECT_TRUE(part.isNull());
    }
}

}  // namespace
