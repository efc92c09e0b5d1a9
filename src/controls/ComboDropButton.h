#pragma once

#include "controls/SkinButton.h"

class CComboDropButton : public CSkinButton {
    Q_OBJECT

public:
    using CSkinButton::CSkinButton;
};
