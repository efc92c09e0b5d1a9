#include "SkinFolder.h"

#include <QDir>
#include <QFile>

#include "common/BmpWriter.h"

CSkinFixture::CSkinFixture() : m_ownDir(std::make_unique<CTempDir>()), m_folder(m_ownDir->Path()) {}

CSkinFixture::CSkinFixture(std::string folder) : m_folder(std::move(folder)) {
    QDir().mkpath(QString::fromStdString(m_folder));
}

void CSkinFixture::Picture(const std::string& name, const QImage& image) const {
    std::vector<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            pixels.push_back(image.pixel(x, y));
        }
    }
    BmpWriter::Save(BmpWriter::Direct(image.width(), image.height(), pixels, {24, false, true}),
                    QString::fromStdString(File(name)));
}

std::string CSkinFixture::Description(const std::string& text) const {
    QFile file(QString::fromStdString(DescriptionPath()));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
    return DescriptionPath();
}

QImage SolidPicture(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
