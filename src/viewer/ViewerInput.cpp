// What the mouse and keys do in the viewer control: left drag pans, right drag sets the window
// (sideways its width, up and down its centre), a right click without a drag and the menu key
// open the control's menu, a double-click returns to the file's window, the wheel pages, Ctrl
// with the wheel zooms about the mouse.
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "viewer/ImageViewerControl.h"
#include "viewer/ZoomSteps.h"

namespace {

// Mouse travel, in pixels, that sweeps a window across the page's whole range of values.
constexpr double kWindowSweep = 512;
constexpr int kWheelNotch = 120;

}  // namespace

void CImageViewerControl::mousePressEvent(QMouseEvent* event) {
    m_dragStart = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_drag = EDrag::Pan;
        m_scrollAtDragStart = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
        viewport()->setCursor(Qt::ClosedHandCursor);
    } else if (event->button() == Qt::RightButton) {
        m_rightClick = true;
        m_voiAtRightPress = m_voi;
        if (m_rendered.window && IsPageShown()) {
            m_drag = EDrag::Window;
            m_windowAtDragStart = *m_rendered.window;
        }
    }
    event->accept();
}

void CImageViewerControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint moved = event->position().toPoint() - m_dragStart;
    if (m_rightClick && moved.manhattanLength() >= QApplication::startDragDistance()) {
        m_rightClick = false;
    }
    if (m_drag == EDrag::Pan) {
        horizontalScrollBar()->setValue(m_scrollAtDragStart.x() - moved.x());
        verticalScrollBar()->setValue(m_scrollAtDragStart.y() - moved.y());
    } else if (m_drag == EDrag::Window) {
        const double step = std::max(m_rendered.highest - m_rendered.lowest, 1.0) / kWindowSweep;
        const double width = std::max(m_windowAtDragStart.width + moved.x() * step, step);
        SetVoi(CVoiChoice::Window(m_windowAtDragStart.centre + moved.y() * step, width));
    }
    event->accept();
}

void CImageViewerControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool rightClick = event->button() == Qt::RightButton && m_rightClick;
    if (event->button() == Qt::RightButton) {
        m_rightClick = false;
    }
    m_drag = EDrag::None;
    viewport()->unsetCursor();
    event->accept();
    if (rightClick) {
        // A hand that shook on the click leaves the window as it was.
        if (!(m_voi == m_voiAtRightPress)) {
            SetVoi(m_voiAtRightPress);
        }
        ShowMenu(event->globalPosition().toPoint());
    }
}

void CImageViewerControl::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's menu opens on the release of a right click (see above), so that a right drag
    // never opens it; the keyboard's opens at once, over the middle of the view.
    if (event->reason() != QContextMenuEvent::Mouse) {
        ShowMenu(viewport()->mapToGlobal(viewport()->rect().center()));
    }
    event->accept();
}

void CImageViewerControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        SetVoi({});
    }
    event->accept();
}

void CImageViewerControl::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        if (delta != 0) {
            const double scale = delta > 0 ? ZoomSteps::Larger(Scale()) : ZoomSteps::Smaller(Scale());
            ZoomTo(scale, event->position());
        }
    } else {
        // High-resolution wheels send fractions of a notch; a page turns per whole notch.
        m_wheelRemainder += delta;
        const int notches = m_wheelRemainder / kWheelNotch;
        m_wheelRemainder -= notches * kWheelNotch;
        if (notches != 0) {
            PageBy(-notches);
        }
    }
    event->accept();
}

void CImageViewerControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_PageDown:
        case Qt::Key_Down:
        case Qt::Key_Right:
            PageBy(1);
            break;
        case Qt::Key_PageUp:
        case Qt::Key_Up:
        case Qt::Key_Left:
            PageBy(-1);
            break;
        case Qt::Key_Home:
            PageBy(-PageCount());
            break;
        case Qt::Key_End:
            PageBy(PageCount());
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ZoomIn();
            break;
        case Qt::Key_Minus:
            ZoomOut();
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}
