#include <QApplication>

#include "app/ViewerApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CViewerApp viewer;
    return viewer.InitInstance() ? QApplication::exec() : 0;
}
