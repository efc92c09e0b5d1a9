#include "ScreenInfo.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QStyle>

#include "platform/DesktopSettings.h"

namespace {

const CScreenInfo* g_installed = nullptr;

QScreen* Primary() {
    return QGuiApplication::primaryScreen();
}

}  // namespace

const CScreenInfo& CScreenInfo::Current() {
    static CQtScreenInfo qtInfo;
    return g_installed ? *g_installed : qtInfo;
}

void CScreenInfo::Install(const CScreenInfo* info) {
    g_installed = info;
}

QRect CQtScreenInfo::WorkArea() const {
    QScreen* screen = Primary();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect CQtScreenInfo::ScreenRect() const {
    QScreen* screen = Primary();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

int CQtScreenInfo::LogicalDpiY() const {
    QScreen* screen = Primary();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

QSize CQtScreenInfo::IconSize() const {
    const int extent =
        QApplication::style() ? QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize) : 32;
    return {extent, extent};
}

bool CQtScreenInfo::MenuShadows() const {
    return DesktopSettings::MenuShadows();
}

bool CQtScreenInfo::HighContrast() const {
    return DesktopSettings::HighContrast();
}

bool CQtScreenInfo::FlatMenus() const {
    return DesktopSettings::FlatMenus();
}

int CQtScreenInfo::DisplayColours() const {
    QScreen* screen = Primary();
    const int depth = screen ? screen->depth() : 24;
    return depth > 0 && depth <= 8 ? 1 << depth : 64000;
}

QImage CQtScreenInfo::GrabScreen(const QRect& area) const {
    // Only an X server lets a program read the screen; Wayland and the offscreen platform
    // give nothing or the program's own windows.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || area.isEmpty()) {
        return {};
    }
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen) {
        screen = Primary();
    }
    if (!screen) {
        return {};
    }
    const QPoint origin = area.topLeft() - screen->geometry().topLeft();
    QImage image = screen->grabWindow(0, origin.x(), origin.y(), area.width(), area.height()).toImage();
    if (image.isNull()) {
        return {};
    }
    // Screens with a scale factor give device pixels.
    if (image.size() != area.size()) {
        image = image.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}
