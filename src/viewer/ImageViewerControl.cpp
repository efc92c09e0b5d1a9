#include "ImageViewerControl.h"

#include <QFileInfo>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "viewer/DocumentPages.h"
#include "viewer/PageLoader.h"
#include "viewer/ZoomSteps.h"

namespace {

// Pages decoded ahead of the shown one while paging by hand, and while cine plays.
constexpr int kPagesAhead = 2;
constexpr int kCinePagesAhead = 4;
// Frame interval of a saved animation when neither the file nor a cine run gives one.
constexpr int kDefaultFrameInterval = 100;

std::string AbsolutePath(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

}  // namespace

CImageViewerControl::CImageViewerControl(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::WheelFocus);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    m_cineTimer.setSingleShot(true);
    m_cineTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_cineTimer, &QTimer::timeout, this, &CImageViewerControl::OnCineTick);
}

CImageViewerControl::~CImageViewerControl() = default;

bool CImageViewerControl::Open(const std::string& path) {
    StopCine();
    const std::string absolute = AbsolutePath(path);
    std::string error;
    std::unique_ptr<CImageDocument> document = OpenImageDocument(absolute, error);
    CloseDocument();
    m_path = absolute;
    if (!document) {
        m_lastError = error;
        m_failedMetadata = {
            {"File",
             {{"File Name", QFileInfo(QString::fromStdString(absolute)).fileName().toStdString()},
              {"Error", error}}}};
        UpdateScrollBars();
        viewport()->update();
        return false;
    }
    m_document = std::move(document);
    m_loader = std::make_unique<CPageLoader>(m_document);
    connect(m_loader.get(), &CPageLoader::PageReady, this, &CImageViewerControl::OnPageReady);
    if (m_openOption & 1) {
        m_voi = {};
    }
    UpdateScrollBars();
    if (m_document->PageCount() > 0) {
        ShowPage(0);
    }
    viewport()->update();
    return true;
}

void CImageViewerControl::CloseDocument() {
    m_loader.reset();
    m_document.reset();
    m_path.clear();
    m_lastError.clear();
    m_failedMetadata.clear();
    m_page = -1;
    m_valueSection = 0;
    m_valueEntry = 0;
    m_rendered = {};
    m_renderedFrame.reset();
    m_renderedPage = -1;
    m_screenImage = {};
    m_scaledImage = {};
}

bool CImageViewerControl::SetFileName(const std::string& path) {
    return Open(path);
}

bool CImageViewerControl::OpenFile(const std::string& name) {
    return Open(name);
}

void CImageViewerControl::SetViewMode(int mode) {
    if (mode == 10) {
        m_fit = true;
        UpdateScrollBars();
        viewport()->update();
        return;
    }
    const double scale = ZoomSteps::ForViewMode(mode);
    if (scale > 0) {
        ZoomTo(scale, QRectF(viewport()->rect()).center());
    }
}

void CImageViewerControl::ZoomIn() {
    ZoomTo(ZoomSteps::Larger(Scale()), QRectF(viewport()->rect()).center());
}

void CImageViewerControl::ZoomOut() {
    ZoomTo(ZoomSteps::Smaller(Scale()), QRectF(viewport()->rect()).center());
}

int CImageViewerControl::ShowFile(const std::string& path, int page) {
    StopCine();
    if ((!m_document || AbsolutePath(path) != m_path) && !Open(path)) {
        return 0;
    }
    if (PageCount() == 0) {
        return 0;
    }
    ShowPage(std::clamp(page, 1, PageCount()) - 1);
    return 1;
}

int CImageViewerControl::ShowFileIndex() const {
    return m_page + 1;
}

int CImageViewerControl::SaveImage(const std::string& path, const std::string& text, int a, int b) {
    if (!m_document || m_page < 0) {
        m_lastError = m_document ? "The file has no pages." : "No file is open.";
        return 0;
    }
    const int interval = m_document->FrameInterval() > 0 ? m_document->FrameInterval()
                         : m_cineInterval > 0            ? m_cineInterval
                                                         : kDefaultFrameInterval;
    const CDocumentPages pages(*m_document, *m_loader, m_voi, m_inverted, interval);
    std::string error;
    if (!SaveImageFile(pages, m_page, path, {text, a, b}, error)) {
        m_lastError = error;
        return 0;
    }
    return 1;
}

