#include "DevSkin.h"

#include <QDir>
#include <QPainter>

#include "SkinPainter.h"

using namespace SkinPainter;

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 520;
const QRect kViewerArea(24, 64, 440, 400);

QImage Background() {
    QImage image = Canvas(kWidth, kHeight);
    Panel(image, QRect(0, 0, kWidth, kHeight), QColor(0x6B, 0x3F, 0xA0), QColor(0x2E, 0x17, 0x4D), 28);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A round porthole and a notch cut out of the window, to show that the shape follows the key.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(kKey));
    painter.drawEllipse(QRect(kWidth - 86, 14, 56, 56));
    painter.drawRect(QRect(kWidth / 2 - 40, kHeight - 10, 80, 10));
    // The well in which the viewer sits.
    painter.setBrush(QColor(0x12, 0x0A, 0x1E));
    painter.setPen(QPen(QColor(0xB8, 0x9A, 0xE0), 1));
    painter.drawRect(kViewerArea.adjusted(-2, -2, 1, 1));
    painter.setPen(QColor(0xF0, 0xE6, 0xFF));
    QFont font("DejaVu Sans", 16, QFont::Bold);
    painter.setFont(font);
    painter.drawText(QRect(72, 16, 300, 36), Qt::AlignVCenter | Qt::AlignLeft, "Vitrine");
    return image;
}

QImage Icon() {
    QImage image = Canvas(40, 40);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE8, 0xD8, 0xFF));
    painter.drawEllipse(QRect(2, 2, 36, 36));
    painter.setBrush(QColor(0x4A, 0x2C, 0x6E));
    painter.drawEllipse(QRect(11, 11, 18, 18));
    return image;
}

}  // namespace

bool WriteDevSkin(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const QDir dir(folder);
    bool ok = SaveBmp(Background(), dir.filePath("background.bmp"));
    ok = SaveBmp(Icon(), dir.filePath("icon.bmp")) && ok;

    CIniWriter ini;
    ini.Section("Screen");
    ini.Value("Main", "background.bmp");
    ini.Section("TRANSPARENT");
    ini.Value("COLOR", "0xFF00FF");
    ini.Section("CONTROL");
    ini.Value("CONTROL", QString("%1,%2,%3,%4")
                             .arg(kViewerArea.left())
                             .arg(kViewerArea.top())
                             .arg(kViewerArea.right() + 1)
                             .arg(kViewerArea.bottom() + 1));
    ini.Section("ICON");
    ini.Value("ICON", "icon.bmp,20,14,60,54");
    return ini.Save(dir.filePath("Skin.ini")) && ok;
}
