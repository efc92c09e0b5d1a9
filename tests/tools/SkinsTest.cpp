#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <set>

#include "SkinArt.h"
#include "Skins.h"
#include "common/TempDir.h"
#include "controls/ComboDropButton.h"
#include "controls/ComboList.h"
#include "controls/Label.h"
#include "controls/SkinButton.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "platform/Bitmap.h"
#include "platform/PixelRegion.h"
#include "skin/IniFile.h"
#include "skin/SkinDialog.h"
#include "skin/SkinEntries.h"
#include "skin/SkinFields.h"
#include "skin/SkinPackages.h"
#include "zip/ZipReader.h"

namespace {

// The commands of the viewer window, by button name: a skin shows no button without one.
const std::set<std::string> kCommands = {
    "BUTTON_EXIT",     "BUTTON_CLOSE",   "BUTTON_MINIMIZE", "BUTTON_BROWSE1", "BUTTON_BROWSE2",
    "BUTTON_ZOOM25",   "BUTTON_ZOOM33",  "BUTTON_ZOOM50",   "BUTTON_ZOOM75",  "BUTTON_ZOOM100",
    "BUTTON_ZOOM150",  "BUTTON_ZOOM200", "BUTTON_IN",       "BUTTON_OUT",     "BUTTON_START_1",
    "BUTTON_PREVIOUS", "BUTTON_NEXT",    "BUTTON_END",      "BUTTON_SAVE",    "BUTTON_PLAY",
    "BUTTON_START"};

// A screen of 1366 x 768 less a task bar.
const QSize kWorkArea(1366, 728);

struct SPlaced {
    std::string name;
    QRect rect;
};

// A skin as it ships: skingen's id and the package the build packs it into.
struct SSkin {
    std::string id;
    std::string package;
};

void PrintTo(const SSkin& skin, std::ostream* out) {
    *out << skin.package;
}

// The start-up package, then those of the Change Skin commands, in the order of skingen's ids.
std::vector<SSkin> Skins() {
    std::vector<std::string> packages = {SkinPackages::kStartup};
    for (const SkinPackages::SCommand& command : SkinPackages::kCommands) {
        packages.push_back(command.package);
    }
    const QStringList ids = SkinIds();
    EXPECT_EQ(static_cast<size_t>(ids.size()), packages.size());
    std::vector<SSkin> skins;
    for (size_t i = 0; i < packages.size() && i < static_cast<size_t>(ids.size()); ++i) {
        skins.push_back({ids[static_cast<int>(i)].toStdString(), packages[i]});
    }
    return skins;
}

// Extracts every entry of `package` into `folder` with the program's zip reader.
void Extract(const std::string& package, const std::string& folder) {
    CZipReader reader;
    reader.Open(package, CZipReader::zipOpenReadOnly);
    const int count = reader.GetCount();
    ASSERT_GT(count, 0);
    for (int index = 0; index < count; ++index) {
        EXPECT_TRUE(reader.ExtractEntry(static_cast<std::uint16_t>(index), folder)) << index;
    }
    reader.Close();
}

// A package of the build extracted into a temporary folder and loaded by the skin window.
class SkinsTest : public testing::TestWithParam<SSkin> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(
            Extract(std::string(BUILD_SKINS "/") + GetParam().package, m_folder.File("Test")));
        m_dialog.SetDescriptionPath(Description());
        m_dialog.LoadSkin();
        ASSERT_FALSE(m_dialog.BackgroundCanvas().isNull());
    }

    std::string Description() const { return m_folder.File("Test/Skin.ini"); }
    std::string File(const std::string& name) const { return m_folder.File("Test/" + name); }

    // Everything the window shows at rest, with the rectangle it covers.
    std::vector<SPlaced> Shown() const {
        std::vector<SPlaced> shown = {{"viewer", m_dialog.ControlRect().ToQRect()},
                                      {"caption", m_dialog.CaptionLabel()->geometry()}};
        std::string icon = CIniFile(Description()).GetString("ICON", "ICON", "");
        SkinFields::NextField(icon);
        shown.push_back({"icon", SkinFields::ParseRect(icon).ToQRect()});
        for (const auto& button : m_dialog.PushButtons()) {
            shown.push_back({button->Name(), button->geometry()});
        }
        for (const auto& label : m_dialog.Labels()) {
            shown.push_back({label->Name(), label->geometry()});
        }
        for (const auto& edit : m_dialog.EditBoxes()) {
            shown.push_back({edit->Name(), edit->geometry()});
        }
        for (const auto& list : m_dialog.ListBoxes()) {
            shown.push_back({list->Name(), list->geometry()});
            shown.push_back({list->Name() + " scroll bar", list->ScrollBar()->geometry()});
        }
        for (const auto& combo : m_dialog.ComboBoxes()) {
            shown.push_back({combo->Name() + " edit", combo->Edit()->geometry()});
            shown.push_back({combo->Name() + " drop button", combo->DropButton()->geometry()});
        }
        return shown;
    }

    // The label that says what the control at `rect` holds: on its line just left of it, or
    // just above it.
    const CLabel* LabelOf(const QRect& rect) const {
        const CLabel* best = nullptr;
        int distance = 16;
        for (const auto& label : m_dialog.Labels()) {
            const QRect l = label->geometry();
            const bool left =
                l.right() < rect.left() && l.center().y() >= rect.top() && l.center().y() <= rect.bottom();
            const bool above =
                l.bottom() < rect.top() && l.left() >= rect.left() - 2 && l.left() < rect.right();
            const int gap = left ? rect.left() - l.right() : above ? rect.top() - l.bottom() : distance;
            if (gap < distance) {
                distance = gap;
                best = label.get();
            }
        }
        return best;
    }

    CTempDir m_folder;
    CSkinDialog m_dialog;
};

