// vitrine-dicomgen: writes synthetic multi-frame DICOM files for benchmarks.
//
// Usage: vitrine-dicomgen OUT [--size N] [--frames N] [--jpeg2000]
#include <cstdio>
#include <cstring>
#include <string>

#include "SyntheticSeries.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vitrine-dicomgen OUT [--size N] [--frames N] [--jpeg2000]\n");
        return 2;
    }
    CSyntheticSeries series;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--jpeg2000") == 0) {
            series.jpeg2000 = true;
        } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            series.size = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            series.frames = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "vitrine-dicomgen: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    std::string error;
    if (series.size < 1 || series.frames < 1 || !WriteSyntheticSeries(argv[1], series, error)) {
        std::fprintf(stderr, "vitrine-dicomgen: %s\n",
                     error.empty() ? "bad size or frame count" : error.c_str());
        return 1;
    }
    return 0;
}
