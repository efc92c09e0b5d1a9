#include <gtest/gtest.h>

#include <QTimer>
#include <QtTest/QTest>
#include <filesystem>

#include "app/ViewerDialog.h"
#include "common/SkinFolder.h"
#include "skin/SkinFolder.h"
#include "viewer/ImageViewerControl.h"

namespace {

// Runs the test body with the current folder set to `folder`, restoring it afterwards.
class CCurrentFolder {
public:
    explicit CCurrentFolder(const std::string& folder) : m_saved(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CCurrentFolder() { std::filesystem::current_path(m_saved); }

private:
    std::filesystem::path m_saved;
};

TEST(ViewerDialog, LoadsTheSkinOfTheWorkingSkinFolderAndPlacesTheViewerControlWhenShown) {
    CTempDir start;
    const CSkinFixture skin(start.File("Test"));
    skin.Picture("back.bmp", SolidPicture(60, 40, qRgb(90, 40, 120)));
    skin.Description("[Screen]\nMain=back.bmp\n[CONTROL]\nCONTROL=10,12,30,25\n");
    CCurrentFolder current(start.Path());

    CViewerDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(60, 40));
    EXPECT_EQ(SkinFolder(), start.Path() + "/Test/");
    EXPECT_EQ(dialog.CurrentSkin(), 0);
    EXPECT_EQ(dialog.CurrentPage(), 1);
    EXPECT_FALSE(dialog.windowIcon().isNull());
    // The viewer control sits in the skin's control rectangle, driven through the wrapper.
    CImageViewerControl* control = dialog.ViewerControl();
    EXPECT_EQ(control->geometry(), QRect(10, 12, 20, 13));
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(dialog.Viewer().Target(), control);
    EXPECT_EQ(dialog.Viewer().PageCount(), 0);
}

TEST(ViewerDialog, EndsOnlyByItsOwnMeansNotByEscape) {
    CTempDir start;
    CCurrentFolder current(start.Path());
    CViewerDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();  // what the task bar's close command does
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

}  // namespace