INSTANTIATE_TEST_SUITE_P(EveryPackage, SkinsTest, testing::ValuesIn(Skins()),
                         [](const testing::TestParamInfo<SSkin>& info) { return info.param.id; });

// The build packs what skingen draws, each id into its own package, and nothing else.
TEST_P(SkinsTest, PackageHoldsWhatSkingenDrawsForItsId) {
    CTempDir drawn;
    ASSERT_TRUE(WriteSkin(QString::fromStdString(GetParam().id), QString::fromStdString(drawn.Path())));
    const QDir packed(QString::fromStdString(m_folder.File("Test")));
    const QStringList files = QDir(QString::fromStdString(drawn.Path())).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(packed.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), files);
    for (const QString& file : files) {
        QFile a(QDir(QString::fromStdString(drawn.Path())).filePath(file));
        QFile b(packed.filePath(file));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << file.toStdString();
        EXPECT_TRUE(a.readAll() == b.readAll()) << file.toStdString();
    }
}

TEST(Skingen, DrawsNoSkinForAnUnknownId) {
    CTempDir folder;
    EXPECT_FALSE(WriteSkin("teal", QString::fromStdString(folder.File("teal"))));
}

TEST_P(SkinsTest, HasEveryControlTheViewerWindowUsesAndNothingWithoutAFunction) {
    std::set<std::string> buttons;
    for (const auto& button : m_dialog.PushButtons()) {
        EXPECT_TRUE(kCommands.count(button->Name())) << button->Name() << " has no command";
        EXPECT_TRUE(buttons.insert(button->Name()).second) << button->Name() << " twice";
    }
    for (const std::string& name : kCommands) {
        if (name != "BUTTON_EXIT" && name != "BUTTON_CLOSE") {
            EXPECT_TRUE(buttons.count(name)) << name << " missing";
        }
    }
    EXPECT_TRUE(buttons.count("BUTTON_EXIT") || buttons.count("BUTTON_CLOSE"));
    EXPECT_EQ(m_dialog.EditBoxes().size(), 7u);
    EXPECT_EQ(m_dialog.ListBoxes().size(), 3u);
    EXPECT_EQ(m_dialog.ComboBoxes().size(), 1u);
    EXPECT_TRUE(m_dialog.Sliders().empty());
    EXPECT_TRUE(m_dialog.OptionButtons().empty());
    EXPECT_TRUE(m_dialog.CheckButtons().empty());
    EXPECT_FALSE(m_dialog.ControlRect().ToQRect().isEmpty());
    EXPECT_LE(m_dialog.BackgroundCanvas().width(), kWorkArea.width());
    EXPECT_LE(m_dialog.BackgroundCanvas().height(), kWorkArea.height());
}

