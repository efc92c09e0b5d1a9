#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QtTest/QTest>
#include <filesystem>

#include "platform/Bitmap.h"
#include "skin/SkinDialog.h"

namespace {

constexpr QRgb kKey = qRgb(255, 0, 255);
constexpr SkinColor kKeyColor = 0x00FF00FF;

QImage Picture(int width, int height, QRgb fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

TEST(SkinDialogShape, CutsOutExactlyTheKeyPixels) {
    CSkinDialog dialog;
    QImage picture = Picture(6, 4, qRgb(10, 20, 30));
    picture.setPixel(0, 0, kKey);
    picture.setPixel(5, 3, kKey);
    picture.setPixel(2, 1, qRgb(254, 0, 255));  // one off in red: stays
    QRegion shape;
    EXPECT_TRUE(dialog.BuildShape(shape, CBitmap(picture), kKeyColor));
    EXPECT_EQ(dialog.mask(), shape);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(5, 3)));
    EXPECT_TRUE(shape.contains(QPoint(2, 1)));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
}

TEST(SkinDialogShape, WithoutKeyPixelsItIsThePictureRectangle) {
    CSkinDialog dialog;
    dialog.resize(50, 40);  // a window larger than its picture shows nothing beyond it
    QRegion shape;
    EXPECT_FALSE(dialog.BuildShape(shape, CBitmap(Picture(6, 4, qRgb(1, 1, 1))), kKeyColor));
    EXPECT_EQ(shape, QRegion(0, 0, 6, 4));
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 6, 4));
}

TEST(SkinDialogShape, WithoutAPictureTheWindowKeepsItsRectangle) {
    CSkinDialog dialog;
    QRegion shape(0, 0, 3, 3);
    EXPECT_FALSE(dialog.BuildShape(shape, CBitmap(), kKeyColor));
    EXPECT_TRUE(shape.isEmpty());
    EXPECT_TRUE(dialog.mask().isEmpty());
}

TEST(SkinDialog, FormatTime) {
    const std::pair<int, const char*> cases[] = {
        {0, "00:00:00"},    {59, "00:00:59"},     {90, "00:01:30"},     {3599, "00:59:59"},
        {7200, "02:00:00"}, {359999, "99:59:59"}, {400000, "99:59:59"}, {-5, "00:00:00"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(CSkinDialog::FormatTime(seconds), text) << seconds;
    }
}

TEST(SkinDialog, GetFolderOf) {
    CSkinDialog dialog;
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(dialog.GetFolderOf("Test/Skin.ini"), cwd + "/Test/");
    EXPECT_EQ(dialog.GetFolderOf("Test//Skin.ini"), cwd + "/Test/");
    EXPECT_EQ(dialog.GetFolderOf("./Test/../Skins/Skin.ini"), cwd + "/Skins/");
    EXPECT_EQ(dialog.GetFolderOf("/abs/path/Skin.ini"), "/abs/path/");
    EXPECT_EQ(dialog.GetFolderOf("/Skin.ini"), "/");
    EXPECT_EQ(dialog.GetFolderOf("Skin.ini"), cwd + "/");
}

// Records the name-based events a derived window would receive.
class CRecordingDialog : public CSkinDialog {
public:
    std::vector<std::string> events;
    void OnSkinMouseMove(const std::string& name, int x, int y) override {
        events.push_back("move '" + name + "' " + std::to_string(x) + "," + std::to_string(y));
    }
};

TEST(SkinDialog, EscapeAndEnterReachNeitherTheDialogNorItsControls) {
    CRecordingDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    int returns = 0;
    QObject::connect(edit, &QLineEdit::returnPressed, [&returns] { ++returns; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    edit->setFocus();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(edit, key);
        QTest::keyClick(&dialog, key);
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(returns, 0);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(edit->text(), "a");  // other keys still arrive
}

TEST(SkinDialog, PressOnTheBackgroundMovesTheWindow) {
    CRecordingDialog dialog;
    dialog.resize(200, 100);
    dialog.move(100, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();
    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 35), dialog.mapToGlobal(QPointF(50, 35)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(50, 35));
    EXPECT_EQ(dialog.pos(), start + QPoint(30, 15));
    EXPECT_EQ(dialog.events.back(), "move '' 50,35");
}

}  // namespace
