#include "Colourings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "DevSkin.h"
#include "SkinPainter.h"

namespace {

// A colouring moves every colour of the development skin along the colour wheel and scales its
// saturation and lightness.
struct SColouring {
    const char* id;
    int hueShift;  // degrees
    double saturation;
    double lightness;
};

constexpr SColouring kColourings[] = {
    {"startup", 0, 1.0, 1.0}, {"orange", 120, 1.0, 1.0}, {"black", 0, 0.15, 0.55},
    {"purple", 12, 1.1, 1.0}, {"blue", -50, 1.0, 1.0},   {"red", 88, 1.0, 0.95},
    {"gray", 0, 0.0, 1.0},    {"pink", 47, 1.0, 1.15},   {"deluxe", 150, 0.9, 0.9},
};

// Colours that mean "transparent": the key of every picture, and black for the drop button.
constexpr QRgb kBlack = 0x000000;

QRgb Recolour(QRgb rgb, const SColouring& colouring) {
    const QRgb plain = rgb & 0xFFFFFF;
    if (plain == SkinPainter::kKey || plain == kBlack) {
        return rgb;
    }
    float h = 0, s = 0, l = 0;
    QColor::fromRgb(rgb).getHslF(&h, &s, &l);
    if (h >= 0) {
        h = static_cast<float>(std::fmod(h * 360.0 + colouring.hueShift + 360.0, 360.0) / 360.0);
    }
    s = static_cast<float>(std::clamp(s * colouring.saturation, 0.0, 1.0));
    l = static_cast<float>(std::clamp(l * colouring.lightness, 0.0, 1.0));
    QRgb result = QColor::fromHslF(std::max(h, 0.0f), s, l).rgb() & 0xFFFFFF;
    // A colour must never become transparent by accident.
    if (result == SkinPainter::kKey) {
        result = 0xFE00FF;
    } else if (result == kBlack) {
        result = 0x010101;
    }
    return result | 0xFF000000u;
}

bool RecolourPicture(const QString& path, const SColouring& colouring) {
    QImage image(path);
    if (image.isNull()) {
        return false;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[x] = Recolour(row[x], colouring);
        }
    }
    return SkinPainter::SaveBmp(image, path);
}

// The description's colours are written 0xRRGGBB.
bool RecolourDescription(const QString& path, const SColouring& colouring) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    static const QRegularExpression colour("0x([0-9A-Fa-f]{6})\\b");
    QString out;
    qsizetype last = 0;
    for (auto it = colour.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QRgb rgb = Recolour(match.captured(1).toUInt(nullptr, 16), colouring);
        out += text.mid(last, match.capturedStart() - last);
        out += QString("0x%1").arg(rgb & 0xFFFFFF, 6, 16, QChar('0'));
        last = match.capturedEnd();
    }
    out += text.mid(last);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(out.toUtf8()) == out.toUtf8().size();
}

}  // namespace

QStringList SkinIds() {
    QStringList ids;
    for (const SColouring& colouring : kColourings) {
        ids << colouring.id;
    }
    return ids;
}

bool WriteSkin(const QString& id, const QString& folder) {
    const auto found = std::find_if(std::begin(kColourings), std::end(kColourings),
                                    [&id](const SColouring& c) { return id == c.id; });
    if (found == std::end(kColourings) || !WriteDevSkin(folder)) {
        return false;
    }
    const QDir dir(folder);
    bool ok = RecolourDescription(dir.filePath("Skin.ini"), *found);
    for (const QString& picture : dir.entryList({"*.bmp"}, QDir::Files)) {
        ok = RecolourPicture(dir.filePath(picture), *found) && ok;
    }
    return ok;
}
