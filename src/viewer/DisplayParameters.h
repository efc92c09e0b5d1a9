#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// How stored values of a page become what the screen shows: the modality transform (rescale
// or lookup table), the values-of-interest transform (a window or lookup table) and, for palette
// images, the colour tables. The document gives these; the renderer applies them.

enum class EVoiFunction { Linear, LinearExact, Sigmoid };

struct CWindow {
    double centre = 0;
    double width = 0;
    EVoiFunction function = EVoiFunction::Linear;
    std::string explanation;
};

// A lookup table: input x maps to values[x - firstMapped], clamped to the table's ends.
struct CLookupTable {
    int firstMapped = 0;
    int bits = 16;
    std::vector<std::uint16_t> values;

    double Map(double input) const;
    double MaxOutput() const { return static_cast<double>((1u << bits) - 1); }
};

// Colour tables of a palette image, already reduced to eight bits per channel.
struct CPalette {
    int firstMapped = 0;
    std::vector<std::uint8_t> red, green, blue;
};

struct CDisplayParameters {
    double rescaleSlope = 1;
    double rescaleIntercept = 0;
    std::shared_ptr<const CLookupTable> modalityLut;
    std::vector<CWindow> windows;
    std::shared_ptr<const CLookupTable> voiLut;
    std::shared_ptr<const CPalette> palette;

    bool HasFileVoi() const { return !windows.empty() || voiLut != nullptr; }
};
