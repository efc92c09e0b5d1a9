#pragma once

#include <QLineEdit>

#include "controls/ControlIdentity.h"

class CSkinEdit : public QLineEdit, public CControlIdentity {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
};
