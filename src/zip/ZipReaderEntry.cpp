// Reading one entry: the local header, the decoder and the checks at the end.
#include <algorithm>
#include <cstring>

#include "ZipBytes.h"
#include "ZipException.h"
#include "ZipFileStatus.h"
#include "ZipReader.h"

namespace {

constexpr int kLocalHeaderSize = 30;
constexpr std::uint8_t kLocalSignature[4] = {0x50, 0x4B, 0x03, 0x04};
constexpr std::uint8_t kDescriptorSignature[4] = {0x50, 0x4B, 0x07, 0x08};
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;

}  // namespace

bool CZipReader::OpenEntry(std::uint16_t index) {
    if (index >= GetCount() || m_entryState != EEntryState::none) {
        return false;
    }
    m_state.m_input.Allocate(static_cast<std::size_t>(m_state.m_inputBufferSize));
    CZipEntry& entry = m_directory.At(index);
    m_directory.m_currentEntry = &entry;
    m_volumes.ChangeVolume(entry.m_firstVolume);
    m_volumes.File().Seek(std::uint64_t{entry.m_localHeaderOffset} + m_directory.PrefixLength());
    ReadLocalHeader(entry);
    if (entry.IsEncrypted()) {
        return false;  // no password is ever set
    }
    if (entry.m_method != kStored && entry.m_method != kDeflated) {
        Throw(CZipException::kDamagedArchive);
    }
    if (entry.m_method == kDeflated) {
        StartDecoder();
    }
    m_state.m_compressedLeft = entry.m_compressedSize;
    m_state.m_uncompressedLeft = entry.m_uncompressedSize;
    m_state.m_crc32 = 0;
    m_state.m_stream.total_out = 0;
    m_state.m_stream.avail_in = 0;
    m_entryState = EEntryState::extracting;
    return true;
}

void CZipReader::ReadLocalHeader(const CZipEntry& entry) {
    std::uint8_t header[kLocalHeaderSize];
    m_volumes.Read(header, kLocalHeaderSize, true);
    const std::uint16_t nameLength = ReadU16(header + 26);
    const std::uint16_t extraLength = ReadU16(header + 28);
    const bool sizesLater = entry.HasDataDescriptor();
    const bool matches = std::memcmp(header, kLocalSignature, 4) == 0 &&
                         ReadU16(header + 6) == entry.m_flags && ReadU16(header + 8) == entry.m_method &&
                         nameLength == entry.m_storedNameLength &&
                         (sizesLater || (ReadU32(header + 14) == entry.m_crc32 &&
                                         ReadU32(header + 18) == entry.m_compressedSize &&
                                         ReadU32(header + 22) == entry.m_uncompressedSize));
    if (!matches) {
        Throw(CZipException::kDamagedArchive);
    }
    m_volumes.File().SeekRelative(nameLength);
    m_directory.m_localExtraField.Release();
    if (extraLength != 0) {
        const int volume = m_volumes.CurrentVolume();
        m_directory.m_localExtraField.Allocate(extraLength);
        m_volumes.Read(m_directory.m_localExtraField.Data(), extraLength, true);
        if (m_volumes.CurrentVolume() != volume) {
            Throw(CZipException::kDamagedArchive);
        }
    }
}

void CZipReader::StartDecoder() {
    z_stream& stream = m_state.m_stream;
    stream = z_stream{};
    stream.zalloc = CZipAllocationRecord::Allocate;
    stream.zfree = CZipAllocationRecord::Free;
    stream.opaque = m_trackAllocations ? &m_allocations : nullptr;
    const int result = inflateInit2(&stream, -MAX_WBITS);  // raw deflate, no zlib header
    if (result != Z_OK) {
        Throw(result);
    }
}

