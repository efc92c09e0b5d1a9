#include <QApplication>

#include "app/ViewerApp.h"
#include "menuframes/MenuFrames.h"
#include "popup/NotifierSettings.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const CMenuFrames menuFrames;  // every popup menu is framed until the program ends
    SNotifierSettings notifier = ReadNotifierSettings();
    if (QApplication::arguments().contains(QStringLiteral("--no-popup"))) {
        notifier.enabled = false;
    }
    CViewerApp viewer(notifier);
    return viewer.InitInstance() ? QApplication::exec() : 0;
}
