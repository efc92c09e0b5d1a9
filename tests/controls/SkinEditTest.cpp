#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "RecordingHost.h"
#include "controls/SkinEdit.h"

namespace {

constexpr QRgb kBack = qRgb(20, 30, 40);
constexpr QRgb kText = qRgb(250, 250, 250);
constexpr QRgb kBorder = qRgb(200, 10, 10);

// Skin colours hold red in the low byte.
SkinColor Skin(QRgb rgb) {
    return static_cast<SkinColor>(qRed(rgb)) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

bool HasPixel(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST(SkinEdit, ShowsTheSkinColoursEnabledOrNot) {
    for (const bool enabled : {true, false}) {
        for (const bool combo : {false, true}) {
            SCOPED_TRACE(std::string(enabled ? "enabled" : "disabled") + (combo ? " combo edit" : " edit"));
            CRecordingHost host;
            CSkinEdit* edit = combo ? new CComboEdit(&host) : new CSkinEdit(&host);
            edit->setGeometry(10, 10, 120, 24);
            QFont large("DejaVu Sans");
            large.setPixelSize(20);  // strokes wide enough to hold pixels of the pure text colour
            edit->setFont(large);
            edit->SetBackColor(Skin(kBack));
            edit->SetTextColor(Skin(kText));
            edit->SetBorderColor(Skin(kBorder));
            edit->setEnabled(enabled);
            QImage shot = Shot(*edit);
            EXPECT_EQ(shot.pixel(0, 0), kBorder);
            EXPECT_EQ(shot.pixel(119, 23), kBorder);
            EXPECT_EQ(shot.pixel(60, 1), kBack);
            EXPECT_EQ(shot.pixel(100, 12), kBack);
            EXPECT_FALSE(HasPixel(shot, kText));
            edit->setText("HHHH");
            EXPECT_TRUE(HasPixel(Shot(*edit), kText));
        }
    }
}

TEST(SkinEdit, ABorderWithoutColourIsNotDrawnAndColoursChangeAtRunTime) {
    CSkinEdit edit;
    edit.resize(50, 20);
    edit.SetBackColor(Skin(kBack));
    edit.SetBorderColor(kNoColor);
    EXPECT_EQ(Shot(edit).pixel(0, 0), kBack);
    edit.SetBackColor(Skin(kBorder));
    EXPECT_EQ(Shot(edit).pixel(25, 10), kBorder);
}

TEST(SkinEdit, TakesTypedText) {
    CRecordingHost host;
    auto* edit = new CSkinEdit(&host);
    edit->setGeometry(10, 10, 120, 24);
    ASSERT_TRUE(host.ShowActive());
    edit->setFocus();
    QTest::keyClicks(edit, "500");
    EXPECT_EQ(edit->text(), "500");
    EXPECT_TRUE(host.events.empty());
}

}  // namespace
