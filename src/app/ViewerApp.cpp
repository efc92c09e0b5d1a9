#include "ViewerApp.h"

#include "app/ViewerDialog.h"

bool CViewerApp::InitInstance() {
    CViewerDialog dialog;
    if (!m_startFile.empty()) {
        dialog.OpenWhenShown(m_startFile);
    }
    dialog.exec();  // whatever ends the dialog ends the program; its result means nothing
    return false;
}
