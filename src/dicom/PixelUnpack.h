#pragma once

#include <cstdint>
#include <string>

#include "dicom/ByteView.h"
#include "dicom/Frame.h"
#include "dicom/PixelFormat.h"

// Turns the native bytes of one frame into stored values: byte order, Bits Stored and High Bit,
// sign extension, planar colour and subsampled chrominance. `bytes` starts at the frame (for
// one-bit images at the byte that holds bit `bitOffset`) and must hold the whole frame.
bool UnpackFrame(CByteView bytes, std::uint64_t bitOffset, const CPixelFormat& format, bool bigEndian,
                 CFrame& frame, std::string& error);
