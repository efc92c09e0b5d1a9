#pragma once

#include <zlib.h>

#include <cstdint>

#include "ZipBuffer.h"

// The decompression state of the entry being extracted.
class CZipStreamState {
public:
    static constexpr int kInputBufferSize = 16384;

    virtual ~CZipStreamState() = default;

    int m_inputBufferSize = kInputBufferSize;
    z_stream m_stream{};
    std::uint32_t m_uncompressedLeft = 0;
    std::uint32_t m_compressedLeft = 0;
    std::uint32_t m_crc32 = 0;
    CZipBuffer m_input;
};
