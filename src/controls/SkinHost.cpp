#include "SkinHost.h"

#include <QWidget>

CSkinHost* CSkinHost::Of(const QWidget* control) {
    for (QWidget* parent = control ? control->parentWidget() : nullptr; parent;
         parent = parent->parentWidget()) {
        if (auto* host = dynamic_cast<CSkinHost*>(parent)) {
            return host;
        }
    }
    return nullptr;
}
