#include "SkinCheckButton.h"

#include "controls/SkinHost.h"

void CSkinCheckButton::OnClick() {
    SetChecked(!IsChecked());
    if (CSkinHost* host = CSkinHost::Of(this)) {
        host->OnCheckIndex(Index());
    }
}
