#pragma once

#include <string>
#include <utility>

#include "popup/NotifierSettings.h"

// The application object: runs the viewer window as a modal dialog and ends the program when
// that dialog ends.
class CViewerApp {
public:
    // A file to open once the window shows, as its Open button would; empty for none.
    void SetStartFile(std::string path) { m_startFile = std::move(path); }
    // Whether and with which page the viewer window's promotional popup shows.
    void SetNotifierSettings(SNotifierSettings notifier) { m_notifier = std::move(notifier); }

    // Runs the whole program; false, so that no further event loop is started.
    bool InitInstance();

private:
    std::string m_startFile;
    SNotifierSettings m_notifier;
};
