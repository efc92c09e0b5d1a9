#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dicom/ByteView.h"
#include "dicom/PixelFormat.h"

// Whether the transfer syntax is one of the JPEG, JPEG-LS or JPEG 2000 ones the codecs decode.
bool IsCodecTransferSyntax(const std::string& uid);

// Decodes one compressed frame (its fragments in order) into native little-endian bytes.
// `format` is updated where the code stream says otherwise (precision, colour space).
bool DecodeCodecFrame(const std::vector<CByteView>& fragments, const std::string& transferSyntax,
                      CPixelFormat& format, std::vector<std::uint8_t>& out, std::string& error);
