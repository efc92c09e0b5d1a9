#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A read-only window on bytes owned elsewhere (a mapped file or a buffer of the document).
struct CByteView {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;

    bool Empty() const { return size == 0; }
    // The part [offset, offset + length), cut to what exists.
    CByteView Sub(std::size_t offset, std::size_t length = SIZE_MAX) const {
        if (offset >= size) {
            return {};
        }
        return {data + offset, length < size - offset ? length : size - offset};
    }
    std::string ToString() const { return std::string(reinterpret_cast<const char*>(data), size); }
};

inline std::uint16_t ReadU16(const std::uint8_t* p, bool bigEndian) {
    return bigEndian ? static_cast<std::uint16_t>(p[0] << 8 | p[1])
                     : static_cast<std::uint16_t>(p[1] << 8 | p[0]);
}

inline std::uint32_t ReadU32(const std::uint8_t* p, bool bigEndian) {
    const std::uint32_t b0 = p[0], b1 = p[1], b2 = p[2], b3 = p[3];
    return bigEndian ? (b0 << 24 | b1 << 16 | b2 << 8 | b3) : (b3 << 24 | b2 << 16 | b1 << 8 | b0);
}

inline std::uint64_t ReadU64(const std::uint8_t* p, bool bigEndian) {
    const std::uint64_t first = ReadU32(p, bigEndian), second = ReadU32(p + 4, bigEndian);
    return bigEndian ? (first << 32 | second) : (second << 32 | first);
}
