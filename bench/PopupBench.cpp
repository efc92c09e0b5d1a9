// The promotional popup's share of a skin load and of the start: facing it with a 300 x 200
// picture, and making its browser with the bundled page laid out and painted once.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <QTemporaryDir>

#include "popup/HtmlCtrl.h"
#include "popup/TaskNotifierDlg.h"

namespace {

// A rounded face on magenta, as skins draw it, written where the popup loads it from.
std::string WriteFace(const QTemporaryDir& dir) {
    QImage face(300, 200, QImage::Format_RGB32);
    face.fill(qRgb(255, 0, 255));
    QPainter painter(&face);
    painter.setBrush(QColor(60, 40, 90));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRect(0, 0, 300, 200), 14, 14);
    painter.end();
    const QString path = dir.filePath("dlgTaskNotifier.bmp");
    face.save(path, "BMP");
    return path.toStdString();
}

void ApplyFace(benchmark::State& state) {
    const QTemporaryDir dir;
    const std::string face = WriteFace(dir);
    CTaskNotifierDlg popup(nullptr);
    for (auto _ : state) {
        benchmark::DoNotOptimize(popup.ApplySkinBitmap(face, 255, 0, 255));
    }
}

void MakeBrowserWithBundledPage(benchmark::State& state) {
    const SHtmlPage page = BundledNotifierPage();
    for (auto _ : state) {
        CHtmlCtrl browser;
        browser.setGeometry(QRect(12, 48, 276, 140));
        browser.SetFallbackPage(page);
        browser.ShowFallback();
        benchmark::DoNotOptimize(browser.grab().cacheKey());
    }
}

}  // namespace

BENCHMARK(ApplyFace)->Unit(benchmark::kMillisecond);
BENCHMARK(MakeBrowserWithBundledPage)->Unit(benchmark::kMillisecond);
