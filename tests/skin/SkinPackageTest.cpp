#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>

#include "common/MessageRecorder.h"
#include "common/TempDir.h"
#include "controls/ComboList.h"
#include "controls/SkinButton.h"
#include "controls/SkinCombo.h"
#include "skin/FallbackLook.h"
#include "skin/SkinDialog.h"

namespace fs = std::filesystem;

namespace {

using Answer = CMessageBoxes::Answer;

constexpr char kRetryQuestion[] =
    "The central directory was not found. If you're opening a multi-disk archive, make sure you have "
    "inserted the last disk. Retry?";

std::string Packages(const std::string& folder) {
    return std::string(SKIN_PACKAGES) + "/" + folder;
}

// Points the process's temporary folder at a folder of the test's own, so that the folders
// extractions make there can be counted.
class CTemporaryFolderOverride {
public:
    CTemporaryFolderOverride() : m_saved(qgetenv("TMPDIR")) { qputenv("TMPDIR", m_folder.Path().c_str()); }
    ~CTemporaryFolderOverride() { qputenv("TMPDIR", m_saved); }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder.Path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    CTempDir m_folder;
    QByteArray m_saved;
};

// Opens the protected window menu to tests.
class CMenuDialog : public CSkinDialog {
public:
    using CSkinDialog::FillWindowMenu;
};

// The Change Skin entries of the window menu with their check marks, after the menu asked for
// them as it does before it shows.
std::vector<bool> CheckMarks(CMenuDialog& dialog) {
    QMenu menu;
    dialog.FillWindowMenu(menu);
    QMenu* skins = menu.actions().last()->menu();
    emit skins->aboutToShow();
    std::vector<bool> marks;
    for (const QAction* action : skins->actions()) {
        marks.push_back(action->isChecked());
    }
    return marks;
}

TEST(SkinPackage, LoadingReportsEachFailureAndNeverLeavesAnExtractionFolder) {
    const std::string noCentralDirectory = kRetryQuestion;
    struct SCase {
        const char* package;
        std::deque<Answer> answers;
        std::vector<std::string> messages;
        bool skin;    // a background was loaded
        bool button;  // the description was read
    } cases[] = {
        {"good.zip", {}, {}, true, true},
        {"missing.zip", {}, {"Open failed"}, false, false},
        {"text.zip", {Answer::No}, {noCentralDirectory, "Open failed"}, false, false},
        {"text.zip",
         {Answer::Yes, Answer::No},
         {noCentralDirectory, noCentralDirectory, "Open failed"},
         false,
         false},
        // Entries before the damaged one are there: the description and the background.
        {"damaged.zip", {}, {"Extract failed"}, true, true},
        // Nothing at the top: no description, no controls.
        {"nested.zip", {}, {}, false, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.package);
        CTemporaryFolderOverride temporary;
        CMessageRecorder recorder(c.answers);
        CSkinDialog dialog;
        dialog.SetPackageFolders({Packages("cases")});
        dialog.LoadPackage(c.package);

        std::vector<std::string> texts;
        for (const CMessageRecorder::SMessage& message : recorder.Messages()) {
            texts.push_back(message.text.toStdString());
            EXPECT_EQ(message.caption, QCoreApplication::applicationName());
            EXPECT_EQ(message.icon, CMessageBoxes::Icon::Stop);
            EXPECT_EQ(message.buttons, message.text == kRetryQuestion ? CMessageBoxes::Buttons::YesNo
                                                                      : CMessageBoxes::Buttons::Ok);
        }
        EXPECT_EQ(texts, c.messages);
        EXPECT_EQ(dialog.HasSkin(), c.skin);
        EXPECT_EQ(dialog.FindButton("BUTTON_GOOD") != nullptr, c.button);
        EXPECT_TRUE(temporary.Entries().empty());
        // Without a skin the window takes a plain look that says where it looked.
        ASSERT_EQ(dialog.FallbackLook() != nullptr, !c.skin);
        if (!c.skin) {
            EXPECT_TRUE(dialog.FallbackLook()->Message().contains(QString::fromStdString(Packages("cases"))));
            EXPECT_LE(dialog.width(), 800);
            EXPECT_LE(dialog.height(), 600);
        }
    }
}

TEST(SkinPackage, DeleteFolderRemovesReadOnlyContentAndSubFoldersButNotWhatLinksPointAt) {
    CTempDir root;
    const std::string folder = root.File("work");
    CMessageRecorder recorder;
    CSkinDialog dialog;
    dialog.ExtractPackage(Packages("cases/readonly.zip"), folder);
    ASSERT_TRUE(recorder.Messages().empty());
    ASSERT_TRUE(fs::exists(folder + "/locked/note.txt"));
    const std::string outside = root.Write("outside.txt", "stays");
    fs::create_symlink(outside, folder + "/link");
    fs::create_directory_symlink(root.Path(), folder + "/locked/up");
    // A folder without write rights, as a package made elsewhere can leave it.
    fs::permissions(folder + "/locked", fs::perms::owner_read | fs::perms::owner_exec);

    CSkinDialog::DeleteFolder(folder);
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder)));
    std::ifstream kept(outside);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "stays");
}

