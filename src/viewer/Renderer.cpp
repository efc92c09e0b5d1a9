#include "Renderer.h"

#include <algorithm>
#include <cmath>

namespace {

// Stored-value ranges up to this size are mapped through a precomputed table.
constexpr double kMaxTableSize = 1 << 20;

std::uint8_t ToByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

double Modality(const CDisplayParameters& parameters, double stored) {
    return parameters.modalityLut ? parameters.modalityLut->Map(stored)
                                  : stored * parameters.rescaleSlope + parameters.rescaleIntercept;
}

// Lowest and highest modality value over the frame's stored range.
std::pair<double, double> ModalityRange(const CFrame& frame, const CDisplayParameters& parameters) {
    if (!parameters.modalityLut) {
        const double a = Modality(parameters, frame.minValue);
        const double b = Modality(parameters, frame.maxValue);
        return {std::min(a, b), std::max(a, b)};
    }
    const CLookupTable& table = *parameters.modalityLut;
    const double first = std::clamp(frame.minValue - table.firstMapped, 0.0, double(table.values.size() - 1));
    const double last = std::clamp(frame.maxValue - table.firstMapped, 0.0, double(table.values.size() - 1));
    const auto begin = table.values.begin() + static_cast<std::ptrdiff_t>(first);
    const auto end = table.values.begin() + static_cast<std::ptrdiff_t>(last) + 1;
    const auto [low, high] = std::minmax_element(begin, end);
    return {*low, *high};
}

// Calls `write(y, x, stored values of the pixel)` for every pixel, with typed samples.
template <typename TWrite>
void ForEachPixel(const CFrame& frame, TWrite&& write) {
    std::visit(
        [&](const auto& values) {
            const std::size_t samples = static_cast<std::size_t>(frame.samplesPerPixel);
            for (int y = 0; y < frame.height; ++y) {
                const std::size_t row =
                    static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) * samples;
                write(y, &values[row]);
            }
        },
        frame.samples);
}

// Runs `map` over every sample through a table of the frame's stored range when that is small,
// else value by value.
template <typename TOut, typename TMap>
void MapSamples(const CFrame& frame, QImage& image, TMap&& map, int outPerPixel) {
    const double range = frame.maxValue - frame.minValue + 1;
    const bool table = range <= kMaxTableSize;
    std::vector<TOut> lookup;
    const auto lowest = static_cast<std::int64_t>(frame.minValue);
    if (table) {
        lookup.resize(static_cast<std::size_t>(range));
        for (std::size_t i = 0; i < lookup.size(); ++i) {
            lookup[i] = map(static_cast<double>(lowest + static_cast<std::int64_t>(i)));
        }
    }
    const std::size_t count = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(outPerPixel);
    ForEachPixel(frame, [&](int y, const auto* in) {
        auto* out = reinterpret_cast<TOut*>(image.scanLine(y));
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = table ? lookup[static_cast<std::size_t>(static_cast<std::int64_t>(in[i]) - lowest)]
                           : map(static_cast<double>(in[i]));
        }
    });
}

CRenderedPage RenderGrey(const CFrame& frame, const CDisplayParameters& parameters,
                         const CVoiChoice& choice) {
    CRenderedPage page;
    std::tie(page.lowest, page.highest) = ModalityRange(frame, parameters);
    std::shared_ptr<const CLookupTable> voiLut;
    if (choice.mode == CVoiChoice::EMode::Custom) {
        CWindow window{choice.centre, std::max(choice.width, 1e-6), EVoiFunction::Linear, "Custom"};
        if (!parameters.windows.empty()) {
            window.function = parameters.windows.front().function;
        }
        page.window = window;
    } else if (choice.mode == CVoiChoice::EMode::File && !parameters.windows.empty()) {
        page.window = parameters.windows.front();
    } else if (choice.mode == CVoiChoice::EMode::File && parameters.voiLut) {
        voiLut = parameters.voiLut;
    } else {
        page.window = MinMaxWindow(page.lowest, page.highest);
    }
    const bool invert = frame.photometric == EPhotometric::Monochrome1;
    const auto map = [&](double stored) {
        const double value = Modality(parameters, stored);
        const double shown =
            voiLut ? voiLut->Map(value) * 255.0 / voiLut->MaxOutput() : ApplyWindow(*page.window, value);
        const std::uint8_t byte = ToByte(shown);
        return static_cast<std::uint8_t>(invert ? 255 - byte : byte);
    };
    page.image = QImage(frame.width, frame.height, QImage::Format_Grayscale8);
    MapSamples<std::uint8_t>(frame, page.image, map, 1);
    return page;
}

