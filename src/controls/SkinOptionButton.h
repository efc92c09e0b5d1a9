#pragma once

#include "controls/SkinButton.h"

// A button that becomes checked when clicked and stays so; the skin window clears the others.
class CSkinOptionButton : public CSkinButton {
    Q_OBJECT

public:
    using CSkinButton::CSkinButton;

protected:
    void OnClick() override;
    // A checked button keeps its down look under the mouse.
    bool TracksHover() const override { return !IsChecked(); }
};
