#pragma once

#include "controls/SkinButton.h"

class CSkinCheckButton : public CSkinButton {
    Q_OBJECT

public:
    using CSkinButton::CSkinButton;
};
