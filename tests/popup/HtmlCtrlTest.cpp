#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTimer>
#include <QtTest/QTest>

#include "PopupTestKit.h"
#include "common/LocalHttpServer.h"
#include "common/SkinFolder.h"
#include "popup/HtmlCtrl.h"
#include "popup/NotifierSettings.h"
#include "popup/TaskNotifierDlg.h"

namespace {

constexpr int kWaitMs = 5000;

// A browser that writes down the program commands of its "app:" links.
class CRecordingBrowser : public CHtmlCtrl {
public:
    std::vector<QString> commands;

protected:
    void OnAppCommand(const QString& command) override { commands.push_back(command); }
};

// The middle of the first link to `href` on the shown page, in the browser's viewport.
QPoint LinkPoint(const CHtmlCtrl& browser, const QString& href) {
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() == href) {
                QTextCursor cursor(browser.document());
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                return browser.cursorRect(cursor).center();
            }
        }
    }
    ADD_FAILURE() << "no link to " << href.toStdString();
    return {};
}

TEST(NotifierPage, AddressIsTheFixedPathAndQueryOnTheConfiguredHost) {
    const std::pair<QString, QString> cases[] = {
        {"", ""},
        {"example.org", "http://example.org/myindex3.php?pcode=5023"},
        {" 127.0.0.1:8080 ", "http://127.0.0.1:8080/myindex3.php?pcode=5023"},
        {"https://example.org/old/path?x=1", "https://example.org/myindex3.php?pcode=5023"},
    };
    for (const auto& [host, url] : cases) {
        EXPECT_EQ(NotifierPageUrl(host).toString(), url) << host.toStdString();
    }
}

TEST(NotifierPage, TheBrowserComesAfterTheOwnerShowsAndFetchesThePage) {
    CLocalHttpServer server;
    server.Serve("/myindex3.php", {200, "application/x-httpd-php", "\n <p>Served page</p>", true});
    QWidget owner;
    owner.resize(200, 100);
    CTaskNotifierDlg popup(&owner, std::make_unique<CCountedTimers>());
    popup.SetPageUrl(NotifierPageUrl(server.Host()));
    QTest::qWait(50);
    EXPECT_EQ(popup.Browser(), nullptr);  // nothing made before the window the user waits for

    owner.show();
    QTRY_VERIFY_WITH_TIMEOUT(popup.Browser() && !popup.Browser()->PageUrl().isEmpty(), kWaitMs);
    EXPECT_EQ(server.Requests(), QStringList{"/myindex3.php?pcode=5023"});
    EXPECT_TRUE(popup.Browser()->toPlainText().contains("Served page"));

    // It sits on the face below its title band, inked to read on it.
    EXPECT_EQ(popup.Browser()->geometry(), QRect());
    CSkinFixture skin;
    skin.Picture("dark.bmp", SolidPicture(250, 150, qRgb(30, 20, 60)));
    skin.Picture("light.bmp", SolidPicture(400, 400, qRgb(240, 235, 250)));
    popup.ApplySkinBitmap(skin.File("dark.bmp"), 255, 0, 255);
    EXPECT_EQ(popup.Browser()->geometry(), QRect(12, 48, 226, 90));
    EXPECT_GT(popup.Browser()->palette().color(QPalette::Text).lightness(), 200);
    popup.ApplySkinBitmap(skin.File("light.bmp"), 255, 0, 255);
    EXPECT_EQ(popup.Browser()->geometry(), QRect(12, 48, 376, 340));
    EXPECT_LT(popup.Browser()->palette().color(QPalette::Text).lightness(), 60);
}

TEST(NotifierPage, WithoutAHostTheBundledPageShowsAndNothingIsFetched) {
    QWidget owner;
    CTaskNotifierDlg popup(&owner, std::make_unique<CCountedTimers>());
    owner.show();
    QTRY_VERIFY_WITH_TIMEOUT(popup.Browser() && popup.Browser()->ShowsFallback(), kWaitMs);
    EXPECT_TRUE(popup.Browser()->toPlainText().contains("--no-popup"));
    EXPECT_FALSE(popup.Browser()->IsLoading());
}

struct SFailureCase {
    const char* name;
    CLocalHttpServer::SResponse response;
    bool refused;
};

class NotifierPageFailure : public testing::TestWithParam<SFailureCase> {};

