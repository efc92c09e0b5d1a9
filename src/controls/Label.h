#pragma once

#include <QWidget>
#include <string>

#include "controls/ControlIdentity.h"

class CLabel : public QWidget, public CControlIdentity {
    Q_OBJECT

public:
    using QWidget::QWidget;

    const std::string& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

private:
    std::string m_text;
};
