#include "Phantom.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "dicomgen/DicomWriter.h"

namespace {

struct SEllipse {
    double value, a, b, x, y, degrees;
};

// Value added inside, half axes, centre and tilt, in a square of side 2: a skull of 1000, brain
// of 200, dark ventricles and small brighter details.
const SEllipse kEllipses[] = {
    {1000, 0.69, 0.92, 0, 0, 0},       {-800, 0.6624, 0.874, 0, -0.0184, 0},
    {-200, 0.11, 0.31, 0.22, 0, -18},  {-200, 0.16, 0.41, -0.22, 0, 18},
    {100, 0.21, 0.25, 0, 0.35, 0},     {100, 0.046, 0.046, 0, 0.1, 0},
    {100, 0.046, 0.046, 0, -0.1, 0},   {100, 0.046, 0.023, -0.08, -0.605, 0},
    {100, 0.023, 0.023, 0, -0.606, 0}, {100, 0.023, 0.046, 0.06, -0.605, 0},
};

std::vector<std::uint8_t> Frame(int size, int frame, int frames) {
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size) * size * 2);
    const double pulse = 1 + 0.6 * std::sin(6.283185 * frame / frames);
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            const double px = 2.0 * column / size - 1;
            const double py = 1 - 2.0 * row / size;
            double value = 0;
            for (size_t i = 0; i < std::size(kEllipses); ++i) {
                const SEllipse& e = kEllipses[i];
                const double t = e.degrees * 3.14159265 / 180;
                const double dx = px - e.x;
                const double dy = py - e.y;
                const double u = (dx * std::cos(t) + dy * std::sin(t)) / e.a;
                const double v = (-dx * std::sin(t) + dy * std::cos(t)) / e.b;
                if (u * u + v * v <= 1) {
                    value += e.value * (i >= 4 ? pulse : 1);
                }
            }
            const auto stored = static_cast<std::int16_t>(value);
            const size_t at = (static_cast<size_t>(row) * size + column) * 2;
            bytes[at] = static_cast<std::uint8_t>(stored & 0xFF);
            bytes[at + 1] = static_cast<std::uint8_t>((stored >> 8) & 0xFF);
        }
    }
    return bytes;
}

}  // namespace

bool WritePhantom(const std::string& path, int size, int frames) {
    CDicomWriter writer("1.2.840.10008.1.2.1");
    writer.Text(0x0008, 0x0060, "CS", "OT").Text(0x0008, 0x0020, "DA", "20240315");
    writer.Text(0x0010, 0x0010, "PN", "Phantom^Head").Text(0x0010, 0x0020, "LO", "PH-0001");
    writer.Image(size, size, 1, 16, 16, true, "MONOCHROME2", frames);
    writer.Text(0x0028, 0x1050, "DS", "260").Text(0x0028, 0x1051, "DS", "360");
    std::vector<std::uint8_t> pixels;
    for (int frame = 0; frame < frames; ++frame) {
        const std::vector<std::uint8_t> bytes = Frame(size, frame, frames);
        pixels.insert(pixels.end(), bytes.begin(), bytes.end());
    }
    writer.Bytes(0x7FE0, 0x0010, "OW", pixels);
    return writer.Save(path);
}
