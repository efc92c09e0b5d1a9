#include "RecordingHost.h"

#include <QPainter>
#include <QtTest/QTest>

CRecordingHost::CRecordingHost(QSize size) : canvas(size, QImage::Format_RGB32) {
    resize(size);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            canvas.setPixel(x, y, CanvasPixel(x, y));
        }
    }
    // The window itself paints a plain colour, unlike its canvas.
    setAutoFillBackground(true);
    QPalette plain = palette();
    plain.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(plain);
}

bool CRecordingHost::ShowActive() {
    show();
    activateWindow();
    return QTest::qWaitForWindowActive(this);
}

QRgb CanvasPixel(int x, int y) {
    return qRgb(x % 256, y % 256, 77);
}

QImage Strip(QSize frame, const std::array<QRgb, 4>& colours) {
    QImage strip(frame.width() * 4, frame.height(), QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int k = 0; k < 4; ++k) {
        painter.fillRect(QRect(QPoint(k * frame.width(), 0), frame), QColor(colours[k]));
    }
    return strip;
}

QImage Shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}
