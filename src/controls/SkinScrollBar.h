#pragma once

#include <QAbstractSlider>
#include <QColor>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <string>

#include "controls/SkinTypes.h"
#include "platform/Bitmap.h"

class QAbstractScrollArea;

// The vertical scroll bar a skinned list stands beside in place of its own scroll bars. It is
// drawn from seven skin pictures and scrolls nothing itself: it asks the list to step, page or
// move by rows and reads the list's position and limit back.
class CSkinScrollBar : public QWidget {
    Q_OBJECT

public:
    // The delay before an arrow held down starts repeating, and the repeat itself.
    enum class Timer { Repeat = 1, Delay = 2 };
    static constexpr int kDelayMs = 250;
    static constexpr int kRepeatMs = 50;

    explicit CSkinScrollBar(QWidget* parent = nullptr);

    // Paths in the order track, up, up active, down, down active, thumb, thumb active. A part's
    // size is taken only when both of its pictures load; the bar is as wide as the up arrow.
    void LoadPictures(const std::string& track, const std::string& up, const std::string& upActive,
                      const std::string& down, const std::string& downActive, const std::string& thumb,
                      const std::string& thumbActive);
    // Fills the bar when the list has nothing to scroll.
    void SetBackColor(SkinColor color);
    // The list whose vertical position the bar shows; its scroll unit is one row. Not owned.
    void SetList(QAbstractScrollArea* list);
    int GetBarWidth() const { return m_barWidth; }

    // Brings the thumb to the list's position and redraws.
    void SyncThumb();

    // A mouse move at `point`, taken as the bar's own coordinates whoever reports it: the bar
    // itself, its list, or the skin window.
    void MouseMoved(const QPoint& point);
    // One tick of a timer; timerEvent lands here.
    void OnTimer(Timer timer);
    bool IsTimerRunning(Timer timer) const { return TimerId(timer) != 0; }

    int ThumbTop() const { return m_thumbTop; }
    QRect UpRect() const;
    QRect DownRect() const;
    QRect ThumbRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    int Position() const;
    int Limit() const;
    // Track pixels left to the thumb's travel.
    int FreeTrack() const;
    void Scroll(QAbstractSlider::SliderAction action);
    void DragThumbTo(int y);
    void ClampThumb();
    void StartTimer(Timer timer, int milliseconds);
    void StopTimer(Timer timer);
    int& TimerId(Timer timer) { return m_timerIds[static_cast<size_t>(timer) - 1]; }
    int TimerId(Timer timer) const { return m_timerIds[static_cast<size_t>(timer) - 1]; }

    CBitmap m_thumb, m_thumbActive;
    CBitmap m_up, m_upActive;
    CBitmap m_down, m_downActive;
    CBitmap m_track;
    QColor m_backColor = Qt::black;
    QSize m_upSize, m_downSize, m_thumbSize, m_trackSize;
    int m_barWidth = 0;
    QPointer<QAbstractScrollArea> m_list;
    // Each part is "pressed" while held down, or while the mouse is over it and nothing is held.
    bool m_upPressed = false;
    bool m_downPressed = false;
    bool m_thumbPressed = false;
    // The left button went down on the bar and has not come up yet.
    bool m_leftDown = false;
    int m_thumbTop = 0;
    double m_pixelsPerStep = 0.0;
    std::array<int, 2> m_timerIds{};
};
