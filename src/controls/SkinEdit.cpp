#include "SkinEdit.h"

namespace {

QString CssColor(SkinColor color) {
    return ToQColor(color).name(QColor::HexRgb);
}

}  // namespace

CSkinEdit::CSkinEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    ApplyColors();
}

void CSkinEdit::SetTextColor(SkinColor color) {
    m_textColor = color;
    ApplyColors();
}

void CSkinEdit::SetBackColor(SkinColor color) {
    m_backColor = color;
    ApplyColors();
}

void CSkinEdit::SetBorderColor(SkinColor color) {
    m_borderColor = color;
    ApplyColors();
}

void CSkinEdit::ApplyColors() {
    // A style sheet rather than a palette: it keeps the colours when the edit is disabled and
    // draws the border the same way under every widget style.
    const QString border = m_borderColor == kNoColor ? QStringLiteral("none")
                                                     : QStringLiteral("1px solid ") + CssColor(m_borderColor);
    setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: %2; border: %3; padding: 0px; }")
                      .arg(CssColor(m_textColor), CssColor(m_backColor), border));
}
