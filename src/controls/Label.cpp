#include "Label.h"

#include <QApplication>
#include <QFontInfo>
#include <QPainter>
#include <cstdlib>

#include "controls/SkinHost.h"
#include "platform/ScreenInfo.h"

namespace {

// Every kind of line break starts a new line, as it does for the platform's text drawing.
QString WithPlainLineBreaks(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

}  // namespace

CLabel::CLabel(QWidget* parent) : QWidget(parent), m_fontHeight(-QFontInfo(font()).pixelSize()) {
    // Like a plain static text, the label lets the mouse through to the window beneath, so the
    // window can be dragged by it too.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CLabel::SetFontName(const std::string& face) {
    QFont changed = font();
    changed.setFamily(QString::fromStdString(face));
    setFont(changed);
}

void CLabel::SetFontSize(int points) {
    m_fontHeight = -(points * CScreenInfo::Current().LogicalDpiY() / 72);
    QFont changed = font();
    if (m_fontHeight == 0) {
        changed.setPointSizeF(QApplication::font().pointSizeF());
    } else {
        changed.setPixelSize(std::abs(m_fontHeight));
    }
    setFont(changed);
}

void CLabel::paintEvent(QPaintEvent*) {
    if (m_backgroundPending) {
        m_background = CSkinHost::BackgroundUnder(this);
        m_backgroundPending = false;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_background);
    painter.setPen(ToQColor(m_textColor));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                     WithPlainLineBreaks(m_text));
}
