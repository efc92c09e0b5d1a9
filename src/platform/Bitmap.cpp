#include "Bitmap.h"

#include <QFile>
#include <QImageReader>

namespace {

QImage ToOpaqueRgb32(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    // Alpha is not part of a skin picture: a 32-bit BMP is drawn as if its alpha were opaque.
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return rgb;
}

}  // namespace

CBitmap::CBitmap(QImage image) : m_image(ToOpaqueRgb32(image)) {}

bool CBitmap::LoadFromFile(const std::string& path) {
    m_image = QImage();
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // The reader is told the format so that a file of another kind named .bmp is refused
    // instead of being decoded by whatever plugin recognises it.
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image)) {
        return false;
    }
    m_image = ToOpaqueRgb32(image);
    return !m_image.isNull();
}