TEST_P(NotifierPageFailure, ShowsTheFallbackPageInsteadOfAnError) {
    const SFailureCase& c = GetParam();
    CLocalHttpServer server;
    server.Serve("/page", c.response);
    const QString host =
        c.refused ? QString("127.0.0.1:%1").arg(CLocalHttpServer::ClosedPort()) : server.Host();
    CHtmlCtrl browser;
    browser.SetFallbackPage({"<p>Fallback page</p>", {}});
    browser.SetLoadTime(300);
    QSignalSpy shown(&browser, &CHtmlCtrl::PageShown);
    browser.Navigate("http://" + host + "/page");
    EXPECT_TRUE(browser.IsLoading());

    QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, kWaitMs);
    EXPECT_TRUE(browser.ShowsFallback());
    EXPECT_EQ(browser.toPlainText(), "Fallback page");
    EXPECT_TRUE(browser.PageUrl().isEmpty());
    EXPECT_FALSE(browser.IsLoading());
    QTest::qWait(100);
    EXPECT_EQ(shown.count(), 1);  // nothing arrives late to replace it
}

INSTANTIATE_TEST_SUITE_P(
    Failures, NotifierPageFailure,
    testing::Values(SFailureCase{"Refused", {}, true},
                    SFailureCase{"Slow", {200, "text/html", "<p>late</p>", false}, false},
                    SFailureCase{"NotFound", {404, "text/html", "<h1>Not Found</h1>", true}, false},
                    SFailureCase{"ServerError", {500, "text/html", "<h1>Oops</h1>", true}, false},
                    SFailureCase{"NotText", {200, "application/octet-stream", "\x01\x02", true}, false}),
    [](const testing::TestParamInfo<SFailureCase>& info) { return std::string(info.param.name); });

TEST(NotifierPage, AppLinksAreCommandsAndOtherLinksAreFollowedInPlace) {
    CLocalHttpServer server;
    server.Serve("/start",
                 {200, "text/html",
                  "<p><a href=\"APP:close-now\">close it</a> or <a href=\"next.html\">go on</a></p>", true});
    server.Serve("/next.html", {200, "text/html", "<p>Second page</p>", true});
    CRecordingBrowser browser;
    browser.resize(300, 200);
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    const QString start = "http://" + server.Host() + "/start";
    browser.Navigate(start);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.PageUrl().isEmpty(), kWaitMs);

    QTest::mouseClick(browser.viewport(), Qt::LeftButton, Qt::NoModifier,
                      LinkPoint(browser, "APP:close-now"));
    EXPECT_EQ(browser.commands, std::vector<QString>{"close-now"});
    QTest::qWait(50);
    EXPECT_EQ(browser.PageUrl().toString(), start);
    EXPECT_EQ(server.Requests(), QStringList{"/start"});

    QTest::mouseClick(browser.viewport(), Qt::LeftButton, Qt::NoModifier, LinkPoint(browser, "next.html"));
    QTRY_COMPARE_WITH_TIMEOUT(browser.PageUrl().toString(), "http://" + server.Host() + "/next.html",
                              kWaitMs);
    EXPECT_TRUE(browser.toPlainText().contains("Second page"));
}

TEST(NotifierPage, PicturesOfTheFetchedPageArriveAfterIt) {
    CLocalHttpServer server;
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        SolidPicture(40, 20, qRgb(0, 200, 0)).save(&buffer, "PNG");
    }
    server.Serve("/page", {200, "text/html", "<p><img src=\"pics/logo.png\"></p>", true});
    server.Serve("/pics/logo.png", {200, "image/png", png, true});
    CHtmlCtrl browser;
    browser.resize(200, 100);
    browser.show();
    browser.Navigate("http://" + server.Host() + "/page");
    QTRY_VERIFY_WITH_TIMEOUT(server.Requests().size() == 2, kWaitMs);
    EXPECT_EQ(server.Requests().last(), "/pics/logo.png");
    QTRY_VERIFY_WITH_TIMEOUT(browser.grab().toImage().pixelColor(15, 15) == QColor(0, 200, 0), kWaitMs);
}

