#pragma once

#include <QMargins>
#include <QPointer>
#include <QRegion>
#include <QUrl>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/SkinHost.h"
#include "platform/Bitmap.h"
#include "popup/HtmlPage.h"
#include "popup/SlideMotion.h"
#include "popup/StepTimers.h"

class CHtmlCtrl;
class CSkinButton;

// The promotional popup: a shaped window, faced with the skin's "dlgTaskNotifier.bmp", that
// slides out of the screen edge the task bar is on at every skin load, shows a page in its
// browser and slides back when closed. Its buttons come from the skin as well.
class CTaskNotifierDlg : public QWidget, public CNotifierHost {
    Q_OBJECT

public:
    enum class EState { Hidden = 0, Appearing = 1, Shown = 2, Disappearing = 3 };

    // Where the page sits on the face: below a title band, which holds the skin's title and
    // close button, and inside a narrow border, so that the face frames it.
    static constexpr QMargins kPageMargins{12, 48, 12, 12};
    // Pixels per animation step.
    static constexpr int kStep = 1;

    // A popup owned by `owner`, above which it stays and with which it goes. `timers` move it;
    // Qt's timers when none are given.
    explicit CTaskNotifierDlg(QWidget* owner, std::unique_ptr<CStepTimers> timers = nullptr);
    ~CTaskNotifierDlg() override;

    CTaskNotifierDlg(const CTaskNotifierDlg&) = delete;
    CTaskNotifierDlg& operator=(const CTaskNotifierDlg&) = delete;

    // Stops any slide and takes the popup off the screen at once.
    void HideNow();
    // Faces the popup with the BMP at `path`: its size becomes the popup's, and its pixels of
    // the key colour are cut out of the shape, which covers the picture's width rounded down to
    // a multiple of 4. A file that is missing or not a BMP changes nothing and gives false.
    bool ApplySkinBitmap(const std::string& path, int red, int green, int blue);
    // Slides the popup out of the task bar's edge, spreading `appearMs` over the slide; it then
    // stays until closed, and `hideMs` paces the slide back. `stayMs` means nothing. Without a
    // picture the popup has no size and stays hidden. While the owner is hidden (before it first
    // shows, during a skin switch) the slide waits until the owner has been painted.
    void SlideIn(std::uint32_t appearMs, std::uint32_t stayMs, std::uint32_t hideMs);
    // The close button, TASKBUTTON_EXIT, slides the popup back from wherever it is; other
    // names do nothing.
    void BeginSlideOut(const std::string& name) override;

    // The skin's own page, shown when no other can be; without one the page that ships with
    // the program shows.
    void SetSkinPage(std::optional<SHtmlPage> page);
    // The page to fetch; empty fetches nothing. Takes effect when the browser is made.
    void SetPageUrl(const QUrl& url) { m_pageUrl = url; }
    // The browser, made once the owner has first been painted; nullptr until then.
    CHtmlCtrl* Browser() const;
    // The browser's place in the popup; empty without a face.
    QRect BrowserRect() const;

    // Buttons of the skin, on the popup until the next skin's load destroys them.
    void AddTaskbarButton(std::unique_ptr<CSkinButton> button);
    void DestroyTaskbarButtons();
    // The last one added, or nullptr.
    CSkinButton* TaskbarButton() const;
    const std::vector<std::unique_ptr<CSkinButton>>& TaskbarButtons() const { return m_taskbarButtons; }

    EState State() const { return m_state; }
    const CBitmap& SkinBitmap() const { return m_bitmap; }
    const QRegion& Shape() const { return m_shape; }
    const CSlideMotion& Motion() const { return m_motion; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct SSlideTimes {
        std::uint32_t appearMs;
        std::uint32_t hideMs;
    };

    void StartSlide(std::uint32_t appearMs, std::uint32_t hideMs);
    void StartPendingSlide();
    bool OwnerShown() const;
    // Looks out for the owner's next paint.
    void WatchOwner();
    void OnTick(ESlideTimer timer);
    void SlideOut();
    void PlaceAtCurrent();
    // Makes the browser once the owner is on the screen, so that it never delays it.
    void ScheduleBrowser();
    void CreateBrowser();
    const SHtmlPage& FallbackPage() const;
    // Fits the browser to the face: its place, and text that reads on the face beneath it.
    void FitBrowser();

    std::vector<std::unique_ptr<CSkinButton>> m_taskbarButtons;
    QPointer<CHtmlCtrl> m_browser;
    bool m_browserScheduled = false;
    std::optional<SSlideTimes> m_pendingSlide;
    QUrl m_pageUrl;
    std::optional<SHtmlPage> m_skinPage;
    SHtmlPage m_bundledPage;
    CBitmap m_bitmap;
    QRegion m_shape;
    EState m_state = EState::Hidden;
    std::uint32_t m_appearPeriod = 0;
    std::uint32_t m_hidePeriod = 0;
    CSlideMotion m_motion;
    std::unique_ptr<CStepTimers> m_timers;
};
