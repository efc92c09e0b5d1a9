#include "DicomDisplay.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kMaxTableEntries = 65536;

std::vector<std::uint16_t> Words(const CDicomElement& element) {
    std::vector<std::uint16_t> words(element.value.size / 2);
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = ReadU16(element.value.data + 2 * i, element.bigEndian);
    }
    return words;
}

struct CDescriptor {
    std::size_t entries = 0;
    int firstMapped = 0;
    int bits = 16;
};

bool ReadDescriptor(const CDicomElement* element, bool signedInput, CDescriptor& descriptor) {
    if (!element || element->value.size < 6) {
        return false;
    }
    const std::vector<std::uint16_t> words = Words(*element);
    descriptor.entries = words[0] == 0 ? kMaxTableEntries : words[0];
    const bool signedFirst = signedInput || element->vr == MakeVr("SS");
    descriptor.firstMapped = signedFirst ? static_cast<std::int16_t>(words[1]) : words[1];
    descriptor.bits = std::clamp<int>(words[2], 1, 16);
    return true;
}

// Table entries from LUT data: 16-bit words, or bytes when the data holds one per entry.
std::vector<std::uint16_t> TableEntries(const CDicomElement& data, std::size_t entries) {
    if (data.value.size == entries || (data.value.size == entries + 1 && entries % 2 == 1)) {
        return std::vector<std::uint16_t>(data.value.data, data.value.data + entries);
    }
    std::vector<std::uint16_t> words = Words(data);
    if (words.size() < entries) {
        return {};
    }
    words.resize(entries);
    return words;
}

// Expands segmented table data (discrete, linear and indirect segments) into entries.
bool ExpandSegments(const std::vector<std::uint16_t>& data, std::size_t start, std::size_t segments,
                    std::size_t entries, bool allowIndirect, std::vector<double>& out) {
    std::size_t pos = start;
    for (std::size_t done = 0; done < segments && pos + 1 < data.size() && out.size() < entries; ++done) {
        const std::uint16_t opcode = data[pos];
        const std::size_t length = data[pos + 1];
        if (opcode == 0 && pos + 2 + length <= data.size()) {
            out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos + 2),
                       data.begin() + static_cast<std::ptrdiff_t>(pos + 2 + length));
            pos += 2 + length;
        } else if (opcode == 1 && pos + 2 < data.size() && !out.empty()) {
            const double from = out.back();
            const double to = data[pos + 2];
            for (std::size_t i = 1; i <= length; ++i) {
                out.push_back(
                    std::round(from + (to - from) * static_cast<double>(i) / static_cast<double>(length)));
            }
            pos += 3;
        } else if (opcode == 2 && allowIndirect && pos + 3 < data.size()) {
            const std::size_t offset = data[pos + 2] | static_cast<std::size_t>(data[pos + 3]) << 16;
            if (!ExpandSegments(data, offset, length, entries, false, out)) {
                return false;
            }
            pos += 4;
        } else {
            return false;
        }
    }
    return true;
}

std::vector<std::uint8_t> ToEightBits(const std::vector<std::uint16_t>& values, int bits) {
    std::vector<std::uint8_t> out(values.size());
    const bool wide = bits > 8;
    // Eight-bit tables in sixteen-bit words sometimes carry their value in the high byte.
    const bool highByte =
        !wide && std::any_of(values.begin(), values.end(), [](std::uint16_t v) { return v > 255; });
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::uint32_t v = values[i];
        out[i] = static_cast<std::uint8_t>(wide ? (v * 255 + 32767) / 65535 : highByte ? v >> 8 : v);
    }
    return out;
}

bool ReadChannel(const CDicomDataSet& dataSet, CDicomTag descriptorTag, CDicomTag dataTag,
                 CDicomTag segmentedTag, bool signedInput, CDescriptor& descriptor,
                 std::vector<std::uint8_t>& channel) {
    if (!ReadDescriptor(dataSet.Find(descriptorTag), signedInput, descriptor)) {
        return false;
    }
    std::vector<std::uint16_t> entries;
    if (const CDicomElement* data = dataSet.Find(dataTag)) {
        entries = TableEntries(*data, descriptor.entries);
    } else if (const CDicomElement* segmented = dataSet.Find(segmentedTag)) {
        std::vector<double> expanded;
        const std::vector<std::uint16_t> words =
            descriptor.bits <= 8 && segmented->value.size < 2 * descriptor.entries
                ? std::vector<std::uint16_t>(segmented->value.data,
                                             segmented->value.data + segmented->value.size)
                : Words(*segmented);
        if (!ExpandSegments(words, 0, SIZE_MAX, descriptor.entries, true, expanded) || expanded.empty()) {
            return false;
        }
        expanded.resize(descriptor.entries, expanded.back());
        for (const double value : expanded) {
            entries.push_back(static_cast<std::uint16_t>(std::clamp(value, 0.0, 65535.0)));
        }
    }
    if (entries.size() != descriptor.entries) {
        return false;
    }
    channel = ToEightBits(entries, descriptor.bits);
    return true;
}

EVoiFunction FunctionOf(const std::string& text) {
    return text == "SIGMOID"        ? EVoiFunction::Sigmoid
           : text == "LINEAR_EXACT" ? EVoiFunction::LinearExact
                                    : EVoiFunction::Linear;
}

