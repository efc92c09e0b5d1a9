// skinpreview: shows a skin in a bare skin window, so that its look can be checked without the
// viewer. Its lists get sample rows, so that their colours and scroll bars show.
//   skinpreview [FOLDER]    the skin whose Skin.ini is in FOLDER (default: Test)

#include <QApplication>
#include <string>

#include "controls/ComboList.h"
#include "controls/SkinCombo.h"
#include "controls/SkinListBox.h"
#include "skin/SkinDialog.h"
#include "skin/SkinFolder.h"

namespace {

constexpr int kSampleRows = 40;
const char* const kComboRows[] = {"BMP", "PNG", "JPG", "TIF", "GIF", "PDF"};

void FillWithSamples(const CSkinDialog& window) {
    for (const auto& list : window.ListBoxes()) {
        for (int row = 1; row <= kSampleRows; ++row) {
            list->AddItem(QString("%1 row %2").arg(QString::fromStdString(list->Name())).arg(row));
        }
        if (list->topLevelItemCount() > 2) {
            list->topLevelItem(2)->setSelected(true);
        }
    }
    for (const auto& combo : window.ComboBoxes()) {
        for (const char* text : kComboRows) {
            combo->List()->AddItem(text);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const std::string folder = argc > 1 ? argv[1] : "Test";
    CSkinDialog window;
    const std::string description = folder + "/Skin.ini";
    window.SetDescriptionPath(description);
    SetSkinFolder(window.GetFolderOf(description));
    window.LoadSkin();
    FillWithSamples(window);
    window.show();
    return QApplication::exec();
}
