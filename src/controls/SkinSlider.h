#pragma once

#include <QWidget>

#include "controls/ControlIdentity.h"

class CSkinSlider : public QWidget, public CControlIdentity {
    Q_OBJECT

public:
    using QWidget::QWidget;

    int GetPos() const { return m_pos; }
    int GetRangeMax() const { return m_max; }

private:
    int m_pos = 0;
    int m_max = 7200;
};
