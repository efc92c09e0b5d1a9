#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QPainter;

// Drawing routines shared by the skins: every picture is drawn on an opaque canvas filled with
// the key colour, so whatever is not painted becomes transparent in the skin.
namespace SkinPainter {

constexpr QRgb kKey = 0xFF00FF;

QImage Canvas(int width, int height);
// A panel with rounded corners, a vertical gradient and a light rim; corners stay key-coloured.
void Panel(QImage& image, const QRect& rect, QColor top, QColor bottom, int radius);
// The same on a painter, with the rim in its own colour.
void Body(QPainter& painter, const QRect& rect, QColor top, QColor bottom, QColor rim, int radius);
// The four looks of a button, in the order of its strip.
enum class Look { Normal, Hover, Down, Disabled };
constexpr Look kLooks[] = {Look::Normal, Look::Hover, Look::Down, Look::Disabled};

// Four frames of `frame` size side by side on the key colour; `paint` draws each look into its
// frame's rectangle.
QImage FrameStrip(QSize frame, const std::function<void(QPainter&, const QRect&, Look)>& paint);

// Writes `image` as a 24-bit BMP; false when the file cannot be written.
bool SaveBmp(const QImage& image, const QString& path);

// The text of a Skin.ini, section by section in the order they are added.
class CIniWriter {
public:
    void Section(const QString& name);
    void Value(const QString& key, const QString& value);
    // Appends "n=value" with n counting from 1 within the current section.
    void Entry(const QString& value);
    bool Save(const QString& path) const;

private:
    QString m_text;
    int m_nextEntry = 1;
};

}  // namespace SkinPainter
