#pragma once

#include "controls/SkinButton.h"

// The drop button of a combo box. Whichever combo box it belongs to, it opens or closes the
// list of the skin's first one.
class CComboDropButton : public CSkinButton {
    Q_OBJECT

public:
    using CSkinButton::CSkinButton;

protected:
    void OnClick() override;
};
