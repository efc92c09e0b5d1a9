#pragma once

#include <QImage>
#include <QString>

// What every picture of a skin shares: the key colour, the looks of a button strip, the file
// format, and the writer of Skin.ini.
namespace SkinPainter {

// Pixels of this colour are cut out of the window (and of the notifier popup).
constexpr QRgb kKey = 0xFF00FF;

// The four looks of a button, in the order of its strip.
enum class Look { Normal, Hover, Down, Disabled };
constexpr Look kLooks[] = {Look::Normal, Look::Hover, Look::Down, Look::Disabled};

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
