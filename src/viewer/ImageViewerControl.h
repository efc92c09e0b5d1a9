#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Dispatch.h"
#include "viewer/CineClock.h"
#include "viewer/ImageDocument.h"
#include "viewer/Metadata.h"
#include "viewer/Renderer.h"

class CPageLoader;
class QAction;
class QMenu;

// The viewer control: shows the pages of an image file (DICOM, TIFF, other pictures), zooms,
// scrolls, pages, plays pages as cine, saves the shown page and describes the file as sections
// of entries. The window drives it through Invoke by dispatch identifier; the operations are
// also plain member functions.
//
// Meanings this control gives the operations:
// - OpenOption: bit 0 set (the default, 1) lets each newly opened file start with its own
//   window; with it clear, a window set by the user stays when another file opens.
// - ShowFileIndex: the shown page, counted from 1 (0 when nothing is shown). ShowFile(path,
//   index) shows page `index` of `path`, opening it first unless it is the open file; 1 when a
//   page is shown.
// - SaveImage(path, text, a, b): the shown page at 100 % with its current window, in the
//   format of the path's extension (see CSaveOptions for text, a and b); b = 1 saves every page
//   where the format holds several. An animation plays at the file's frame time, else at the
//   interval of the last Start, else at 10 pages a second.
// - LastError (a property to get): why the last open or save failed, so that a window that
//   opens with OpenFile, whose result is only a yes or no, can tell the user the reason.
class CImageViewerControl : public QAbstractScrollArea, public IDispatchTarget {
    Q_OBJECT

public:
    explicit CImageViewerControl(QWidget* parent = nullptr);
    ~CImageViewerControl() override;

    // The operations of the automation interface.
    // Opens and shows the file; false (with LastError) when it cannot be opened.
    bool SetFileName(const std::string& path);
    void SetViewMode(int mode);
    void SetOpenOption(int option) { m_openOption = option; }
    int ShowFile(const std::string& path, int page);
    int ShowFileIndex() const;
    int SaveImage(const std::string& path, const std::string& text, int a, int b);
    void ZoomIn();
    void ZoomOut();
    int PageCount() const;
    bool OpenFile(const std::string& name);
    bool GoToPage(int page);
    int SectionCount() const;
    std::string SectionName(int section) const;
    int EntryCount(int section) const;
    std::string EntryValue(int section, int entry) const;
    std::string EntryName(int section, int entry) const;
    bool Start(int interval);

    CVariant Invoke(int dispid, EDispatchKind kind, const std::vector<CVariant>& args) override;

    // Beyond the automation interface, for the command-line tool and for tests.
    // Opens a file; false with LastError when it cannot be opened.
    bool Open(const std::string& path);
    const std::string& LastError() const { return m_lastError; }
    void SetVoi(const CVoiChoice& choice);
    const CVoiChoice& Voi() const { return m_voi; }
    // The page shown, from 0; -1 without pages.
    int CurrentPage() const { return m_page; }
    double Scale() const;
    bool IsFitted() const { return m_fit; }
    bool IsPlaying() const { return m_cineTimer.isActive(); }
    // The shown page at 100 % as displayed, decoding it first if needed (null with
    // LastError when it cannot be decoded).
    QImage PageImage();
    // The window applied to the shown page, if it is grey.
    std::optional<CWindow> AppliedWindow() const { return m_rendered.window; }
    // True once the shown page is on screen (not still decoding).
    bool IsPageShown() const { return m_renderedPage == m_page && m_page >= 0; }

    // How the page is shown: inverted (saves and copies take it as shown), with or without the
    // corner overlay.
    void SetInverted(bool inverted);
    bool IsInverted() const { return m_inverted; }
    void SetOverlayShown(bool shown);
    bool IsOverlayShown() const { return m_overlayShown; }
    void StopPlaying() { StopCine(); }
    // Copy the shown page as displayed at 100 %, or the value of the entry whose value was last
    // asked for (the one a window's value list shows), to the clipboard; false with nothing to copy.
    bool CopyImage();
    bool CopyEntryValue();

    // The control's menu, shown on a right click without a drag and with the menu key.
    // Its entries come in groups, one after the other with separators between.
    enum class EMenuGroup { File, Zoom, Display, Cine, Copy };
    // Entries that stand for a button of the hosting window call `handler` with the button's
    // name ("BUTTON_BROWSE1", "BUTTON_ZOOM100", ...), so that they do just what the button does;
    // without a handler they are disabled.
    void SetButtonHandler(std::function<void(const std::string& button)> handler);
    // Adds `action` (owned by the caller) at the end of `group` in every menu shown from now on.
    void AddMenuAction(EMenuGroup group, QAction* action);
    // A new menu with the entries as they apply now, owned by `parent`.
    QMenu* CreateMenu(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CloseDocument();
    void ShowPage(int page);
    void OnPageReady(int page);
    void RenderShownPage(const std::shared_ptr<const CFrame>& frame);
    void StopCine();
    void OnCineTick();
    void PrefetchAround(int page);
    QSize PageSizeShown() const;
    // Sets the scale (leaving fit mode) keeping the page point under `anchor` in place.
    void ZoomTo(double scale, QPointF anchor);
    void UpdateScrollBars();
    QRectF ImageRect() const;
    void PaintOverlay(QPainter& painter) const;
    void PaintMessage(QPainter& painter, const QString& text) const;
    const CMetadata& CurrentMetadata() const;
    void PageBy(int step);
    void ShowMenu(QPoint globalPosition);
    void AddButtonEntry(QMenu& menu, const QString& text, const char* button);
    void AddWindowMenu(QMenu& menu);
    void AddGroupActions(QMenu& menu, EMenuGroup group) const;

    std::shared_ptr<const CImageDocument> m_document;
    std::unique_ptr<CPageLoader> m_loader;
    std::string m_path;
    std::string m_lastError;
    // Describes a file that failed to open: its name and the reason.
    CMetadata m_failedMetadata;
    int m_page = -1;
    int m_openOption = 1;

    CRenderedPage m_rendered;
    std::shared_ptr<const CFrame> m_renderedFrame;
    int m_renderedPage = -1;
    QImage m_screenImage;  // the rendered page in a format that paints quickly
    mutable QImage m_scaledImage;
    mutable double m_scaledFor = 0;
    CVoiChoice m_voi;
    bool m_inverted = false;
    bool m_overlayShown = true;
    // The entry whose value was last asked for.
    mutable int m_valueSection = 0;
    mutable int m_valueEntry = 0;

    std::function<void(const std::string&)> m_buttonHandler;
    std::vector<std::pair<EMenuGroup, QPointer<QAction>>> m_menuActions;

    bool m_fit = true;
    double m_scale = 1;

    QTimer m_cineTimer;
    QElapsedTimer m_cineElapsed;
    CCineClock m_cineClock;
    int m_cineInterval = 0;  // of the last Start, in ms

    enum class EDrag { None, Pan, Window };
    EDrag m_drag = EDrag::None;
    QPoint m_dragStart;
    QPoint m_scrollAtDragStart;
    CWindow m_windowAtDragStart;
    // A right press that has not moved far enough to be a drag: its release shows the menu.
    bool m_rightClick = false;
    CVoiChoice m_voiAtRightPress;
    int m_wheelRemainder = 0;
};
