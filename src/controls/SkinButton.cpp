#include "SkinButton.h"

CSkinButton::CSkinButton(QWidget* parent) : QAbstractButton(parent) {}

void CSkinButton::SetChecked(bool checked) {
    if (m_checked == checked) {
        return;
    }
    m_checked = checked;
    update();
}

void CSkinButton::paintEvent(QPaintEvent*) {}
