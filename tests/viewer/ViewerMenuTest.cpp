#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest/QTest>
#include <memory>

#include "DicomFixtures.h"
#include "viewer/ImageViewerControl.h"

namespace {

// A grey 8 x 4 page of the value 100 with a bright 1000 in its top-left pixel; the file's
// window is centre 200, width 400.
std::string WritePage(const CTempDir& folder) {
    CDicomWriter writer;
    writer.Image(4, 8, 1, 16, 16, false, "MONOCHROME2", 1);
    writer.Text(0x0028, 0x1050, "DS", "200").Text(0x0028, 0x1051, "DS", "400");
    std::vector<std::uint16_t> words(32, 100);
    words[0] = 1000;
    writer.Bytes(0x7FE0, 0x0010, "OW", LittleEndianWords(words));
    const std::string path = folder.File("page.dcm");
    writer.Save(path);
    return path;
}

QAction* Find(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
        if (QAction* inner = action->menu() ? Find(*action->menu(), text) : nullptr) {
            return inner;
        }
    }
    return nullptr;
}

// The entry of `menu` or of its submenus with `text`.
QAction* Entry(const QMenu& menu, const QString& text) {
    if (QAction* action = Find(menu, text)) {
        return action;
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
    static QAction missing;
    return &missing;
}

QStringList Texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

class ViewerMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_control.resize(400, 300);
        m_control.show();
        m_control.SetButtonHandler([this](const std::string& button) { m_buttons.push_back(button); });
    }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    void OpenAndShow() {
        ASSERT_TRUE(m_control.Open(WritePage(m_folder))) << m_control.LastError();
        QTRY_VERIFY_WITH_TIMEOUT(m_control.IsPageShown(), 5000);
    }

    // Builds the menu as it would show now and triggers one entry.
    void Trigger(const QString& text) {
        const std::unique_ptr<QMenu> menu(m_control.CreateMenu(nullptr));
        QAction* action = Entry(*menu, text);
        ASSERT_TRUE(action->isEnabled()) << text.toStdString();
        action->trigger();
    }

    QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    CTempDir m_folder;
    CImageViewerControl m_control;
    std::vector<std::string> m_buttons;
};

TEST_F(ViewerMenuTest, EntriesThatStandForButtonsCallTheWindowsHandlerWithTheButtonsName) {
    const std::pair<const char*, const char*> entries[] = {
        {"Open...", "BUTTON_BROWSE1"}, {"Open TIF...", "BUTTON_PLAY"}, {"Save...", "BUTTON_SAVE"},
        {"100 %", "BUTTON_ZOOM100"},   {"Zoom in", "BUTTON_IN"},       {"Zoom out", "BUTTON_OUT"},
        {"Play", "BUTTON_START"},
    };
    for (const auto& [text, button] : entries) {
        m_buttons.clear();
        Trigger(text);
        EXPECT_EQ(m_buttons, std::vector<std::string>{button}) << text;
    }
    // Nothing but the window does what these do; without a window they are off.
    m_control.SetButtonHandler(nullptr);
    const std::unique_ptr<QMenu> menu(m_control.CreateMenu(nullptr));
    for (const auto& [text, button] : entries) {
        EXPECT_FALSE(Entry(*menu, text)->isEnabled()) << text;
    }
}

TEST_F(ViewerMenuTest, WindowEntriesSetTheFilesTheFullRangeOrAPresetWindow) {
    {
        const std::unique_ptr<QMenu> menu(m_control.CreateMenu(nullptr));
        EXPECT_FALSE(Entry(*menu, "Window")->isEnabled());  // nothing shown
    }
    OpenAndShow();
    const struct {
        const char* text;
        double centre;
        double width;
    } cases[] = {
        {"Lung\tW 1500  C -600", -600, 1500},  {"Brain\tW 80  C 40", 40, 80},
        {"Bone\tW 1800  C 400", 400, 1800},    {"Abdomen\tW 400  C 50", 50, 400},
        {"Mediastinum\tW 350  C 50", 50, 350}, {"Min-max", 550, 900},
        {"From the file", 200, 400},
    };
    for (const auto& c : cases) {
        Trigger(c.text);
        ASSERT_TRUE(m_control.AppliedWindow()) << c.text;
        EXPECT_EQ(m_control.AppliedWindow()->centre, c.centre) << c.text;
        EXPECT_EQ(m_control.AppliedWindow()->width, c.width) << c.text;
        // The next menu marks the window in use.
        const std::unique_ptr<QMenu> menu(m_control.CreateMenu(nullptr));
        EXPECT_TRUE(Entry(*menu, c.text)->isChecked()) << c.text;
    }
}

