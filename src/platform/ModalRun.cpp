#include "ModalRun.h"

#include <QDialog>
#include <QEventLoop>

int RunModal(QDialog& dialog) {
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&dialog, &QDialog::finished, &loop, [&loop, &finished] {
        finished = true;
        loop.quit();
    });
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    if (!finished) {  // a window may end itself while it is being shown
        loop.exec(QEventLoop::DialogExec);
    }
    QObject::disconnect(&dialog, &QDialog::finished, &loop, nullptr);
    return dialog.result();
}
