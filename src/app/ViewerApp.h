#pragma once

// The application object: runs the viewer window as a modal dialog and ends the program when
// that dialog ends.
class CViewerApp {
public:
    // Runs the whole program; false, so that no further event loop is started.
    bool InitInstance();
};
