#pragma once

#include <QImage>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <map>
#include <optional>

#include "menuframes/MenuFrameColours.h"
#include "menuframes/MenuFramePainter.h"

class QMenu;
class QPaintEvent;
class QWidget;
struct CMenuFrameStyle;

// Gives every popup menu of the application the program's own frame while it lives: an
// application-wide event filter takes each QMenu window as it is shown, makes room for the
// frame in its margins and size, and paints the frame and shadow over what Qt paints; Qt's
// style still draws the items. Hiding a menu, destroying it, moving and resizing it at once,
// or removing the frames gives it back its own look. Desktop facts come from CScreenInfo:
// high contrast once at start, the display's colours once at first use, menu shadows and flat
// menus anew for every menu.
class CMenuFrames : public QObject {
    Q_OBJECT

public:
    // Installs the frames; needs the application object and its thread, and otherwise reports
    // the failure and throws CMenuFrameException.
    CMenuFrames();
    ~CMenuFrames() override;

    CMenuFrames(const CMenuFrames&) = delete;
    CMenuFrames& operator=(const CMenuFrames&) = delete;

    bool IsFramed(const QWidget* menu) const;
    // The screen under a framed menu as taken for its shadow (null for other widgets).
    QImage Capture(const QWidget* menu) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the frame changed on one menu, and what it knows of it.
    struct CRecord {
        QWidget* menu = nullptr;
        QMargins savedMargins;
        QRect plainGeometry;  // where Qt put the menu before the frame moved it
        bool platformShadows = false;
        QPoint position;
        QSize size;
        QImage capture;
        bool qtPainting = false;
        bool changing = false;  // the frame is moving or resizing the menu itself
        QMetaObject::Connection destroyed;
    };

    void Frame(QMenu* menu);
    void Unframe(const QObject* menu);
    void OnMoved(CRecord& record);
    void OnResized(CRecord& record);
    void Paint(CRecord& record, QPaintEvent* event);
    QImage CaptureScreen(const QRect& window) const;
    CFrameLook Look(const CRecord& record);
    int DisplayColours();

    const CMenuFrameStyle* m_style;
    bool m_highContrast = false;
    std::optional<int> m_displayColours;
    std::map<const QObject*, CRecord> m_records;
};