// The viewer window knows its edit boxes by position only; a label beside each one tells the
// user what it holds, which shows that the positions and the places agree.
TEST_P(SkinsTest, LabelsSayWhatEachEditBoxHoldsInTheOrderOfTheirRoles) {
    const char* roles[] = {"DICOM file", "Quality", "All pages", "Page", "of", "Go to page", "ms per frame"};
    const bool typedIn[] = {false, true, true, false, false, true, true};
    ASSERT_EQ(m_dialog.EditBoxes().size(), std::size(roles));
    for (size_t i = 0; i < std::size(roles); ++i) {
        const CSkinEdit& edit = *m_dialog.EditBoxes()[i];
        const CLabel* label = LabelOf(edit.geometry());
        ASSERT_NE(label, nullptr) << "edit box " << i;
        EXPECT_EQ(label->Text().rfind(roles[i], 0), 0u)
            << "edit box " << i << " is labelled " << label->Text();
        if (typedIn[i]) {
            EXPECT_TRUE(edit.isEnabled()) << "edit box " << i;
        }
    }
    const CLabel* option = LabelOf(m_dialog.ComboBoxes()[0]->Edit()->geometry());
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->Text(), "TIFF compression");
    const char* lists[] = {"Sections", "Entries", "Value"};
    for (size_t i = 0; i < std::size(lists); ++i) {
        const CLabel* label = LabelOf(m_dialog.ListBoxes()[i]->geometry());
        ASSERT_NE(label, nullptr) << "list box " << i;
        EXPECT_EQ(label->Text(), lists[i]);
    }
}

TEST_P(SkinsTest, ControlsNeitherOverlapNorLeaveTheShape) {
    const QRegion& shape = m_dialog.Shape();
    const std::vector<SPlaced> shown = Shown();
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_FALSE(shown[i].rect.isEmpty()) << shown[i].name;
        EXPECT_TRUE(QRegion(shown[i].rect).subtracted(shape).isEmpty())
            << shown[i].name << " leaves the shape";
        for (size_t j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(shown[i].rect.intersects(shown[j].rect))
                << shown[i].name << " overlaps " << shown[j].name;
        }
    }
    // The drop-down list opens over other controls, as drop-down lists do, but inside the window.
    const QRect list = m_dialog.ComboBoxes()[0]->WholeRect().ToQRect();
    EXPECT_TRUE(QRegion(list).subtracted(shape).isEmpty());
}

// The outline is one piece: every row of the shape is a single run and the rows follow each
// other, so the key colour cut no holes or notches into the window.
TEST_P(SkinsTest, ShapeIsOneOutlineWithoutStrayCutOuts) {
    const QRegion& shape = m_dialog.Shape();
    const QRect bounds = shape.boundingRect();
    EXPECT_EQ(bounds.size(), m_dialog.BackgroundCanvas().size());
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        const QRegion row = shape.intersected(QRect(bounds.left(), y, bounds.width(), 1));
        ASSERT_EQ(row.rectCount(), 1) << "row " << y;
    }
}

TEST_P(SkinsTest, TextsFitTheirRectanglesInTheFontsTheSkinNames) {
    std::vector<const CLabel*> labels = {m_dialog.CaptionLabel()};
    for (const auto& label : m_dialog.Labels()) {
        labels.push_back(label.get());
    }
    for (const CLabel* label : labels) {
        const QSize needed =
            QFontMetrics(label->font()).size(Qt::TextShowMnemonic, QString::fromStdString(label->Text()));
        EXPECT_LE(needed.width(), label->width()) << label->Text();
        EXPECT_LE(needed.height(), label->height()) << label->Text();
        EXPECT_GE(label->font().pixelSize(), 12) << label->Text();
    }
    // Words on buttons are drawn into their pictures; they fit with the glyph beside them.
    const std::optional<CSkinDesign> design = FindSkin(QString::fromStdString(GetParam().id));
    ASSERT_TRUE(design);
    const QFont font = ButtonFont(design->palette, design->palette.buttonPixels);
    for (const CButtonSpec& button : MakeLayout(design->layout, design->palette).buttons) {
        if (!button.text.isEmpty()) {
            const int glyph = button.glyph == EGlyph::None ? 0 : 24;
            EXPECT_LE(QFontMetrics(font).horizontalAdvance(button.text) + glyph + 8, button.rect.width())
                << button.name.toStdString();
            EXPECT_LE(QFontMetrics(font).height(), button.rect.height()) << button.name.toStdString();
        }
    }
    // Edit boxes show page numbers, intervals and qualities of four digits.
    for (const auto& edit : m_dialog.EditBoxes()) {
        const QFontMetrics metrics(edit->font());
        EXPECT_LE(metrics.horizontalAdvance("9999") + 4, edit->width()) << edit->Name();
        EXPECT_LE(metrics.height() + 2, edit->height()) << edit->Name();
    }
}

