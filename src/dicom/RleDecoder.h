#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dicom/ByteView.h"

// Decodes one RLE Lossless frame into native little-endian bytes with interleaved samples.
// Segments come most significant byte first for each sample, each PackBits-coded.
bool DecodeRleFrame(CByteView frame, int rows, int columns, int samplesPerPixel, int bitsAllocated,
                    std::vector<std::uint8_t>& out, std::string& error);