TEST_F(ViewerMenuTest, FitInvertOverlayStopAndCopyActOnTheControl) {
    {
        const std::unique_ptr<QMenu> menu(m_control.CreateMenu(nullptr));
        EXPECT_FALSE(Entry(*menu, "Copy image")->isEnabled());
        EXPECT_FALSE(Entry(*menu, "Copy entry value")->isEnabled());
        EXPECT_FALSE(Entry(*menu, "Stop")->isEnabled());
    }
    OpenAndShow();
    m_control.SetViewMode(5);
    Trigger("Fit");
    EXPECT_TRUE(m_control.IsFitted());

    // Inverted as shown, copied and saved alike; 100 in the window 200 / 400 is grey 64.
    EXPECT_EQ(qGray(m_control.PageImage().pixel(3, 2)), 64);
    Trigger("Invert");
    EXPECT_TRUE(m_control.IsInverted());
    EXPECT_EQ(qGray(m_control.PageImage().pixel(3, 2)), 255 - 64);
    Trigger("Copy image");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_Grayscale8),
              m_control.PageImage());
    ASSERT_EQ(m_control.SaveImage(m_folder.File("inverted.png"), "", 0, 0), 1);
    EXPECT_EQ(qGray(QImage(QString::fromStdString(m_folder.File("inverted.png"))).pixel(3, 2)), 255 - 64);
    Trigger("Invert");
    EXPECT_FALSE(m_control.IsInverted());

    Trigger("Overlay");
    EXPECT_FALSE(m_control.IsOverlayShown());

    ASSERT_TRUE(m_control.Start(1000));
    Trigger("Stop");
    EXPECT_FALSE(m_control.IsPlaying());

    // The value copied is the one last asked for, as the window's value list shows it.
    EXPECT_EQ(m_control.EntryName(0, 0), "File Name");
    m_control.EntryValue(0, 0);
    Trigger("Copy entry value");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "page.dcm");
    m_control.EntryValue(0, -1);
    const std::unique_ptr<QMenu> menu(m_control.CreateMenu(nullptr));
    EXPECT_FALSE(Entry(*menu, "Copy entry value")->isEnabled());
}

TEST_F(ViewerMenuTest, ARightClickOpensTheMenuAndARightDragOnlySetsTheWindow) {
    OpenAndShow();
    QWidget* view = m_control.viewport();
    // A click that shakes a little leaves the window as it was.
    QTest::mousePress(view, Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(103, 101));
    QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(103, 101));
    QMenu* menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(m_control.AppliedWindow()->width, 400);
    EXPECT_EQ(Entry(*menu, "Zoom in")->isEnabled(), true);
    menu->close();

    QTest::mousePress(view, Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(150, 80));
    QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(150, 80));
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_NE(m_control.AppliedWindow()->width, 400);

    // The menu key opens it too; a mouse's context menu event does not (its release does).
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(10, 10), view->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(view, &mouse);
    EXPECT_EQ(OpenPopup(), nullptr);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(10, 10), view->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(view, &key);
    EXPECT_NE(OpenPopup(), nullptr);
}

TEST_F(ViewerMenuTest, EntriesAWindowAddsComeAtTheEndOfTheirGroup) {
    QAction folder("Open folder...");
    QMenu seriesMenu("Series");
    auto* gone = new QAction("Gone");
    m_control.AddMenuAction(CImageViewerControl::EMenuGroup::File, &folder);
    m_control.AddMenuAction(CImageViewerControl::EMenuGroup::File, gone);
    m_control.AddMenuAction(CImageViewerControl::EMenuGroup::Copy, seriesMenu.menuAction());
    delete gone;
    const std::unique_ptr<QMenu> menu(m_control.CreateMenu(nullptr));
    EXPECT_EQ(Texts(*menu), QStringList({"Open...",
                                         "Open TIF...",
                                         "Save...",
                                         "Open folder...",
                                         "-",
                                         "Fit",
                                         "100 %",
                                         "Zoom in",
                                         "Zoom out",
                                         "-",
                                         "Window",
                                         "Invert",
                                         "Overlay",
                                         "-",
                                         "Play",
                                         "Stop",
                                         "-",
                                         "Copy image",
                                         "Copy entry value",
                                         "Series"}));
}

}  // namespace
