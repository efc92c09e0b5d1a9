#pragma once

#include <cstdint>
#include <string>

#include "dicom/DicomDataSet.h"
#include "dicom/Frame.h"

// How the pixel data of a DICOM image is laid out, from its Image Pixel attributes.
struct CPixelFormat {
    int rows = 0;
    int columns = 0;
    int samplesPerPixel = 1;
    int bitsAllocated = 8;
    int bitsStored = 8;
    int highBit = 7;
    bool isSigned = false;
    bool planar = false;
    int frames = 1;
    std::string photometricText;
    EPhotometric photometric = EPhotometric::Monochrome2;
    // Chrominance at half horizontal resolution (the 422 forms), as stored in native data.
    bool subsampled = false;

    // Bits one frame takes in native (uncompressed) data; one-bit images are packed.
    std::uint64_t NativeFrameBits() const;
    std::size_t PixelCount() const {
        return static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
    }
};

// Reads the attributes of the image; false with a reason when they do not describe an image
// the engine can show.
bool ReadPixelFormat(const CDicomDataSet& dataSet, CPixelFormat& format, std::string& error);

// Applies a (possibly different) photometric interpretation text, as a decoder reports it.
void SetPhotometric(CPixelFormat& format, const std::string& text);