CRenderedPage RenderPalette(const CFrame& frame, const CDisplayParameters& parameters) {
    CRenderedPage page;
    page.image = QImage(frame.width, frame.height, QImage::Format_RGB32);
    const std::shared_ptr<const CPalette> palette = parameters.palette;
    const auto map = [&](double stored) -> QRgb {
        if (!palette || palette->red.empty()) {
            const std::uint8_t grey = ToByte(stored * 255.0 / ((1 << std::min(frame.bitsStored, 16)) - 1));
            return qRgb(grey, grey, grey);
        }
        const auto last = static_cast<double>(palette->red.size() - 1);
        const auto index = static_cast<std::size_t>(std::clamp(stored - palette->firstMapped, 0.0, last));
        const auto channel = [index](const std::vector<std::uint8_t>& table) {
            return table[std::min(index, table.size() - 1)];
        };
        return qRgb(channel(palette->red), channel(palette->green), channel(palette->blue));
    };
    MapSamples<QRgb>(frame, page.image, map, 1);
    return page;
}

struct CYbrMatrix {
    double yOffset, yScale, rFromCr, gFromCb, gFromCr, bFromCb;
};

constexpr CYbrMatrix kYbrFull{0, 1, 1.402, -0.344136, -0.714136, 1.772};
constexpr CYbrMatrix kYbrPartial{16, 1.1644, 1.5960, -0.3918, -0.8130, 2.0172};

CRenderedPage RenderColour(const CFrame& frame) {
    CRenderedPage page;
    const bool alpha = frame.samplesPerPixel == 4;
    page.image = QImage(frame.width, frame.height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // Samples deeper than eight bits are scaled down from their stored range.
    const double scale =
        frame.bitsStored <= 8 ? 1.0 : 255.0 / (std::pow(2.0, std::min(frame.bitsStored, 32)) - 1);
    const bool ybr =
        frame.photometric == EPhotometric::YbrFull || frame.photometric == EPhotometric::YbrPartial;
    const CYbrMatrix& m = frame.photometric == EPhotometric::YbrPartial ? kYbrPartial : kYbrFull;
    const std::size_t samples = static_cast<std::size_t>(frame.samplesPerPixel);
    ForEachPixel(frame, [&](int y, const auto* in) {
        auto* out = reinterpret_cast<QRgb*>(page.image.scanLine(y));
        for (int x = 0; x < frame.width; ++x) {
            const auto* pixel = in + static_cast<std::size_t>(x) * samples;
            double a = static_cast<double>(pixel[0]) * scale;
            double b = static_cast<double>(pixel[1]) * scale;
            double c = static_cast<double>(pixel[2]) * scale;
            if (ybr) {
                const double luma = (a - m.yOffset) * m.yScale;
                const double cb = b - 128;
                const double cr = c - 128;
                a = luma + m.rFromCr * cr;
                b = luma + m.gFromCb * cb + m.gFromCr * cr;
                c = luma + m.bFromCb * cb;
            }
            const int opacity = alpha ? ToByte(static_cast<double>(pixel[3]) * scale) : 255;
            out[x] = qRgba(ToByte(a), ToByte(b), ToByte(c), opacity);
        }
    });
    return page;
}

}  // namespace

double ApplyWindow(const CWindow& window, double value) {
    const double c = window.centre;
    const double w = window.width;
    switch (window.function) {
        case EVoiFunction::Sigmoid:
            return 255.0 / (1.0 + std::exp(-4.0 * (value - c) / std::max(w, 1e-9)));
        case EVoiFunction::LinearExact:
            if (value <= c - w / 2) {
                return 0;
            }
            if (value > c + w / 2) {
                return 255;
            }
            return ((value - c) / w + 0.5) * 255.0;
        case EVoiFunction::Linear:
        default: {
            const double span = std::max(w, 1.0) - 1;
            if (value <= c - 0.5 - span / 2) {
                return 0;
            }
            if (value > c - 0.5 + span / 2) {
                return 255;
            }
            return ((value - (c - 0.5)) / span + 0.5) * 255.0;
        }
    }
}

CWindow MinMaxWindow(double lowest, double highest) {
    return {(lowest + highest) / 2, highest - lowest, EVoiFunction::LinearExact, "Min-max"};
}

CRenderedPage RenderFrame(const CFrame& frame, const CDisplayParameters& parameters,
                          const CVoiChoice& choice) {
    if (frame.width <= 0 || frame.height <= 0) {
        return {};
    }
    if (frame.photometric == EPhotometric::Palette && frame.samplesPerPixel == 1) {
        return RenderPalette(frame, parameters);
    }
    if (frame.samplesPerPixel == 1) {
        return RenderGrey(frame, parameters, choice);
    }
    return RenderColour(frame);
}
