#pragma once

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
    virtual bool MenuShadows() const = 0;
    virtual bool HighContrast() const = 0;

    static const CScreenInfo& Current();
    // Installs `info` (not owned) for the rest of the process, or restores Qt's with nullptr.
    static void Install(const CScreenInfo* info);
};

// The primary screen as Qt reports it.
class CQtScreenInfo : public CScreenInfo {
public:
    QRect WorkArea() const override;
    QRect ScreenRect() const override;
    int LogicalDpiY() const override;
    QSize IconSize() const override;
    bool MenuShadows() const override;
    bool HighContrast() const override;
};
