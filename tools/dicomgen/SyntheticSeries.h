#pragma once

#include <string>

// Synthetic CT-like images for benchmarks: a phantom of discs over air, shifting a little from
// frame to frame, with some noise so that compression has real work to do.
struct CSyntheticSeries {
    int size = 512;
    int frames = 1000;
    // JPEG 2000 (lossless) instead of native data; a few distinct frames are encoded and repeated,
    // as encoding every frame of a large series would take minutes.
    bool jpeg2000 = false;
    int distinctFrames = 8;
};

// Writes the series as one multi-frame file of signed 16-bit values with a CT window.
bool WriteSyntheticSeries(const std::string& path, const CSyntheticSeries& series, std::string& error);
