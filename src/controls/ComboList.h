#pragma once

#include "controls/SkinListBase.h"

// The drop-down list of a combo box: plain rows, one selected at a time. Clicking a row makes
// its text the choice of the skin's first combo box, whichever combo box the list belongs to.
class CComboList : public CSkinListBase {
    Q_OBJECT

public:
    explicit CComboList(QWidget* parent = nullptr);

    void AddItem(const QString& text) override;

protected:
    void OnClick() override;
};
