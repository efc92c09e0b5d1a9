// Keys over the viewer window: each stands for one of the window's buttons and runs its command.
// A key that an edit box uses for its own text (Home, End, + and - while typing) stays with it.
#include <QKeySequence>
#include <QShortcut>

#include "app/ViewerDialog.h"

namespace {

struct SKey {
    QKeySequence keys;
    const char* button;
};

}  // namespace

void CViewerDialog::InstallShortcuts() {
    const SKey keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), "BUTTON_BROWSE1"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), "BUTTON_SAVE"},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), "BUTTON_EXIT"},
        {QKeySequence(Qt::Key_Home), "BUTTON_START_1"},
        {QKeySequence(Qt::Key_PageUp), "BUTTON_PREVIOUS"},
        {QKeySequence(Qt::Key_PageDown), "BUTTON_NEXT"},
        {QKeySequence(Qt::Key_End), "BUTTON_END"},
        {QKeySequence(Qt::Key_Plus), "BUTTON_IN"},
        {QKeySequence(Qt::Key_Equal), "BUTTON_IN"},  // the plus key without Shift
        {QKeySequence(Qt::KeypadModifier | Qt::Key_Plus), "BUTTON_IN"},
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), "BUTTON_IN"},
        {QKeySequence(Qt::Key_Minus), "BUTTON_OUT"},
        {QKeySequence(Qt::KeypadModifier | Qt::Key_Minus), "BUTTON_OUT"},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), "BUTTON_OUT"},
    };
    for (const SKey& key : keys) {
        auto* shortcut = new QShortcut(key.keys, this);
        const std::string button = key.button;
        connect(shortcut, &QShortcut::activated, this, [this, button] {
            if (!m_iconic) {
                OnSkinButton(button);
            }
        });
    }
}
