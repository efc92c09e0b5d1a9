#pragma once

#include <QImage>
#include <QRect>

// What the program asks of the screen, behind an interface so that tests can fix the answers.
class CScreenInfo {
public:
    virtual ~CScreenInfo() = default;

    // The desktop area not covered by task bars, in screen coordinates.
    virtual QRect WorkArea() const = 0;
    virtual QRect ScreenRect() const = 0;
    // Pixels per logical inch along y; fonts given in points are converted with it.
    virtual int LogicalDpiY() const = 0;
    // The size in which the platform shows a window's large icon.
    virtual QSize IconSize() const = 0;
    // Whether something outside the program already draws a shadow under menus.
    virtual bool MenuShadows() const = 0;
    virtual bool HighContrast() const = 0;
    // Whether menus are flat: their frame then takes the menu-bar colour.
    virtual bool FlatMenus() const { return false; }
    // How many colours the display shows at once; 64000 stands for every true-colour display.
    virtual int DisplayColours() const { return 64000; }
    // The screen's pixels in `area` (global, logical pixels) as they are now, or a null image
    // where the screen cannot be read.
    virtual QImage GrabScreen(const QRect& area) const {
        Q_UNUSED(area);
        return {};
    }

    static const CScreenInfo& Current();
    // Installs `info` (not owned) for the rest of the process, or restores Qt's with nullptr.
    static void Install(const CScreenInfo* info);
};

// The primary screen as Qt reports it; menu shadows, contrast and flat menus as the desktop
// says (see DesktopSettings.h).
class CQtScreenInfo : public CScreenInfo {
public:
    QRect WorkArea() const override;
    QRect ScreenRect() const override;
    int LogicalDpiY() const override;
    QSize IconSize() const override;
    bool MenuShadows() const override;
    bool HighContrast() const override;
    bool FlatMenus() const override;
    int DisplayColours() const override;
    QImage GrabScreen(const QRect& area) const override;
};
