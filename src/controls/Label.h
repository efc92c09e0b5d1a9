#pragma once

#include <QImage>
#include <QWidget>
#include <string>
#include <utility>

#include "controls/ControlIdentity.h"
#include "controls/SkinTypes.h"

// A text on the skin in the skin's face, size and colour, drawn over the skin background
// that lies under the label; it has no background colour of its own and reports no events.
// An ampersand underlines the next character ("&&" shows one), line breaks start new lines,
// nothing wraps, and the text is cut at the label's edges.
class CLabel : public QWidget, public CControlIdentity {
    Q_OBJECT

public:
    explicit CLabel(QWidget* parent = nullptr);

    const std::string& Text() const { return m_text; }
    // Does not repaint; callers update the label afterwards.
    void SetText(std::string text) { m_text = std::move(text); }

    void SetFontName(const std::string& face);
    // Points become a character height in pixels at the screen's vertical resolution.
    void SetFontSize(int points);
    // The height as a font description holds it: negative for a character height in pixels,
    // positive for a cell height, 0 for the face's default.
    int FontHeight() const { return m_fontHeight; }

    // Does not repaint.
    void SetTextColor(SkinColor color) { m_textColor = color; }
    SkinColor TextColor() const { return m_textColor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_fontHeight = 0;
    std::string m_text;
    SkinColor m_textColor = 0xFFFFFF;
    bool m_backgroundPending = true;
    // The skin background under the label, taken once from the skin window's canvas.
    QImage m_background;
};
