#include "DicomValueText.h"

#include <charconv>
#include <cstdio>

namespace {

// Long lists of numbers (lookup tables, contours) are cut after this many values.
constexpr std::size_t kMaxNumbers = 64;
constexpr std::size_t kHexBytes = 16;

std::string NumberText(double value, CVr vr) {
    char text[64];
    std::to_chars_result result{};
    if (vr == MakeVr("FL")) {
        result = std::to_chars(text, text + sizeof text, static_cast<float>(value));
    } else {
        result = std::to_chars(text, text + sizeof text, value);
    }
    return std::string(text, result.ptr);
}

std::string CountText(std::size_t count, const char* singular, const char* plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

std::string HexText(CByteView bytes) {
    std::string text = CountText(bytes.size, "byte", "bytes");
    if (bytes.size > 0) {
        text += ":";
    }
    char hex[4];
    for (std::size_t i = 0; i < bytes.size && i < kHexBytes; ++i) {
        std::snprintf(hex, sizeof hex, " %02X", bytes.data[i]);
        text += hex;
    }
    if (bytes.size > kHexBytes) {
        text += " ...";
    }
    return text;
}

std::string NumbersText(const CDicomElement& element) {
    const std::size_t count = DicomValues::NumberCount(element);
    std::string text;
    for (std::size_t i = 0; i < count && i < kMaxNumbers; ++i) {
        if (i > 0) {
            text += '\\';
        }
        text += NumberText(*DicomValues::Number(element, i), element.vr);
    }
    if (count > kMaxNumbers) {
        text += "\\... (" + std::to_string(count) + " values)";
    }
    return text;
}

std::string TagsText(const CDicomElement& element) {
    std::string text;
    for (std::size_t offset = 0; offset + 4 <= element.value.size; offset += 4) {
        const std::uint8_t* p = element.value.data + offset;
        if (offset > 0) {
            text += '\\';
        }
        text += CDicomTag{ReadU16(p, element.bigEndian), ReadU16(p + 2, element.bigEndian)}.ToString();
    }
    return text;
}

std::string PixelDataText(const CDicomElement& element, const std::string& transferSyntaxName) {
    if (!element.encapsulated) {
        return CountText(element.value.size, "byte", "bytes") + ", native";
    }
    std::size_t total = 0;
    for (const CByteView& fragment : element.fragments) {
        total += fragment.size;
    }
    // The first item is the offset table, not image data.
    const std::size_t fragments = element.fragments.empty() ? 0 : element.fragments.size() - 1;
    return CountText(total, "byte", "bytes") + " in " + CountText(fragments, "fragment", "fragments") + ", " +
           (transferSyntaxName.empty() ? std::string("encapsulated") : transferSyntaxName);
}

bool IsBinary(CVr vr) {
    return vr == MakeVr("OB") || vr == MakeVr("OW") || vr == MakeVr("OF") || vr == MakeVr("OD") ||
           vr == MakeVr("OL") || vr == MakeVr("OV") || vr == MakeVr("UN");
}

bool IsBinaryNumber(CVr vr) {
    return vr == MakeVr("US") || vr == MakeVr("SS") || vr == MakeVr("UL") || vr == MakeVr("SL") ||
           vr == MakeVr("FL") || vr == MakeVr("FD") || vr == MakeVr("SV") || vr == MakeVr("UV");
}

std::string BaseText(const CDicomElement& element, const CCharacterSet& characterSet,
                     const std::string& transferSyntaxName) {
    if (element.tag == DicomTags::kPixelData) {
        return PixelDataText(element, transferSyntaxName);
    }
    if (element.IsSequence()) {
        return CountText(element.items.size(), "item", "items");
    }
    if (element.vr == MakeVr("AT")) {
        return TagsText(element);
    }
    if (IsBinaryNumber(element.vr)) {
        return NumbersText(element);
    }
    if (IsBinary(element.vr)) {
        return HexText(element.value);
    }
    const std::string trimmed = DicomValues::Text(element);
    return characterSet.Decode({reinterpret_cast<const std::uint8_t*>(trimmed.data()), trimmed.size()},
                               element.vr);
}

}  // namespace

std::string ElementValueText(const CDicomElement& element, const CCharacterSet& characterSet,
                             const std::string& transferSyntaxName) {
    std::string text = BaseText(element, characterSet, transferSyntaxName);
    if (element.truncated && element.encapsulated) {
        text += " (truncated)";
    } else if (element.truncated) {
        text += " (truncated: " + std::to_string(element.value.size) + " of " +
                std::to_string(element.declaredLength) + " bytes)";
    }
    return text;
}
