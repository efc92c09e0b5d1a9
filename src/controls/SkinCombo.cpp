#include "SkinCombo.h"

#include <QPainter>
#include <algorithm>

#include "controls/ComboDropButton.h"
#include "controls/ComboList.h"
#include "controls/SkinEdit.h"
#include "platform/Bitmap.h"

CSkinCombo::CSkinCombo(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

CSkinCombo::~CSkinCombo() {
    m_dropButton.reset();
    m_edit.reset();
    m_list.reset();
}

void CSkinCombo::LoadDropStrip(const std::string& path) {
    CBitmap strip;
    strip.LoadFromFile(path);
    m_frameWidth = strip.IsEmpty() ? 0 : strip.Width() / 4;
    m_frameHeight = strip.IsEmpty() ? 0 : strip.Height();
}

void CSkinCombo::SetLayout(const SkinRect& rect) {
    const int w = m_frameWidth;
    const int h = m_frameHeight;
    const int listTop = rect.top + h + 2;
    m_editRect = {rect.left, rect.top, rect.right - w, rect.top + h};
    m_buttonRect = {rect.right - w, rect.top - 1, rect.right, rect.top + h + 1};
    m_listRect = {rect.left, listTop, rect.right - 1, std::max(rect.bottom, listTop + kMinListHeight)};
    m_wholeRect = {rect.left, rect.top, rect.right, m_listRect.bottom};
    setGeometry(rect.ToQRect().united(ListFrame()));
}

QRect CSkinCombo::ListFrame() const {
    return m_listRect.ToQRect().adjusted(-1, -1, 1, 1);
}

void CSkinCombo::SetParts(std::unique_ptr<CComboDropButton> dropButton, std::unique_ptr<CComboEdit> edit,
                          std::unique_ptr<CComboList> list) {
    m_dropButton = std::move(dropButton);
    m_edit = std::move(edit);
    m_list = std::move(list);
}

void CSkinCombo::ToggleList() {
    if (m_list) {
        const bool show = m_listHidden;
        m_list->ScrollBar()->setVisible(show);
        m_list->setVisible(show);
    }
    m_listHidden = !m_listHidden;
    // Draws the frame, or lets what lies beneath it show again.
    update();
}

void CSkinCombo::SelectItem(const QString& text) {
    m_listHidden = false;
    if (m_edit) {
        m_edit->setText(text);
    }
    ToggleList();
}

void CSkinCombo::paintEvent(QPaintEvent*) {
    if (!m_list || m_listHidden || !m_edit || m_edit->BorderColor() == kNoColor) {
        return;
    }
    QPainter painter(this);
    painter.setPen(ToQColor(m_edit->BorderColor()));
    painter.drawRect(ListFrame().translated(-pos()).adjusted(0, 0, -1, -1));
}
