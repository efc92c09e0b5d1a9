#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dicom/ByteView.h"
#include "dicom/DicomDataSet.h"

// A DICOM file read into data sets. Element values point into the parsed bytes (the caller's
// buffer, or `inflated` for deflated data sets), which must outlive this object.
struct CDicomFile {
    CDicomDataSet meta;
    CDicomDataSet dataSet;
    // The transfer syntax the data set was read with: the file's, or the one its bytes showed.
    std::string transferSyntax;
    bool explicitVr = true;
    bool bigEndian = false;
    bool deflated = false;
    // Set when reading stopped early (the file ends inside an element, a damaged sequence):
    // what was read before stays usable.
    std::string problem;
    std::vector<std::uint8_t> inflated;

    CDicomFile() = default;
    CDicomFile(const CDicomFile&) = delete;
    CDicomFile& operator=(const CDicomFile&) = delete;
};

namespace DicomTransferSyntaxes {
constexpr char kImplicitLittle[] = "1.2.840.10008.1.2";
constexpr char kExplicitLittle[] = "1.2.840.10008.1.2.1";
constexpr char kDeflated[] = "1.2.840.10008.1.2.1.99";
constexpr char kExplicitBig[] = "1.2.840.10008.1.2.2";
}  // namespace DicomTransferSyntaxes

// True when the bytes start like a DICOM file: the "DICM" mark after the preamble, or a data set
// written without one whose first elements read as plausible tags in order.
bool LooksLikeDicom(CByteView head);

// Reads the file's meta information and data set. False, with a reason, when the bytes are not
// DICOM at all; damage after the first elements is reported in `problem` instead.
bool ParseDicom(CByteView bytes, CDicomFile& file, std::string& error);
