#include <gtest/gtest.h>

#include <QApplication>
#include <QtTest/QTest>

#include "ViewerTestKit.h"
#include "controls/Label.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "controls/SkinSlider.h"
#include "viewer/ViewerDispatchIds.h"

namespace {

using Texts = std::vector<std::string>;

constexpr char kLast[] = "The page is a last one!";
constexpr char kFirst[] = "Already first page!";

struct SPageCase {
    const char* button;
    int startPage;  // 0: the page the window starts with, untouched
    int pageCount;
    const char* calls;
    int page;
    const char* pageBox;
    Texts messages;
};

TEST(ViewerCommands, PageCommandsShowPagesKeepThePageBoxAndWarnAtEitherEnd) {
    const SPageCase cases[] = {
        {"BUTTON_START_1", 3, 5, "ViewMode(10) GoToPage(1)", 1, "1", {}},
        {"BUTTON_PREVIOUS", 3, 5, "GoToPage(3) PageCount ViewMode(10) GoToPage(2)", 2, "2", {}},
        {"BUTTON_PREVIOUS", 1, 5, "GoToPage(1) PageCount ViewMode(10) GoToPage(1)", 1, "1", {kFirst}},
        // Beyond the last page (here: no file, no pages) the page and its box stay as they are.
        {"BUTTON_PREVIOUS", 0, 0, "GoToPage(1) PageCount", 1, "", {kLast}},
        {"BUTTON_PREVIOUS", 9, 5, "GoToPage(9) PageCount", 9, "9", {kLast}},
        // A page below the first, typed into the go-to box, counts as the first.
        {"BUTTON_PREVIOUS", -4, 5, "GoToPage(-4) PageCount ViewMode(10) GoToPage(1)", 1, "1", {kFirst}},
        {"BUTTON_NEXT", 2, 5, "PageCount ViewMode(10) GoToPage(3)", 3, "3", {}},
        {"BUTTON_NEXT", 5, 5, "PageCount PageCount", 5, "5", {kLast}},
        {"BUTTON_NEXT", 9, 5, "PageCount PageCount", 5, "5", {kLast}},
        {"BUTTON_END", 2, 5, "PageCount ViewMode(10) GoToPage(5)", 5, "5", {}},
        // Pages reach the control as their low 16 bits.
        {"BUTTON_PREVIOUS", 65537, 5, "GoToPage(1) PageCount", 65537, "65537", {kLast}},
    };
    for (const SPageCase& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " from " + std::to_string(c.startPage));
        CViewerUnderTest window;
        window.viewer.pageCount = c.pageCount;
        if (c.startPage != 0) {
            window.StartAtPage(c.startPage);
        }
        window.Dialog().OnSkinButton(c.button);
        EXPECT_EQ(window.viewer.Take(), c.calls);
        EXPECT_EQ(window.Dialog().CurrentPage(), c.page);
        EXPECT_EQ(window.Edit(3), c.pageBox);
        EXPECT_EQ(window.boxes.Texts(), c.messages);
    }
}

TEST(ViewerCommands, GoToPageTakesTheIntegerValueOfTheTypedText) {
    const struct {
        const char* typed;
        const char* calls;
        int page;
    } cases[] = {
        {"", "ViewMode(10)", 0},
        {"abc", "ViewMode(10) GoToPage(0)", 0},
        {"12", "ViewMode(10) GoToPage(12)", 12},  // beyond the 5 pages: passed on all the same
        {" +4th", "ViewMode(10) GoToPage(4)", 4},
        {"-3", "ViewMode(10) GoToPage(-3)", -3},
        {"65538", "ViewMode(10) GoToPage(2)", 65538},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CViewerUnderTest window;
        window.viewer.pageCount = 5;
        window.Type(5, c.typed);
        window.Dialog().OnSkinButton("BUTTON_BROWSE2");
        EXPECT_EQ(window.viewer.Take(), c.calls);
        EXPECT_EQ(window.Dialog().CurrentPage(), c.page);
        EXPECT_EQ(window.Edit(3), c.typed);  // the text as typed
    }
}

