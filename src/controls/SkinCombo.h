#pragma once

#include <QString>
#include <QWidget>

#include "controls/ControlIdentity.h"

class CSkinCombo : public QWidget, public CControlIdentity {
    Q_OBJECT

public:
    using QWidget::QWidget;

    void SelectItem(const QString&) {}
};
