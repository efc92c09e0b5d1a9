#pragma once

#include <QTreeWidget>

#include "controls/ControlIdentity.h"

class CSkinListBox : public QTreeWidget, public CControlIdentity {
    Q_OBJECT

public:
    using QTreeWidget::QTreeWidget;
};