TEST(ViewerCommands, ZoomButtonsAndUnknownNames) {
    const struct {
        const char* button;
        const char* calls;
    } cases[] = {
        {"BUTTON_ZOOM25", "ViewMode(1)"},
        {"BUTTON_ZOOM33", "ViewMode(2)"},
        {"BUTTON_ZOOM50", "ViewMode(3)"},
        {"BUTTON_ZOOM75", "ViewMode(4)"},
        {"BUTTON_ZOOM100", "ViewMode(5)"},
        {"BUTTON_ZOOM150", "ViewMode(6)"},
        {"BUTTON_ZOOM200", "ViewMode(7)"},
        {"BUTTON_IN", "ZoomIn"},
        {"BUTTON_OUT", "ZoomOut"},
        // Names match exactly, with case.
        {"button_zoom25", ""},
        {"BUTTON_ZOOM25 ", ""},
        {"BUTTON_PAUSE", ""},
    };
    CViewerUnderTest window;
    for (const auto& c : cases) {
        window.Dialog().OnSkinButton(c.button);
        EXPECT_EQ(window.viewer.Take(), c.calls) << c.button;
    }
    EXPECT_TRUE(window.boxes.shown.empty());
    EXPECT_TRUE(window.Dialog().isVisible());
}

TEST(ViewerCommands, ExitAndCloseEndTheDialogWithOk) {
    for (const char* button : {"BUTTON_EXIT", "BUTTON_CLOSE"}) {
        CViewerUnderTest window;
        window.Dialog().OnSkinButton(button);
        EXPECT_FALSE(window.Dialog().isVisible()) << button;
        EXPECT_EQ(window.Dialog().result(), QDialog::Accepted) << button;
    }
}

TEST(ViewerCommands, OpenFillsThePathPageCountAndListsAndShowsTheFirstChosenFile) {
    CViewerUnderTest window;
    window.viewer.pageCount = 3;
    window.viewer.sections = {{"File", {"Name", "Size"}}, {"Patient", {"ID"}}};
    window.StartAtPage(7);  // a page of some earlier file
    window.dialogs.opens.push_back({"/data/a.dcm", "/data/b.dcm"});

    window.Dialog().OnSkinButton("BUTTON_BROWSE1");
    EXPECT_EQ(window.dialogs.filters, Texts{"DICOM Images (*.dcm)|*.dcm||"});
    EXPECT_EQ(window.viewer.Take(),
              "OpenOption(1) OpenFile('/data/a.dcm') ViewMode(10) ShowFileIndex ShowFile('/data/a.dcm',1) "
              "PageCount "
              "SectionCount SectionName(0) SectionName(1) EntryCount(0) EntryName(0,0) EntryName(0,1) "
              "EntryValue(0,0) ShowFileIndex");
    EXPECT_EQ(window.Edit(0), "/data/a.dcm");
    EXPECT_EQ(window.Edit(4), "3");
    EXPECT_EQ(window.Rows(0), (Texts{"File", "Patient"}));
    EXPECT_EQ(window.Rows(1), (Texts{"Name", "Size"}));
    EXPECT_EQ(window.Rows(2), Texts{"v0.0"});
    EXPECT_EQ(window.Dialog().ListBoxes()[0]->topLevelItem(1)->text(0), "2.");
    // The page and its box follow the page shown, not the earlier file's page 7.
    EXPECT_EQ(window.Dialog().CurrentPage(), 1);
    EXPECT_EQ(window.Edit(3), "1");
    EXPECT_EQ(window.Dialog().OpenedPath(), "/data/a.dcm");
    EXPECT_TRUE(window.boxes.shown.empty());

    // A cancelled dialog changes nothing.
    window.Dialog().OnSkinButton("BUTTON_BROWSE1");
    EXPECT_EQ(window.viewer.Take(), "");
    EXPECT_EQ(window.Rows(0), (Texts{"File", "Patient"}));
}

TEST(ViewerCommands, AFileThatDoesNotOpenSaysWhyAndTheListsShowWhatTheControlGives) {
    CViewerUnderTest window;
    window.viewer.opens = false;
    window.viewer.lastError = "not a DICOM file";
    window.viewer.sections = {{"File", {"Error"}}};
    window.dialogs.opens.push_back({"/data/notes.txt"});
    window.Dialog().OnSkinButton("BUTTON_BROWSE1");
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].text, "Cannot open \"/data/notes.txt\": not a DICOM file");
    EXPECT_EQ(window.boxes.shown[0].icon, CMessageBoxes::Icon::Stop);
    EXPECT_EQ(window.Rows(0), Texts{"File"});
    EXPECT_EQ(window.Edit(4), "0");
    EXPECT_EQ(window.Edit(3), "");
    EXPECT_EQ(window.Dialog().CurrentPage(), 1);
    EXPECT_TRUE(window.Dialog().isVisible());
}

