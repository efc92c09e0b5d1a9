#include <QApplication>

#include "app/ViewerApp.h"
#include "popup/NotifierSettings.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    SNotifierSettings notifier = ReadNotifierSettings();
    if (QApplication::arguments().contains(QStringLiteral("--no-popup"))) {
        notifier.enabled = false;
    }
    CViewerApp viewer(notifier);
    return viewer.InitInstance() ? QApplication::exec() : 0;
}
