#pragma once

#include <QString>
#include <QWidget>

#include "controls/ControlIdentity.h"

class CSkinCombo : public QWidget, public CControlIdentity {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Opens the drop-down list when it is closed and closes it when it is open.
    void ToggleList() {}
    void SelectItem(const QString&) {}
};
