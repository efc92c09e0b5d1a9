#include "SkinHost.h"

#include <QPainter>
#include <QWidget>

namespace {

// The nearest ancestor of `control` that is a `Host`, with the widget it is. The search ends
// at the control's own window: a window owned by another (the task-bar notifier over the skin
// window) holds controls of its own, whose indices mean nothing to the owner.
template <typename Host>
std::pair<Host*, QWidget*> FindHost(const QWidget* control) {
    for (QWidget* parent = control ? control->parentWidget() : nullptr; parent;
         parent = parent->parentWidget()) {
        if (auto* host = dynamic_cast<Host*>(parent)) {
            return {host, parent};
        }
        if (parent->isWindow()) {
            break;
        }
    }
    return {nullptr, nullptr};
}

}  // namespace

CSkinHost* CSkinHost::Of(const QWidget* control) {
    return FindHost<CSkinHost>(control).first;
}

QImage CSkinHost::BackgroundUnder(const QWidget* control) {
    QImage under(control->size(), QImage::Format_ARGB32_Premultiplied);
    under.fill(Qt::transparent);
    const auto [host, window] = FindHost<CSkinHost>(control);
    if (host && !host->BackgroundCanvas().isNull()) {
        QPainter painter(&under);
        painter.drawImage(QPoint(0, 0), host->BackgroundCanvas(),
                          QRect(control->mapTo(window, QPoint(0, 0)), control->size()));
    }
    return under;
}

CNotifierHost* CNotifierHost::Of(const QWidget* control) {
    return FindHost<CNotifierHost>(control).first;
}
