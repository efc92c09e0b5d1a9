// How the viewer control paints: the page, scaled smoothly, on black; a corner overlay with
// the patient, the study date, the page number, the zoom and the window; messages for files and
// pages that cannot be shown.
#include <QFileInfo>
#include <QPainter>
#include <cmath>

#include "viewer/ImageViewerControl.h"
#include "viewer/PageLoader.h"

namespace {

constexpr int kMargin = 6;

void DrawShadowedText(QPainter& painter, const QRect& area, int flags, const QString& text) {
    painter.setPen(QColor(0, 0, 0, 200));
    painter.drawText(area.translated(1, 1), flags, text);
    painter.setPen(QColor(235, 235, 235));
    painter.drawText(area, flags, text);
}

QString NumberText(double value) {
    return std::fabs(value - std::round(value)) < 1e-6 ? QString::number(std::llround(value))
                                                       : QString::number(value, 'g', 6);
}

}  // namespace

void CImageViewerControl::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::black);
    if (!m_document) {
        if (!m_lastError.empty()) {
            PaintMessage(painter, QString("%1\n%2").arg(QFileInfo(QString::fromStdString(m_path)).fileName(),
                                                        QString::fromStdString(m_lastError)));
        }
        return;
    }
    if (m_document->PageCount() == 0) {
        PaintMessage(painter, "This file holds no image.");
        PaintOverlay(painter);
        return;
    }
    const std::string pageError = m_renderedPage == m_page ? std::string() : m_loader->Error(m_page);
    if (!pageError.empty()) {
        PaintMessage(painter, QString::fromStdString(pageError));
    } else if (!m_screenImage.isNull()) {
        const QRectF target = ImageRect();
        const double scale = Scale();
        if (scale < 1) {
            // Reduced once with area averaging: sampling alone would alias fine detail.
            if (m_scaledImage.isNull() || m_scaledFor != scale) {
                m_scaledImage = m_screenImage.scaled(target.size().toSize(), Qt::IgnoreAspectRatio,
                                                     Qt::SmoothTransformation);
                m_scaledFor = scale;
            }
            painter.drawImage(target.topLeft(), m_scaledImage);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, m_screenImage);
        }
    }
    PaintOverlay(painter);
}

void CImageViewerControl::PaintMessage(QPainter& painter, const QString& text) const {
    const QRect area = viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    DrawShadowedText(painter, area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void CImageViewerControl::PaintOverlay(QPainter& painter) const {
    if (!m_overlayShown) {
        return;
    }
    QFont font = painter.font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() * 0.9));
    painter.setFont(font);
    const QRect area = viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);

    QStringList topLeft;
    for (const std::string& line : {m_document->PatientName(), m_document->StudyDate()}) {
        if (!line.empty()) {
            topLeft << QString::fromStdString(line);
        }
    }
    DrawShadowedText(painter, area, Qt::AlignLeft | Qt::AlignTop, topLeft.join('\n'));

    QStringList bottomLeft;
    if (PageCount() > 0) {
        bottomLeft << QString("Page %1 / %2").arg(m_page + 1).arg(PageCount());
        if (m_renderedPage != m_page) {
            bottomLeft << "Loading...";
        }
    }
    DrawShadowedText(painter, area, Qt::AlignLeft | Qt::AlignBottom, bottomLeft.join('\n'));

    QStringList bottomRight;
    if (PageCount() > 0) {
        bottomRight << QString("Zoom %1%").arg(std::lround(Scale() * 100));
    }
    if (m_rendered.window && m_renderedPage == m_page) {
        bottomRight << QString("W %1  C %2")
                           .arg(NumberText(m_rendered.window->width), NumberText(m_rendered.window->centre));
    }
    DrawShadowedText(painter, area, Qt::AlignRight | Qt::AlignBottom, bottomRight.join('\n'));
}
