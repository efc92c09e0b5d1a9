#include "CharacterSet.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <optional>

enum class CCharacterSet::EEncoding {
    Latin1,
    JisX0201,
    Latin2,
    Latin3,
    Latin4,
    Greek,
    Arabic,
    Hebrew,
    Cyrillic,
    Latin5,
    Thai,
    Iso2022Jp,
    Iso2022Jp2,
    Korean,
    Gb2312,
    Utf8,
    Gb18030,
    Gbk,
};

namespace {

using EEncoding = CCharacterSet::EEncoding;

struct CTerm {
    const char* term;  // the defined term without its "ISO_IR " / "ISO 2022 IR " prefix
    EEncoding encoding;
};

constexpr CTerm kTerms[] = {
    {"6", EEncoding::Latin1},     {"13", EEncoding::JisX0201},    {"100", EEncoding::Latin1},
    {"101", EEncoding::Latin2},   {"109", EEncoding::Latin3},     {"110", EEncoding::Latin4},
    {"126", EEncoding::Greek},    {"127", EEncoding::Arabic},     {"138", EEncoding::Hebrew},
    {"144", EEncoding::Cyrillic}, {"148", EEncoding::Latin5},     {"166", EEncoding::Thai},
    {"87", EEncoding::Iso2022Jp}, {"159", EEncoding::Iso2022Jp2}, {"149", EEncoding::Korean},
    {"58", EEncoding::Gb2312},    {"192", EEncoding::Utf8},
};

struct CEscape {
    const char* sequence;
    EEncoding encoding;
};

// Escape sequences of the code extensions and the set each one designates.
constexpr CEscape kEscapes[] = {
    {"\x1b(B", EEncoding::Latin1},      {"\x1b-A", EEncoding::Latin1},    {"\x1b)I", EEncoding::JisX0201},
    {"\x1b(J", EEncoding::JisX0201},    {"\x1b$B", EEncoding::Iso2022Jp}, {"\x1b-B", EEncoding::Latin2},
    {"\x1b-C", EEncoding::Latin3},      {"\x1b-D", EEncoding::Latin4},    {"\x1b-F", EEncoding::Greek},
    {"\x1b-G", EEncoding::Arabic},      {"\x1b-H", EEncoding::Hebrew},    {"\x1b-L", EEncoding::Cyrillic},
    {"\x1b-M", EEncoding::Latin5},      {"\x1b-T", EEncoding::Thai},      {"\x1b$)C", EEncoding::Korean},
    {"\x1b$(D", EEncoding::Iso2022Jp2}, {"\x1b$)A", EEncoding::Gb2312},
};

const char* IconvName(EEncoding encoding) {
    switch (encoding) {
        case EEncoding::Latin2:
            return "ISO-8859-2";
        case EEncoding::Latin3:
            return "ISO-8859-3";
        case EEncoding::Latin4:
            return "ISO-8859-4";
        case EEncoding::Greek:
            return "ISO-8859-7";
        case EEncoding::Arabic:
            return "ISO-8859-6";
        case EEncoding::Hebrew:
            return "ISO-8859-8";
        case EEncoding::Cyrillic:
            return "ISO-8859-5";
        case EEncoding::Latin5:
            return "ISO-8859-9";
        case EEncoding::Thai:
            return "TIS-620";
        case EEncoding::Iso2022Jp:
            return "ISO-2022-JP";
        case EEncoding::Iso2022Jp2:
            return "ISO-2022-JP-2";
        case EEncoding::Korean:
            return "EUC-KR";
        case EEncoding::Gb2312:
            return "GB2312";
        case EEncoding::Gb18030:
            return "GB18030";
        case EEncoding::Gbk:
            return "GBK";
        default:
            return nullptr;
    }
}

// Sets that keep their escape sequences in the bytes given to the converter, which knows them.
bool ConverterReadsEscapes(EEncoding encoding) {
    return encoding == EEncoding::Iso2022Jp || encoding == EEncoding::Iso2022Jp2;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

// UTF-8 as given, with each byte that does not start a valid sequence replaced.
std::string ValidUtf8(const std::string& bytes) {
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto start = static_cast<unsigned char>(bytes[i]);
        const int length = start < 0x80         ? 1
                           : (start >> 5) == 6  ? 2
                           : (start >> 4) == 14 ? 3
                           : (start >> 3) == 30 ? 4
                                                : 0;
        bool valid = length > 0 && i + length <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            valid = (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
        }
        if (valid) {
            out.append(bytes, i, length);
            i += length;
        } else {
            AppendUtf8(out, kReplacement);
            ++i;
        }
    }
    return out;
}

std::string ConvertWithIconv(const char* name, const std::string& bytes) {
    iconv_t converter = iconv_open("UTF-8", name);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        std::string out;
        for (const char c : bytes) {
            AppendUtf8(out, static_cast<unsigned char>(c));
        }
        return out;
    }
    std::string out;
    std::string input = bytes;
    char* in = input.data();
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: mark it and go on after its first byte.
            AppendUtf8(out, kReplacement);
            ++in;
            --inLeft;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(converter, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    iconv_close(converter);
    return out;
}

std::string Convert(EEncoding encoding, const std::string& bytes) {
    std::string out;
    switch (encoding) {
        case EEncoding::Latin1:
            for (const char c : bytes) {
                AppendUtf8(out, static_cast<unsigned char>(c));
            }
            return out;
        case EEncoding::JisX0201:
            // The Roman half reads as ASCII; the upper half holds the half-width katakana.
            for (const char c : bytes) {
                const auto b = static_cast<unsigned char>(c);
                AppendUtf8(out, b < 0x80 ? b : (b >= 0xA1 && b <= 0xDF) ? 0xFF61 + (b - 0xA1) : kReplacement);
            }
            return out;
        case EEncoding::Utf8:
            return ValidUtf8(bytes);
        default:
            return ConvertWithIconv(IconvName(encoding), bytes);
    }
}

std::string Normalised(std::string term) {
    const auto notSpace = [](unsigned char c) { return !std::isspace(c); };
    term.erase(term.begin(), std::find_if(term.begin(), term.end(), notSpace));
    term.erase(std::find_if(term.rbegin(), term.rend(), notSpace).base(), term.end());
    std::transform(term.begin(), term.end(), term.begin(), [](unsigned char c) { return std::toupper(c); });
    return term;
}

// The set a defined term names; tolerant of the usual misspellings ("ISO IR 100", "ISO_IR100").
std::optional<EEncoding> EncodingOf(const std::string& rawTerm) {
    const std::string term = Normalised(rawTerm);
    if (term.empty()) {
        return EEncoding::Latin1;
    }
    if (term == "GB18030") {
        return EEncoding::Gb18030;
    }
    if (term == "GBK" || term == "ISO 2022 GBK") {
        return EEncoding::Gbk;
    }
    if (term == "ISO 2022 58") {
        return EEncoding::Gb2312;
    }
    std::string number;
    for (const char* prefix :
         {"ISO 2022 IR ", "ISO_IR ", "ISO IR ", "ISO-IR ", "ISO_IR", "ISO IR", "ISO-IR"}) {
        if (term.rfind(prefix, 0) == 0) {
            number = term.substr(std::char_traits<char>::length(prefix));
            break;
        }
    }
    for (const CTerm& candidate : kTerms) {
        if (number == candidate.term) {
            return candidate.encoding;
        }
    }
    return std::nullopt;
}

}  // namespace

