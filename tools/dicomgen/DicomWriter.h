#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Writes small DICOM files element by element, for test fixtures and benchmark files. Elements
// are kept by tag and written in tag order; values are padded to even length as the format wants.
class CDicomWriter {
public:
    enum class EEncoding { ExplicitLittle, ImplicitLittle, ExplicitBig };

    // A writer for a file with meta information (and the preamble unless `preamble` is false)
    // in `transferSyntax`; the encoding of the data set follows from it.
    explicit CDicomWriter(std::string transferSyntax = "1.2.840.10008.1.2.1", bool preamble = true);
    // A writer for a sequence item, encoded like its parent.
    static CDicomWriter Item(EEncoding encoding);

    CDicomWriter& Text(std::uint16_t group, std::uint16_t element, const char* vr, const std::string& value);
    CDicomWriter& UShort(std::uint16_t group, std::uint16_t element,
                         const std::vector<std::uint16_t>& values);
    CDicomWriter& Short(std::uint16_t group, std::uint16_t element, const std::vector<std::int16_t>& values);
    CDicomWriter& Bytes(std::uint16_t group, std::uint16_t element, const char* vr,
                        const std::vector<std::uint8_t>& value);
    // 16-bit words, written in the data set's byte order (OW or US tables).
    CDicomWriter& Words(std::uint16_t group, std::uint16_t element, const char* vr,
                        const std::vector<std::uint16_t>& words);
    CDicomWriter& Sequence(std::uint16_t group, std::uint16_t element,
                           const std::vector<CDicomWriter>& items);
    // Encapsulated pixel data: the offset table (empty for none), then one item per fragment.
    CDicomWriter& Encapsulated(const std::vector<std::uint32_t>& offsets,
                               const std::vector<std::vector<std::uint8_t>>& fragments);
    // The common image attributes of a monochrome or colour image.
    CDicomWriter& Image(int rows, int columns, int samples, int bitsAllocated, int bitsStored, bool isSigned,
                        const std::string& photometric, int frames = 1);

    EEncoding Encoding() const { return m_encoding; }
    // The whole file (or, for an item, its data set).
    std::vector<std::uint8_t> Encode() const;
    bool Save(const std::string& path) const;
    // Writes the file with native pixel data of `length` bytes that `writePixels` streams out,
    // for files too large to build in memory.
    bool SaveStreaming(const std::string& path, std::uint64_t length,
                       const std::function<bool(std::ostream&)>& writePixels) const;

private:
    CDicomWriter(EEncoding encoding, bool meta, bool preamble, std::string transferSyntax);
    void Put(std::uint16_t group, std::uint16_t element, const char* vr, std::vector<std::uint8_t> value);
    std::vector<std::uint8_t> Header(std::uint16_t group, std::uint16_t element, const char* vr,
                                     std::uint32_t length, EEncoding encoding) const;
    std::vector<std::uint8_t> Meta() const;

    EEncoding m_encoding;
    bool m_meta;
    bool m_preamble;
    std::string m_transferSyntax;
    std::map<std::uint32_t, std::vector<std::uint8_t>> m_elements;
};
