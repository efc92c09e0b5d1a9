#include "PixelUnpack.h"

#include <cstring>
#include <type_traits>

namespace {

template <typename TRaw>
TRaw ReadRaw(const std::uint8_t* p, bool bigEndian) {
    if constexpr (sizeof(TRaw) == 1) {
        return *p;
    } else if constexpr (sizeof(TRaw) == 2) {
        return ReadU16(p, bigEndian);
    } else {
        return ReadU32(p, bigEndian);
    }
}

// Reads `count` samples of TRaw, keeps the stored bits and widens signed values.
template <typename TRaw, typename TOut>
void UnpackSamples(const std::uint8_t* source, std::size_t count, const CPixelFormat& format, bool bigEndian,
                   TOut* out) {
    const int shift = format.highBit + 1 - format.bitsStored;
    const int bits = format.bitsStored;
    const TRaw mask = bits >= static_cast<int>(sizeof(TRaw) * 8) ? static_cast<TRaw>(~TRaw{0})
                                                                 : static_cast<TRaw>((TRaw{1} << bits) - 1);
    const TRaw signBit = static_cast<TRaw>(TRaw{1} << (bits - 1));
    const bool plain = shift == 0 && mask == static_cast<TRaw>(~TRaw{0}) && (!bigEndian || sizeof(TRaw) == 1);
    if (plain) {
        std::memcpy(out, source, count * sizeof(TRaw));
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        TRaw value = static_cast<TRaw>(ReadRaw<TRaw>(source + i * sizeof(TRaw), bigEndian) >> shift) & mask;
        if (format.isSigned && (value & signBit)) {
            value = static_cast<TRaw>(value | static_cast<TRaw>(~mask));
        }
        out[i] = static_cast<TOut>(value);
    }
}

// Interleaves colour written plane by plane.
template <typename T>
std::vector<T> Interleave(const std::vector<T>& planes, std::size_t pixels) {
    std::vector<T> out(planes.size());
    for (std::size_t i = 0; i < pixels; ++i) {
        out[3 * i] = planes[i];
        out[3 * i + 1] = planes[pixels + i];
        out[3 * i + 2] = planes[2 * pixels + i];
    }
    return out;
}

// Expands Y1 Y2 Cb Cr groups to two full pixels each.
template <typename T>
std::vector<T> Upsample(const std::vector<T>& groups, std::size_t pixels) {
    std::vector<T> out(pixels * 3);
    for (std::size_t pair = 0; 2 * pair < pixels; ++pair) {
        const T* g = &groups[4 * pair];
        out[6 * pair] = g[0];
        out[6 * pair + 1] = g[2];
        out[6 * pair + 2] = g[3];
        if (2 * pair + 1 < pixels) {
            out[6 * pair + 3] = g[1];
            out[6 * pair + 4] = g[2];
            out[6 * pair + 5] = g[3];
        }
    }
    return out;
}

template <typename TRaw, typename TOut>
CFrame::CSamples Unpack(CByteView bytes, const CPixelFormat& format, bool bigEndian) {
    const std::size_t pixels = format.PixelCount();
    const std::size_t count = format.subsampled ? (pixels + 1) / 2 * 4 : pixels * format.samplesPerPixel;
    std::vector<TOut> values(count);
    UnpackSamples<TRaw, TOut>(bytes.data, count, format, bigEndian, values.data());
    if (format.subsampled) {
        values = Upsample(values, pixels);
    } else if (format.planar && format.samplesPerPixel == 3) {
        values = Interleave(values, pixels);
    }
    return values;
}

CFrame::CSamples UnpackBits(CByteView bytes, std::uint64_t bitOffset, std::size_t pixels) {
    std::vector<std::uint8_t> values(pixels);
    for (std::size_t i = 0; i < pixels; ++i) {
        const std::uint64_t bit = bitOffset + i;
        values[i] = static_cast<std::uint8_t>(bytes.data[bit / 8] >> (bit % 8) & 1);
    }
    return values;
}

}  // namespace

bool UnpackFrame(CByteView bytes, std::uint64_t bitOffset, const CPixelFormat& format, bool bigEndian,
                 CFrame& frame, std::string& error) {
    const std::uint64_t needBits =
        bitOffset + format.NativeFrameBits() +
        (format.subsampled && format.PixelCount() % 2 ? 2 * std::uint64_t(format.bitsAllocated) : 0);
    if (bytes.size < (needBits + 7) / 8) {
        error = "The pixel data is truncated: the frame needs " + std::to_string((needBits + 7) / 8) +
                " bytes, " + std::to_string(bytes.size) + " are present.";
        return false;
    }
    frame.width = format.columns;
    frame.height = format.rows;
    frame.samplesPerPixel = format.samplesPerPixel;
    frame.bitsStored = format.bitsStored;
    frame.photometric = format.photometric;
    switch (format.bitsAllocated) {
        case 1:
            frame.samples = UnpackBits(bytes, bitOffset, format.PixelCount());
            break;
        case 8:
            frame.samples = format.isSigned ? Unpack<std::uint8_t, std::int8_t>(bytes, format, bigEndian)
                                            : Unpack<std::uint8_t, std::uint8_t>(bytes, format, bigEndian);
            break;
        case 16:
            frame.samples = format.isSigned ? Unpack<std::uint16_t, std::int16_t>(bytes, format, bigEndian)
                                            : Unpack<std::uint16_t, std::uint16_t>(bytes, format, bigEndian);
            break;
        default:
            frame.samples = format.isSigned ? Unpack<std::uint32_t, std::int32_t>(bytes, format, bigEndian)
                                            : Unpack<std::uint32_t, std::uint32_t>(bytes, format, bigEndian);
            break;
    }
    frame.ComputeRange();
    return true;
}
