#pragma once

#include <QAbstractButton>
#include <QImage>
#include <array>
#include <string>

#include "controls/ControlIdentity.h"
#include "controls/SkinTypes.h"

// A clickable picture of the skin, painted from a strip of four frames. The push button is the
// whole implementation; check, option and combo drop buttons differ only in what a click does
// and in whether they light up under the mouse while checked. The skin's "checked" state is
// the button's own latched look, kept apart from QAbstractButton's checkable machinery.
class CSkinButton : public QAbstractButton, public CControlIdentity {
    Q_OBJECT

public:
    enum class Frame { Normal = 0, Hover = 1, Down = 2, Disabled = 3 };
    static constexpr int kFrameCount = 4;

    // What the frame choice depends on.
    struct SLook {
        bool latched = false;
        bool checked = false;
        bool hover = false;
        bool pressed = false;
        bool disabled = false;
    };
    static Frame ChooseFrame(const SLook& look);

    explicit CSkinButton(QWidget* parent = nullptr);

    // Cuts the BMP strip at `path` into four equal frames (normal, hover, down, disabled) and
    // stretches each, once, to (right - left) x (bottom - top). A file that cannot be read
    // changes nothing.
    void LoadFrameStrip(const std::string& path, int left, int top, int right, int bottom);
    const QImage& FrameImage(Frame frame) const { return m_frames[static_cast<size_t>(frame)]; }

    // Pixels of this colour are left out when the button paints; black until set.
    void SetTransparentColor(SkinColor color);
    SkinColor TransparentColor() const { return m_transparentColor; }

    // The tooltip text, shown only while `activate` holds.
    void SetHint(const std::string& text, bool activate);

    bool IsChecked() const { return m_checked; }
    // Stores the state and repaints, only when it changes.
    void SetChecked(bool checked);
    bool IsLatched() const { return m_latched; }
    void SetLatched(bool latched) { m_latched = latched; }
    bool IsHover() const { return m_hover; }

protected:
    // What a click released inside the button does: a push button reports it to its window.
    virtual void OnClick();
    // Whether the mouse lights the button up in its present state.
    virtual bool TracksHover() const { return true; }

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetHover(bool hover);
    void UpdateDrawnFrames();

    bool m_checked = false;
    bool m_latched = false;
    bool m_hover = false;
    SkinColor m_transparentColor = 0;
    // The frames as cut from the strip, and the same with the transparent colour keyed out.
    std::array<QImage, kFrameCount> m_frames;
    std::array<QImage, kFrameCount> m_drawnFrames;
};
