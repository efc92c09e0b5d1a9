#pragma once

#include <QAbstractButton>

#include "controls/ControlIdentity.h"

// A clickable picture of the skin. The skin's "checked" state is its own latched look, kept
// apart from QAbstractButton's checkable machinery.
class CSkinButton : public QAbstractButton, public CControlIdentity {
    Q_OBJECT

public:
    explicit CSkinButton(QWidget* parent = nullptr);

    bool IsChecked() const { return m_checked; }
    // Stores the state and repaints, only when it changes.
    void SetChecked(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_checked = false;
};
