#include "SkinSlider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "controls/Hint.h"
#include "controls/SkinHost.h"
#include "platform/Bitmap.h"
#include "platform/KeyedImage.h"

CSkinSlider::CSkinSlider(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

bool CSkinSlider::SetChannel(const std::string& path) {
    CBitmap channel;
    m_channelLoaded = channel.LoadFromFile(path);
    m_channel = channel.Image();
    m_channelSize = m_channelLoaded ? m_channel.size() : QSize(0, 0);
    return m_channelLoaded;
}

QImage CSkinSlider::LoadThumbPicture(const std::string& path, bool transparent) const {
    CBitmap picture;
    if (!picture.LoadFromFile(path)) {
        return {};
    }
    return transparent ? MakeKeyedImage(picture.Image(), ToQRgb(m_transparentColor)) : picture.Image();
}

bool CSkinSlider::SetThumb(const std::string& path, const std::optional<std::string>& activePath,
                           bool transparent) {
    m_thumb = LoadThumbPicture(path, transparent);
    if (m_thumb.isNull()) {
        m_controlSize = m_channelSize;
        m_thumbLoaded = false;
    } else {
        if (activePath) {
            m_activeThumb = LoadThumbPicture(*activePath, transparent);
            if (m_activeThumb.isNull()) {
                m_thumb = QImage();
                m_thumbLoaded = false;
                return false;
            }
        }
        m_hasActiveThumb = activePath.has_value();
        m_thumbSize = m_thumb.size();
        m_controlSize = m_thumbSize.expandedTo(m_channelSize);
        m_thumbLoaded = true;
    }
    resize(m_controlSize);
    update();
    return m_thumbLoaded;
}

void CSkinSlider::SetHint(const std::string& text, bool activate) {
    ApplyHint(*this, text, activate);
}

void CSkinSlider::SetVertical(bool vertical) {
    m_vertical = vertical;
    update();
}

void CSkinSlider::SetRange(int minimum, int maximum, bool redraw) {
    m_min = minimum;
    m_max = maximum;
    if (redraw) {
        update();
    }
}

void CSkinSlider::SetPos(int position) {
    m_pos = std::max(std::min(position, m_max), m_min);
    update();
}

int CSkinSlider::ThumbCentre() const {
    const double fraction = m_max == m_min ? 0.0 : double(m_pos - m_min) / double(m_max - m_min);
    if (m_vertical) {
        return m_thumbSize.height() / 2 +
               static_cast<int>(double(m_controlSize.height() - m_thumbSize.height()) * fraction);
    }
    return static_cast<int>(double(m_controlSize.width() - m_thumbSize.width()) * fraction) +
           m_thumbSize.width() / 2;
}

int CSkinSlider::PositionAt(int coordinate) const {
    const int thumb = m_vertical ? m_thumbSize.height() : m_thumbSize.width();
    const int control = m_vertical ? m_controlSize.height() : m_controlSize.width();
    // A track no longer than the thumb has nowhere to move it.
    if (control <= thumb) {
        return m_min;
    }
    return static_cast<int>(m_min +
                            double(coordinate - thumb / 2) / double(control - thumb) * double(m_max - m_min));
}

void CSkinSlider::TrackTo(const QPoint& point) {
    int c = 0;
    if (m_vertical) {
        c = std::min(point.y(), m_controlSize.height() - m_thumbSize.height() / 2);
        c = std::max(c, m_thumbSize.height() / 2);
    } else {
        c = std::max(point.x(), m_thumbSize.width() / 2);
        c = std::min(c, m_controlSize.width() - m_thumbSize.width() / 2);
    }
    SetPos(PositionAt(c));
    if (CSkinHost* host = CSkinHost::Of(this)) {
        host->OnSliderIndex(Index(), GetPos());
    }
}

void CSkinSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_channelLoaded) {
        PaintChannel(painter);
    }
    if (m_thumbLoaded) {
        PaintThumb(painter);
    }
}

void CSkinSlider::PaintChannel(QPainter& painter) {
    if (m_backgroundPending) {
        m_background = CSkinHost::BackgroundUnder(this);
        m_backgroundPending = false;
    }
    painter.drawImage(QPoint(0, 0), m_background);
    const int centre = ThumbCentre();
    if (m_vertical) {
        const int x =
            m_thumbSize.width() == 0 ? 0 : std::abs(m_thumbSize.width() - m_channelSize.width()) / 2;
        painter.drawImage(QPoint(x, centre), m_channel,
                          QRect(0, centre, m_channelSize.width(), m_channelSize.height() - centre));
    } else {
        const int y =
            m_thumbSize.height() == 0 ? 0 : std::abs(m_thumbSize.height() - m_channelSize.height()) / 2;
        painter.drawImage(QPoint(0, y), m_channel, QRect(0, 0, centre, m_channelSize.height()));
    }
}

void CSkinSlider::PaintThumb(QPainter& painter) const {
    const QImage& picture = m_hasActiveThumb && m_dragging ? m_activeThumb : m_thumb;
    const int centre = ThumbCentre();
    const QPoint corner = m_vertical ? QPoint(0, centre - m_thumbSize.height() / 2)
                                     : QPoint(centre - m_thumbSize.width() / 2, 0);
    painter.drawImage(corner, picture);
}

void CSkinSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_dragging = true;
    TrackTo(event->position().toPoint());
    update();
}

void CSkinSlider::mouseMoveEvent(QMouseEvent* event) {
    // Moves over the slider are its own even when it is not dragged; they never reach the window.
    if (m_dragging) {
        TrackTo(event->position().toPoint());
    }
}

void CSkinSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    update();
}

void CSkinSlider::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_PageUp:
            SetPos(m_pos - m_pageStep);
            break;
        case Qt::Key_PageDown:
            SetPos(m_pos + m_pageStep);
            break;
        case Qt::Key_End:
            SetPos(m_max);
            break;
        case Qt::Key_Home:
            SetPos(m_min);
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            SetPos(m_pos - 1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            SetPos(m_pos + 1);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CSkinSlider::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CSkinSlider::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
