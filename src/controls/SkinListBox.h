#pragma once

#include "controls/SkinListBase.h"

// A list box of the skin: numbered rows, several of which may be selected; a click is reported
// to the skin window.
class CSkinListBox : public CSkinListBase {
    Q_OBJECT

public:
    explicit CSkinListBox(QWidget* parent = nullptr);

    // Appends a row: its number right-aligned in three characters and a full stop, then `text`.
    void AddItem(const QString& text) override;
    // "  1.", " 12.", "1000.".
    static QString RowNumber(int number);

protected:
    void OnClick() override;
};
