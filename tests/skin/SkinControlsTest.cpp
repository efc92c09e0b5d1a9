// Skin descriptions that create controls, and the skin window's side of their events.

#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "common/SkinFolder.h"
#include "controls/Label.h"
#include "controls/SkinButton.h"
#include "controls/SkinCheckButton.h"
#include "controls/SkinEdit.h"
#include "controls/SkinOptionButton.h"
#include "controls/SkinSlider.h"
#include "skin/SkinDialog.h"

namespace {

// Writes down every name-based event a derived window would receive.
class CEventDialog : public CSkinDialog {
public:
    void OnSkinButton(const std::string& name) override { events.push_back("button " + name); }
    void OnSkinOption(const std::string& name) override { events.push_back("option " + name); }
    void OnSkinSlider(const std::string& name, int position) override {
        events.push_back("slider " + name + " " + std::to_string(position));
    }
    void OnSkinMouseMove(const std::string& name, int, int) override { events.push_back("move " + name); }

    std::vector<std::string> events;
};

// A skin folder with a background, a button strip, slider pictures and the given sections.
struct SSkin {
    CSkinFixture folder;
    CEventDialog dialog;

    explicit SSkin(const std::string& sections) {
        folder.Picture("back.bmp", SolidPicture(300, 200, qRgb(60, 40, 90)));
        folder.Picture("strip.bmp", SolidPicture(160, 20, qRgb(200, 200, 200)));
        folder.Picture("channel.bmp", SolidPicture(100, 6, qRgb(0, 200, 0)));
        folder.Picture("thumb.bmp", SolidPicture(10, 10, qRgb(250, 250, 0)));
        folder.Description("[Screen]\nMain=back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n" + sections);
        dialog.SetDescriptionPath(folder.DescriptionPath());
        dialog.LoadSkin();
    }

    bool Show() {
        dialog.show();
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog);
    }
};

// The controls on the window; the notifier popup is a window of its own.
int ControlCount(const QWidget& window) {
    const auto children = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    return static_cast<int>(std::count_if(children.begin(), children.end(),
                                          [](const QWidget* child) { return !child->isWindow(); }));
}

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

TEST(SkinControls, EmptyKeysCreateNothingAndTakeNoIndex) {
    SSkin skin(
        "[BUTTONINFO]\n1=BUTTON_A,strip.bmp,10,10,50,30,First\n2=\n"
        "3=BUTTON_C,strip.bmp,60,10,100,30,Third\n"
        // Four keys: 1 to 4 are read, so 5 never is.
        "5=BUTTON_E,strip.bmp,60,10,100,30,Fifth\n");
    const auto& buttons = skin.dialog.PushButtons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[1]->Name(), "BUTTON_C");
    EXPECT_EQ(buttons[1]->Index(), 1);
    EXPECT_EQ(buttons[1]->geometry(), QRect(60, 10, 40, 20));
    EXPECT_EQ(buttons[1]->toolTip(), "Third");
    EXPECT_EQ(buttons[1]->FrameImage(CSkinButton::Frame::Normal).size(), QSize(40, 20));
    EXPECT_EQ(buttons[1]->TransparentColor(), 0x00FF00FFu);

    ASSERT_TRUE(skin.Show());
    Click(buttons[1].get());
    EXPECT_EQ(skin.dialog.events, std::vector<std::string>{"button BUTTON_C"});
}

