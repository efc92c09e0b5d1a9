#include "SkinFields.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace SkinFields {
namespace {

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Trim(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && IsSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::int32_t Saturate(std::int64_t value) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kMin ? kMin : (value > kMax ? kMax : value));
}

int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Accumulates digits of `base` from `pos`, stopping at the first other character. Values beyond
// 32 bits are held at a bound instead of wrapping.
std::int64_t ReadDigits(const std::string& text, size_t pos, int base, bool& any) {
    std::int64_t value = 0;
    any = false;
    for (; pos < text.size(); ++pos) {
        const int digit = base == 16 ? HexValue(text[pos]) : (IsDigit(text[pos]) ? text[pos] - '0' : -1);
        if (digit < 0) {
            break;
        }
        any = true;
        if (value < (std::int64_t{1} << 40)) {
            value = value * base + digit;
        }
    }
    return value;
}

}  // namespace

std::string NextField(std::string& list) {
    const std::string copy = list.substr(0, kMaxListLength);
    const size_t comma = copy.find(',');
    if (comma == std::string::npos) {
        return copy;
    }
    std::string field = copy.substr(0, comma);
    list = Trim(copy.substr(comma + 1));
    return field;
}

std::int32_t ParseNumber(const std::string& field) {
    size_t pos = 0;
    while (pos < field.size() && IsSpace(field[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < field.size() && (field[pos] == '+' || field[pos] == '-')) {
        negative = field[pos] == '-';
        ++pos;
    }
    bool any = false;
    const std::int64_t magnitude = ReadDigits(field, pos, 10, any);
    return Saturate(negative ? -magnitude : magnitude);
}

SkinRect ParseRect(std::string& list) {
    SkinRect rect;
    rect.left = ParseNumber(NextField(list));
    rect.top = ParseNumber(NextField(list));
    rect.right = ParseNumber(NextField(list));
    rect.bottom = ParseNumber(NextField(list));
    return rect;
}

SkinColor ParseColor(const std::string& field) {
    if (field.empty()) {
        return kNoColor;
    }
    size_t pos = 0;
    while (pos < field.size() && IsSpace(field[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < field.size() && (field[pos] == '+' || field[pos] == '-')) {
        negative = field[pos] == '-';
        ++pos;
    }
    bool any = false;
    std::int64_t magnitude = 0;
    if (pos + 1 < field.size() && field[pos] == '0' && (field[pos + 1] == 'x' || field[pos + 1] == 'X')) {
        magnitude = ReadDigits(field, pos + 2, 16, any);
    } else {
        magnitude = ReadDigits(field, pos, 10, any);
    }
    if (!any) {
        return 0;
    }
    // Hexadecimal input wraps to 32 bits as the platform's parser does, so 0xFFFFFFFF is -1.
    const auto v = static_cast<std::uint32_t>(negative ? -magnitude : magnitude);
    return ((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16);
}

bool ParseFlag(const std::string& field) {
    return !field.empty() && field[0] == 'T';
}

bool ParseEnabled(const std::string& field) {
    return field == "TRUE";
}

Orientation ParseOrientation(const std::string& field) {
    return !field.empty() && field[0] == 'V' ? Orientation::Vertical : Orientation::Horizontal;
}

}  // namespace SkinFields
