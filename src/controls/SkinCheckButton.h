#pragma once

#include "controls/SkinButton.h"

// A button that turns its checked state over with every click and tells the skin window.
class CSkinCheckButton : public CSkinButton {
    Q_OBJECT

public:
    using CSkinButton::CSkinButton;

protected:
    void OnClick() override;
    // A checked button keeps its down look under the mouse.
    bool TracksHover() const override { return !IsChecked(); }
};
