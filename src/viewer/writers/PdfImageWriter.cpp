#include "PdfImageWriter.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// One point per pixel.
constexpr int kResolution = 72;

QPageSize PageSizeOf(const QSize& pixels) {
    return QPageSize(QSizeF(pixels), QPageSize::Point, QString(), QPageSize::ExactMatch);
}

}  // namespace

bool CPdfImageWriter::Write(const CSavePages& pages, QIODevice& device, const CSaveOptions&,
                            std::string& error) const {
    QPdfWriter writer(&device);
    writer.setCreator("Vitrine");
    writer.setResolution(kResolution);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    for (int index = 0; index < pages.Count(); ++index) {
        const QImage page = pages.Page(index, error);
        if (page.isNull()) {
            return false;
        }
        // The size applies to the page begun next.
        writer.setPageSize(PageSizeOf(page.size()));
        if (index == 0 && !painter.begin(&writer)) {
            error = "cannot start the PDF document";
            return false;
        }
        if (index > 0) {
            writer.newPage();
        }
        // Without this hint the picture would be stored as JPEG.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        painter.drawImage(QRect(QPoint(0, 0), page.size()), page);
    }
    if (!painter.end()) {
        error = "cannot finish the PDF document";
        return false;
    }
    return true;
}
