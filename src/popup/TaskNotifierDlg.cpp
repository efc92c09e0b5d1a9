#include "TaskNotifierDlg.h"

#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "controls/SkinButton.h"
#include "platform/PixelRegion.h"
#include "platform/ScreenInfo.h"
#include "popup/HtmlCtrl.h"

namespace {

constexpr char kCloseButton[] = "TASKBUTTON_EXIT";

// The mean colour of `image` over `area`, from a sparse grid of its pixels.
QColor AverageColor(const QImage& image, const QRect& area) {
    const QRect inside = area.intersected(image.rect());
    if (inside.isEmpty()) {
        return {};
    }
    constexpr int kGrid = 8;
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); y += std::max(1, inside.height() / kGrid)) {
        for (int x = inside.left(); x <= inside.right(); x += std::max(1, inside.width() / kGrid)) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    return QColor(static_cast<int>(red / count), static_cast<int>(green / count),
                  static_cast<int>(blue / count));
}

}  // namespace

CTaskNotifierDlg::CTaskNotifierDlg(QWidget* owner, std::unique_ptr<CStepTimers> timers)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint),
      m_bundledPage(BundledNotifierPage()),
      m_timers(timers ? std::move(timers) : std::make_unique<CQtStepTimers>()) {
    // It comes after its owner has shown, and must not take the keyboard away from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_timers->SetTick([this](ESlideTimer timer) { OnTick(timer); });
    ScheduleBrowser();
}

CTaskNotifierDlg::~CTaskNotifierDlg() {
    if (parentWidget()) {
        parentWidget()->removeEventFilter(this);
    }
    m_timers->SetTick(nullptr);
}

void CTaskNotifierDlg::HideNow() {
    m_timers->Stop(ESlideTimer::In);
    m_timers->Stop(ESlideTimer::Out);
    m_pendingSlide.reset();
    hide();
    setGeometry(0, 0, 0, 0);
    m_state = EState::Hidden;
}

bool CTaskNotifierDlg::ApplySkinBitmap(const std::string& path, int red, int green, int blue) {
    CBitmap bitmap;
    if (!bitmap.LoadFromFile(path)) {
        return false;
    }
    m_bitmap = std::move(bitmap);
    // The shape is built over whole groups of four pixels: a picture's last one to three
    // columns stay outside it.
    const QImage& image = m_bitmap.Image();
    const QImage covered = image.copy(0, 0, image.width() / 4 * 4, image.height());
    m_shape = covered.isNull() ? QRegion() : RegionWithoutColor(covered, qRgb(red, green, blue)).region;
    setMask(m_shape);
    FitBrowser();
    update();
    return true;
}

void CTaskNotifierDlg::SlideIn(std::uint32_t appearMs, std::uint32_t, std::uint32_t hideMs) {
    m_timers->Stop(ESlideTimer::Out);
    m_pendingSlide.reset();
    if (m_bitmap.IsEmpty()) {
        return;  // nothing to show, and no extent to spread the slide over
    }
    if (!OwnerShown()) {
        // The window the user waits for comes first, at the start and after a skin switch.
        m_pendingSlide = SSlideTimes{appearMs, hideMs};
        WatchOwner();
        return;
    }
    StartSlide(appearMs, hideMs);
}

void CTaskNotifierDlg::StartSlide(std::uint32_t appearMs, std::uint32_t hideMs) {
    const CScreenInfo& screen = CScreenInfo::Current();
    m_motion = CSlideMotion(screen.ScreenRect(), screen.WorkArea(), m_bitmap.Size(), kStep);
    m_appearPeriod = m_motion.Period(appearMs);
    m_hidePeriod = m_motion.Period(hideMs);
    PlaceAtCurrent();
    show();
    raise();
    m_state = EState::Appearing;
    m_timers->Start(ESlideTimer::In, m_appearPeriod);
}

void CTaskNotifierDlg::StartPendingSlide() {
    if (m_pendingSlide && OwnerShown()) {
        const SSlideTimes times = *m_pendingSlide;
        m_pendingSlide.reset();
        StartSlide(times.appearMs, times.hideMs);
    }
}

void CTaskNotifierDlg::BeginSlideOut(const std::string& name) {
    if (name == kCloseButton) {
        SlideOut();
    }
}

