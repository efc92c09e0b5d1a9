// Saving one 512 x 512 page in each format of the save filter: a grey CT slice (the synthetic
// phantom of tools/dicomgen, rendered with its window) and the same slice in false colour.
// Each iteration writes the whole file beside its target, flushes it to disk and renames it.
// Then a whole series saved page after page.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "dicomgen/SyntheticSeries.h"
#include "viewer/ImageDocument.h"
#include "viewer/ImageViewerControl.h"
#include "viewer/Renderer.h"
#include "viewer/writers/ImageWriter.h"

namespace {

const char* const kExtensions[] = {"pdf", "psd", "j2k", "jpg", "pcx", "wmf", "wbmp", "bmp",
                                   "tif", "tga", "gif", "pgx", "ras", "pnm", "png",  "ico"};

// The rendered slice; null when it cannot be made.
QImage GreySlice() {
    static const QImage slice = [] {
        QTemporaryDir folder;
        const std::string path = QDir(folder.path()).filePath("ct512.dcm").toStdString();
        CSyntheticSeries series;
        series.frames = 1;
        std::string error;
        CFrame frame;
        std::unique_ptr<CImageDocument> document;
        if (!WriteSyntheticSeries(path, series, error) || !(document = OpenImageDocument(path, error)) ||
            !document->DecodePage(0, frame, error)) {
            std::fprintf(stderr, "cannot make the slice: %s\n", error.c_str());
            return QImage();
        }
        return RenderFrame(frame, document->DisplayParameters(0), {}).image;
    }();
    return slice;
}

// The slice through a blue-to-red ramp, so that colour formats have three different channels.
QImage ColourSlice() {
    static const QImage slice = [] {
        const QImage grey = GreySlice();
        QImage colour(grey.size(), QImage::Format_RGB888);
        for (int y = 0; y < grey.height(); ++y) {
            const uchar* in = grey.constScanLine(y);
            uchar* out = colour.scanLine(y);
            for (int x = 0; x < grey.width(); ++x) {
                out[3 * x] = in[x];
                out[3 * x + 1] = static_cast<uchar>(255 - std::abs(2 * in[x] - 255));
                out[3 * x + 2] = static_cast<uchar>(255 - in[x]);
            }
        }
        return colour;
    }();
    return slice;
}

void SavePage(benchmark::State& state) {
    const char* extension = kExtensions[state.range(0)];
    const bool colour = state.range(1) != 0;
    const QImage page = colour ? ColourSlice() : GreySlice();
    state.SetLabel(std::string(extension) + (colour ? " colour" : " grey"));
    if (page.isNull()) {
        state.SkipWithError("no page");
        return;
    }
    QTemporaryDir folder;
    const std::string path = QDir(folder.path()).filePath(QString("page.") + extension).toStdString();
    std::string error;
    for (auto _ : state) {
        if (!SaveImageFile(page, path, {}, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
}
BENCHMARK(SavePage)
    ->ArgsProduct({benchmark::CreateDenseRange(0, std::size(kExtensions) - 1, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Every page of a 100-frame 512 x 512 series through the control (decode, render, write), for
// the formats that hold several pages.
void SaveEveryPage(benchmark::State& state) {
    static const char* const kMultiPage[] = {"tif", "gif", "pdf"};
    const char* extension = kMultiPage[state.range(0)];
    state.SetLabel(std::string(extension) + ", 100 pages");
    QTemporaryDir folder;
    const std::string series = QDir(folder.path()).filePath("series.dcm").toStdString();
    CSyntheticSeries synthetic;
    synthetic.frames = 100;
    std::string error;
    CImageViewerControl control;
    if (!WriteSyntheticSeries(series, synthetic, error) || !control.Open(series)) {
        state.SkipWithError(error.empty() ? control.LastError().c_str() : error.c_str());
        return;
    }
    const std::string path = QDir(folder.path()).filePath(QString("pages.") + extension).toStdString();
    for (auto _ : state) {
        if (control.SaveImage(path, "", 0, 1) != 1) {
            state.SkipWithError(control.LastError().c_str());
            return;
        }
    }
}
BENCHMARK(SaveEveryPage)->DenseRange(0, 2)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
