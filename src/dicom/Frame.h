#pragma once

#include <cstdint>
#include <variant>
#include <vector>

// How the samples of a decoded frame are to be read as colour.
enum class EPhotometric {
    Monochrome1,  // low values bright
    Monochrome2,  // low values dark
    Palette,      // indexes into the palette tables
    Rgb,
    YbrFull,     // full-range luminance and chrominance
    YbrPartial,  // studio-range luminance and chrominance
};

// Samples of one decoded frame as stored values: Bits Stored taken out of Bits Allocated,
// signed values sign-extended, colour interleaved at full resolution. Colour frames have three
// samples, or four (RGBA) where a picture file carries transparency.
struct CFrame {
    using CSamples =
        std::variant<std::vector<std::uint8_t>, std::vector<std::int8_t>, std::vector<std::uint16_t>,
                     std::vector<std::int16_t>, std::vector<std::uint32_t>, std::vector<std::int32_t>>;

    int width = 0;
    int height = 0;
    int samplesPerPixel = 1;
    int bitsStored = 8;
    EPhotometric photometric = EPhotometric::Monochrome2;
    CSamples samples;
    // Smallest and largest stored value over all samples, for windows taken from the data.
    double minValue = 0;
    double maxValue = 0;

    bool IsGrey() const { return samplesPerPixel == 1 && photometric != EPhotometric::Palette; }
    std::size_t SampleCount() const {
        return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
               static_cast<std::size_t>(samplesPerPixel);
    }
    std::size_t ByteSize() const;
    // Sets minValue and maxValue from the samples.
    void ComputeRange();
};
