// Shaping a window from a 1600 x 1200 skin picture with about 30 % key pixels in scattered runs:
// the run-based build against a plain build that removes one pixel square at a time.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QRandomGenerator>

#include "platform/PixelRegion.h"

namespace {

constexpr QRgb kKey = 0xFF00FF;

const QImage& Picture() {
    static const QImage picture = [] {
        QImage image(1600, 1200, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            int x = 0;
            while (x < image.width()) {
                // Opaque runs average 35 pixels and key runs 15: about 30 % keyed.
                const int opaque = 1 + static_cast<int>(random.bounded(69));
                const int keyed = 1 + static_cast<int>(random.bounded(29));
                for (int i = 0; i < opaque && x < image.width(); ++i, ++x) {
                    row[x] = qRgb(x & 0xFF, y & 0xFF, 90);
                }
                for (int i = 0; i < keyed && x < image.width(); ++i) {
                    row[x++] = kKey | 0xFF000000u;
                }
            }
        }
        return image;
    }();
    return picture;
}

void RunBased(benchmark::State& state) {
    const QImage& picture = Picture();
    for (auto _ : state) {
        SPixelRegion built = RegionWithoutColor(picture, kKey);
        benchmark::DoNotOptimize(built.region.rectCount());
    }
}

// Column by column, one exclusive-or per key pixel.
void PerPixel(benchmark::State& state) {
    const QImage& picture = Picture();
    for (auto _ : state) {
        QRegion region(picture.rect());
        for (int x = 0; x < picture.width(); ++x) {
            for (int y = 0; y < picture.height(); ++y) {
                if ((picture.pixel(x, y) & 0xFFFFFF) == kKey) {
                    region = region.xored(QRegion(x, y, 1, 1));
                }
            }
        }
        benchmark::DoNotOptimize(region.rectCount());
    }
}

BENCHMARK(RunBased)->Unit(benchmark::kMillisecond);
BENCHMARK(PerPixel)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    return 0;
}
