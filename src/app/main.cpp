#include <QApplication>

#include "app/ViewerApp.h"
#include "menuframes/MenuFrames.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const CMenuFrames menuFrames;  // every popup menu is framed until the program ends
    CViewerApp viewer;
    return viewer.InitInstance() ? QApplication::exec() : 0;
}
