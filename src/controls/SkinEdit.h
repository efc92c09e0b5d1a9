#pragma once

#include <QLineEdit>

#include "controls/ControlIdentity.h"
#include "controls/SkinTypes.h"

// A single-line edit in the skin's colours, enabled or not. The colours hold in both states,
// and a one-pixel border in the border colour runs along the edit's outermost pixels (none for
// a border without colour). Reports no events.
class CSkinEdit : public QLineEdit, public CControlIdentity {
    Q_OBJECT

public:
    explicit CSkinEdit(QWidget* parent = nullptr);

    void SetTextColor(SkinColor color);
    void SetBackColor(SkinColor color);
    void SetBorderColor(SkinColor color);
    SkinColor TextColor() const { return m_textColor; }
    SkinColor BackColor() const { return m_backColor; }
    SkinColor BorderColor() const { return m_borderColor; }

private:
    void ApplyColors();

    SkinColor m_textColor = 0;
    SkinColor m_backColor = 0xFFFFFF;
    SkinColor m_borderColor = kNoColor;
};

// The text field of a combo box: an edit box with the same colours and behaviour, which shows
// the item chosen from the combo box's list.
class CComboEdit : public CSkinEdit {
    Q_OBJECT

public:
    using CSkinEdit::CSkinEdit;
};
