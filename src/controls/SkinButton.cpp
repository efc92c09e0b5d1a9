#include "SkinButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "controls/Hint.h"
#include "controls/SkinHost.h"
#include "platform/Bitmap.h"
#include "platform/KeyedImage.h"

namespace {

// The task-bar notifier's close button; its click goes to the popup, not to the skin window.
constexpr char kNotifierExit[] = "TASKBUTTON_EXIT";

}  // namespace

CSkinButton::Frame CSkinButton::ChooseFrame(const SLook& look) {
    if (look.latched) {
        return look.checked ? Frame::Down : Frame::Normal;
    }
    if (look.checked && !look.hover) {
        return Frame::Down;
    }
    if (look.pressed) {
        return Frame::Down;
    }
    if (look.hover) {
        return Frame::Hover;
    }
    return look.disabled ? Frame::Disabled : Frame::Normal;
}

CSkinButton::CSkinButton(QWidget* parent) : QAbstractButton(parent) {
    // No tab stop and no focus: the skin's buttons are worked with the mouse only.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void CSkinButton::LoadFrameStrip(const std::string& path, int left, int top, int right, int bottom) {
    CBitmap strip;
    if (!strip.LoadFromFile(path)) {
        return;
    }
    const int frameWidth = strip.Width() / kFrameCount;
    const QSize size(right - left, bottom - top);
    for (int k = 0; k < kFrameCount; ++k) {
        const QImage source = strip.Image().copy(k * frameWidth, 0, frameWidth, strip.Height());
        // Plain pixel picking, as a stretching copy does: smoothing would blend key pixels
        // into their neighbours and leave fringes around the cut-outs.
        m_frames[static_cast<size_t>(k)] =
            size.isEmpty() || frameWidth == 0
                ? QImage()
                : source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    UpdateDrawnFrames();
    update();
}

void CSkinButton::SetTransparentColor(SkinColor color) {
    m_transparentColor = color;
    UpdateDrawnFrames();
    update();
}

void CSkinButton::UpdateDrawnFrames() {
    for (size_t k = 0; k < m_frames.size(); ++k) {
        m_drawnFrames[k] = MakeKeyedImage(m_frames[k], ToQRgb(m_transparentColor));
    }
}

void CSkinButton::SetHint(const std::string& text, bool activate) {
    ApplyHint(*this, text, activate);
}

void CSkinButton::SetChecked(bool checked) {
    if (m_checked == checked) {
        return;
    }
    m_checked = checked;
    update();
}

void CSkinButton::OnClick() {
    if (Name() == kNotifierExit) {
        if (CNotifierHost* popup = CNotifierHost::Of(this)) {
            popup->BeginSlideOut(Name());
        }
        return;
    }
    // Buttons of the notifier under other names have nobody to report to and ignore clicks.
    if (CSkinHost* host = CSkinHost::Of(this)) {
        host->OnButtonIndex(Index());
    }
}

void CSkinButton::paintEvent(QPaintEvent*) {
    const Frame frame = ChooseFrame({m_latched, m_checked, m_hover, isDown(), !isEnabled()});
    const QImage& picture = m_drawnFrames[static_cast<size_t>(frame)];
    if (picture.isNull()) {
        return;  // without frames the button is invisible but still clickable
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture, rect());
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    // Moves over the button are its own; they must not reach the window as moves on the skin.
    event->accept();
    if (!TracksHover()) {
        return;
    }
    if ((event->buttons() & Qt::LeftButton) && !m_hover) {
        return;  // a press that began elsewhere does not light the button up
    }
    const bool inside = rect().contains(event->position().toPoint());
    if (inside && QApplication::activeWindow()) {
        SetHover(true);
    } else if (!inside) {
        SetHover(false);
    }
}

void CSkinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        SetHover(false);
        // The window's reaction runs first, as it would before the platform finishes a click,
        // and it may take the button down with it.
        QPointer<CSkinButton> self(this);
        OnClick();
        if (!self) {
            return;
        }
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void CSkinButton::leaveEvent(QEvent* event) {
    SetHover(false);
    QAbstractButton::leaveEvent(event);
}

void CSkinButton::hideEvent(QHideEvent* event) {
    SetHover(false);
    QAbstractButton::hideEvent(event);
}

void CSkinButton::SetHover(bool hover) {
    if (m_hover != hover) {
        m_hover = hover;
        update();
    }
}
