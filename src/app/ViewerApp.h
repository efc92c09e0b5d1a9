#pragma once

#include <string>
#include <utility>

// The application object: runs the viewer window as a modal dialog and ends the program when
// that dialog ends.
class CViewerApp {
public:
    // A file to open once the window shows, as its Open button would; empty for none.
    void SetStartFile(std::string path) { m_startFile = std::move(path); }

    // Runs the whole program; false, so that no further event loop is started.
    bool InitInstance();

private:
    std::string m_startFile;
};
