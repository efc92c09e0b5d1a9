// The promotional popup's part of every skin load.

#include <gtest/gtest.h>

#include <QPointer>
#include <QtTest/QTest>

#include "common/LocalHttpServer.h"
#include "common/SkinFolder.h"
#include "common/TempDir.h"
#include "controls/SkinButton.h"
#include "platform/MessageBoxes.h"
#include "popup/HtmlCtrl.h"
#include "popup/TaskNotifierDlg.h"
#include "skin/SkinDialog.h"

namespace {

constexpr int kWaitMs = 5000;

class CButtonDialog : public CSkinDialog {
public:
    void OnSkinButton(const std::string& name) override { buttons.push_back(name); }
    std::vector<std::string> buttons;
};

// A skin whose popup face is `face` (none when empty) and with the given sections.
void WriteSkin(const CSkinFixture& skin, QSize face, const std::string& sections) {
    skin.Picture("back.bmp", SolidPicture(300, 200, qRgb(60, 40, 90)));
    skin.Picture("strip.bmp", SolidPicture(80, 20, qRgb(200, 200, 200)));
    if (!face.isEmpty()) {
        skin.Picture("dlgTaskNotifier.bmp", SolidPicture(face.width(), face.height(), qRgb(20, 70, 120)));
    }
    skin.Description("[Screen]\nMain=back.bmp\n[TRANSPARENT]\nCOLOR=0x00FF00\n" + sections);
}

TEST(NotifierLoad, TheFirstLoadMakesThePopupAndPutsTheTaskbarButtonsOnIt) {
    CSkinFixture skin;
    WriteSkin(skin, {250, 150},
              "[TASKBARBUTTON]\n1=TASKBUTTON_MORE,strip.bmp,200,5,220,25,More,F\n"
              "2=TASKBUTTON_EXIT,strip.bmp,225,5,245,25,Close,F\n"
              "[BUTTONINFO]\n1=BUTTON_A,strip.bmp,10,10,30,30,,F\n");
    CButtonDialog dialog;
    dialog.SetDescriptionPath(skin.DescriptionPath());
    dialog.LoadSkin();

    // As at the start, the window is not on the screen yet: the popup waits for it.
    CTaskNotifierDlg* popup = dialog.Notifier();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->parentWidget(), &dialog);
    EXPECT_EQ(popup->State(), CTaskNotifierDlg::EState::Hidden);
    EXPECT_FALSE(popup->isVisible());
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(popup->State(), CTaskNotifierDlg::EState::Appearing, kWaitMs);
    EXPECT_EQ(popup->size(), QSize(250, 150));
    const auto& buttons = popup->TaskbarButtons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(popup->TaskbarButton(), buttons[1].get());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(buttons[i]->parentWidget(), popup);
        EXPECT_EQ(buttons[i]->Index(), i);
        EXPECT_EQ(buttons[i]->TransparentColor(), 0x0000FF00u);
        EXPECT_EQ(buttons[i]->geometry(), QRect(200 + 25 * i, 5, 20, 20));
    }
    EXPECT_EQ(buttons[0]->Name(), "TASKBUTTON_MORE");
    EXPECT_EQ(dialog.PushButtons().size(), 1u);

    // Another button of the popup has the index of the skin window's BUTTON_A, and must not
    // pass for it.
    QTest::mouseClick(buttons[0].get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(dialog.buttons.empty());
    QTest::mouseClick(buttons[1].get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(dialog.buttons.empty());
    QTRY_COMPARE_WITH_TIMEOUT(popup->State(), CTaskNotifierDlg::EState::Hidden, kWaitMs);
}

TEST(NotifierLoad, TheNextLoadHidesThePopupAtOnceAndTakesAllTheOldButtons) {
    CSkinFixture first;
    WriteSkin(first, {250, 150},
              "[TASKBARBUTTON]\n1=TASKBUTTON_MORE,strip.bmp,200,5,220,25,,F\n"
              "2=TASKBUTTON_EXIT,strip.bmp,225,5,245,25,,F\n");
    CSkinDialog dialog;
    dialog.show();
    dialog.SetDescriptionPath(first.DescriptionPath());
    dialog.LoadSkin();
    CTaskNotifierDlg* popup = dialog.Notifier();
    QPointer<CSkinButton> more = popup->TaskbarButtons()[0].get();
    QPointer<CSkinButton> exit = popup->TaskbarButtons()[1].get();
    QTRY_COMPARE_WITH_TIMEOUT(popup->State(), CTaskNotifierDlg::EState::Shown, kWaitMs);

    CSkinFixture second;
    WriteSkin(second, {120, 60}, "[TASKBARBUTTON]\n1=TASKBUTTON_EXIT,strip.bmp,95,5,115,25,,F\n");
    dialog.SetDescriptionPath(second.DescriptionPath());
    dialog.LoadSkin();

    EXPECT_EQ(dialog.Notifier(), popup);
    EXPECT_TRUE(more.isNull());
    EXPECT_TRUE(exit.isNull());
    ASSERT_EQ(popup->TaskbarButtons().size(), 1u);
    EXPECT_EQ(popup->TaskbarButton()->geometry(), QRect(95, 5, 20, 20));
    // Back behind the task bar, sliding in again at the new face's size.
    EXPECT_EQ(popup->State(), CTaskNotifierDlg::EState::Appearing);
    EXPECT_EQ(popup->geometry(), QRect(popup->Motion().Start(), QSize(120, 60)));
}

TEST(NotifierLoad, AFirstSkinWithoutAFaceLeavesThePopupHiddenUntilOneHasIt) {
    CSkinFixture bare;
    WriteSkin(bare, {}, "[TASKBARBUTTON]\n1=TASKBUTTON_EXIT,strip.bmp,95,5,115,25,,F\n");
    CSkinDialog dialog;
    dialog.show();
    dialog.SetDescriptionPath(bare.DescriptionPath());
    dialog.LoadSkin();
    ASSERT_NE(dialog.Notifier(), nullptr);
    EXPECT_EQ(dialog.Notifier()->State(), CTaskNotifierDlg::EState::Hidden);
    EXPECT_FALSE(dialog.Notifier()->isVisible());

    CSkinFixture faced;
    WriteSkin(faced, {120, 60}, "");
    dialog.SetDescriptionPath(faced.DescriptionPath());
    dialog.LoadSkin();
    EXPECT_EQ(dialog.Notifier()->State(), CTaskNotifierDlg::EState::Appearing);
    EXPECT_TRUE(dialog.Notifier()->TaskbarButtons().empty());
}

// Notes whether the popup was on screen whenever a message box showed.
class CPopupWitness : public CMessageBoxes {
public:
    explicit CPopupWitness(const CSkinDialog& dialog) : m_dialog(dialog) { Install(this); }
    ~CPopupWitness() override { Install(nullptr); }
    Answer Show(QWidget*, const QString&, const QString&, Icon, Buttons) override {
        popupShown.push_back(m_dialog.Notifier()->isVisible());
        return Answer::Ok;
    }
    std::vector<bool> popupShown;

private:
    const CSkinDialog& m_dialog;
};

TEST(NotifierLoad, ASkinSwitchTakesThePopupAwayBeforeItTouchesThePackage) {
    CSkinFixture skin;
    WriteSkin(skin, {120, 60}, "");
    CSkinDialog dialog;
    dialog.show();
    dialog.SetDescriptionPath(skin.DescriptionPath());
    dialog.LoadSkin();
    ASSERT_TRUE(dialog.Notifier()->isVisible());
    CTempDir noPackages;
    dialog.SetPackageFolders({noPackages.Path()});
    CPopupWitness witness(dialog);
    dialog.OnChangeSkin(32771);
    EXPECT_EQ(witness.popupShown, std::vector<bool>{false});  // while "Open failed" showed
    // Once the window is back, the popup slides in again with the face it kept.
    QTRY_COMPARE_WITH_TIMEOUT(dialog.Notifier()->State(), CTaskNotifierDlg::EState::Appearing, kWaitMs);
    EXPECT_EQ(dialog.Notifier()->size(), QSize(120, 60));
}

TEST(NotifierLoad, TurnedOffThereIsNoPopupAndNoTaskbarButton) {
    CSkinFixture skin;
    WriteSkin(skin, {120, 60}, "[TASKBARBUTTON]\n1=TASKBUTTON_EXIT,strip.bmp,95,5,115,25,,F\n");
    CSkinDialog dialog;
    dialog.SetNotifierSettings({false, ""});
    dialog.SetDescriptionPath(skin.DescriptionPath());
    dialog.LoadSkin();
    EXPECT_EQ(dialog.Notifier(), nullptr);
    EXPECT_TRUE(dialog.findChildren<CSkinButton*>().isEmpty());
}

TEST(NotifierLoad, TheNextLoadKeepsThePageAndDoesNotFetchItAgain) {
    CLocalHttpServer server;
    server.Serve("/myindex3.php", {200, "text/html", "<p>Served page</p>", true});
    CSkinFixture first;
    WriteSkin(first, {250, 150}, "");
    CSkinDialog dialog;
    dialog.SetNotifierSettings({true, server.Host()});
    dialog.SetDescriptionPath(first.DescriptionPath());
    dialog.LoadSkin();
    dialog.show();
    QTRY_VERIFY_WITH_TIMEOUT(
        dialog.Notifier()->Browser() && !dialog.Notifier()->Browser()->PageUrl().isEmpty(), kWaitMs);
    CHtmlCtrl* browser = dialog.Notifier()->Browser();

    CSkinFixture second;
    WriteSkin(second, {120, 60}, "");
    dialog.SetDescriptionPath(second.DescriptionPath());
    dialog.LoadSkin();
    QTest::qWait(100);
    EXPECT_EQ(dialog.Notifier()->Browser(), browser);
    EXPECT_TRUE(browser->toPlainText().contains("Served page"));
    EXPECT_EQ(server.Requests(), QStringList{"/myindex3.php?pcode=5023"});
}

}  // namespace
