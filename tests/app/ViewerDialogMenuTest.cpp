#include <gtest/gtest.h>

#include <QMenu>
#include <memory>

#include "app/ViewerDialog.h"
#include "viewer/ImageViewerControl.h"

namespace {

// A viewer window that records the buttons it is asked to handle.
class CRecordingViewerDialog : public CViewerDialog {
public:
    void OnSkinButton(const std::string& name) override { buttons.push_back(name); }
    std::vector<std::string> buttons;
};

TEST(ViewerDialogMenu, TheControlsMenuEntriesForButtonsReachTheWindowsButtonHandler) {
    CRecordingViewerDialog dialog;
    const std::unique_ptr<QMenu> menu(dialog.ViewerControl()->CreateMenu(nullptr));
    for (QAction* action : menu->actions()) {
        if (action->text() == "Zoom in" || action->text() == "Save...") {
            action->trigger();
        }
    }
    EXPECT_EQ(dialog.buttons, (std::vector<std::string>{"BUTTON_SAVE", "BUTTON_IN"}));
}

}  // namespace