CCharacterSet::CCharacterSet(const std::string& specificCharacterSet) {
    for (const std::string& term : DicomValues::Split(specificCharacterSet)) {
        const std::optional<EEncoding> encoding = EncodingOf(term);
        // An unknown term falls back to the default repertoire, as the first term must exist.
        if (encoding || m_encodings.empty()) {
            m_encodings.push_back(encoding.value_or(EEncoding::Latin1));
        }
    }
    if (m_encodings.empty()) {
        m_encodings.push_back(EEncoding::Latin1);
    }
}

bool CCharacterSet::UsesCharacterSet(CVr vr) {
    return vr == MakeVr("SH") || vr == MakeVr("LO") || vr == MakeVr("ST") || vr == MakeVr("LT") ||
           vr == MakeVr("PN") || vr == MakeVr("UC") || vr == MakeVr("UT");
}

std::string CCharacterSet::Decode(CByteView bytes, CVr vr) const {
    static const std::string kTextDelimiters = "\r\n\t\f";
    const std::string raw = bytes.ToString();
    if (!UsesCharacterSet(vr)) {
        return Convert(EEncoding::Latin1, raw);
    }
    // Single-valued texts may contain backslashes; the others hold values separated by them.
    if (vr == MakeVr("LT") || vr == MakeVr("ST") || vr == MakeVr("UT")) {
        return DecodeWithDelimiters(raw, kTextDelimiters);
    }
    std::string out;
    const std::vector<std::string> values = DicomValues::Split(raw);
    for (std::size_t v = 0; v < values.size(); ++v) {
        if (v > 0) {
            out += '\\';
        }
        if (vr != MakeVr("PN")) {
            out += DecodeWithDelimiters(values[v], kTextDelimiters);
            continue;
        }
        // Person names: component groups (alphabetic, ideographic, phonetic) one by one;
        // empty groups at the end are left out.
        std::vector<std::string> groups;
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = values[v].find('=', start);
            groups.push_back(DecodeWithDelimiters(
                values[v].substr(start, end == std::string::npos ? end : end - start), "^"));
            if (end == std::string::npos) {
                break;
            }
            start = end + 1;
        }
        while (groups.size() > 1 && groups.back().empty()) {
            groups.pop_back();
        }
        for (std::size_t g = 0; g < groups.size(); ++g) {
            out += (g > 0 ? "=" : "") + groups[g];
        }
    }
    return out;
}