TEST(NotifierPage, ASkinsOwnPageComesWithItsPicturesReadBeforeTheFolderGoes) {
    std::optional<SHtmlPage> page;
    {
        CSkinFixture skin;
        skin.Picture("logo.bmp", SolidPicture(30, 20, qRgb(200, 30, 30)));
        QFile html(QString::fromStdString(skin.File("notifier.html")));
        ASSERT_TRUE(html.open(QIODevice::WriteOnly));
        html.write("<p><img src=\"logo.bmp\"><img src=\"../logo.bmp\"><img src=\"/etc/logo.bmp\"></p>");
        html.close();
        page = ReadSkinNotifierPage(skin.Folder());
        EXPECT_FALSE(ReadSkinNotifierPage(skin.Folder() + "absent/").has_value());
    }
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->pictures.keys(), QStringList{"logo.bmp"});

    CHtmlCtrl browser;
    browser.resize(200, 100);
    browser.SetFallbackPage(*page);
    browser.ShowFallback();
    browser.show();
    EXPECT_EQ(browser.grab().toImage().pixelColor(12, 12), QColor(200, 30, 30));
}

// The page window and the window that was active before it.
struct SPageOverOwner {
    SPageOverOwner() {
        auto counted = std::make_unique<CCountedTimers>();
        timers = counted.get();
        popup = std::make_unique<CTaskNotifierDlg>(&owner, std::move(counted));
        skin.Picture("face.bmp", SolidPicture(300, 200, qRgb(40, 90, 140)));
        popup->ApplySkinBitmap(skin.File("face.bmp"), 255, 0, 255);
        popup->SetSkinPage(SHtmlPage{"<p><a href=\"app:more\">more about it</a></p>", {}});
        owner.resize(100, 100);
        owner.show();
    }

    CSkinFixture skin;
    QWidget owner;
    CCountedTimers* timers = nullptr;
    std::unique_ptr<CTaskNotifierDlg> popup;
};

TEST(NotifierPage, AClickIntoThePageOfAnInactivePopupSlidesItOutAndStillFollowsTheLink) {
    CFakeScreen screen({0, 0, 1024, 768}, {0, 0, 1024, 738});
    SPageOverOwner p;
    p.popup->SlideIn(300, 1000, 300);
    p.timers->RunOut(ESlideTimer::In);
    QTRY_VERIFY_WITH_TIMEOUT(p.popup->Browser() && p.popup->Browser()->ShowsFallback(), kWaitMs);
    CHtmlCtrl* browser = p.popup->Browser();
    QSignalSpy clicked(browser, &QTextBrowser::anchorClicked);
    const QPoint link = LinkPoint(*browser, "app:more");

    p.popup->activateWindow();
    QTRY_VERIFY(QGuiApplication::focusWindow() == p.popup->windowHandle());
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, link);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(p.timers->IsActive(ESlideTimer::Out));

    // Its owner active: to the user the popup is then inactive, though Qt counts tool windows
    // as active with their owner.
    p.owner.activateWindow();
    QTRY_VERIFY(QGuiApplication::focusWindow() == p.owner.windowHandle());
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, link);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_TRUE(p.timers->IsActive(ESlideTimer::Out));
}

TEST(NotifierPage, ThePageHasNoContextMenu) {
    CHtmlCtrl browser;
    browser.SetFallbackPage({"<p>Some text to select and copy</p>", {}});
    browser.ShowFallback();
    browser.resize(200, 100);
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    // A menu that opens anyway is closed again, so the test ends and tells.
    bool menuOpened = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&menuOpened] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menuOpened = true;
            menu->close();
        }
    });
    closer.start(100);

    const QPoint at(20, 10);
    QTest::mousePress(browser.viewport(), Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(browser.viewport(), Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseDClick(browser.viewport(), Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, at, browser.viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(browser.viewport(), &byKey);
    QTest::qWait(250);
    EXPECT_FALSE(menuOpened);
}

TEST(NotifierPage, ABrowserDestroyedWhileLoadingLeavesThePopupWithoutOne) {
    CLocalHttpServer server;
    server.Serve("/myindex3.php", {200, "text/html", "", false});
    QWidget owner;
    CTaskNotifierDlg popup(&owner, std::make_unique<CCountedTimers>());
    popup.SetPageUrl(NotifierPageUrl(server.Host()));
    owner.show();
    QTRY_VERIFY_WITH_TIMEOUT(popup.Browser() && popup.Browser()->IsLoading() && !server.Requests().isEmpty(),
                             kWaitMs);
    delete popup.Browser();
    EXPECT_EQ(popup.Browser(), nullptr);
    QTest::qWait(100);  // the abandoned request reports to nobody
}

}  // namespace
