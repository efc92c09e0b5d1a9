#pragma once

#include <QImage>
#include <string>

// A picture of the skin, loaded from a BMP file in its own size. Pixels are held as opaque
// RGB32 so that colour keys compare on all 24 bits regardless of the file's depth. A file
// that cannot be read as a BMP leaves the bitmap empty; callers treat an empty bitmap as
// "no picture" and draw nothing.
class CBitmap {
public:
    CBitmap() = default;
    explicit CBitmap(QImage image);

    // Replaces the content with the BMP file at `path`; false (and empty) when it is not one.
    bool LoadFromFile(const std::string& path);
    void Clear() { m_image = QImage(); }

    bool IsEmpty() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    QSize Size() const { return m_image.size(); }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};
