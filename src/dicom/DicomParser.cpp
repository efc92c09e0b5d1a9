#include "DicomParser.h"

#include <zlib.h>

#include <cstring>

#include "dicom/DicomDictionary.h"

namespace {

constexpr int kMaxDepth = 32;
constexpr std::uint32_t kUndefinedLength = 0xFFFFFFFF;
// Inflating stops here: deflate cannot shrink data more than about a thousand times, and no
// data set of a viewable file comes near this size.
constexpr std::size_t kMaxInflatedSize = std::size_t{1} << 31;

struct CEncoding {
    bool explicitVr = true;
    bool bigEndian = false;
};

constexpr CEncoding kImplicitLittle{false, false};

bool IsUpper(std::uint8_t c) {
    return c >= 'A' && c <= 'Z';
}

CVr VrAt(const std::uint8_t* p) {
    return static_cast<CVr>(p[0] << 8 | p[1]);
}

bool HasExplicitVrAt(const std::uint8_t* p) {
    return IsUpper(p[0]) && IsUpper(p[1]) && IsKnownVr(VrAt(p));
}

CDicomTag TagAt(const std::uint8_t* p, bool bigEndian) {
    return {ReadU16(p, bigEndian), ReadU16(p + 2, bigEndian)};
}

// The encoding that the element at `pos` shows: the byte order that gives the smaller group
// (data sets start with low groups) and an explicit representation when two letters name one.
CEncoding GuessEncoding(CByteView bytes, std::size_t pos) {
    if (bytes.size < pos + 8) {
        return {};
    }
    const std::uint8_t* p = bytes.data + pos;
    CEncoding encoding;
    encoding.bigEndian = ReadU16(p, true) < ReadU16(p, false);
    encoding.explicitVr = HasExplicitVrAt(p + 4);
    return encoding;
}

std::string Offset(std::size_t pos) {
    return std::to_string(pos);
}

class CParser {
public:
    CParser(CByteView bytes, std::string& problem) : m_bytes(bytes), m_problem(problem) {}

    enum class EStop { AtEnd, AtItemEnd, AtOtherGroup };

    void ReadDataSet(std::size_t& pos, std::size_t end, CEncoding encoding, int depth, CDicomDataSet& out,
                     EStop stop) {
        while (!m_failed) {
            if (pos >= end || (stop == EStop::AtEnd && depth == 0 && end - pos < 8)) {
                // A few stray bytes after the last element of the file are ignored.
                if (stop == EStop::AtItemEnd) {
                    Fail("The file ends inside a sequence item.");
                }
                return;
            }
            if (stop == EStop::AtOtherGroup && end - pos >= 2 &&
                ReadU16(m_bytes.data + pos, false) != 0x0002) {
                return;
            }
            CDicomElement element;
            const EResult result = ReadElement(pos, end, encoding, depth, element);
            if (result == EResult::ItemEnd) {
                if (stop != EStop::AtItemEnd) {
                    Fail("An item delimiter stands outside an item at offset " + Offset(pos - 8) + ".");
                }
                return;
            }
            if (result == EResult::Stop) {
                return;
            }
            out.elements.push_back(std::move(element));
        }
    }

private:
    enum class EResult { Element, ItemEnd, Stop };

