#include "SkinPainter.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace SkinPainter {

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kKey));
    return image;
}

void Panel(QImage& image, const QRect& rect, QColor top, QColor bottom, int radius) {
    QPainter painter(&image);
    Body(painter, rect, top, bottom, top.lighter(140), radius);
}

void Body(QPainter& painter, const QRect& rect, QColor top, QColor bottom, QColor rim, int radius) {
    painter.save();
    // No antialiasing: blended edge pixels would be neither key nor panel and show as fringes.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect.adjusted(0, 0, -1, -1)), radius, radius);
    painter.fillPath(path, gradient);
    painter.setPen(QPen(rim, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

QImage FrameStrip(QSize frame, const std::function<void(QPainter&, const QRect&, Look)>& paint) {
    QImage strip = Canvas(frame.width() * 4, frame.height());
    QPainter painter(&strip);
    for (int k = 0; k < 4; ++k) {
        painter.save();
        paint(painter, QRect(QPoint(k * frame.width(), 0), frame), kLooks[k]);
        painter.restore();
    }
    return strip;
}

bool SaveBmp(const QImage& image, const QString& path) {
    return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

void CIniWriter::Section(const QString& name) {
    if (!m_text.isEmpty()) {
        m_text += "\r\n";
    }
    m_text += "[" + name + "]\r\n";
    m_nextEntry = 1;
}

void CIniWriter::Value(const QString& key, const QString& value) {
    m_text += key + "=" + value + "\r\n";
}

void CIniWriter::Entry(const QString& value) {
    Value(QString::number(m_nextEntry++), value);
}

bool CIniWriter::Save(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(m_text.toUtf8()) == m_text.toUtf8().size();
}

}  // namespace SkinPainter