TEST(SkinPackage, EachChangeSkinCommandLoadsItsPackageAndMovesTheCheckMark) {
    CMessageRecorder recorder;
    CMenuDialog dialog;
    dialog.SetPackageFolders({Packages("switch")});
    dialog.show();
    // Right after start the mark sits on the first entry, whatever skin was loaded first.
    EXPECT_EQ(CheckMarks(dialog), std::vector<bool>({true, false, false, false, false, false, false, false}));

    const char* const buttons[] = {"BUTTON_ORANGE", "BUTTON_BLACK", "BUTTON_PURPLE", "BUTTON_BLUE",
                                   "BUTTON_RED",    "BUTTON_GRAY",  "BUTTON_PINK",   "BUTTON_DELUXE"};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(buttons[i]);
        dialog.OnChangeSkin(32771 + i);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.CurrentSkin(), i);
        EXPECT_EQ(dialog.width(), 50 + i);
        ASSERT_EQ(dialog.PushButtons().size(), 1u);
        EXPECT_EQ(dialog.PushButtons()[0]->Name(), buttons[i]);
        // Every switch gives the first combo box's list three rows at its end.
        ASSERT_EQ(dialog.ComboBoxes().size(), 1u);
        const CComboList& list = *dialog.ComboBoxes()[0]->List();
        ASSERT_EQ(list.topLevelItemCount(), 3);
        EXPECT_EQ(list.topLevelItem(2)->text(0), "item3");
        std::vector<bool> marks(8, false);
        marks[static_cast<size_t>(i)] = true;
        EXPECT_EQ(CheckMarks(dialog), marks);
    }
    EXPECT_TRUE(recorder.Messages().empty());

    // Other commands are none of the skin window's business.
    dialog.OnChangeSkin(32779);
    EXPECT_EQ(dialog.CurrentSkin(), 7);
}

TEST(SkinPackage, AFailedSwitchShowsThePlainLookWhoseCloseEndsTheDialog) {
    CMessageRecorder recorder;
    CSkinDialog dialog;
    dialog.SetPackageFolders({Packages("cases")});
    dialog.show();
    dialog.OnChangeSkin(32771);  // no Orange.zip there
    EXPECT_EQ(recorder.Texts(), std::vector<QString>({"Open failed"}));
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_NE(dialog.FallbackLook(), nullptr);
    EXPECT_TRUE(dialog.mask().isEmpty());
    dialog.FallbackLook()->CloseButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // A later switch that finds its package takes the plain look away again.
    dialog.SetPackageFolders({Packages("switch")});
    dialog.OnChangeSkin(32772);
    EXPECT_EQ(dialog.FallbackLook(), nullptr);
    EXPECT_NE(dialog.FindButton("BUTTON_BLACK"), nullptr);
}

// Right-clicks `point` of the dialog and chooses the menu entries named in `path` once the menu
// shows; returns the texts of the top menu's entries, empty when no menu opened.
QStringList RightClickAndChoose(QWidget& dialog, QPoint point, const QStringList& path) {
    QStringList entries;
    QTimer::singleShot(50, [&entries, path] {
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        for (const QAction* action : menu->actions()) {
            entries << action->text();
        }
        for (const QString& text : path) {
            for (QAction* action : menu->actions()) {
                if (action->text() == text) {
                    if (action->menu()) {
                        menu = action->menu();
                    } else {
                        action->trigger();
                    }
                }
            }
        }
        QApplication::activePopupWidget()->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, dialog.mapToGlobal(point));
    QApplication::sendEvent(&dialog, &event);
    QTest::qWait(100);
    return entries;
}

TEST(SkinPackage, ARightClickOnTheBackgroundOpensTheWindowMenu) {
    CMessageRecorder recorder;
    CSkinDialog dialog;
    dialog.SetPackageFolders({Packages("switch")});
    dialog.OnChangeSkin(32771);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    // Over a control, the control's own business.
    EXPECT_TRUE(RightClickAndChoose(dialog, QPoint(25, 5), {}).isEmpty());

    EXPECT_EQ(RightClickAndChoose(dialog, QPoint(45, 25), {"&Change Skin", "Bl&ue"}),
              QStringList({"Minimise", "Close", "&Change Skin"}));
    EXPECT_EQ(dialog.CurrentSkin(), 3);
    EXPECT_NE(dialog.FindButton("BUTTON_BLUE"), nullptr);
    EXPECT_TRUE(dialog.isVisible());

    RightClickAndChoose(dialog, QPoint(45, 25), {"Close"});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