    EResult ReadElement(std::size_t& pos, std::size_t end, CEncoding encoding, int depth,
                        CDicomElement& element) {
        if (end - pos < 8) {
            Fail("The file ends inside an element header at offset " + Offset(pos) + ".");
            return EResult::Stop;
        }
        const std::uint8_t* p = m_bytes.data + pos;
        const CDicomTag tag = TagAt(p, encoding.bigEndian);
        if (tag.group == 0xFFFE) {
            if (tag == DicomTags::kItemDelimiter) {
                pos += 8;
                return EResult::ItemEnd;
            }
            Fail("Unexpected " + tag.ToString() + " at offset " + Offset(pos) + ".");
            return EResult::Stop;
        }
        std::uint32_t length = 0;
        std::size_t header = 8;
        CVr vr = 0;
        // Some writers mix in elements without a representation; read those as implicit ones.
        if (encoding.explicitVr && HasExplicitVrAt(p + 4)) {
            vr = VrAt(p + 4);
            if (HasLongLength(vr)) {
                if (end - pos < 12) {
                    Fail("The file ends inside an element header at offset " + Offset(pos) + ".");
                    return EResult::Stop;
                }
                length = ReadU32(p + 8, encoding.bigEndian);
                header = 12;
            } else {
                length = ReadU16(p + 6, encoding.bigEndian);
            }
        } else {
            vr = DicomDictionary::Vr(tag, m_signedPixels);
            length = ReadU32(p + 4, encoding.bigEndian);
        }
        pos += header;
        element.tag = tag;
        element.vr = vr;
        element.bigEndian = encoding.bigEndian;
        element.declaredLength = length;
        if (length == kUndefinedLength) {
            return ReadUndefinedLength(pos, end, encoding, depth, element);
        }
        if (length > end - pos) {
            element.value = {m_bytes.data + pos, end - pos};
            element.truncated = true;
            Fail("The file ends inside " + tag.ToString() + ": " + std::to_string(end - pos) + " of " +
                 std::to_string(length) + " bytes are present.");
            pos = end;
            return EResult::Element;
        }
        element.value = {m_bytes.data + pos, length};
        const CVr dictionaryVr = vr == MakeVr("UN") ? DicomDictionary::Vr(tag, m_signedPixels) : vr;
        if (vr == MakeVr("SQ") || dictionaryVr == MakeVr("SQ")) {
            // Items of a sequence written as UN are in implicit little endian.
            const CEncoding itemEncoding = vr == MakeVr("UN") ? kImplicitLittle : encoding;
            element.vr = MakeVr("SQ");
            element.value = {};
            std::size_t itemPos = pos;
            ReadItems(itemPos, pos + length, itemEncoding, depth + 1, element, false);
        } else if (vr == MakeVr("UN") && dictionaryVr != MakeVr("UN")) {
            element.vr = dictionaryVr;
        }
        if (tag == DicomTags::kPixelRepresentation && depth == 0 && length >= 2) {
            m_signedPixels = ReadU16(m_bytes.data + pos, encoding.bigEndian) == 1;
        }
        pos += length;
        return EResult::Element;
    }

    EResult ReadUndefinedLength(std::size_t& pos, std::size_t end, CEncoding encoding, int depth,
                                CDicomElement& element) {
        element.undefinedLength = true;
        if (element.tag == DicomTags::kPixelData && element.vr != MakeVr("SQ")) {
            element.encapsulated = true;
            ReadFragments(pos, end, encoding, element);
            return EResult::Element;
        }
        // Anything else of undefined length can only be a sequence; one written as UN holds
        // items in implicit little endian.
        const CEncoding itemEncoding = element.vr == MakeVr("SQ") ? encoding : kImplicitLittle;
        element.vr = MakeVr("SQ");
        ReadItems(pos, end, itemEncoding, depth + 1, element, true);
        return EResult::Element;
    }

    void ReadItems(std::size_t& pos, std::size_t end, CEncoding encoding, int depth, CDicomElement& sequence,
                   bool untilDelimiter) {
        if (depth > kMaxDepth) {
            Fail("Sequences nest too deeply at offset " + Offset(pos) + ".");
            return;
        }
        while (!m_failed && (untilDelimiter || pos < end)) {
            if (end - pos < 8) {
                Fail("The file ends inside sequence " + sequence.tag.ToString() + ".");
                return;
            }
            const std::uint8_t* p = m_bytes.data + pos;
            const CDicomTag tag = TagAt(p, encoding.bigEndian);
            const std::uint32_t length = ReadU32(p + 4, encoding.bigEndian);
            if (tag == DicomTags::kSequenceDelimiter) {
                pos += 8;
                return;
            }
            if (tag != DicomTags::kItem) {
                Fail("Sequence " + sequence.tag.ToString() + " holds " + tag.ToString() + " at offset " +
                     Offset(pos) + " where an item should be.");
                return;
            }
            pos += 8;
            CDicomDataSet& item = sequence.items.emplace_back();
            if (length == kUndefinedLength) {
                ReadDataSet(pos, end, encoding, depth, item, EStop::AtItemEnd);
            } else if (length > end - pos) {
                Fail("The file ends inside an item of " + sequence.tag.ToString() + ".");
                return;
            } else {
                const std::size_t itemEnd = pos + length;
                ReadDataSet(pos, itemEnd, encoding, depth, item, EStop::AtEnd);
                pos = itemEnd;
            }
        }
    }