std::uint32_t CZipReader::ReadEntry(void* buffer, std::uint32_t size) {
    if (m_entryState != EEntryState::extracting || buffer == nullptr || size == 0) {
        return 0;
    }
    z_stream& stream = m_state.m_stream;
    const bool stored = m_directory.m_currentEntry->m_method == kStored;
    // Never more than the declared size, whatever the compressed data would give.
    stream.next_out = static_cast<Bytef*>(buffer);
    stream.avail_out = std::min(size, m_state.m_uncompressedLeft);
    // With no output due, a deflated entry still consumes the rest of its data up to the stream's end.
    const bool force = stream.avail_out == 0 && m_state.m_compressedLeft > 0;
    std::uint32_t got = 0;
    while (stream.avail_out > 0 || (force && m_state.m_compressedLeft > 0)) {
        if (stream.avail_in == 0 && m_state.m_compressedLeft > 0) {
            FillInput();
        }
        const Bytef* produced = stream.next_out;
        std::uint32_t count;
        int result = Z_OK;
        if (stored) {
            count = std::min(stream.avail_out, stream.avail_in);
            if (count == 0) {
                return got;
            }
            std::memcpy(stream.next_out, stream.next_in, count);
            stream.next_in += count;
            stream.avail_in -= count;
            stream.next_out += count;
            stream.avail_out -= count;
            stream.total_out += count;
        } else {
            const uLong before = stream.total_out;
            result = inflate(&stream, Z_SYNC_FLUSH);
            count = static_cast<std::uint32_t>(stream.total_out - before);
        }
        m_state.m_crc32 = static_cast<std::uint32_t>(crc32(m_state.m_crc32, produced, count));
        m_state.m_uncompressedLeft -= count;
        got += count;
        if (result == Z_STREAM_END) {
            return got;
        }
        if (result != Z_OK && result != Z_NEED_DICT) {
            Throw(result);
        }
    }
    return got;
}

void CZipReader::FillInput() {
    const std::uint32_t count =
        std::min(m_state.m_compressedLeft, static_cast<std::uint32_t>(m_state.m_inputBufferSize));
    m_volumes.Read(m_state.m_input.Data(), count, false);
    m_state.m_compressedLeft -= count;
    m_state.m_stream.next_in = m_state.m_input.Data();
    m_state.m_stream.avail_in = count;
}

int CZipReader::CloseEntry(const std::string& path, bool abandon) {
    if (m_entryState != EEntryState::extracting) {
        return 0;
    }
    const CZipEntry& entry = *m_directory.m_currentEntry;
    int result = 1;
    if (!abandon) {
        if (m_state.m_uncompressedLeft != 0) {
            result = -1;
        } else if (m_state.m_crc32 != entry.m_crc32) {
            Throw(CZipException::kCrcMismatch);
        }
        if (entry.m_method == kDeflated) {
            inflateEnd(&m_state.m_stream);
        }
        if (!path.empty()) {
            result = StampFile(path, entry, result);
        }
    }
    m_directory.m_localExtraField.Release();
    if (entry.HasDataDescriptor()) {
        CheckDataDescriptor(entry);
    }
    m_directory.m_currentEntry = nullptr;
    m_entryState = EEntryState::none;
    m_state.m_input.Release();
    m_allocations.ReleaseAll();
    return result;
}

int CZipReader::CloseEntry(CZipBigFile& file) {
    const std::string path = file.FilePath();
    file.Close();
    return CloseEntry(path, false);
}

// A failure to set the times is not fatal: the entry is finished all the same, so that the next
// entries of the archive can still be extracted.
int CZipReader::StampFile(const std::string& path, const CZipEntry& entry, int result) const {
    if (!SetModificationTime(path, entry.GetTime())) {
        result = 0;
    }
    if (!ApplyAttributes(path, entry, false)) {
        result = -2;
    }
    return result;
}

void CZipReader::CheckDataDescriptor(const CZipEntry& entry) {
    std::uint8_t descriptor[12];
    m_volumes.Read(descriptor, 4, false);
    if (std::memcmp(descriptor, kDescriptorSignature, 4) != 0) {
        m_volumes.File().SeekRelative(-4);  // the signature is optional
    }
    m_volumes.Read(descriptor, 12, false);
    if (ReadU32(descriptor) != entry.m_crc32 || ReadU32(descriptor + 4) != entry.m_compressedSize ||
        ReadU32(descriptor + 8) != entry.m_uncompressedSize) {
        Throw(CZipException::kDamagedArchive);
    }
}