int CImageViewerControl::PageCount() const {
    return m_document ? m_document->PageCount() : 0;
}

bool CImageViewerControl::GoToPage(int page) {
    StopCine();
    if (page < 1 || page > PageCount()) {
        return false;
    }
    ShowPage(page - 1);
    return true;
}

const CMetadata& CImageViewerControl::CurrentMetadata() const {
    return m_document ? m_document->Metadata() : m_failedMetadata;
}

int CImageViewerControl::SectionCount() const {
    return static_cast<int>(CurrentMetadata().size());
}

std::string CImageViewerControl::SectionName(int section) const {
    return section >= 0 && section < SectionCount()
               ? CurrentMetadata()[static_cast<std::size_t>(section)].name
               : std::string();
}

int CImageViewerControl::EntryCount(int section) const {
    return section >= 0 && section < SectionCount()
               ? static_cast<int>(CurrentMetadata()[static_cast<std::size_t>(section)].entries.size())
               : 0;
}

std::string CImageViewerControl::EntryValue(int section, int entry) const {
    m_valueSection = section;
    m_valueEntry = entry;
    return entry >= 0 && entry < EntryCount(section) ? CurrentMetadata()[static_cast<std::size_t>(section)]
                                                           .entries[static_cast<std::size_t>(entry)]
                                                           .value
                                                     : std::string();
}

std::string CImageViewerControl::EntryName(int section, int entry) const {
    return entry >= 0 && entry < EntryCount(section) ? CurrentMetadata()[static_cast<std::size_t>(section)]
                                                           .entries[static_cast<std::size_t>(entry)]
                                                           .name
                                                     : std::string();
}

bool CImageViewerControl::Start(int interval) {
    StopCine();
    if (interval <= 0 || PageCount() == 0) {
        return false;
    }
    m_cineInterval = interval;
    m_cineClock.Start(std::max(m_page, 0), PageCount(), interval);
    m_cineElapsed.start();
    m_cineTimer.start(m_cineClock.UntilNextPage(0));
    PrefetchAround(m_page);
    return true;
}

void CImageViewerControl::StopCine() {
    m_cineTimer.stop();
}

void CImageViewerControl::OnCineTick() {
    const int page = m_cineClock.PageAt(m_cineElapsed.elapsed());
    if (page != m_page) {
        ShowPage(page);
    }
    m_cineTimer.start(m_cineClock.UntilNextPage(m_cineElapsed.elapsed()));
}

void CImageViewerControl::SetVoi(const CVoiChoice& choice) {
    m_voi = choice;
    if (m_renderedFrame && m_renderedPage == m_page) {
        RenderShownPage(m_renderedFrame);
    }
    viewport()->update();
}

void CImageViewerControl::SetInverted(bool inverted) {
    m_inverted = inverted;
    if (m_renderedFrame && m_renderedPage == m_page) {
        RenderShownPage(m_renderedFrame);
    }
    viewport()->update();
}

void CImageViewerControl::SetOverlayShown(bool shown) {
    m_overlayShown = shown;
    viewport()->update();
}

void CImageViewerControl::ShowPage(int page) {
    const QSize before = PageSizeShown();
    m_page = page;
    if (const std::shared_ptr<const CFrame> frame = m_loader->Request(page)) {
        RenderShownPage(frame);
    }
    if (PageSizeShown() != before) {
        UpdateScrollBars();
    }
    PrefetchAround(page);
    viewport()->update();
}

void CImageViewerControl::PrefetchAround(int page) {
    if (!m_loader || page < 0) {
        return;
    }
    std::vector<int> pages;
    const int count = PageCount();
    if (IsPlaying()) {
        for (int ahead = 1; ahead <= kCinePagesAhead && ahead < count; ++ahead) {
            pages.push_back((page + ahead) % count);
        }
    } else {
        for (int ahead = 1; ahead <= kPagesAhead; ++ahead) {
            if (page + ahead < count) {
                pages.push_back(page + ahead);
            }
            if (ahead == 1 && page > 0) {
                pages.push_back(page - 1);
            }
        }
    }
    m_loader->Prefetch(pages);
}