    void ReadFragments(std::size_t& pos, std::size_t end, CEncoding encoding, CDicomElement& pixels) {
        for (;;) {
            if (end - pos < 8) {
                pixels.truncated = true;
                Fail("The file ends inside the pixel data.");
                return;
            }
            const std::uint8_t* p = m_bytes.data + pos;
            const CDicomTag tag = TagAt(p, encoding.bigEndian);
            const std::uint32_t length = ReadU32(p + 4, encoding.bigEndian);
            pos += 8;
            if (tag == DicomTags::kSequenceDelimiter) {
                return;
            }
            if (tag != DicomTags::kItem || length == kUndefinedLength) {
                Fail("The pixel data holds " + tag.ToString() + " at offset " + Offset(pos - 8) +
                     " where a fragment should be.");
                return;
            }
            if (length > end - pos) {
                pixels.fragments.push_back({m_bytes.data + pos, end - pos});
                pixels.truncated = true;
                Fail("The file ends inside the pixel data.");
                pos = end;
                return;
            }
            pixels.fragments.push_back({m_bytes.data + pos, length});
            pos += length;
        }
    }

    void Fail(const std::string& text) {
        if (m_problem.empty()) {
            m_problem = text;
        }
        m_failed = true;
    }

    CByteView m_bytes;
    std::string& m_problem;
    bool m_failed = false;
    bool m_signedPixels = false;
};

bool StartsWithMetaGroup(CByteView bytes, std::size_t pos) {
    return bytes.size >= pos + 8 && ReadU16(bytes.data + pos, false) == 0x0002 &&
           HasExplicitVrAt(bytes.data + pos + 4);
}

// Tags of a plausible data set start: an even group no higher than the image groups, then
// ascending tags whose values fit the bytes at hand.
bool PlausibleStart(CByteView head, std::size_t pos) {
    const CEncoding encoding = GuessEncoding(head, pos);
    CDicomTag previous;
    for (int count = 0; count < 3; ++count) {
        if (head.size < pos + 8) {
            return count > 0;
        }
        const std::uint8_t* p = head.data + pos;
        const CDicomTag tag = TagAt(p, encoding.bigEndian);
        if ((count == 0 && ((tag.group & 1) != 0 || tag.group > 0x0028)) ||
            (count > 0 && !(previous < tag))) {
            return false;
        }
        std::uint64_t length = 0;
        std::size_t header = 8;
        if (encoding.explicitVr) {
            if (!HasExplicitVrAt(p + 4)) {
                return false;
            }
            if (HasLongLength(VrAt(p + 4))) {
                if (head.size < pos + 12) {
                    return true;
                }
                length = ReadU32(p + 8, encoding.bigEndian);
                header = 12;
            } else {
                length = ReadU16(p + 6, encoding.bigEndian);
            }
        } else {
            length = ReadU32(p + 4, encoding.bigEndian);
        }
        if (length == kUndefinedLength) {
            return count > 0;
        }
        if (pos + header + length > head.size) {
            return count > 0 && length < (std::uint64_t{1} << 30);
        }
        pos += header + length;
        previous = tag;
    }
    return true;
}

bool Inflate(CByteView input, std::vector<std::uint8_t>& output, std::string& error) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        error = "The deflated data set cannot be inflated.";
        return false;
    }
    output.resize(std::max<std::size_t>(input.size * 4, 4096));
    stream.next_in = const_cast<Bytef*>(input.data);
    stream.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size, UINT32_MAX));
    int status = Z_OK;
    std::size_t produced = 0;
    while (status == Z_OK) {
        if (produced == output.size()) {
            if (output.size() >= kMaxInflatedSize) {
                status = Z_MEM_ERROR;
                break;
            }
            output.resize(std::min(output.size() * 2, kMaxInflatedSize));
        }
        stream.next_out = output.data() + produced;
        stream.avail_out = static_cast<uInt>(std::min<std::size_t>(output.size() - produced, UINT32_MAX));
        status = inflate(&stream, Z_NO_FLUSH);
        produced = stream.total_out;
        if (status == Z_BUF_ERROR && stream.avail_in == 0) {
            break;  // the stream ends without its final block; keep what came out
        }
        if (status == Z_BUF_ERROR) {
            status = Z_OK;
        }
    }
    inflateEnd(&stream);
    output.resize(produced);
    output.shrink_to_fit();
    if (status != Z_STREAM_END && status != Z_BUF_ERROR) {
        error = "The deflated data set is damaged.";
        return false;
    }
    return true;
}

