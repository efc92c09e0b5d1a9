#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QtTest/QTest>
#include <sstream>

#include "ViewerTestKit.h"
#include "app/CommandLine.h"
#include "app/IntegerText.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "controls/SkinSlider.h"
#include "viewer/ImageViewerControl.h"

namespace {

using Texts = std::vector<std::string>;
using EAction = CCommandLine::EAction;

TEST(CommandLine, HelpAndVersionWinAFileOpensAndAnythingElseIsAUsageError) {
    const struct {
        Texts arguments;
        EAction action;
        const char* file;
    } cases[] = {
        {{}, EAction::Run, ""},
        {{"scan.dcm"}, EAction::Run, "scan.dcm"},
        {{"--", "--help"}, EAction::Run, "--help"},
        {{"-"}, EAction::Run, "-"},
        {{"scan.dcm", "--help"}, EAction::Help, ""},
        {{"--bogus", "--version"}, EAction::Version, ""},
        {{"--bogus"}, EAction::Error, ""},
        {{"-x", "scan.dcm"}, EAction::Error, ""},
        {{"a.dcm", "b.dcm"}, EAction::Error, ""},
    };
    for (const auto& c : cases) {
        const CCommandLine parsed = CCommandLine::Parse(c.arguments);
        EXPECT_EQ(parsed.action, c.action) << testing::PrintToString(c.arguments);
        EXPECT_EQ(parsed.file, c.file) << testing::PrintToString(c.arguments);
    }
}

TEST(CommandLine, NoPopupIsAnOptionOfARunUntilTheOptionsEnd) {
    const CCommandLine withOption = CCommandLine::Parse({"scan.dcm", "--no-popup"});
    EXPECT_EQ(withOption.action, EAction::Run);
    EXPECT_EQ(withOption.file, "scan.dcm");
    EXPECT_TRUE(withOption.noPopup);
    EXPECT_FALSE(CCommandLine::Parse({"scan.dcm"}).noPopup);
    const CCommandLine asFile = CCommandLine::Parse({"--", "--no-popup"});
    EXPECT_EQ(asFile.file, "--no-popup");
    EXPECT_FALSE(asFile.noPopup);
}

TEST(CommandLine, AnswersGoToStandardOutputAndAUsageErrorToStandardErrorWithStatusTwo) {
    const struct {
        Texts arguments;
        std::optional<int> status;
        const char* out;  // the start of what standard output shows
        const char* err;
    } cases[] = {
        {{"--version"}, 0, "vitrine " VITRINE_VERSION "\n", ""},
        {{"--help"}, 0, "Usage: vitrine [--no-popup] [FILE]\n", ""},
        {{"--bogus"}, 2, "", "vitrine: unknown option --bogus\n"},
        {{"scan.dcm"}, std::nullopt, "", ""},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(AnswerCommandLine(CCommandLine::Parse(c.arguments), "vitrine", out, err), c.status);
        EXPECT_EQ(out.str().substr(0, std::string(c.out).size()), c.out);
        EXPECT_EQ(err.str().substr(0, std::string(c.err).size()), c.err);
        EXPECT_EQ(out.str().empty(), std::string(c.out).empty());
    }
}

TEST(IntegerText, LeadingSignAndDigitsHeldInRangeAndTheirLow16Bits) {
    const struct {
        const char* text;
        std::int32_t value;
    } values[] = {
        {"", 0},
        {"abc", 0},
        {"12abc", 12},
        {"  7", 7},
        {"+5", 5},
        {"-0", 0},
        {"- 3", 0},
        {"2147483647", 2147483647},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& v : values) {
        EXPECT_EQ(IntegerText::Value(v.text), v.value) << v.text;
    }
    EXPECT_EQ(IntegerText::Low16(65538), 2);
    EXPECT_EQ(IntegerText::Low16(40000), -25536);
    EXPECT_EQ(IntegerText::Low16(-1), -1);
}

// A drag that carries `urls`, as a file manager's: as links and as their text.
std::unique_ptr<QMimeData> Carrying(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    data->setText(urls.front().toString());
    return data;
}

// Drags `data` onto `target` at its middle and drops it there; true when the drop was taken.
bool Drop(QWidget& target, const QMimeData& data) {
    const QPointF at = QRectF(target.rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

TEST(ViewerOpening, ADroppedFileOpensAsItsButtonWouldAnywhereOnTheWindow) {
    CViewerUnderTest window;
    const auto dicom = Carrying({QUrl("https://example.org/x.dcm"), QUrl::fromLocalFile("/data/a b.dcm")});
    ASSERT_TRUE(Drop(window.Dialog(), *dicom));
    EXPECT_EQ(window.viewer.Take().substr(0, 43), "OpenOption(1) OpenFile('/data/a b.dcm') Vie");
    EXPECT_EQ(window.Edit(0), "/data/a b.dcm");

    // On an edit box the drop opens the file rather than adding its name to the box's text.
    const auto tif = Carrying({QUrl::fromLocalFile("/img/scan.TIFF")});
    ASSERT_TRUE(Drop(*window.Dialog().EditBoxes()[5], *tif));
    EXPECT_EQ(window.viewer.Take(), "OpenOption(1) FileName('/img/scan.TIFF') ViewMode(10)");
    EXPECT_EQ(window.Edit(5), "");

    const auto web = Carrying({QUrl("https://example.org/x.dcm")});
    EXPECT_FALSE(Drop(window.Dialog(), *web));
    EXPECT_EQ(window.viewer.Take(), "");
}

TEST(ViewerOpening, KeysRunTheCommandsOfTheirButtons) {
    const struct {
        QKeySequence keys;
        const char* calls;
    } cases[] = {
        {QKeySequence(Qt::Key_PageDown), "PageCount ViewMode(10) GoToPage(3)"},
        {QKeySequence(Qt::Key_PageUp), "GoToPage(2) PageCount ViewMode(10) GoToPage(1)"},
        {QKeySequence(Qt::Key_End), "PageCount ViewMode(10) GoToPage(4)"},
        {QKeySequence(Qt::Key_Home), "ViewMode(10) GoToPage(1)"},
        {QKeySequence(Qt::Key_Plus), "ZoomIn"},
        {QKeySequence(Qt::Key_Equal), "ZoomIn"},
        {QKeySequence(Qt::Key_Minus), "ZoomOut"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "OpenOption(1) OpenFile('/data/k.dcm')"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), "SaveImage('/out/k.png','',0,0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys.toString().toStdString());
        CViewerUnderTest window;
        window.viewer.pageCount = 4;
        window.StartAtPage(2);
        window.dialogs.opens.push_back({"/data/k.dcm"});
        window.dialogs.saves.push_back("/out/k.png");
        window.Dialog().ViewerControl()->setFocus();
        QTest::keySequence(&window.Dialog(), c.keys);
        EXPECT_EQ(window.viewer.Take().substr(0, std::string(c.calls).size()), c.calls);
    }
}

TEST(ViewerOpening, KeysThatAnEditBoxTypesStayWithItAndCtrlQCloses) {
    CViewerUnderTest window;
    window.viewer.pageCount = 4;
    CSkinEdit& goTo = *window.Dialog().EditBoxes()[5];
    goTo.setFocus();
    QTest::keyClicks(&goTo, "-12");
    QTest::keyClick(&goTo, Qt::Key_Home);
    QTest::keyClick(&goTo, Qt::Key_Plus);
    EXPECT_EQ(goTo.text(), "+-12");
    EXPECT_EQ(window.viewer.Take(), "");

    QTest::keyClick(&goTo, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.Dialog().isVisible());
    EXPECT_EQ(window.Dialog().result(), QDialog::Accepted);
}

TEST(ViewerOpening, WithoutAWindowManagerMinimiseShrinksTheWindowToItsIconUntilClicked) {
    CViewerUnderTest window;
    CViewerDialog& dialog = window.Dialog();
    const QSize size = dialog.size();
    QWidget* progress = dialog.FindSlider("SLIDER_PROGRESS");
    ASSERT_TRUE(progress->isHidden());

    dialog.OnSkinButton("BUTTON_MINIMIZE");
    ASSERT_TRUE(dialog.IsIconic());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_LT(dialog.width(), 100);
    EXPECT_EQ(dialog.width(), dialog.height());
    EXPECT_TRUE(dialog.mask().isEmpty());
    EXPECT_TRUE(dialog.ViewerControl()->isHidden());
    EXPECT_TRUE(dialog.EditBoxes()[0]->isHidden());
    // Commands by key wait until the window is back.
    QTest::keyClick(&dialog, Qt::Key_Minus);
    EXPECT_EQ(window.viewer.Take(), "");

    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.rect().center());
    EXPECT_FALSE(dialog.IsIconic());
    EXPECT_EQ(dialog.size(), size);
    EXPECT_EQ(dialog.mask(), dialog.Shape());
    EXPECT_FALSE(dialog.ViewerControl()->isHidden());
    EXPECT_FALSE(dialog.EditBoxes()[0]->isHidden());
    EXPECT_TRUE(progress->isHidden());  // what the skin hid stays hidden
}

// The viewer window with its window menu at hand.
class CMenuProbe : public CViewerDialog {
public:
    using CViewerDialog::FillWindowMenu;
};

TEST(ViewerOpening, TheWindowMenusMinimiseDoesWhatTheButtonDoes) {
    CRecordedBoxes boxes;
    CMenuProbe dialog;
    dialog.show();
    QMenu menu;
    dialog.FillWindowMenu(menu);
    ASSERT_FALSE(menu.actions().isEmpty());
    menu.actions().front()->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return dialog.IsIconic(); }));
}