void CTaskNotifierDlg::SlideOut() {
    // A late click into the page may arrive after the popup has gone.
    if (m_state != EState::Appearing && m_state != EState::Shown) {
        return;
    }
    m_timers->Stop(ESlideTimer::In);
    m_timers->Start(ESlideTimer::Out, m_hidePeriod);
}

void CTaskNotifierDlg::OnTick(ESlideTimer timer) {
    if (timer == ESlideTimer::In) {
        m_state = EState::Appearing;
        if (!m_motion.StepIn()) {
            m_timers->Stop(ESlideTimer::In);
            m_state = EState::Shown;
        }
    } else {
        m_state = EState::Disappearing;
        if (!m_motion.StepOut()) {
            HideNow();
            return;
        }
    }
    PlaceAtCurrent();
}

void CTaskNotifierDlg::PlaceAtCurrent() {
    setGeometry(QRect(m_motion.Current(), m_bitmap.Size()));
}

void CTaskNotifierDlg::paintEvent(QPaintEvent*) {
    if (!m_bitmap.IsEmpty()) {
        QPainter(this).drawImage(QPoint(0, 0), m_bitmap.Image());
    }
}

bool CTaskNotifierDlg::event(QEvent* event) {
    if (event->type() == kBrowserMouseActivate) {
        SlideOut();
        return true;
    }
    return QWidget::event(event);
}

bool CTaskNotifierDlg::OwnerShown() const {
    return !parentWidget() || parentWidget()->isVisible();
}

void CTaskNotifierDlg::WatchOwner() {
    if (parentWidget()) {
        parentWidget()->installEventFilter(this);  // installing twice keeps one
    }
}

void CTaskNotifierDlg::ScheduleBrowser() {
    if (!OwnerShown()) {
        WatchOwner();
        return;
    }
    m_browserScheduled = true;
    QTimer::singleShot(0, this, &CTaskNotifierDlg::CreateBrowser);
}

bool CTaskNotifierDlg::eventFilter(QObject* watched, QEvent* event) {
    // The owner's first paint after it shows: it is on the screen, and what waited for it can
    // follow once that paint is done.
    if (watched == parentWidget() && event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        if (!m_browserScheduled) {
            m_browserScheduled = true;
            QTimer::singleShot(0, this, &CTaskNotifierDlg::CreateBrowser);
        }
        if (m_pendingSlide) {
            QTimer::singleShot(0, this, &CTaskNotifierDlg::StartPendingSlide);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CTaskNotifierDlg::CreateBrowser() {
    auto* browser = new CHtmlCtrl(this);
    browser->lower();  // beneath the skin's buttons
    browser->show();
    browser->SetFallbackPage(FallbackPage());
    m_browser = browser;
    FitBrowser();
    if (m_pageUrl.isEmpty()) {
        browser->ShowFallback();
    } else {
        browser->Navigate(m_pageUrl.toString());
    }
}

QRect CTaskNotifierDlg::BrowserRect() const {
    const QRect page = m_bitmap.Image().rect().marginsRemoved(kPageMargins);
    return page.isValid() ? page : QRect();
}

void CTaskNotifierDlg::FitBrowser() {
    if (!m_browser) {
        return;
    }
    const QRect place = BrowserRect();
    m_browser->setGeometry(place);
    m_browser->SetInkFor(AverageColor(m_bitmap.Image(), place));
}

CHtmlCtrl* CTaskNotifierDlg::Browser() const {
    return m_browser.data();
}

const SHtmlPage& CTaskNotifierDlg::FallbackPage() const {
    return m_skinPage ? *m_skinPage : m_bundledPage;
}

void CTaskNotifierDlg::SetSkinPage(std::optional<SHtmlPage> page) {
    m_skinPage = std::move(page);
    if (m_browser) {
        m_browser->SetFallbackPage(FallbackPage());
    }
}

void CTaskNotifierDlg::AddTaskbarButton(std::unique_ptr<CSkinButton> button) {
    button->raise();
    m_taskbarButtons.push_back(std::move(button));
}

void CTaskNotifierDlg::DestroyTaskbarButtons() {
    m_taskbarButtons.clear();
}

CSkinButton* CTaskNotifierDlg::TaskbarButton() const {
    return m_taskbarButtons.empty() ? nullptr : m_taskbarButtons.back().get();
}
