#include "DicomWriter.h"

#include <cstring>
#include <fstream>

namespace {

constexpr char kImplicitLittle[] = "1.2.840.10008.1.2";
constexpr char kExplicitBig[] = "1.2.840.10008.1.2.2";
constexpr std::uint32_t kUndefined = 0xFFFFFFFF;

bool LongLength(const char* vr) {
    static const char* const kLong[] = {"OB", "OD", "OF", "OL", "OV", "OW", "SQ",
                                        "SV", "UC", "UN", "UR", "UT", "UV"};
    for (const char* candidate : kLong) {
        if (std::strcmp(candidate, vr) == 0) {
            return true;
        }
    }
    return false;
}

void Append16(std::vector<std::uint8_t>& out, std::uint16_t value, bool big) {
    out.push_back(static_cast<std::uint8_t>(big ? value >> 8 : value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(big ? value & 0xFF : value >> 8));
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t value, bool big) {
    Append16(out, static_cast<std::uint16_t>(big ? value >> 16 : value & 0xFFFF), big);
    Append16(out, static_cast<std::uint16_t>(big ? value & 0xFFFF : value >> 16), big);
}

void AppendItem(std::vector<std::uint8_t>& out, std::uint16_t element, const std::vector<std::uint8_t>& value,
                bool big) {
    Append16(out, 0xFFFE, big);
    Append16(out, element, big);
    Append32(out, static_cast<std::uint32_t>(value.size()), big);
    out.insert(out.end(), value.begin(), value.end());
}

}  // namespace

CDicomWriter::CDicomWriter(std::string transferSyntax, bool preamble)
    : CDicomWriter(transferSyntax == kImplicitLittle ? EEncoding::ImplicitLittle
                   : transferSyntax == kExplicitBig  ? EEncoding::ExplicitBig
                                                     : EEncoding::ExplicitLittle,
                   true, preamble, transferSyntax) {}

CDicomWriter::CDicomWriter(EEncoding encoding, bool meta, bool preamble, std::string transferSyntax)
    : m_encoding(encoding), m_meta(meta), m_preamble(preamble), m_transferSyntax(std::move(transferSyntax)) {}

CDicomWriter CDicomWriter::Item(EEncoding encoding) {
    return CDicomWriter(encoding, false, false, {});
}

std::vector<std::uint8_t> CDicomWriter::Header(std::uint16_t group, std::uint16_t element, const char* vr,
                                               std::uint32_t length, EEncoding encoding) const {
    const bool big = encoding == EEncoding::ExplicitBig && group != 0x0002;
    std::vector<std::uint8_t> out;
    Append16(out, group, big);
    Append16(out, element, big);
    if (encoding == EEncoding::ImplicitLittle && group != 0x0002) {
        Append32(out, length, big);
    } else if (LongLength(vr)) {
        out.push_back(static_cast<std::uint8_t>(vr[0]));
        out.push_back(static_cast<std::uint8_t>(vr[1]));
        Append16(out, 0, big);
        Append32(out, length, big);
    } else {
        out.push_back(static_cast<std::uint8_t>(vr[0]));
        out.push_back(static_cast<std::uint8_t>(vr[1]));
        Append16(out, static_cast<std::uint16_t>(length), big);
    }
    return out;
}

void CDicomWriter::Put(std::uint16_t group, std::uint16_t element, const char* vr,
                       std::vector<std::uint8_t> value) {
    if (value.size() % 2 == 1) {
        const bool text = !LongLength(vr) || std::strcmp(vr, "UT") == 0 || std::strcmp(vr, "UC") == 0;
        value.push_back(text && std::strcmp(vr, "UI") != 0 ? ' ' : '\0');
    }
    const EEncoding encoding = group == 0x0002 ? EEncoding::ExplicitLittle : m_encoding;
    std::vector<std::uint8_t> bytes =
        Header(group, element, vr, static_cast<std::uint32_t>(value.size()), encoding);
    bytes.insert(bytes.end(), value.begin(), value.end());
    m_elements[std::uint32_t{group} << 16 | element] = std::move(bytes);
}

CDicomWriter& CDicomWriter::Text(std::uint16_t group, std::uint16_t element, const char* vr,
                                 const std::string& value) {
    Put(group, element, vr, std::vector<std::uint8_t>(value.begin(), value.end()));
    return *this;
}

CDicomWriter& CDicomWriter::UShort(std::uint16_t group, std::uint16_t element,
                                   const std::vector<std::uint16_t>& values) {
    std::vector<std::uint8_t> bytes;
    for (const std::uint16_t value : values) {
        Append16(bytes, value, m_encoding == EEncoding::ExplicitBig && group != 0x0002);
    }
    Put(group, element, "US", std::move(bytes));
    return *this;
}

CDicomWriter& CDicomWriter::Short(std::uint16_t group, std::uint16_t element,
                                  const std::vector<std::int16_t>& values) {
    std::vector<std::uint8_t> bytes;
    for (const std::int16_t value : values) {
        Append16(bytes, static_cast<std::uint16_t>(value), m_encoding == EEncoding::ExplicitBig);
    }
    Put(group, element, "SS", std::move(bytes));
    return *this;
}

CDicomWriter& CDicomWriter::Bytes(std::uint16_t group, std::uint16_t element, const char* vr,
                                  const std::vector<std::uint8_t>& value) {
    Put(group, element, vr, value);
    return *this;
}

CDicomWriter& CDicomWriter::Words(std::uint16_t group, std::uint16_t element, const char* vr,
                                  const std::vector<std::uint16_t>& words) {
    std::vector<std::uint8_t> bytes;
    for (const std::uint16_t word : words) {
        Append16(bytes, word, m_encoding == EEncoding::ExplicitBig);
    }
    Put(group, element, vr, std::move(bytes));
    return *this;
}

CDicomWriter& CDicomWriter::Sequence(std::uint16_t group, std::uint16_t element,
                                     const std::vector<CDicomWriter>& items) {
    const bool big = m_encoding == EEncoding::ExplicitBig;
    std::vector<std::uint8_t> value;
    for (const CDicomWriter& item : items) {
        AppendItem(value, 0xE000, item.Encode(), big);
    }
    Put(group, element, "SQ", std::move(value));
    return *this;
}

CDicomWriter& CDicomWriter::Encapsulated(const std::vector<std::uint32_t>& offsets,
                                         const std::vector<std::vector<std::uint8_t>>& fragments) {
    std::vector<std::uint8_t> bytes = Header(0x7FE0, 0x0010, "OB", kUndefined, m_encoding);
    std::vector<std::uint8_t> table;
    for (const std::uint32_t offset : offsets) {
        Append32(table, offset, false);
    }
    AppendItem(bytes, 0xE000, table, false);
    for (std::vector<std::uint8_t> fragment : fragments) {
        if (fragment.size() % 2 == 1) {
            fragment.push_back(0);
        }
        AppendItem(bytes, 0xE000, fragment, false);
    }
    AppendItem(bytes, 0xE0DD, {}, false);
    m_elements[0x7FE00010] = std::move(bytes);
    return *this;
}

CDicomWriter& CDicomWriter::Image(int rows, int columns, int samples, int bitsAllocated, int bitsStored,
                                  bool isSigned, const std::string& photometric, int frames) {
    UShort(0x0028, 0x0002, {static_cast<std::uint16_t>(samples)});
    Text(0x0028, 0x0004, "CS", photometric);
    if (samples > 1) {
        UShort(0x0028, 0x0006, {0});
    }
    if (frames > 1) {
        Text(0x0028, 0x0008, "IS", std::to_string(frames));
    }
    UShort(0x0028, 0x0010, {static_cast<std::uint16_t>(rows)});
    UShort(0x0028, 0x0011, {static_cast<std::uint16_t>(columns)});
    UShort(0x0028, 0x0100, {static_cast<std::uint16_t>(bitsAllocated)});
    UShort(0x0028, 0x0101, {static_cast<std::uint16_t>(bitsStored)});
    UShort(0x0028, 0x0102, {static_cast<std::uint16_t>(bitsStored - 1)});
    UShort(0x0028, 0x0103, {static_cast<std::uint16_t>(isSigned ? 1 : 0)});
    return *this;
}

std::vector<std::uint8_t> CDicomWriter::Meta() const {
    CDicomWriter meta(EEncoding::ExplicitLittle, false, false, {});
    meta.Bytes(0x0002, 0x0001, "OB", {0, 1});
    meta.Text(0x0002, 0x0002, "UI", "1.2.840.10008.5.1.4.1.1.7");
    meta.Text(0x0002, 0x0003, "UI", "1.2.3.4.5.6.7");
    meta.Text(0x0002, 0x0010, "UI", m_transferSyntax);
    meta.Text(0x0002, 0x0012, "UI", "1.2.3.4.5.6.8");
    std::vector<std::uint8_t> body = meta.Encode();
    std::vector<std::uint8_t> out = Header(0x0002, 0x0000, "UL", 4, EEncoding::ExplicitLittle);
    Append32(out, static_cast<std::uint32_t>(body.size()), false);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<std::uint8_t> CDicomWriter::Encode() const {
    std::vector<std::uint8_t> out;
    if (m_preamble) {
        out.assign(128, 0);
        out.insert(out.end(), {'D', 'I', 'C', 'M'});
    }
    if (m_meta) {
        const std::vector<std::uint8_t> meta = Meta();
        out.insert(out.end(), meta.begin(), meta.end());
    }
    for (const auto& [key, bytes] : m_elements) {
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

bool CDicomWriter::Save(const std::string& path) const {
    const std::vector<std::uint8_t> bytes = Encode();
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool CDicomWriter::SaveStreaming(const std::string& path, std::uint64_t length,
                                 const std::function<bool(std::ostream&)>& writePixels) const {
    std::ofstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> head = Encode();
    file.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
    const std::vector<std::uint8_t> header =
        Header(0x7FE0, 0x0010, "OW", static_cast<std::uint32_t>(length), m_encoding);
    file.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    return writePixels(file) && static_cast<bool>(file);
}
