#include "ViewerApp.h"

#include "app/ViewerDialog.h"

bool CViewerApp::InitInstance() {
    CViewerDialog dialog;
    dialog.SetNotifierSettings(m_notifier);
    dialog.exec();  // whatever ends the dialog ends the program; its result means nothing
    return false;
}