TEST(ViewerCommands, SaveSendsTheComboTextAndBothSettingsAndReportsTheResult) {
    const struct {
        std::int16_t result;
        const char* message;
    } cases[] = {{1, "Save successful!"}, {0, "Save fail!"}, {-1, "Save fail!"}};
    for (const auto& c : cases) {
        CViewerUnderTest window;
        window.viewer.saveResult = c.result;
        window.Type(1, "75");
        window.Type(2, "65537");
        window.Dialog().ComboBoxes()[0]->Edit()->setText("lzw");
        window.dialogs.saves.push_back("/out/new name");
        window.Dialog().OnSkinButton("BUTTON_SAVE");
        // No extension is added to a name typed without one.
        EXPECT_EQ(window.viewer.Take(), "SaveImage('/out/new name','lzw',75,1)");
        EXPECT_EQ(window.boxes.Texts(), Texts{c.message});
        EXPECT_EQ(window.boxes.shown[0].icon, CMessageBoxes::Icon::Warning);
        EXPECT_EQ(window.boxes.shown[0].caption, QCoreApplication::applicationName().toStdString());
    }
    CViewerUnderTest window;
    window.Dialog().OnSkinButton("BUTTON_SAVE");
    EXPECT_EQ(window.viewer.Take(), "");
    EXPECT_TRUE(window.boxes.shown.empty());
    ASSERT_EQ(window.dialogs.filters.size(), 1u);
    EXPECT_EQ(CFileDialogs::QtFilters(QString::fromStdString(window.dialogs.filters[0])).size(), 16);
}

TEST(ViewerCommands, TifButtonOpensTheImageAloneAndStartReopensTheOpenedPath) {
    CViewerUnderTest window;
    window.viewer.pageCount = 4;
    window.Type(6, "250");
    // Nothing opened yet: nothing to reopen.
    window.Dialog().OnSkinButton("BUTTON_START");
    EXPECT_EQ(window.viewer.Take(), "Start(250)");

    window.dialogs.opens.push_back({"/img/scan.tif", "/img/other.tif"});
    window.Dialog().OnSkinButton("BUTTON_PLAY");
    EXPECT_EQ(window.dialogs.filters.back(), "TIF Files (*.tif)|*.tif||");
    EXPECT_EQ(window.viewer.Take(), "OpenOption(1) FileName('/img/scan.tif') ViewMode(10)");
    EXPECT_EQ(window.Edit(0), "");  // the path box, lists and page boxes belong to the Open button
    EXPECT_EQ(window.Edit(4), "");

    window.Dialog().OnSkinButton("BUTTON_START");
    EXPECT_EQ(window.viewer.Take(), "OpenFile('/img/scan.tif') Start(250)");
}

TEST(ViewerCommands, StartReopensByFullPathWhereverTheProcessStandsLater) {
    CTempDir first;
    CTempDir second;
    CViewerUnderTest window;
    {
        CWorkingFolder in(first.Path());
        window.Dialog().OpenImagePath("scan.dcm");
    }
    window.viewer.Take();
    CWorkingFolder in(second.Path());
    window.Type(6, "x");
    window.Dialog().OnSkinButton("BUTTON_START");
    EXPECT_EQ(window.viewer.Take(), "OpenFile('" + first.File("scan.dcm") + "') Start(0)");
}

class ViewerLists : public ::testing::Test {
protected:
    void SetUp() override {
        window.viewer.sections = {{"A", {"a0", "a1"}}, {"B", {"b0", "b1", "b2"}}};
        window.dialogs.opens.push_back({"/data/f.dcm"});
        window.Dialog().OnSkinButton("BUTTON_BROWSE1");
        window.viewer.Take();
    }

    // The selected rows of list `index`.
    std::vector<int> Selected(std::size_t index) {
        const CSkinListBox& list = *window.Dialog().ListBoxes()[index];
        std::vector<int> rows;
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            if (list.topLevelItem(row)->isSelected()) {
                rows.push_back(row);
            }
        }
        return rows;
    }

    CViewerUnderTest window;
};