TEST(SkinControls, FieldsOfEveryEntryKind) {
    SSkin skin(
        "[BUTTONINFO]\n"
        "1=BUTTON_SIX,strip.bmp,10,20,50,40\n"
        "2=BUTTON_LOWER,strip.bmp,60,20,100,40,Lower,t\n"
        "3=BUTTON_UPPER,strip.bmp,110,20,150,40,Upper,True\n"
        "[OPTIONINFO]\n"
        "1=OPTION_LOWER,strip.bmp,10,50,50,70,A,F,t\n"
        "2=OPTION_UPPER,strip.bmp,60,50,100,70,B,T,T\n"
        "[SLIDERINFO]\n"
        "1=SLIDER_LOWER,channel.bmp,thumb.bmp,thumb.bmp,10,80,0,0,v,100,Slide\n"
        "2=SLIDER_UPPER,channel.bmp,thumb.bmp,thumb.bmp,10,100,0,0,V,7300,Slide\n"
        "3=SLIDER_NOACTIVE,channel.bmp,thumb.bmp,,10,120,0,0,H,5,Slide\n"
        "[EDITBOXINFO]\n"
        "1=EDIT_0,10,140,60,160,0x102030,0xFFFFFF,0xFF0000,TRUE\n"
        "2=EDIT_1,10,140,60,160,0x102030,0xFFFFFF,0xFF0000,True\n"
        "3=EDIT_2,10,140,60,160,0x102030,0xFFFFFF,0xFF0000,true\n"
        "4=EDIT_3,10,140,60,160,0x102030,0xFFFFFF,0xFF0000,TRUe\n"
        "5=EDIT_4,10,140,60,160,0x102030,0xFFFFFF,0xFF0000,TRUE1\n"
        "6=EDIT_5,10,140,60,160,0x102030,0xFFFFFF,0xFF0000,\n");
    const CSkinDialog& d = skin.dialog;

    // Six fields: hint and latched both read the bottom number.
    EXPECT_EQ(d.PushButtons()[0]->toolTip(), "40");
    EXPECT_FALSE(d.PushButtons()[0]->IsLatched());
    EXPECT_FALSE(d.PushButtons()[1]->IsLatched());
    EXPECT_TRUE(d.PushButtons()[2]->IsLatched());
    EXPECT_FALSE(d.OptionButtons()[0]->IsChecked());
    EXPECT_TRUE(d.OptionButtons()[1]->IsChecked());
    EXPECT_TRUE(d.OptionButtons()[1]->IsLatched());

    const auto& sliders = d.Sliders();
    ASSERT_EQ(sliders.size(), 3u);
    EXPECT_FALSE(sliders[0]->IsVertical());
    EXPECT_TRUE(sliders[1]->IsVertical());
    EXPECT_EQ(sliders[0]->GetPos(), 100);
    EXPECT_EQ(sliders[1]->GetPos(), 7200);
    EXPECT_EQ(sliders[1]->GetRangeMax(), 7200);
    EXPECT_EQ(sliders[1]->geometry(), QRect(10, 100, 100, 10));
    EXPECT_EQ(sliders[1]->Index(), 1);
    EXPECT_TRUE(sliders[1]->HasThumb());
    EXPECT_FALSE(sliders[2]->HasThumb());  // the empty active field names the folder

    const bool enabled[] = {true, false, false, false, false, false};
    ASSERT_EQ(d.EditBoxes().size(), std::size(enabled));
    for (size_t i = 0; i < std::size(enabled); ++i) {
        EXPECT_EQ(d.EditBoxes()[i]->isEnabled(), enabled[i]) << i;
        EXPECT_EQ(d.EditBoxes()[i]->Index(), static_cast<int>(i));
    }
    EXPECT_EQ(d.EditBoxes()[0]->BackColor(), 0x00302010u);
    EXPECT_EQ(d.EditBoxes()[0]->TextColor(), 0x00FFFFFFu);
    EXPECT_EQ(d.EditBoxes()[0]->BorderColor(), 0x000000FFu);
}

TEST(SkinControls, PauseIsHiddenAndPlayShownInEitherOrder) {
    const std::string pause = "BUTTON_PAUSE,strip.bmp,10,10,30,30,Pause\n";
    const std::string play = "BUTTON_PLAY,strip.bmp,10,10,30,30,Play\n";
    for (const bool pauseFirst : {true, false}) {
        SSkin skin("[BUTTONINFO]\n1=" + (pauseFirst ? pause : play) + "2=" + (pauseFirst ? play : pause));
        EXPECT_TRUE(skin.dialog.FindButton("BUTTON_PAUSE")->isHidden()) << pauseFirst;
        EXPECT_FALSE(skin.dialog.FindButton("BUTTON_PLAY")->isHidden()) << pauseFirst;
    }
}

