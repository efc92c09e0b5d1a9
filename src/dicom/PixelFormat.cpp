#include "PixelFormat.h"

#include <cmath>

namespace {

int IntegerOr(const CDicomDataSet& dataSet, CDicomTag tag, int fallback) {
    const std::optional<double> value = dataSet.Number(tag);
    if (!value || !std::isfinite(*value) || *value < INT32_MIN || *value > INT32_MAX) {
        return fallback;
    }
    return static_cast<int>(*value);
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

}  // namespace

std::uint64_t CPixelFormat::NativeFrameBits() const {
    const std::uint64_t pixels = PixelCount();
    // The 422 forms store two luminance samples and one pair of chrominance per two pixels.
    const std::uint64_t samples =
        subsampled ? pixels * 2 : pixels * static_cast<std::uint64_t>(samplesPerPixel);
    return samples * static_cast<std::uint64_t>(bitsAllocated);
}

void SetPhotometric(CPixelFormat& format, const std::string& text) {
    std::string trimmed = text;
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\0')) {
        trimmed.pop_back();
    }
    format.photometricText = Upper(trimmed);
    const std::string& pi = format.photometricText;
    format.subsampled = pi == "YBR_FULL_422" || pi == "YBR_PARTIAL_422";
    if (pi == "MONOCHROME1") {
        format.photometric = EPhotometric::Monochrome1;
    } else if (pi == "PALETTE COLOR") {
        format.photometric = EPhotometric::Palette;
    } else if (pi == "YBR_FULL" || pi == "YBR_FULL_422") {
        format.photometric = EPhotometric::YbrFull;
    } else if (pi == "YBR_PARTIAL_422" || pi == "YBR_PARTIAL_420") {
        format.photometric = EPhotometric::YbrPartial;
    } else if (format.samplesPerPixel == 3) {
        // RGB, and the JPEG 2000 colour transforms, which the decoder has already undone.
        format.photometric = EPhotometric::Rgb;
    } else {
        format.photometric = EPhotometric::Monochrome2;
    }
    // A description that contradicts the sample count yields to it.
    const bool colour = format.photometric == EPhotometric::Rgb ||
                        format.photometric == EPhotometric::YbrFull ||
                        format.photometric == EPhotometric::YbrPartial;
    if (colour != (format.samplesPerPixel == 3)) {
        format.photometric = format.samplesPerPixel == 3 ? EPhotometric::Rgb : EPhotometric::Monochrome2;
        format.subsampled = false;
    }
}

bool ReadPixelFormat(const CDicomDataSet& dataSet, CPixelFormat& format, std::string& error) {
    format.rows = IntegerOr(dataSet, DicomTags::kRows, 0);
    format.columns = IntegerOr(dataSet, DicomTags::kColumns, 0);
    format.samplesPerPixel = IntegerOr(dataSet, DicomTags::kSamplesPerPixel, 1);
    format.bitsAllocated = IntegerOr(dataSet, DicomTags::kBitsAllocated, 0);
    format.bitsStored = IntegerOr(dataSet, DicomTags::kBitsStored, format.bitsAllocated);
    format.highBit = IntegerOr(dataSet, DicomTags::kHighBit, format.bitsStored - 1);
    format.isSigned = IntegerOr(dataSet, DicomTags::kPixelRepresentation, 0) == 1;
    format.planar = IntegerOr(dataSet, DicomTags::kPlanarConfiguration, 0) == 1;
    // A missing or unreadable frame count ("1A") means one frame.
    format.frames = std::max(1, IntegerOr(dataSet, DicomTags::kNumberOfFrames, 1));

    if (format.rows <= 0 || format.columns <= 0) {
        error = "The image has no size (Rows " + std::to_string(format.rows) + ", Columns " +
                std::to_string(format.columns) + ").";
        return false;
    }
    if (format.samplesPerPixel != 1 && format.samplesPerPixel != 3) {
        error = std::to_string(format.samplesPerPixel) + " samples per pixel are not supported.";
        return false;
    }
    const int allocated = format.bitsAllocated;
    if (allocated != 1 && allocated != 8 && allocated != 16 && allocated != 32) {
        error = "Bits Allocated " + std::to_string(allocated) + " is not supported.";
        return false;
    }
    if (allocated == 1 && format.samplesPerPixel != 1) {
        error = "One-bit colour images are not supported.";
        return false;
    }
    if (format.bitsStored < 1 || format.bitsStored > allocated) {
        format.bitsStored = allocated;
    }
    if (format.highBit < format.bitsStored - 1 || format.highBit >= allocated) {
        format.highBit = format.bitsStored - 1;
    }
    SetPhotometric(format, dataSet.Text(DicomTags::kPhotometricInterpretation));
    if (format.photometricText.empty()) {
        format.photometricText = format.samplesPerPixel == 3 ? "RGB" : "MONOCHROME2";
    }
    return true;
}
