#pragma once

#include "popup/NotifierSettings.h"

// The application object: runs the viewer window as a modal dialog and ends the program when
// that dialog ends.
class CViewerApp {
public:
    // `notifier`: whether and with which page the viewer window's promotional popup shows.
    explicit CViewerApp(SNotifierSettings notifier = {}) : m_notifier(std::move(notifier)) {}

    // Runs the whole program; false, so that no further event loop is started.
    bool InitInstance();

private:
    SNotifierSettings m_notifier;
};
