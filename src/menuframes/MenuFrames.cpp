#include "MenuFrames.h"

#include <QApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QThread>

#include "menuframes/MenuFrameErrors.h"
#include "menuframes/MenuFrameGeometry.h"
#include "menuframes/MenuFrameStyles.h"
#include "platform/ScreenInfo.h"

namespace {

// QMenu lays its items out again on a resize. Changing the margins of a shown widget sends one;
// a hidden menu would otherwise size its next popup from the items laid out for the frame.
void Relayout(QWidget* menu) {
    QResizeEvent resize(menu->size(), menu->size());
    QCoreApplication::sendEvent(menu, &resize);
}

// The capture reaches this far beyond the window on the right and at the bottom.
constexpr int kCaptureMargin = 10;

}  // namespace

CMenuFrames::CMenuFrames() : m_style(FindMenuFrameStyle(kCurrentMenuFrameStyle)) {
    QCoreApplication* application = QCoreApplication::instance();
    if (!qobject_cast<QApplication*>(application)) {
        ReportMenuFrameError(EMenuFrameError::NoApplication);
        throw CMenuFrameException(EMenuFrameError::NoApplication);
    }
    if (QThread::currentThread() != application->thread()) {
        ReportMenuFrameError(EMenuFrameError::OtherThread);
        throw CMenuFrameException(EMenuFrameError::OtherThread);
    }
    m_highContrast = CScreenInfo::Current().HighContrast();
    application->installEventFilter(this);
}

CMenuFrames::~CMenuFrames() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(this);
    }
    while (!m_records.empty()) {
        Unframe(m_records.begin()->first);
    }
}

bool CMenuFrames::IsFramed(const QWidget* menu) const {
    return m_records.count(menu) != 0;
}

QImage CMenuFrames::Capture(const QWidget* menu) const {
    const auto found = m_records.find(menu);
    return found != m_records.end() ? found->second.capture : QImage();
}

bool CMenuFrames::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            // Sent before the window appears on the screen, with Qt's size and place already set.
            if (auto* menu = qobject_cast<QMenu*>(watched);
                menu && menu->windowType() == Qt::Popup && !m_records.count(menu)) {
                Frame(menu);
            }
            break;
        case QEvent::Hide:
            Unframe(watched);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (const auto found = m_records.find(watched);
                found != m_records.end() && !found->second.changing) {
                if (event->type() == QEvent::Move) {
                    OnMoved(found->second);
                } else {
                    OnResized(found->second);
                }
            }
            break;
        case QEvent::Paint:
            if (const auto found = m_records.find(watched);
                found != m_records.end() && !found->second.qtPainting) {
                Paint(found->second, static_cast<QPaintEvent*>(event));
                return true;
            }
            break;
        default:
            break;
    }
    return false;
}

void CMenuFrames::Frame(QMenu* menu) {
    if (!m_style || !m_style->hasFrame || m_style->painter != EFramePainter::TwoTone) {
        return;
    }
    CRecord record;
    record.menu = menu;
    record.savedMargins = menu->contentsMargins();
    record.plainGeometry = menu->geometry();
    record.platformShadows = CScreenInfo::Current().MenuShadows();
    // The frame takes the place of the style's own border; measured from a plain menu of the
    // platform's border width, the framed window is one pixel higher and 2 larger or smaller.
    const int border = menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu);
    const int change = MenuFrameGeometry::kPlainBorder - border;
    const QRect plain = record.plainGeometry.adjusted(0, 0, 2 * change, 2 * change);
    const QRect framed = MenuFrameGeometry::FramedWindow(plain, record.platformShadows);
    record.position = framed.topLeft();
    record.size = framed.size();

    CRecord& entry = m_records[menu] = std::move(record);
    entry.destroyed = connect(menu, &QObject::destroyed, this, [this, menu] { m_records.erase(menu); });
    entry.changing = true;
    menu->setContentsMargins(entry.savedMargins + MenuFrameGeometry::ContentMargins(entry.platformShadows) -
                             QMargins(border, border, border, border));
    menu->setGeometry(framed);
    entry.changing = false;
    if (menu->geometry() != framed) {
        const QRect plainGeometry = entry.plainGeometry;
        Unframe(menu);
        menu->setGeometry(plainGeometry);
        ReportMenuFrameError(EMenuFrameError::SizeRefused);
        return;
    }
    entry.capture = CaptureScreen(framed);
}

void CMenuFrames::Unframe(const QObject* object) {
    const auto found = m_records.find(object);
    if (found == m_records.end()) {
        return;
    }
    const CRecord record = std::move(found->second);
    m_records.erase(found);
    disconnect(record.destroyed);
    QWidget* menu = record.menu;
    menu->setContentsMargins(record.savedMargins);
    if (menu->isVisible()) {
        menu->update();
    } else {
        Relayout(menu);
    }
}

void CMenuFrames::OnMoved(CRecord& record) {
    QWidget* menu = record.menu;
    if (menu->pos() == record.position) {
        return;
    }
    if (menu->size() != record.size) {
        Unframe(menu);  // moved and resized at once: the menu keeps Qt's look from now on
        return;
    }
    // Qt placed the menu anew: it stays one pixel higher and shades what lies under its new place.
    record.position = menu->pos() - QPoint(0, 1);
    record.changing = true;
    menu->move(record.position);
    record.changing = false;
    record.capture = CaptureScreen(QRect(record.position, record.size));
    menu->update();
}

void CMenuFrames::OnResized(CRecord& record) {
    QWidget* menu = record.menu;
    if (menu->size() == record.size) {
        return;
    }
    if (menu->pos() != record.position) {
        Unframe(menu);
        return;
    }
    // Qt fitted the menu to changed items in place; the frame follows its new size.
    record.size = menu->size();
}

void CMenuFrames::Paint(CRecord& painted, QPaintEvent* event) {
    QWidget* menu = painted.menu;
    painted.qtPainting = true;
    QCoreApplication::sendEvent(menu, event);
    const auto found = m_records.find(menu);
    if (found == m_records.end()) {
        return;  // unframed while Qt painted
    }
    CRecord& record = found->second;
    record.qtPainting = false;
    const CSystemColours system = SystemColours(menu->palette(), menu->backgroundRole());
    const CFrameColours colours =
        MixFrameColours(system, CScreenInfo::Current().FlatMenus(), DisplayColours());
    QPainter painter(menu);
    PaintMenuFrame(painter, menu->size(), colours, Look(record), record.capture);
}

QImage CMenuFrames::CaptureScreen(const QRect& window) const {
    return CScreenInfo::Current().GrabScreen(window.adjusted(0, 0, kCaptureMargin, kCaptureMargin));
}

CFrameLook CMenuFrames::Look(const CRecord& record) {
    return {record.platformShadows, m_highContrast, DisplayColours()};
}

int CMenuFrames::DisplayColours() {
    if (!m_displayColours) {
        m_displayColours = CScreenInfo::Current().DisplayColours();
    }
    return *m_displayColours;
}
