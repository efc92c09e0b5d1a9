#include "ScreenInfo.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

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
    return true;
}

// Qt offers no portable high-contrast query; the normal look is the safe answer.
bool CQtScreenInfo::HighContrast() const {
    return false;
}
