#pragma once

#include "controls/SkinButton.h"

class CSkinOptionButton : public CSkinButton {
    Q_OBJECT

public:
    using CSkinButton::CSkinButton;
};