void CImageViewerControl::OnPageReady(int page) {
    if (page != m_page || m_renderedPage == m_page || !m_loader) {
        return;
    }
    if (const std::shared_ptr<const CFrame> frame = m_loader->Request(page)) {
        RenderShownPage(frame);
    }
    viewport()->update();
}

void CImageViewerControl::RenderShownPage(const std::shared_ptr<const CFrame>& frame) {
    m_rendered = RenderFrame(*frame, m_document->DisplayParameters(m_page), m_voi);
    if (m_inverted) {
        m_rendered.image.invertPixels();
    }
    m_renderedFrame = frame;
    m_renderedPage = m_page;
    // Grey pages are kept for saving as they are, and converted once for quick painting.
    m_screenImage = m_rendered.image.format() == QImage::Format_Grayscale8
                        ? m_rendered.image.convertToFormat(QImage::Format_RGB32)
                        : m_rendered.image;
    m_scaledImage = {};
}

QImage CImageViewerControl::PageImage() {
    if (!m_document || m_page < 0) {
        m_lastError = m_document ? "The file has no pages." : "No file is open.";
        return {};
    }
    if (m_renderedPage != m_page) {
        std::string error;
        const std::shared_ptr<const CFrame> frame = m_loader->Wait(m_page, error);
        if (!frame) {
            m_lastError = error;
            return {};
        }
        RenderShownPage(frame);
        viewport()->update();
    }
    return m_rendered.image;
}

QSize CImageViewerControl::PageSizeShown() const {
    return m_document && m_page >= 0 ? m_document->PageSize(m_page) : QSize();
}

double CImageViewerControl::Scale() const {
    if (!m_fit) {
        return m_scale;
    }
    const QSize page = PageSizeShown();
    const QSize view = viewport()->size();
    if (page.isEmpty() || view.isEmpty()) {
        return 1;
    }
    return std::min(static_cast<double>(view.width()) / page.width(),
                    static_cast<double>(view.height()) / page.height());
}

void CImageViewerControl::ZoomTo(double scale, QPointF anchor) {
    const QRectF before = ImageRect();
    const double oldScale = Scale();
    const QPointF pagePoint = (anchor - before.topLeft()) / oldScale;
    m_fit = false;
    m_scale = std::clamp(scale, ZoomSteps::kMinimum, ZoomSteps::kMaximum);
    UpdateScrollBars();
    // Scroll so that the same page point lies under the anchor again.
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(pagePoint.x() * m_scale - anchor.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(pagePoint.y() * m_scale - anchor.y())));
    viewport()->update();
}

void CImageViewerControl::UpdateScrollBars() {
    const QSize page = PageSizeShown();
    const double scale = Scale();
    const QSize view = viewport()->size();
    const int contentWidth = m_fit || page.isEmpty() ? 0 : static_cast<int>(std::ceil(page.width() * scale));
    const int contentHeight =
        m_fit || page.isEmpty() ? 0 : static_cast<int>(std::ceil(page.height() * scale));
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, contentHeight - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

QRectF CImageViewerControl::ImageRect() const {
    const QSize page = PageSizeShown();
    const double scale = Scale();
    const QSizeF size(page.width() * scale, page.height() * scale);
    const QSize view = viewport()->size();
    const double x =
        size.width() <= view.width() ? (view.width() - size.width()) / 2 : -horizontalScrollBar()->value();
    const double y =
        size.height() <= view.height() ? (view.height() - size.height()) / 2 : -verticalScrollBar()->value();
    return QRectF(QPointF(x, y), size);
}

void CImageViewerControl::PageBy(int step) {
    StopCine();
    if (PageCount() == 0) {
        return;
    }
    const int target = std::clamp(m_page + step, 0, PageCount() - 1);
    if (target != m_page) {
        ShowPage(target);
    }
}

void CImageViewerControl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CImageViewerControl::scrollContentsBy(int, int) {
    viewport()->update();
}
