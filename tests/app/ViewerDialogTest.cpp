#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>

#include "app/PackageFolders.h"
#include "app/ViewerDialog.h"
#include "common/MessageRecorder.h"
#include "common/TempDir.h"
#include "controls/ComboDropButton.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "platform/ModalRun.h"
#include "platform/ScreenInfo.h"
#include "skin/FallbackLook.h"
#include "viewer/ImageViewerControl.h"

namespace fs = std::filesystem;

namespace {

// Runs the test body with the current folder set to `folder`, restoring it afterwards.
class CCurrentFolder {
public:
    explicit CCurrentFolder(const std::string& folder) : m_saved(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CCurrentFolder() { fs::current_path(m_saved); }

private:
    fs::path m_saved;
};

// A start folder holding the viewer's test package as Purple.skn and Orange.zip.
class CStartFolder {
public:
    CStartFolder() {
        for (const char* name : {"Purple.skn", "Orange.zip"}) {
            QFile::copy(QString(SKIN_PACKAGES "/viewer/") + name,
                        QString::fromStdString(m_folder.File(name)));
        }
    }
    const CTempDir& Folder() const { return m_folder; }

private:
    CTempDir m_folder;
};

std::string ReadText(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> Tree(const std::string& root) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        names.push_back(fs::relative(entry.path(), root).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ViewerDialog, InitialisationPreparesTheControlsTheCommandsUse) {
    CStartFolder start;
    start.Folder().Write("Test/keep.txt", "the user's own file");
    CCurrentFolder current(start.Folder().Path());
    CMessageRecorder recorder;

    CViewerDialog dialog;
    dialog.show();
    EXPECT_TRUE(recorder.Messages().empty());
    EXPECT_TRUE(dialog.HasSkin());
    EXPECT_EQ(dialog.size(), QSize(360, 260));
    EXPECT_EQ(dialog.CurrentSkin(), 0);
    EXPECT_EQ(dialog.CurrentPage(), 1);
    EXPECT_FALSE(dialog.windowIcon().isNull());
    // A folder named Test where the viewer starts is the user's, and stays as it was.
    EXPECT_EQ(fs::current_path(), fs::path(start.Folder().Path()));
    EXPECT_EQ(Tree(start.Folder().Path()),
              std::vector<std::string>({"Orange.zip", "Purple.skn", "Test", "Test/keep.txt"}));
    EXPECT_EQ(ReadText(start.Folder().File("Test/keep.txt")), "the user's own file");

    // The viewer control sits in the skin's control rectangle, driven through the wrapper.
    CImageViewerControl* control = dialog.ViewerControl();
    EXPECT_EQ(control->geometry(), QRect(10, 10, 320, 80));
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(dialog.Viewer().Target(), control);

    // Number, 200-pixel text, 50-pixel and the creation's text column, one "None" row.
    ASSERT_EQ(dialog.ListBoxes().size(), 3u);
    for (const auto& list : dialog.ListBoxes()) {
        ASSERT_EQ(list->columnCount(), 4);
        EXPECT_EQ(list->columnWidth(0), 35);
        EXPECT_EQ(list->columnWidth(1), 200);
        EXPECT_EQ(list->columnWidth(2), 50);
        ASSERT_EQ(list->topLevelItemCount(), 1);
        const QTreeWidgetItem* row = list->topLevelItem(0);
        EXPECT_EQ(QStringList({row->text(0), row->text(1), row->text(2), row->text(3)}),
                  QStringList({"  1.", "None", "", ""}));
    }
    ASSERT_EQ(dialog.EditBoxes().size(), 7u);
    EXPECT_EQ(dialog.EditBoxes()[6]->text(), "500");
    EXPECT_EQ(dialog.EditBoxes()[5]->text(), "");
    ASSERT_EQ(dialog.ComboBoxes().size(), 1u);
    const CSkinCombo& combo = *dialog.ComboBoxes()[0];
    EXPECT_FALSE(combo.isVisible());
    EXPECT_FALSE(combo.DropButton()->isVisible());
    EXPECT_TRUE(combo.Edit()->isVisible());
}

TEST(ViewerDialog, StartedFromAnyFolderItFindsTheSkinsThatComeWithIt) {
    CTempDir elsewhere;
    CCurrentFolder current(elsewhere.Path());
    CMessageRecorder recorder;
    CViewerDialog dialog;
    dialog.show();
    EXPECT_TRUE(recorder.Messages().empty());
    EXPECT_TRUE(dialog.HasSkin());
    EXPECT_GE(dialog.ListBoxes().size(), 3u);
    EXPECT_EQ(dialog.PackageFolders()[0], elsewhere.Path());
    EXPECT_TRUE(Tree(elsewhere.Path()).empty());
}

TEST(ViewerDialog, PackagesAreLookedForWhereItStartedThenWithTheProgramThenInTheUsersData) {
    CTempDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.Path().c_str());
    const std::vector<std::string> folders = SkinPackageFolders("/start");
    qputenv("XDG_DATA_HOME", saved);

    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0], "/start");
    EXPECT_TRUE(fs::exists(fs::path(folders[1]) / "Purple.skn")) << folders[1];
    EXPECT_EQ(folders[2], data.Path() + "/vitrine/skins");
}