std::string CCharacterSet::DecodeWithDelimiters(const std::string& bytes,
                                                const std::string& delimiters) const {
    const std::size_t firstEscape = bytes.find('\x1b');
    if (firstEscape == std::string::npos) {
        return Convert(m_encodings.front(), bytes);
    }
    // The part before the first escape is in the first set; each later part starts with the
    // escape sequence that names its set.
    std::string out = Convert(m_encodings.front(), bytes.substr(0, firstEscape));
    std::size_t start = firstEscape;
    while (start < bytes.size()) {
        const std::size_t next = bytes.find('\x1b', start + 1);
        out +=
            DecodeEscaped(bytes.substr(start, next == std::string::npos ? next : next - start), delimiters);
        start = next == std::string::npos ? bytes.size() : next;
    }
    return out;
}

std::string CCharacterSet::DecodeEscaped(const std::string& fragment, const std::string& delimiters) const {
    for (const CEscape& escape : kEscapes) {
        const std::string sequence = escape.sequence;
        if (fragment.rfind(sequence, 0) != 0) {
            continue;
        }
        const bool declared =
            std::find(m_encodings.begin(), m_encodings.end(), escape.encoding) != m_encodings.end();
        if (!declared && escape.encoding != EEncoding::Latin1) {
            break;
        }
        if (ConverterReadsEscapes(escape.encoding)) {
            return Convert(escape.encoding, fragment);
        }
        const std::string rest = fragment.substr(sequence.size());
        // A delimiter returns to the first set for the rest of the fragment.
        const std::size_t delimiter = rest.find_first_of(delimiters);
        if (delimiter == std::string::npos) {
            return Convert(escape.encoding, rest);
        }
        return Convert(escape.encoding, rest.substr(0, delimiter)) +
               Convert(m_encodings.front(), rest.substr(delimiter));
    }
    return Convert(m_encodings.front(), fragment);
}
