#pragma once

#include <QEvent>
#include <QHash>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include "popup/HtmlPage.h"

class QNetworkReply;

// Posted by the browser to its parent when a click lands in the page while the parent's
// window is not the active one.
inline const QEvent::Type kBrowserMouseActivate = static_cast<QEvent::Type>(QEvent::User + 107);

// The popup's browser: fetches pages over HTTP and shows them with Qt's rich text engine (a
// subset of HTML 4 and CSS, no scripts), the pictures they name fetched alongside. A page that
// cannot be had in time shows the fallback page instead, never an error page. Links are
// followed in place; "app:" links are commands to the program.
class CHtmlCtrl : public QTextBrowser {
    Q_OBJECT

public:
    static constexpr int kDefaultLoadTimeMs = 5000;

    explicit CHtmlCtrl(QWidget* parent = nullptr);
    ~CHtmlCtrl() override;

    CHtmlCtrl(const CHtmlCtrl&) = delete;
    CHtmlCtrl& operator=(const CHtmlCtrl&) = delete;

    // Shows the page at `address`. An "app:" address is handed to OnAppCommand without its
    // scheme and changes nothing shown; any other address that is not http(s), and a page that
    // fails (no connection, an error status, neither text nor markup) or takes longer than the
    // load time, show the fallback page.
    void Navigate(const QString& address);
    void ShowFallback();
    // The page shown when no other can be; shown at once if it is showing already.
    void SetFallbackPage(SHtmlPage page);
    void SetLoadTime(int milliseconds) { m_loadTimeMs = milliseconds; }
    // Text and links in colours that read on `background`, for pages that name none.
    void SetInkFor(const QColor& background);

    // The address of the page shown (after redirections); empty while none or the fallback shows.
    QUrl PageUrl() const { return m_pageUrl; }
    bool ShowsFallback() const { return m_shown == EShown::Fallback; }
    bool IsLoading() const { return !m_pageReply.isNull(); }

    // Pictures and style sheets of the page: fetched in the background and shown once they
    // arrive; only from the web for a fetched page, only its own for the fallback.
    QVariant loadResource(int type, const QUrl& name) override;

signals:
    // A page (fetched or the fallback) has just been shown.
    void PageShown();

protected:
    // Commands of "app:" links; the program has none yet.
    virtual void OnAppCommand(const QString& command);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class EShown { Nothing, Page, Fallback };

    bool HasActiveWindow() const;
    void OnLinkClicked(const QUrl& link);
    void OnPageFinished(QNetworkReply* reply);
    void OnResourceFinished(QNetworkReply* reply, int type);
    void FetchResource(const QUrl& url, int type);
    void ShowHtml(EShown shown, const QUrl& url, const QString& html, bool plainText = false);
    // Lays the page out again with what has arrived, keeping its scroll position.
    void Refresh();
    void StopLoading();
    void StopAll();

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_pageReply;
    QTimer m_loadTimer;
    int m_loadTimeMs = kDefaultLoadTimeMs;
    SHtmlPage m_fallback;
    EShown m_shown = EShown::Nothing;
    QUrl m_pageUrl;
    QString m_text;
    bool m_textIsPlain = false;
    // Resources of the fetched page by address: arrived (or failed, as an empty value) and on
    // their way.
    QHash<QUrl, QVariant> m_resources;
    QSet<QUrl> m_pendingResources;
};