TEST(SkinControls, TheProgressSliderWritesItsTimesIntoTheTimeLabelAndBothHide) {
    const std::string slider =
        "[SLIDERINFO]\n1=SLIDER_PROGRESS,channel.bmp,thumb.bmp,thumb.bmp,10,10,0,0,H,90,\n";
    const std::string label = "[LABELINFO]\n1=LABEL_TIME,10,30,110,50,--:--,DejaVu Sans,9,0xFFFFFF\n";
    {
        SSkin skin(slider + label);
        EXPECT_EQ(skin.dialog.FindLabel("LABEL_TIME")->Text(), "00:01:30/02:00:00");
        EXPECT_TRUE(skin.dialog.FindLabel("LABEL_TIME")->isHidden());
        EXPECT_TRUE(skin.dialog.FindSlider("SLIDER_PROGRESS")->isHidden());
    }
    {
        SSkin skin(label);
        EXPECT_EQ(skin.dialog.FindLabel("LABEL_TIME")->Text(), "--:--");
        EXPECT_TRUE(skin.dialog.FindLabel("LABEL_TIME")->isHidden());
    }
    {
        SSkin skin(slider);
        EXPECT_TRUE(skin.dialog.FindSlider("SLIDER_PROGRESS")->isHidden());
    }
}

TEST(SkinControls, LabelsAndTheCaption) {
    SSkin skin(
        "[CAPTION]\nCAPTION=LABEL_CAPTION,10,2,200,20,Vitrine,DejaVu Sans,12,0xFFFF00\n"
        "[LABELINFO]\n1=LABEL_A,10,30,110,50,&Open,DejaVu "
        "Sans,9,0x00FF00\n2=\n3=LABEL_B,10,60,110,80,B,,8,\n");
    const CSkinDialog& d = skin.dialog;
    ASSERT_NE(d.CaptionLabel(), nullptr);
    EXPECT_EQ(d.CaptionLabel()->Text(), "Vitrine");
    EXPECT_EQ(d.CaptionLabel()->TextColor(), 0x0000FFFFu);
    EXPECT_EQ(d.CaptionLabel()->Name(), "");
    EXPECT_EQ(d.FindLabel("LABEL_CAPTION"), nullptr);

    ASSERT_EQ(d.Labels().size(), 2u);
    const CLabel& a = *d.Labels()[0];
    EXPECT_EQ(a.Text(), "&Open");
    EXPECT_EQ(a.geometry(), QRect(10, 30, 100, 20));
    EXPECT_EQ(a.font().family(), "DejaVu Sans");
    EXPECT_EQ(a.TextColor(), 0x0000FF00u);
    EXPECT_EQ(d.Labels()[1]->Index(), 1);
    EXPECT_EQ(d.Labels()[1]->TextColor(), kNoColor);
}