// The windows of an item, in order; pairs with a non-positive or unreadable width are left out.
std::vector<CWindow> ReadWindows(const CDicomDataSet& item) {
    std::vector<CWindow> windows;
    const CDicomElement* centres = item.Find(DicomTags::kWindowCenter);
    const CDicomElement* widths = item.Find(DicomTags::kWindowWidth);
    if (!centres || !widths) {
        return windows;
    }
    const std::size_t count = std::min(DicomValues::NumberCount(*centres), DicomValues::NumberCount(*widths));
    const std::vector<std::string> explanations =
        DicomValues::Split(item.Text(DicomTags::kWindowExplanation));
    const EVoiFunction function = FunctionOf(item.Text(DicomTags::kVoiLutFunction));
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<double> centre = DicomValues::Number(*centres, i);
        const std::optional<double> width = DicomValues::Number(*widths, i);
        if (centre && width && std::isfinite(*centre) && std::isfinite(*width) && *width > 0) {
            windows.push_back(
                {*centre, *width, function, i < explanations.size() ? explanations[i] : std::string()});
        }
    }
    return windows;
}

// Takes rescale and window from a functional group item, where it has them.
void ApplyFunctionalGroup(const CDicomDataSet& group, CDisplayParameters& parameters) {
    if (const CDicomDataSet* transform = group.FirstItem(DicomTags::kPixelValueTransformationSequence)) {
        const std::optional<double> slope = transform->Number(DicomTags::kRescaleSlope);
        const std::optional<double> intercept = transform->Number(DicomTags::kRescaleIntercept);
        if (slope && intercept && std::isfinite(*slope) && std::isfinite(*intercept) && *slope != 0) {
            parameters.rescaleSlope = *slope;
            parameters.rescaleIntercept = *intercept;
        }
    }
    if (const CDicomDataSet* voi = group.FirstItem(DicomTags::kFrameVoiLutSequence)) {
        std::vector<CWindow> windows = ReadWindows(*voi);
        if (!windows.empty()) {
            parameters.windows = std::move(windows);
        }
    }
}

}  // namespace

std::shared_ptr<const CLookupTable> ReadLookupTable(const CDicomDataSet& item, bool signedInput) {
    CDescriptor descriptor;
    const CDicomElement* data = item.Find(DicomTags::kLutData);
    if (!data || !ReadDescriptor(item.Find(DicomTags::kLutDescriptor), signedInput, descriptor)) {
        return nullptr;
    }
    auto table = std::make_shared<CLookupTable>();
    table->firstMapped = descriptor.firstMapped;
    table->values = TableEntries(*data, descriptor.entries);
    if (table->values.empty()) {
        return nullptr;
    }
    // Descriptors that understate the depth are corrected by the values themselves.
    const std::uint16_t largest = *std::max_element(table->values.begin(), table->values.end());
    table->bits = descriptor.bits;
    while (table->bits < 16 && largest >= (1u << table->bits)) {
        ++table->bits;
    }
    return table;
}

std::shared_ptr<const CPalette> ReadPalette(const CDicomDataSet& dataSet, bool signedInput) {
    auto palette = std::make_shared<CPalette>();
    CDescriptor red, green, blue;
    if (!ReadChannel(dataSet, DicomTags::kRedPaletteDescriptor, DicomTags::kRedPaletteData,
                     DicomTags::kSegmentedRedPaletteData, signedInput, red, palette->red) ||
        !ReadChannel(dataSet, DicomTags::kGreenPaletteDescriptor, DicomTags::kGreenPaletteData,
                     DicomTags::kSegmentedGreenPaletteData, signedInput, green, palette->green) ||
        !ReadChannel(dataSet, DicomTags::kBluePaletteDescriptor, DicomTags::kBluePaletteData,
                     DicomTags::kSegmentedBluePaletteData, signedInput, blue, palette->blue)) {
        return nullptr;
    }
    palette->firstMapped = red.firstMapped;
    return palette;
}

CDicomDisplay::CDicomDisplay(const CDicomDataSet& dataSet, const CPixelFormat& format) {
    const std::optional<double> slope = dataSet.Number(DicomTags::kRescaleSlope);
    const std::optional<double> intercept = dataSet.Number(DicomTags::kRescaleIntercept);
    if (slope && std::isfinite(*slope) && *slope != 0) {
        m_base.rescaleSlope = *slope;
    }
    if (intercept && std::isfinite(*intercept)) {
        m_base.rescaleIntercept = *intercept;
    }
    if (const CDicomDataSet* modality = dataSet.FirstItem(DicomTags::kModalityLutSequence)) {
        m_base.modalityLut = ReadLookupTable(*modality, format.isSigned);
    }
    m_base.windows = ReadWindows(dataSet);
    if (const CDicomDataSet* voi = dataSet.FirstItem(DicomTags::kVoiLutSequence)) {
        // The table's input is the output of the modality transform, signed when that can be.
        const bool signedModality = format.isSigned || m_base.rescaleIntercept < 0;
        m_base.voiLut = ReadLookupTable(*voi, signedModality);
    }
    if (format.photometric == EPhotometric::Palette) {
        m_base.palette = ReadPalette(dataSet, format.isSigned);
    }
    m_shared = dataSet.FirstItem(DicomTags::kSharedFunctionalGroups);
    m_perFrame = dataSet.Find(DicomTags::kPerFrameFunctionalGroups);
    if (m_shared) {
        ApplyFunctionalGroup(*m_shared, m_base);
    }
}

CDisplayParameters CDicomDisplay::ForFrame(int frame) const {
    CDisplayParameters parameters = m_base;
    if (m_perFrame && frame >= 0 && static_cast<std::size_t>(frame) < m_perFrame->items.size()) {
        ApplyFunctionalGroup(m_perFrame->items[static_cast<std::size_t>(frame)], parameters);
    }
    return parameters;
}
