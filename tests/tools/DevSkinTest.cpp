#include <gtest/gtest.h>

#include "Colourings.h"
#include "DevSkin.h"
#include "common/TempDir.h"
#include "controls/ComboDropButton.h"
#include "controls/ComboList.h"
#include "controls/Label.h"
#include "controls/SkinButton.h"
#include "controls/SkinCheckButton.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "controls/SkinOptionButton.h"
#include "controls/SkinSlider.h"
#include "skin/SkinDialog.h"

namespace {

// Every picture the development skin names exists and fits its control, and the controls the
// viewer window addresses by name or position are there.
TEST(DevSkin, LoadsWithEveryControlDrawnFromItsPictures) {
    CTempDir folder;
    ASSERT_TRUE(WriteDevSkin(QString::fromStdString(folder.File("Test"))));
    CSkinDialog dialog;
    dialog.SetDescriptionPath(folder.File("Test/Skin.ini"));
    dialog.LoadSkin();

    EXPECT_FALSE(dialog.BackgroundCanvas().isNull());
    EXPECT_FALSE(dialog.Shape().isEmpty());
    ASSERT_NE(dialog.CaptionLabel(), nullptr);
    EXPECT_GE(dialog.EditBoxes().size(), 7u);
    EXPECT_FALSE(dialog.Labels().empty());
    EXPECT_FALSE(dialog.OptionButtons().empty());
    EXPECT_FALSE(dialog.CheckButtons().empty());

    std::vector<CSkinButton*> buttons;
    for (const auto& b : dialog.PushButtons()) {
        buttons.push_back(b.get());
    }
    for (const auto& b : dialog.OptionButtons()) {
        buttons.push_back(b.get());
    }
    for (const auto& b : dialog.CheckButtons()) {
        buttons.push_back(b.get());
    }
    ASSERT_EQ(dialog.ComboBoxes().size(), 1u);
    buttons.push_back(dialog.ComboBoxes()[0]->DropButton());
    for (CSkinButton* button : buttons) {
        for (int k = 0; k < CSkinButton::kFrameCount; ++k) {
            EXPECT_EQ(button->FrameImage(static_cast<CSkinButton::Frame>(k)).size(), button->size())
                << button->Name();
        }
    }
    ASSERT_GE(dialog.ListBoxes().size(), 3u);
    std::vector<const CSkinListBase*> lists = {dialog.ComboBoxes()[0]->List()};
    for (const auto& list : dialog.ListBoxes()) {
        lists.push_back(list.get());
    }
    for (const CSkinListBase* list : lists) {
        const CSkinScrollBar& bar = *list->ScrollBar();
        EXPECT_GT(bar.GetBarWidth(), 0) << list->Name();
        EXPECT_FALSE(bar.UpRect().isEmpty() || bar.DownRect().isEmpty() || bar.ThumbRect().isEmpty())
            << list->Name();
    }
    for (const auto& slider : dialog.Sliders()) {
        EXPECT_TRUE(slider->HasChannel() && slider->HasThumb()) << slider->Name();
    }
    for (const char* name :
         {"BUTTON_PLAY", "BUTTON_PAUSE", "BUTTON_EXIT", "BUTTON_BROWSE1", "BUTTON_ZOOM100"}) {
        EXPECT_NE(dialog.FindButton(name), nullptr) << name;
    }
    EXPECT_NE(dialog.FindSlider("SLIDER_PROGRESS"), nullptr);
    EXPECT_EQ(dialog.FindLabel("LABEL_TIME")->Text(), "00:00:00/02:00:00");
}

}  // namespace

namespace {

// Each skin of the build differs from the development skin in colour only: the same controls,
// and the same shape, so that no colour turned into the key colour or out of it.
TEST(SkinColourings, KeepTheShapeAndControlsOfTheDevelopmentSkin) {
    CTempDir folder;
    ASSERT_TRUE(WriteDevSkin(QString::fromStdString(folder.File("dev"))));
    CSkinDialog dev;
    dev.SetDescriptionPath(folder.File("dev/Skin.ini"));
    dev.LoadSkin();
    for (const QString& id : SkinIds()) {
        SCOPED_TRACE(id.toStdString());
        ASSERT_TRUE(WriteSkin(id, QString::fromStdString(folder.File(id.toStdString()))));
        CSkinDialog skin;
        skin.SetDescriptionPath(folder.File(id.toStdString() + "/Skin.ini"));
        skin.LoadSkin();
        EXPECT_EQ(skin.Shape(), dev.Shape());
        EXPECT_EQ(skin.PushButtons().size(), dev.PushButtons().size());
        EXPECT_EQ(skin.ListBoxes().size(), dev.ListBoxes().size());
        EXPECT_EQ(skin.EditBoxes().size(), dev.EditBoxes().size());
        EXPECT_EQ(skin.ComboBoxes()[0]->DropButton()->FrameImage(CSkinButton::Frame::Normal).pixel(0, 0),
                  dev.ComboBoxes()[0]->DropButton()->FrameImage(CSkinButton::Frame::Normal).pixel(0, 0));
    }
    EXPECT_EQ(SkinIds(),
              QStringList({"startup", "orange", "black", "purple", "blue", "red", "gray", "pink", "deluxe"}));
    EXPECT_FALSE(WriteSkin("teal", QString::fromStdString(folder.File("teal"))));
}

}  // namespace
