#include "ViewerApp.h"

#include "app/ViewerDialog.h"
#include "platform/ModalRun.h"

bool CViewerApp::InitInstance() {
    CViewerDialog dialog;
    dialog.SetNotifierSettings(m_notifier);
    if (!m_startFile.empty()) {
        dialog.OpenWhenShown(m_startFile);
    }
    // Whatever ends the dialog ends the program, and its result means nothing; a skin switch
    // only hides the window for a moment and must not end it.
    RunModal(dialog);
    return false;
}