std::string TrimmedUid(std::string uid) {
    while (!uid.empty() && (uid.back() == '\0' || uid.back() == ' ')) {
        uid.pop_back();
    }
    return uid;
}

}  // namespace

bool LooksLikeDicom(CByteView head) {
    if (head.size >= 132 && std::memcmp(head.data + 128, "DICM", 4) == 0) {
        return true;
    }
    return PlausibleStart(head, 0);
}

bool ParseDicom(CByteView bytes, CDicomFile& file, std::string& error) {
    std::size_t pos = 0;
    const bool preamble = bytes.size >= 132 && std::memcmp(bytes.data + 128, "DICM", 4) == 0;
    if (preamble) {
        pos = 132;
    }
    if (!preamble && !PlausibleStart(bytes, 0)) {
        error = "This is not a DICOM file.";
        return false;
    }
    CParser parser(bytes, file.problem);
    if (StartsWithMetaGroup(bytes, pos)) {
        parser.ReadDataSet(pos, bytes.size, CEncoding{}, 0, file.meta, CParser::EStop::AtOtherGroup);
    }
    if (!file.problem.empty()) {
        error = file.problem;
        return false;
    }
    file.transferSyntax = TrimmedUid(file.meta.Text(DicomTags::kTransferSyntaxUid));
    const std::string& syntax = file.transferSyntax;
    if (syntax == DicomTransferSyntaxes::kDeflated) {
        if (!Inflate(bytes.Sub(pos), file.inflated, error)) {
            return false;
        }
        file.deflated = true;
        bytes = {file.inflated.data(), file.inflated.size()};
        pos = 0;
    }
    const CEncoding seen = GuessEncoding(bytes, pos);
    CEncoding encoding;
    if (syntax.empty()) {
        encoding = seen;
        file.transferSyntax = !seen.explicitVr ? DicomTransferSyntaxes::kImplicitLittle
                              : seen.bigEndian ? DicomTransferSyntaxes::kExplicitBig
                                               : DicomTransferSyntaxes::kExplicitLittle;
    } else {
        encoding.explicitVr = syntax != DicomTransferSyntaxes::kImplicitLittle;
        encoding.bigEndian = syntax == DicomTransferSyntaxes::kExplicitBig;
        // Trust the bytes over a declaration they contradict.
        if (bytes.size >= pos + 8) {
            encoding.explicitVr = seen.explicitVr;
        }
    }
    file.explicitVr = encoding.explicitVr;
    file.bigEndian = encoding.bigEndian;
    CParser dataParser(bytes, file.problem);
    dataParser.ReadDataSet(pos, bytes.size, encoding, 0, file.dataSet, CParser::EStop::AtEnd);
    if (file.meta.elements.empty() && file.dataSet.elements.empty()) {
        error = file.problem.empty() ? "The file holds no DICOM elements." : file.problem;
        return false;
    }
    return true;
}
