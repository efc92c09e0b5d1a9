// Minimising the viewer window. A window manager minimises it and gives it back from its task
// bar. Where none runs (a bare X server), nothing would ever give a minimised window back, so
// the window stands in for its own icon instead: it shrinks to a small square showing the
// application's icon where it was, and a click on that square restores it.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>

#include "app/ViewerDialog.h"
#include "platform/DesktopSettings.h"

namespace {

// Room around the icon in the square that stands for the window.
constexpr int kIconMargin = 16;

}  // namespace

void CViewerDialog::Minimise() {
    if (DesktopSettings::WindowManagerRunning()) {
        showMinimized();
    } else {
        EnterIconic();
    }
}

void CViewerDialog::EnterIconic() {
    if (m_iconic) {
        return;
    }
    m_iconic = true;
    m_sizeBeforeIconic = size();
    m_hiddenWhileIconic.clear();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->isHidden()) {
            m_hiddenWhileIconic.emplace_back(child);
            child->hide();
        }
    }
    clearMask();
    resize(m_icon.deviceIndependentSize().toSize() + QSize(2 * kIconMargin, 2 * kIconMargin));
    update();
}

void CViewerDialog::LeaveIconic() {
    if (!m_iconic) {
        return;
    }
    m_iconic = false;
    resize(m_sizeBeforeIconic);
    if (!Shape().isEmpty()) {
        setMask(Shape());
    }
    for (const QPointer<QWidget>& child : m_hiddenWhileIconic) {
        if (child) {
            child->show();
        }
    }
    m_hiddenWhileIconic.clear();
    update();
}

void CViewerDialog::contextMenuEvent(QContextMenuEvent* event) {
    if (m_iconic) {
        event->accept();
        return;
    }
    CSkinDialog::contextMenuEvent(event);
}

void CViewerDialog::mousePressEvent(QMouseEvent* event) {
    m_iconPressedAt = event->globalPosition().toPoint();
    CSkinDialog::mousePressEvent(event);
}

void CViewerDialog::mouseReleaseEvent(QMouseEvent* event) {
    CSkinDialog::mouseReleaseEvent(event);
    // The icon can be dragged elsewhere like the window; only a click restores it.
    const int travel = (event->globalPosition().toPoint() - m_iconPressedAt).manhattanLength();
    if (m_iconic && event->button() == Qt::LeftButton && travel < QApplication::startDragDistance()) {
        LeaveIconic();
    }
}
