#include "DicomDataSet.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

constexpr CVr kLongLengthVrs[] = {MakeVr("OB"), MakeVr("OD"), MakeVr("OF"), MakeVr("OL"), MakeVr("OV"),
                                  MakeVr("OW"), MakeVr("SQ"), MakeVr("SV"), MakeVr("UC"), MakeVr("UN"),
                                  MakeVr("UR"), MakeVr("UT"), MakeVr("UV")};

constexpr CVr kShortLengthVrs[] = {
    MakeVr("AE"), MakeVr("AS"), MakeVr("AT"), MakeVr("CS"), MakeVr("DA"), MakeVr("DS"), MakeVr("DT"),
    MakeVr("FD"), MakeVr("FL"), MakeVr("IS"), MakeVr("LO"), MakeVr("LT"), MakeVr("PN"), MakeVr("SH"),
    MakeVr("SL"), MakeVr("SS"), MakeVr("ST"), MakeVr("TM"), MakeVr("UI"), MakeVr("UL"), MakeVr("US")};

bool IsNumericString(CVr vr) {
    return vr == MakeVr("DS") || vr == MakeVr("IS");
}

// Size of one binary number of the representation, 0 when it holds none.
std::size_t BinaryNumberSize(CVr vr) {
    switch (vr) {
        case MakeVr("US"):
        case MakeVr("SS"):
            return 2;
        case MakeVr("UL"):
        case MakeVr("SL"):
        case MakeVr("FL"):
            return 4;
        case MakeVr("FD"):
        case MakeVr("SV"):
        case MakeVr("UV"):
            return 8;
        default:
            return 0;
    }
}

double BinaryNumber(const CDicomElement& element, std::size_t index) {
    const std::uint8_t* p = element.value.data + index * BinaryNumberSize(element.vr);
    const bool big = element.bigEndian;
    switch (element.vr) {
        case MakeVr("US"):
            return ReadU16(p, big);
        case MakeVr("SS"):
            return static_cast<std::int16_t>(ReadU16(p, big));
        case MakeVr("UL"):
            return ReadU32(p, big);
        case MakeVr("SL"):
            return static_cast<std::int32_t>(ReadU32(p, big));
        case MakeVr("FL"): {
            const std::uint32_t bits = ReadU32(p, big);
            float value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        case MakeVr("FD"): {
            const std::uint64_t bits = ReadU64(p, big);
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        case MakeVr("SV"):
            return static_cast<double>(static_cast<std::int64_t>(ReadU64(p, big)));
        default:
            return static_cast<double>(ReadU64(p, big));
    }
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \0", 0, 2);
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \0", std::string::npos, 2);
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string CDicomTag::ToString() const {
    char text[16];
    std::snprintf(text, sizeof text, "(%04X,%04X)", group, element);
    return text;
}

std::string VrString(CVr vr) {
    return {static_cast<char>(vr >> 8), static_cast<char>(vr & 0xFF)};
}

bool HasLongLength(CVr vr) {
    for (const CVr candidate : kLongLengthVrs) {
        if (candidate == vr) {
            return true;
        }
    }
    return false;
}

bool IsKnownVr(CVr vr) {
    if (HasLongLength(vr)) {
        return true;
    }
    for (const CVr candidate : kShortLengthVrs) {
        if (candidate == vr) {
            return true;
        }
    }
    return false;
}

const CDicomElement* CDicomDataSet::Find(CDicomTag tag) const {
    for (const CDicomElement& element : elements) {
        if (element.tag == tag) {
            return &element;
        }
    }
    return nullptr;
}

std::string CDicomDataSet::Text(CDicomTag tag) const {
    const CDicomElement* element = Find(tag);
    return element ? DicomValues::Text(*element) : std::string();
}

std::optional<double> CDicomDataSet::Number(CDicomTag tag, std::size_t index) const {
    const CDicomElement* element = Find(tag);
    return element ? DicomValues::Number(*element, index) : std::nullopt;
}

const CDicomDataSet* CDicomDataSet::FirstItem(CDicomTag tag) const {
    const CDicomElement* element = Find(tag);
    return element && !element->items.empty() ? &element->items.front() : nullptr;
}

namespace DicomValues {

std::string Text(const CDicomElement& element) {
    std::string text = element.value.ToString();
    const auto last = text.find_last_not_of(" \0", std::string::npos, 2);
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\\', start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::size_t NumberCount(const CDicomElement& element) {
    if (IsNumericString(element.vr)) {
        const std::string text = Text(element);
        return text.empty() ? 0 : Split(text).size();
    }
    const std::size_t size = BinaryNumberSize(element.vr);
    return size == 0 ? 0 : element.value.size / size;
}

std::optional<double> Number(const CDicomElement& element, std::size_t index) {
    if (index >= NumberCount(element)) {
        return std::nullopt;
    }
    if (!IsNumericString(element.vr)) {
        return BinaryNumber(element, index);
    }
    std::string token = Trim(Split(Text(element))[index]);
    if (!token.empty() && token.front() == '+') {
        token.erase(0, 1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace DicomValues
