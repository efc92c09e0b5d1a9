#include "Hint.h"

#include <QWidget>

void ApplyHint(QWidget& control, const std::string& text, bool activate) {
    control.setToolTip(activate ? QString::fromStdString(text) : QString());
}
