#include "RleDecoder.h"

namespace {

constexpr std::size_t kHeaderSize = 64;
constexpr std::uint32_t kMaxSegments = 15;
// PackBits turns two bytes into at most 128.
constexpr std::size_t kMaxExpansion = 64;

// Decodes one PackBits segment into `count` bytes written every `stride` bytes of `out`.
bool DecodeSegment(CByteView segment, std::size_t count, std::uint8_t* out, std::size_t stride) {
    std::size_t in = 0;
    std::size_t written = 0;
    while (written < count && in < segment.size) {
        const auto header = static_cast<std::int8_t>(segment.data[in++]);
        if (header >= 0) {
            const std::size_t literal = static_cast<std::size_t>(header) + 1;
            for (std::size_t k = 0; k < literal && written < count && in < segment.size; ++k) {
                out[written++ * stride] = segment.data[in++];
            }
        } else if (header != -128) {
            if (in >= segment.size) {
                break;
            }
            const std::uint8_t value = segment.data[in++];
            const std::size_t repeat = static_cast<std::size_t>(1 - header);
            for (std::size_t k = 0; k < repeat && written < count; ++k) {
                out[written++ * stride] = value;
            }
        }
    }
    return written == count;
}

}  // namespace

bool DecodeRleFrame(CByteView frame, int rows, int columns, int samplesPerPixel, int bitsAllocated,
                    std::vector<std::uint8_t>& out, std::string& error) {
    if (bitsAllocated % 8 != 0) {
        error = "RLE data with " + std::to_string(bitsAllocated) + " bits allocated is not supported.";
        return false;
    }
    const std::size_t bytesPerSample = static_cast<std::size_t>(bitsAllocated) / 8;
    const std::size_t segments = bytesPerSample * static_cast<std::size_t>(samplesPerPixel);
    if (frame.size < kHeaderSize) {
        error = "The RLE frame is shorter than its header.";
        return false;
    }
    const std::uint32_t declared = ReadU32(frame.data, false);
    if (declared != segments || declared > kMaxSegments) {
        error = "The RLE frame has " + std::to_string(declared) + " segments where " +
                std::to_string(segments) + " are needed.";
        return false;
    }
    const std::size_t pixels = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
    const std::size_t pixelStride = segments;
    // A frame larger than its data could ever expand to is a false claim, not an allocation.
    if (pixels * segments > frame.size * kMaxExpansion) {
        error = "The RLE frame is too short for a " + std::to_string(columns) + " x " + std::to_string(rows) +
                " image.";
        return false;
    }
    out.assign(pixels * pixelStride, 0);
    for (std::size_t s = 0; s < segments; ++s) {
        const std::size_t start = ReadU32(frame.data + 4 + 4 * s, false);
        const std::size_t end = s + 1 < segments ? ReadU32(frame.data + 8 + 4 * s, false) : frame.size;
        if (start < kHeaderSize || start > end || end > frame.size) {
            error = "The RLE frame's segment offsets are damaged.";
            return false;
        }
        // Segment s holds byte (s % bytesPerSample) of sample (s / bytesPerSample), counted from
        // the most significant byte; little-endian output puts that byte last.
        const std::size_t sample = s / bytesPerSample;
        const std::size_t byte = bytesPerSample - 1 - s % bytesPerSample;
        if (!DecodeSegment(frame.Sub(start, end - start), pixels, out.data() + sample * bytesPerSample + byte,
                           pixelStride)) {
            error = "RLE segment " + std::to_string(s + 1) + " ends before the frame is complete.";
            return false;
        }
    }
    return true;
}
