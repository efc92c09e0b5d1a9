#include "SkinScrollBar.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimerEvent>

namespace {

// Loads both pictures of a part; the part gets a size only when both are there.
QSize LoadPair(CBitmap& normal, const std::string& normalPath, CBitmap& active,
               const std::string& activePath) {
    const bool normalLoaded = normal.LoadFromFile(normalPath);
    const bool activeLoaded = active.LoadFromFile(activePath);
    return normalLoaded && activeLoaded ? normal.Size() : QSize(0, 0);
}

// A plain copy of the picture's top-left `size` pixels at `origin`.
void DrawPart(QPainter& painter, const QPoint& origin, const CBitmap& picture, const QSize& size) {
    if (!picture.IsEmpty()) {
        painter.drawImage(origin, picture.Image(), QRect(QPoint(0, 0), size));
    }
}

}  // namespace

CSkinScrollBar::CSkinScrollBar(QWidget* parent) : QWidget(parent) {
    // Hover changes the pictures, so moves must arrive without a button held.
    setMouseTracking(true);
}

void CSkinScrollBar::LoadPictures(const std::string& track, const std::string& up,
                                  const std::string& upActive, const std::string& down,
                                  const std::string& downActive, const std::string& thumb,
                                  const std::string& thumbActive) {
    m_upSize = LoadPair(m_up, up, m_upActive, upActive);
    m_downSize = LoadPair(m_down, down, m_downActive, downActive);
    m_thumbSize = LoadPair(m_thumb, thumb, m_thumbActive, thumbActive);
    m_trackSize = m_track.LoadFromFile(track) ? m_track.Size() : QSize(0, 0);
    m_thumbTop = m_upSize.height();
    m_barWidth = m_upSize.width();
}

void CSkinScrollBar::SetBackColor(SkinColor color) {
    m_backColor = ToQColor(color);
}

void CSkinScrollBar::SetList(QAbstractScrollArea* list) {
    m_list = list;
}

QRect CSkinScrollBar::UpRect() const {
    return QRect(QPoint(0, 0), m_upSize);
}

QRect CSkinScrollBar::DownRect() const {
    return QRect(QPoint(0, height() - m_downSize.height()), m_downSize);
}

QRect CSkinScrollBar::ThumbRect() const {
    return QRect(QPoint(0, m_thumbTop), m_thumbSize);
}

int CSkinScrollBar::Position() const {
    return m_list ? m_list->verticalScrollBar()->value() : 0;
}

int CSkinScrollBar::Limit() const {
    return m_list ? m_list->verticalScrollBar()->maximum() : 0;
}

int CSkinScrollBar::FreeTrack() const {
    return height() - m_upSize.height() - m_downSize.height() - m_thumbSize.height();
}

void CSkinScrollBar::SyncThumb() {
    const int limit = Limit();
    // With nothing to scroll there is no step to measure; the thumb rests at the top.
    m_pixelsPerStep = limit > 0 ? static_cast<double>(FreeTrack()) / limit : 0.0;
    m_thumbTop = m_upSize.height() + static_cast<int>(Position() * m_pixelsPerStep);
    ClampThumb();
    update();
}

void CSkinScrollBar::ClampThumb() {
    if (m_thumbTop + m_thumbSize.height() > height() - m_downSize.height()) {
        m_thumbTop = height() - m_downSize.height() - m_thumbSize.height();
    }
    if (m_thumbTop < m_upSize.height()) {
        m_thumbTop = m_upSize.height();
    }
}

void CSkinScrollBar::Scroll(QAbstractSlider::SliderAction action) {
    if (m_list) {
        m_list->verticalScrollBar()->triggerAction(action);
    }
    SyncThumb();
}

void CSkinScrollBar::DragThumbTo(int y) {
    m_thumbTop = y - m_thumbSize.height() / 2;
    const int position = Position();
    const int limit = Limit();
    if (m_list && limit > 0) {
        m_pixelsPerStep = static_cast<double>(FreeTrack()) / limit;
        const int rows = static_cast<int>((m_thumbTop - m_upSize.height()) / m_pixelsPerStep) - position;
        QScrollBar* bar = m_list->verticalScrollBar();
        bar->setValue(bar->value() + rows);
    }
    ClampThumb();
}

void CSkinScrollBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (Limit() == 0) {
        painter.fillRect(rect(), m_backColor);
        return;
    }
    if (!m_track.IsEmpty()) {
        painter.drawImage(QRect(0, 0, m_upSize.width(), height()), m_track.Image(),
                          QRect(QPoint(0, 0), m_trackSize));
    }
    DrawPart(painter, UpRect().topLeft(), m_upPressed ? m_upActive : m_up, m_upSize);
    DrawPart(painter, DownRect().topLeft(), m_downPressed ? m_downActive : m_down, m_downSize);
    DrawPart(painter, ThumbRect().topLeft(), m_thumbPressed ? m_thumbActive : m_thumb, m_thumbSize);
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Qt grabs the mouse for the pressed widget, so the release comes back here.
    m_leftDown = true;
    const QPoint point = event->position().toPoint();
    if (ThumbRect().contains(point)) {
        m_thumbPressed = true;
    }
    if (DownRect().contains(point)) {
        m_downPressed = true;
        StartTimer(Timer::Delay, kDelayMs);
    }
    if (UpRect().contains(point)) {
        m_upPressed = true;
        StartTimer(Timer::Delay, kDelayMs);
    }
    update();
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
    MouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void CSkinScrollBar::MouseMoved(const QPoint& point) {
    // Only a press that began on the bar drags the thumb: moves passed on by the list or the
    // skin window while their own button is down must not scroll the list.
    if (m_thumbPressed && m_leftDown) {
        DragThumbTo(point.y());
    } else {
        m_thumbPressed = ThumbRect().contains(point);
        m_downPressed = DownRect().contains(point);
        m_upPressed = UpRect().contains(point);
    }
    update();
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    SyncThumb();
    StopTimer(Timer::Repeat);
    StopTimer(Timer::Delay);
    m_leftDown = false;
    const QPoint point = event->position().toPoint();
    const bool onPressedUp = UpRect().contains(point) && m_upPressed;
    const bool onPressedDown = DownRect().contains(point) && m_downPressed;
    if (onPressedUp) {
        Scroll(QAbstractSlider::SliderSingleStepSub);
    }
    if (onPressedDown) {
        Scroll(QAbstractSlider::SliderSingleStepAdd);
    }
    if (!onPressedUp && !onPressedDown && !ThumbRect().contains(point) && !m_thumbPressed) {
        Scroll(point.y() > m_thumbTop ? QAbstractSlider::SliderPageStepAdd
                                      : QAbstractSlider::SliderPageStepSub);
    }
    m_upPressed = m_downPressed = m_thumbPressed = false;
    update();
}

void CSkinScrollBar::OnTimer(Timer timer) {
    if (timer == Timer::Delay) {
        if (m_downPressed || m_upPressed) {
            StopTimer(Timer::Delay);
            StartTimer(Timer::Repeat, kRepeatMs);
        }
        return;
    }
    if (m_downPressed && m_leftDown) {
        Scroll(QAbstractSlider::SliderSingleStepAdd);
    }
    if (m_upPressed && m_leftDown) {
        Scroll(QAbstractSlider::SliderSingleStepSub);
    }
}

void CSkinScrollBar::timerEvent(QTimerEvent* event) {
    for (const Timer timer : {Timer::Repeat, Timer::Delay}) {
        if (event->timerId() == TimerId(timer)) {
            OnTimer(timer);
            return;
        }
    }
    QWidget::timerEvent(event);
}

void CSkinScrollBar::StartTimer(Timer timer, int milliseconds) {
    // Starting a running timer again restarts it, as a timer set again under its id does.
    StopTimer(timer);
    TimerId(timer) = startTimer(milliseconds);
}

void CSkinScrollBar::StopTimer(Timer timer) {
    if (TimerId(timer) != 0) {
        killTimer(TimerId(timer));
        TimerId(timer) = 0;
    }
}
