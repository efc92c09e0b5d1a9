#include "MenuFrameGeometry.h"

namespace MenuFrameGeometry {

namespace {

// Space that the shadow takes at the right and bottom, where the platform draws none.
int ShadowSpace(bool platformShadows) {
    return platformShadows ? 0 : kShadow;
}

}  // namespace

QRect FramedWindow(const QRect& plain, bool platformShadows) {
    const int grow = platformShadows ? -2 : 2;
    return {plain.x(), plain.y() - 1, plain.width() + grow, plain.height() + grow};
}

QMargins ContentMargins(bool platformShadows) {
    // Without platform shadows the client area's last column and row lie under the inner
    // outline, so the items keep clear of them; with them the light band covers the last
    // column, as it does on the platform's own menus.
    return platformShadows ? QMargins(2, 2, 2, 2) : QMargins(2, 2, 6, 6);
}

QRect OuterRect(QSize size, bool platformShadows) {
    const int shadow = ShadowSpace(platformShadows);
    return {0, 0, size.width() - shadow, size.height() - shadow};
}

QRect InnerRect(QSize size, bool platformShadows) {
    return OuterRect(size, platformShadows).adjusted(1, 1, -1, -1);
}

QRect ClientRect(QSize size, bool platformShadows) {
    const int right = platformShadows ? 2 : 5;
    const int bottom = platformShadows ? 2 : 6;
    return QRect(QPoint(2, 2), size).adjusted(0, 0, -2 - right, -2 - bottom);
}

QRect BandHole(QSize size, bool platformShadows) {
    return ClientRect(size, platformShadows).adjusted(0, 0, -1, 0);
}

QRect MidColumn(QSize size, bool platformShadows) {
    return {1, 2, 1, size.height() - (platformShadows ? 4 : 8)};
}

}  // namespace MenuFrameGeometry
