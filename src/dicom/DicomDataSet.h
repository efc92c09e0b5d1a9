#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dicom/ByteView.h"

struct CDicomTag {
    std::uint16_t group = 0;
    std::uint16_t element = 0;

    constexpr std::uint32_t Key() const { return std::uint32_t{group} << 16 | element; }
    constexpr bool operator==(const CDicomTag& other) const { return Key() == other.Key(); }
    constexpr bool operator!=(const CDicomTag& other) const { return Key() != other.Key(); }
    constexpr bool operator<(const CDicomTag& other) const { return Key() < other.Key(); }
    bool IsPrivate() const { return (group & 1) != 0; }
    // "(gggg,eeee)" in upper-case hexadecimal.
    std::string ToString() const;
};

// A value representation, held as its two letters ('O' << 8 | 'B').
using CVr = std::uint16_t;
constexpr CVr MakeVr(const char (&code)[3]) {
    return static_cast<CVr>(static_cast<unsigned char>(code[0]) << 8 | static_cast<unsigned char>(code[1]));
}
std::string VrString(CVr vr);
// The representations whose explicit form carries a 32-bit length after two reserved bytes.
bool HasLongLength(CVr vr);
bool IsKnownVr(CVr vr);

class CDicomDataSet;

// One data element as found in the file. Values stay in the file's bytes: `value` points into
// the buffer that the parsed file keeps alive.
struct CDicomElement {
    CDicomTag tag;
    CVr vr = MakeVr("UN");
    bool bigEndian = false;
    bool undefinedLength = false;
    // The file ended before the declared length: `value` holds what there is.
    bool truncated = false;
    std::uint32_t declaredLength = 0;
    CByteView value;
    // Items of a sequence.
    std::vector<CDicomDataSet> items;
    // Encapsulated pixel data: the items in order, the basic offset table first.
    bool encapsulated = false;
    std::vector<CByteView> fragments;

    bool IsSequence() const { return vr == MakeVr("SQ"); }
};

// A data set: the file's main one or an item of a sequence. Elements keep the file's order.
class CDicomDataSet {
public:
    std::vector<CDicomElement> elements;

    const CDicomElement* Find(CDicomTag tag) const;
    // The trimmed text of a string element; empty when absent.
    std::string Text(CDicomTag tag) const;
    // The `index`th number of a numeric or numeric-string element.
    std::optional<double> Number(CDicomTag tag, std::size_t index = 0) const;
    // The first item of a sequence, or null.
    const CDicomDataSet* FirstItem(CDicomTag tag) const;
};

// Values of one element as the program reads them.
namespace DicomValues {
// Raw text without trailing spaces and NULs (and leading spaces for numeric strings).
std::string Text(const CDicomElement& element);
std::vector<std::string> Split(const std::string& text);
// How many numbers the element holds (binary numbers or backslash-separated strings).
std::size_t NumberCount(const CDicomElement& element);
std::optional<double> Number(const CDicomElement& element, std::size_t index = 0);
}  // namespace DicomValues

// Tags the engine reads.
namespace DicomTags {
constexpr CDicomTag kTransferSyntaxUid{0x0002, 0x0010};
constexpr CDicomTag kSpecificCharacterSet{0x0008, 0x0005};
constexpr CDicomTag kStudyDate{0x0008, 0x0020};
constexpr CDicomTag kModality{0x0008, 0x0060};
constexpr CDicomTag kPatientName{0x0010, 0x0010};
constexpr CDicomTag kSamplesPerPixel{0x0028, 0x0002};
constexpr CDicomTag kPhotometricInterpretation{0x0028, 0x0004};
constexpr CDicomTag kPlanarConfiguration{0x0028, 0x0006};
constexpr CDicomTag kNumberOfFrames{0x0028, 0x0008};
constexpr CDicomTag kRows{0x0028, 0x0010};
constexpr CDicomTag kColumns{0x0028, 0x0011};
constexpr CDicomTag kBitsAllocated{0x0028, 0x0100};
constexpr CDicomTag kBitsStored{0x0028, 0x0101};
constexpr CDicomTag kHighBit{0x0028, 0x0102};
constexpr CDicomTag kPixelRepresentation{0x0028, 0x0103};
constexpr CDicomTag kWindowCenter{0x0028, 0x1050};
constexpr CDicomTag kWindowWidth{0x0028, 0x1051};
constexpr CDicomTag kRescaleIntercept{0x0028, 0x1052};
constexpr CDicomTag kRescaleSlope{0x0028, 0x1053};
constexpr CDicomTag kWindowExplanation{0x0028, 0x1055};
constexpr CDicomTag kVoiLutFunction{0x0028, 0x1056};
constexpr CDicomTag kRedPaletteDescriptor{0x0028, 0x1101};
constexpr CDicomTag kGreenPaletteDescriptor{0x0028, 0x1102};
constexpr CDicomTag kBluePaletteDescriptor{0x0028, 0x1103};
constexpr CDicomTag kRedPaletteData{0x0028, 0x1201};
constexpr CDicomTag kGreenPaletteData{0x0028, 0x1202};
constexpr CDicomTag kBluePaletteData{0x0028, 0x1203};
constexpr CDicomTag kSegmentedRedPaletteData{0x0028, 0x1221};
constexpr CDicomTag kSegmentedGreenPaletteData{0x0028, 0x1222};
constexpr CDicomTag kSegmentedBluePaletteData{0x0028, 0x1223};
constexpr CDicomTag kModalityLutSequence{0x0028, 0x3000};
constexpr CDicomTag kLutDescriptor{0x0028, 0x3002};
constexpr CDicomTag kLutData{0x0028, 0x3006};
constexpr CDicomTag kVoiLutSequence{0x0028, 0x3010};
constexpr CDicomTag kPixelValueTransformationSequence{0x0028, 0x9145};
constexpr CDicomTag kFrameVoiLutSequence{0x0028, 0x9132};
constexpr CDicomTag kSharedFunctionalGroups{0x5200, 0x9229};
constexpr CDicomTag kPerFrameFunctionalGroups{0x5200, 0x9230};
constexpr CDicomTag kExtendedOffsetTable{0x7FE0, 0x0001};
constexpr CDicomTag kExtendedOffsetTableLengths{0x7FE0, 0x0002};
constexpr CDicomTag kPixelData{0x7FE0, 0x0010};
constexpr CDicomTag kItem{0xFFFE, 0xE000};
constexpr CDicomTag kItemDelimiter{0xFFFE, 0xE00D};
constexpr CDicomTag kSequenceDelimiter{0xFFFE, 0xE0DD};
}  // namespace DicomTags