TEST_F(ViewerLists, ASectionClickListsItsEntriesWithTheValueOfTheEntryRowSelectedBefore) {
    // No entry row selected yet: the value of entry -1, and every entry row marked.
    window.ClickRow(0, 1);
    EXPECT_EQ(window.viewer.Take(),
              "EntryCount(1) EntryName(1,0) EntryName(1,1) EntryName(1,2) EntryValue(1,-1)");
    EXPECT_EQ(window.Rows(1), (Texts{"b0", "b1", "b2"}));
    EXPECT_EQ(window.Rows(2), Texts{"v1.-1"});
    EXPECT_EQ(Selected(0), std::vector<int>{1});
    EXPECT_EQ(Selected(1), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(window.Rows(0), (Texts{"A", "B"}));  // the sections stay as the Open button left them
    EXPECT_EQ(QApplication::focusWidget(), window.Dialog().ListBoxes()[2].get());
}

TEST_F(ViewerLists, AnEntryClickShowsItsValueAndAValueClickRefillsFromTheSameSelections) {
    window.ClickRow(0, 1);
    window.ClickRow(1, 2);
    EXPECT_EQ(window.viewer.Take(),
              "EntryCount(1) EntryName(1,0) EntryName(1,1) EntryName(1,2) EntryValue(1,-1) "
              "EntryCount(1) EntryName(1,0) EntryName(1,1) EntryName(1,2) EntryValue(1,2)");
    EXPECT_EQ(window.Rows(2), Texts{"v1.2"});
    EXPECT_EQ(Selected(0), std::vector<int>{1});
    EXPECT_EQ(Selected(1), std::vector<int>{2});

    window.ClickRow(2, 0);
    EXPECT_EQ(window.viewer.Take(),
              "EntryCount(1) EntryName(1,0) EntryName(1,1) EntryName(1,2) EntryValue(1,2)");
    EXPECT_EQ(window.Rows(1), (Texts{"b0", "b1", "b2"}));
    EXPECT_EQ(Selected(2), std::vector<int>{0});
}

TEST(ViewerCommands, TheProgressSliderWritesItsTimeIntoTheTimeLabel) {
    CViewerUnderTest window;
    CLabel* time = window.Dialog().FindLabel("LABEL_TIME");
    ASSERT_NE(time, nullptr);
    window.Dialog().OnSkinSlider("SLIDER_OTHER", 3661);
    const std::string before = time->Text();
    EXPECT_NE(before.substr(0, 8), "01:01:01");
    window.Dialog().OnSkinSlider("SLIDER_PROGRESS", 3661);
    EXPECT_EQ(time->Text(), "01:01:01/02:00:00");
    EXPECT_TRUE(time->isHidden());
    EXPECT_EQ(window.viewer.Take(), "");
}

TEST(ViewerCommands, WithoutEditBoxesListsOrComboBoxTheStepsThatUseThemAreSkipped) {
    CViewerUnderTest window(false);
    window.viewer.pageCount = 2;
    window.viewer.sections = {{"A", {"a0"}}};
    window.dialogs.opens.push_back({"/data/f.dcm"});
    window.dialogs.saves.push_back("/out/f.png");
    const struct {
        const char* button;
        const char* calls;
    } cases[] = {
        {"BUTTON_BROWSE1",
         "OpenOption(1) OpenFile('/data/f.dcm') ViewMode(10) ShowFileIndex "
         "ShowFile('/data/f.dcm',1) PageCount ShowFileIndex"},
        {"BUTTON_NEXT", "PageCount ViewMode(10) GoToPage(2)"},
        {"BUTTON_BROWSE2", "ViewMode(10)"},
        {"BUTTON_SAVE", "SaveImage('/out/f.png','',0,0)"},
        {"BUTTON_START", "OpenFile('/data/f.dcm') Start(0)"},
    };
    for (const auto& c : cases) {
        window.Dialog().OnSkinButton(c.button);
        EXPECT_EQ(window.viewer.Take(), c.calls) << c.button;
    }
    window.Dialog().OnSkinListClick();
    EXPECT_EQ(window.viewer.Take(), "");
    EXPECT_EQ(window.boxes.Texts(), Texts{"Save successful!"});
}

TEST(ViewerCommands, AnErrorOfTheControlEndsTheCommandInAnErrorBoxAndTheWindowGoesOn) {
    CViewerUnderTest window;
    window.viewer.pageCount = 5;
    window.viewer.failing = ViewerDispatchIds::GoToPage;
    window.Dialog().OnSkinButton("BUTTON_NEXT");
    EXPECT_EQ(window.viewer.Take(), "PageCount ViewMode(10) GoToPage(2)");
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].text, "the control failed");
    EXPECT_EQ(window.boxes.shown[0].icon, CMessageBoxes::Icon::Stop);
    EXPECT_EQ(window.Edit(3), "");  // the page box was not reached

    window.viewer.failing = ViewerDispatchIds::EntryCount;
    window.Dialog().OnSkinListClick();
    EXPECT_EQ(window.boxes.shown.size(), 2u);

    window.viewer.failing = 0;
    window.Dialog().OnSkinButton("BUTTON_ZOOM50");
    EXPECT_EQ(window.viewer.Take(), "EntryCount(0) ViewMode(3)");
    EXPECT_TRUE(window.Dialog().isVisible());
}

}  // namespace
