#include "ComboDropButton.h"

#include "controls/SkinHost.h"

void CComboDropButton::OnClick() {
    if (CSkinHost* host = CSkinHost::Of(this)) {
        host->ToggleFirstComboList();
    }
}
