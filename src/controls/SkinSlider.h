#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

#include "controls/ControlIdentity.h"
#include "controls/SkinTypes.h"

// The skin's slider: a channel picture drawn from the start of the track up to the thumb, so
// that it reads as a filled bar, and a thumb picture on top. The window sizes itself from its
// pictures. Only dragging with the mouse reports positions to the skin window; keys and SetPos
// move the thumb silently.
class CSkinSlider : public QWidget, public CControlIdentity {
    Q_OBJECT

public:
    explicit CSkinSlider(QWidget* parent = nullptr);

    // Loads the track picture; false (and no channel) when the file cannot be read.
    bool SetChannel(const std::string& path);
    // Loads the thumb and, when given, the thumb shown while dragging; with `transparent` both
    // are drawn without their pixels of the transparent colour. Resizes the window to cover
    // channel and thumb. An active picture that cannot be read drops the thumb as well and
    // leaves the size alone. True when a thumb is present afterwards.
    bool SetThumb(const std::string& path, const std::optional<std::string>& activePath, bool transparent);

    void SetTransparentColor(SkinColor color) { m_transparentColor = color; }
    void SetHint(const std::string& text, bool activate);
    void SetVertical(bool vertical);
    bool IsVertical() const { return m_vertical; }

    void SetRange(int minimum, int maximum, bool redraw);
    int GetRangeMin() const { return m_min; }
    int GetRangeMax() const { return m_max; }
    // Clamps to the range and repaints; reports nothing.
    void SetPos(int position);
    int GetPos() const { return m_pos; }

    // The thumb's centre along the track, in pixels, for the present position.
    int ThumbCentre() const;
    // The position for a pixel coordinate along the track.
    int PositionAt(int coordinate) const;

    bool HasChannel() const { return m_channelLoaded; }
    bool HasThumb() const { return m_thumbLoaded; }
    bool IsDragging() const { return m_dragging; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Moves the thumb to the mouse, held within the track, and reports the new position.
    void TrackTo(const QPoint& point);
    void PaintChannel(QPainter& painter);
    void PaintThumb(QPainter& painter) const;
    QImage LoadThumbPicture(const std::string& path, bool transparent) const;

    int m_max = 100;
    int m_min = 0;
    int m_pos = 0;
    int m_pageStep = 20;
    QSize m_controlSize{0, 0};
    QSize m_thumbSize{0, 0};
    QSize m_channelSize{0, 0};
    bool m_vertical = false;
    bool m_hasActiveThumb = false;
    bool m_thumbLoaded = false;
    bool m_dragging = false;
    bool m_channelLoaded = false;
    bool m_backgroundPending = true;
    SkinColor m_transparentColor = 0;
    QImage m_thumb;
    QImage m_activeThumb;
    QImage m_channel;
    // The skin background under the whole slider, taken once from the skin window's canvas.
    QImage m_background;
};