TEST(SkinControls, TheNextLoadRemovesEveryControl) {
    SSkin skin(
        "[BUTTONINFO]\n1=BUTTON_A,strip.bmp,10,10,50,30\n"
        "[SLIDERINFO]\n1=SLIDER_A,channel.bmp,thumb.bmp,thumb.bmp,10,40,0,0,H,0,\n"
        "[OPTIONINFO]\n1=OPTION_A,strip.bmp,10,60,50,80,,F,T\n"
        "[CHECKINFO]\n1=CHECK_A,strip.bmp,60,60,100,80,,F,F\n"
        "[CAPTION]\nCAPTION=x,10,90,100,110,Caption,DejaVu Sans,9,0\n"
        "[LABELINFO]\n1=LABEL_A,10,120,100,140,A,DejaVu Sans,9,0\n"
        "[EDITBOXINFO]\n1=EDIT_A,10,150,100,170,0,0,0,TRUE\n");
    EXPECT_EQ(ControlCount(skin.dialog), 7);
    skin.folder.Description("[Screen]\nMain=back.bmp\n");
    skin.dialog.LoadSkin();
    EXPECT_EQ(ControlCount(skin.dialog), 0);
    EXPECT_TRUE(skin.dialog.PushButtons().empty());
    EXPECT_TRUE(skin.dialog.Sliders().empty());
    EXPECT_TRUE(skin.dialog.OptionButtons().empty());
    EXPECT_TRUE(skin.dialog.CheckButtons().empty());
    EXPECT_TRUE(skin.dialog.Labels().empty());
    EXPECT_TRUE(skin.dialog.EditBoxes().empty());
    EXPECT_EQ(skin.dialog.CaptionLabel(), nullptr);
}

TEST(SkinWindow, OptionButtonsFormOneGroupExceptTheAudioStream) {
    SSkin skin(
        "[OPTIONINFO]\n1=OPTION_A,strip.bmp,10,10,50,30,,F,F\n2=OPTION_B,strip.bmp,60,10,100,30,,F,T\n"
        "3=OPTION_AUDIOSTREAM1,strip.bmp,110,10,150,30,,F,T\n");
    ASSERT_TRUE(skin.Show());
    const auto& options = skin.dialog.OptionButtons();
    Click(options[0].get());
    EXPECT_TRUE(options[0]->IsChecked());
    EXPECT_FALSE(options[1]->IsChecked());
    EXPECT_TRUE(options[2]->IsChecked());
    EXPECT_EQ(skin.dialog.events, std::vector<std::string>{"option OPTION_A"});
}

TEST(SkinWindow, ACheckButtonClickReachesNoEventWithAName) {
    SSkin skin("[CHECKINFO]\n1=CHECK_A,strip.bmp,10,10,50,30,,F,F\n");
    ASSERT_TRUE(skin.Show());
    Click(skin.dialog.CheckButtons()[0].get());
    EXPECT_TRUE(skin.dialog.CheckButtons()[0]->IsChecked());
    EXPECT_TRUE(skin.dialog.events.empty());
}

TEST(SkinWindow, SliderDragsReportTheSliderName) {
    SSkin skin("[SLIDERINFO]\n1=SLIDER_A,channel.bmp,thumb.bmp,thumb.bmp,10,10,0,0,H,0,\n");
    ASSERT_TRUE(skin.Show());
    QTest::mouseClick(skin.dialog.Sliders()[0].get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 5));
    EXPECT_EQ(skin.dialog.events, std::vector<std::string>{"slider SLIDER_A 3600"});
}

TEST(SkinWindow, LookupsByNameRespectCase) {
    SSkin skin(
        "[BUTTONINFO]\n1=BUTTON_PLAY,strip.bmp,10,10,50,30\n"
        "[SLIDERINFO]\n1=SLIDER_SEEK,channel.bmp,thumb.bmp,thumb.bmp,10,40,0,0,H,0,\n"
        "[LABELINFO]\n1=LABEL_MODE,10,120,100,140,A,DejaVu Sans,9,0\n");
    const CSkinDialog& d = skin.dialog;
    EXPECT_NE(d.FindButton("BUTTON_PLAY"), nullptr);
    EXPECT_NE(d.FindSlider("SLIDER_SEEK"), nullptr);
    EXPECT_NE(d.FindLabel("LABEL_MODE"), nullptr);
    EXPECT_EQ(d.FindButton("Button_Play"), nullptr);
    EXPECT_EQ(d.FindSlider("slider_seek"), nullptr);
    EXPECT_EQ(d.FindLabel("LABEL_MODe"), nullptr);
}

}  // namespace
