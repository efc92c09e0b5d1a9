#include "SkinOptionButton.h"

#include "controls/SkinHost.h"

void CSkinOptionButton::OnClick() {
    SetChecked(true);
    if (CSkinHost* host = CSkinHost::Of(this)) {
        host->OnOptionIndex(Index());
    }
}