// A start-up package that cannot be read is reported; the window then has its plain look, of a
// size the screen holds, with the viewer control and a Close that ends it.
TEST(ViewerDialog, WithoutASkinItHasAPlainUsableLook) {
    CTempDir start;
    start.Write("Purple.skn", "not an archive");
    CCurrentFolder current(start.Path());
    CMessageRecorder recorder;
    CViewerDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        ASSERT_NE(dialog.FallbackLook(), nullptr);
        dialog.FallbackLook()->CloseButton()->click();
    });
    EXPECT_EQ(RunModal(dialog), QDialog::Accepted);

    ASSERT_EQ(recorder.Messages().size(), 2u);
    EXPECT_EQ(recorder.Messages()[1].text, "Open failed");
    EXPECT_FALSE(dialog.HasSkin());
    const QSize room = CScreenInfo::Current().WorkArea().size();
    EXPECT_LE(dialog.width(), room.width());
    EXPECT_LE(dialog.height(), room.height());
    EXPECT_TRUE(dialog.FallbackLook()->Message().contains(QString::fromStdString(start.Path())));
    EXPECT_EQ(dialog.ViewerControl()->geometry(), CFallbackLook::ContentArea(dialog.size()));
}

// Hiding a dialog ends QDialog::exec(); a switch hides the window, and the program must go on,
// also when a message box closed while the window was hidden.
TEST(ViewerDialog, ASwitchLeavesTheProgramRunningUntilTheDialogEnds) {
    CStartFolder start;
    CCurrentFolder current(start.Folder().Path());
    CViewerDialog dialog;
    bool runningAfterSwitches = false;
    bool boxClosed = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.OnChangeSkin(32771);
        // Without Black.zip: a real message box, closed as a user would.
        dialog.SetPackageFolders({start.Folder().Path()});
        QTimer::singleShot(50, [&boxClosed] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxClosed = box->close();
            }
        });
        dialog.OnChangeSkin(32772);
        QTimer::singleShot(50, &dialog, [&] {
            runningAfterSwitches = dialog.isVisible();
            dialog.accept();
        });
    });
    EXPECT_EQ(RunModal(dialog), QDialog::Accepted);
    EXPECT_TRUE(boxClosed);
    EXPECT_TRUE(runningAfterSwitches);
    EXPECT_EQ(dialog.CurrentSkin(), 1);
}

TEST(ViewerDialog, ASwitchMovesTheViewerControlIntoTheNewSkinsRectangle) {
    CStartFolder start;
    CCurrentFolder current(start.Folder().Path());
    CViewerDialog dialog;
    dialog.show();
    ASSERT_EQ(dialog.ViewerControl()->geometry(), QRect(10, 10, 320, 80));
    dialog.OnChangeSkin(32771);
    EXPECT_EQ(dialog.ViewerControl()->geometry(), QRect(20, 30, 280, 50));
    EXPECT_TRUE(dialog.ViewerControl()->isVisible());
}

TEST(ViewerDialog, EndsOnlyByItsOwnMeansNotByEscape) {
    CStartFolder start;
    CCurrentFolder current(start.Folder().Path());
    CViewerDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();  // what the task bar's close command does
    });
    EXPECT_EQ(RunModal(dialog), QDialog::Rejected);
}

}  // namespace