// Every button shows four looks that differ visibly: normal, under the mouse, pressed, disabled.
TEST_P(SkinsTest, ButtonsHaveFourVisiblyDifferentStates) {
    const auto difference = [](const QImage& a, const QImage& b) {
        double sum = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                       std::abs(qBlue(p) - qBlue(q));
            }
        }
        return sum / (3.0 * a.width() * a.height());
    };
    std::vector<const CSkinButton*> buttons = {m_dialog.ComboBoxes()[0]->DropButton()};
    for (const auto& button : m_dialog.PushButtons()) {
        buttons.push_back(button.get());
    }
    for (const CSkinButton* button : buttons) {
        for (int k = 0; k < CSkinButton::kFrameCount; ++k) {
            ASSERT_EQ(button->FrameImage(static_cast<CSkinButton::Frame>(k)).size(), button->size())
                << button->Name();
            for (int j = k + 1; j < CSkinButton::kFrameCount; ++j) {
                EXPECT_GE(difference(button->FrameImage(static_cast<CSkinButton::Frame>(k)),
                                     button->FrameImage(static_cast<CSkinButton::Frame>(j))),
                          4.0)
                    << button->Name() << " frames " << k << " and " << j;
            }
        }
    }
}

TEST_P(SkinsTest, ListsHaveScrollBarsThatFitThem) {
    std::vector<const CSkinListBase*> lists = {m_dialog.ComboBoxes()[0]->List()};
    for (const auto& list : m_dialog.ListBoxes()) {
        lists.push_back(list.get());
    }
    for (const CSkinListBase* list : lists) {
        const CSkinScrollBar& bar = *list->ScrollBar();
        EXPECT_GT(bar.GetBarWidth(), 0) << list->Name();
        EXPECT_GE(bar.height(), bar.UpRect().height() + bar.DownRect().height() + bar.ThumbRect().height())
            << list->Name();
    }
    // Rows of the value list and of the drop-down list show whole.
    const int row = QFontMetrics(m_dialog.ListBoxes()[2]->font()).height() + 2;
    EXPECT_GE(m_dialog.ListBoxes()[2]->height(), row);
}

// The notifier's face has a shape, and its close button lies on it.
TEST_P(SkinsTest, NotifierFaceGivesAShapeWithItsCloseButtonOnIt) {
    CBitmap face;
    ASSERT_TRUE(face.LoadFromFile(File("dlgTaskNotifier.bmp")));
    // Rows are read in whole groups of four pixels.
    EXPECT_EQ(face.Width() % 4, 0);
    const QRegion shape = RegionWithoutColor(face.Image(), qRgb(255, 0, 255)).region;
    EXPECT_FALSE(shape.isEmpty());
    std::vector<ButtonEntry> buttons;
    ForEachNumberedEntry(CIniFile(Description()), "TASKBARBUTTON", [&buttons](const std::string& value) {
        buttons.push_back(ParseButtonEntry(value));
    });
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0].name, "TASKBUTTON_EXIT");
    EXPECT_TRUE(QRegion(buttons[0].rect.ToQRect()).subtracted(shape).isEmpty());
    CBitmap strip;
    ASSERT_TRUE(strip.LoadFromFile(File(buttons[0].strip)));
    EXPECT_EQ(strip.Width(), 4 * buttons[0].rect.Width());
}

}  // namespace
