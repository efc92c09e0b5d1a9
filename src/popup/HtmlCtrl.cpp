#include "HtmlCtrl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScrollBar>
#include <QTextDocument>
#include <QWindow>

namespace {

constexpr char kAppScheme[] = "app:";

bool IsWebUrl(const QUrl& url) {
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

bool Succeeded(const QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply.error() == QNetworkReply::NoError && status >= 200 && status < 300;
}

}  // namespace

CHtmlCtrl::CHtmlCtrl(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setFrameShape(QFrame::NoFrame);
    // Where the page sets no background, the popup's own face shows through.
    viewport()->setAutoFillBackground(false);
    QPalette transparent = palette();
    transparent.setColor(QPalette::Base, Qt::transparent);
    setPalette(transparent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_loadTimer.setSingleShot(true);
    connect(&m_loadTimer, &QTimer::timeout, this, &CHtmlCtrl::ShowFallback);
    connect(this, &QTextBrowser::anchorClicked, this, &CHtmlCtrl::OnLinkClicked);
}

CHtmlCtrl::~CHtmlCtrl() {
    // Replies still on their way must not report to a browser that is half gone.
    StopAll();
}

void CHtmlCtrl::SetInkFor(const QColor& background) {
    const bool dark = background.isValid() && background.lightnessF() < 0.5;
    QPalette ink = palette();
    ink.setColor(QPalette::Text, dark ? QColor(240, 240, 240) : QColor(30, 30, 30));
    ink.setColor(QPalette::Link, dark ? QColor(150, 200, 255) : QColor(20, 80, 170));
    ink.setColor(QPalette::LinkVisited, ink.color(QPalette::Link));
    setPalette(ink);
}

void CHtmlCtrl::Navigate(const QString& address) {
    if (address.startsWith(QLatin1String(kAppScheme), Qt::CaseInsensitive)) {
        OnAppCommand(address.mid(static_cast<int>(sizeof kAppScheme) - 1));
        return;
    }
    const QUrl url(address);
    if (!IsWebUrl(url)) {
        ShowFallback();
        return;
    }
    StopLoading();
    QNetworkReply* reply = m_network.get(QNetworkRequest(url));
    m_pageReply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { OnPageFinished(reply); });
    m_loadTimer.start(m_loadTimeMs);
}

void CHtmlCtrl::OnPageFinished(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply != m_pageReply) {
        return;
    }
    m_loadTimer.stop();
    m_pageReply = nullptr;
    if (!Succeeded(*reply)) {
        ShowFallback();
        return;
    }
    const QByteArray body = reply->readAll();
    const QString type = reply->header(QNetworkRequest::ContentTypeHeader).toString().toLower();
    const bool plain = type.startsWith(QLatin1String("text/plain"));
    // Pages made by a script often come labelled loosely; what reads as markup is shown as such.
    const bool html = type.isEmpty() || type.startsWith(QLatin1String("text/html")) ||
                      type.startsWith(QLatin1String("application/xhtml")) || body.trimmed().startsWith('<');
    if (!html && !plain) {
        ShowFallback();
        return;
    }
    ShowHtml(EShown::Page, reply->url(), plain ? QString::fromUtf8(body) : DecodeHtml(body), plain);
}

void CHtmlCtrl::ShowFallback() {
    ShowHtml(EShown::Fallback, QUrl(), m_fallback.html);
}

void CHtmlCtrl::SetFallbackPage(SHtmlPage page) {
    m_fallback = std::move(page);
    if (m_shown == EShown::Fallback) {
        ShowHtml(EShown::Fallback, QUrl(), m_fallback.html);
    }
}

void CHtmlCtrl::ShowHtml(EShown shown, const QUrl& url, const QString& text, bool plainText) {
    StopAll();
    m_resources.clear();
    m_shown = shown;
    m_pageUrl = url;
    m_text = text;
    m_textIsPlain = plainText;
    if (plainText) {
        setPlainText(text);
    } else {
        setHtml(text);
    }
    emit PageShown();
}

void CHtmlCtrl::Refresh() {
    const int scrolled = verticalScrollBar()->value();
    if (m_textIsPlain) {
        setPlainText(m_text);
    } else {
        setHtml(m_text);
    }
    verticalScrollBar()->setValue(scrolled);
}

QVariant CHtmlCtrl::loadResource(int type, const QUrl& name) {
    if (m_shown == EShown::Fallback) {
        if (name.scheme() == QLatin1String("qrc")) {
            return QTextBrowser::loadResource(type, name);
        }
        const auto picture = m_fallback.pictures.constFind(name.toString());
        return picture == m_fallback.pictures.constEnd() ? QVariant() : QVariant(*picture);
    }
    const QUrl url = m_pageUrl.resolved(name);
    if (m_shown != EShown::Page || !IsWebUrl(url)) {
        return {};
    }
    const auto known = m_resources.constFind(url);
    if (known != m_resources.constEnd()) {
        return *known;
    }
    FetchResource(url, type);
    return {};
}

void CHtmlCtrl::FetchResource(const QUrl& url, int type) {
    if (m_pendingResources.contains(url)) {
        return;
    }
    m_pendingResources.insert(url);
    QNetworkRequest request(url);
    request.setTransferTimeout(m_loadTimeMs);
    QNetworkReply* reply = m_network.get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply, type] { OnResourceFinished(reply, type); });
}

void CHtmlCtrl::OnResourceFinished(QNetworkReply* reply, int type) {
    reply->deleteLater();
    const QUrl url = reply->request().url();
    m_pendingResources.remove(url);
    const QByteArray body = Succeeded(*reply) ? reply->readAll() : QByteArray();
    // A failed resource is remembered as empty so that laying the page out does not ask again.
    QVariant value = QByteArray();
    if (type == QTextDocument::ImageResource) {
        QImage picture;
        if (picture.loadFromData(body)) {
            value = picture;
        }
    } else if (type == QTextDocument::StyleSheetResource) {
        value = QString::fromUtf8(body);
    }
    m_resources.insert(url, value);
    Refresh();
}

void CHtmlCtrl::StopLoading() {
    m_loadTimer.stop();
    if (QNetworkReply* reply = m_pageReply.data()) {
        m_pageReply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void CHtmlCtrl::StopAll() {
    StopLoading();
    for (QNetworkReply* reply : m_network.findChildren<QNetworkReply*>()) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_pendingResources.clear();
}

void CHtmlCtrl::OnLinkClicked(const QUrl& link) {
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        scrollToAnchor(link.fragment());
        return;
    }
    Navigate(m_pageUrl.resolved(link).toString());
}

void CHtmlCtrl::OnAppCommand(const QString&) {}

bool CHtmlCtrl::HasActiveWindow() const {
    // The window with the keyboard focus. A tool window counts as active along with its owner
    // in Qt's view, but to the user the popup is only active once clicked itself.
    const QWindow* handle = window()->windowHandle();
    return handle && QGuiApplication::focusWindow() == handle;
}

void CHtmlCtrl::mousePressEvent(QMouseEvent* event) {
    // The popup learns of the click first and the page still gets it, as with any window that
    // is clicked while another one is active.
    if (parentWidget() && !HasActiveWindow()) {
        QCoreApplication::postEvent(parentWidget(), new QEvent(kBrowserMouseActivate));
    }
    if (event->button() == Qt::RightButton) {
        event->accept();  // the page has no context menu
        return;
    }
    QTextBrowser::mousePressEvent(event);
}

void CHtmlCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTextBrowser::mouseReleaseEvent(event);
}

void CHtmlCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTextBrowser::mouseDoubleClickEvent(event);
}

void CHtmlCtrl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}