// The real viewer control with real files.
class ViewerWithItsControl : public ::testing::Test {
protected:
    void SetUp() override { window.Dialog().Viewer().Attach(window.Dialog().ViewerControl()); }

    CViewerUnderTest window;
};

TEST_F(ViewerWithItsControl, AFileNamedAtStartOpensOnceTheWindowRunsAndPagesToItsEnd) {
    window.Dialog().OpenWhenShown(PydicomFile("rtdose.dcm"));
    EXPECT_EQ(window.Edit(0), "");  // not before the event loop runs
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Edit(0) == PydicomFile("rtdose.dcm"); }));
    EXPECT_EQ(window.Edit(4), "15");
    EXPECT_EQ(window.Edit(3), "1");
    EXPECT_FALSE(window.Rows(0).empty());
    EXPECT_FALSE(window.Rows(1).empty());
    for (int page = 2; page <= 15; ++page) {
        window.Dialog().OnSkinButton("BUTTON_NEXT");
    }
    EXPECT_EQ(window.Dialog().ViewerControl()->ShowFileIndex(), 15);
    EXPECT_TRUE(window.boxes.shown.empty());
    window.Dialog().OnSkinButton("BUTTON_NEXT");
    EXPECT_EQ(window.boxes.Texts(), Texts{"The page is a last one!"});
    EXPECT_EQ(window.Edit(3), "15");
}

TEST_F(ViewerWithItsControl, FilesThatDoNotOpenSayWhyAndTheWindowStays) {
    CTempDir folder;
    const std::string text = folder.Write("notes.txt", "not an image");
    window.Dialog().OpenImagePath(text);
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].text.rfind("Cannot open \"" + text + "\": ", 0), 0u)
        << window.boxes.shown[0].text;
    EXPECT_GT(window.boxes.shown[0].text.size(), text.size() + 16);
    EXPECT_EQ(window.Edit(4), "0");

    // The TIF route hears the reason from the control's error, caught at the drop.
    window.Dialog().OpenDropped(folder.File("missing.tif"));
    ASSERT_EQ(window.boxes.shown.size(), 2u);
    EXPECT_EQ(window.boxes.shown[1].text.rfind("Cannot open \"" + folder.File("missing.tif") + "\": ", 0),
              0u);
    EXPECT_EQ(window.boxes.shown[1].icon, CMessageBoxes::Icon::Stop);
    EXPECT_TRUE(window.Dialog().isVisible());
}

}  // namespace
