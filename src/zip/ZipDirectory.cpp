#include "ZipDirectory.h"

#include <algorithm>
#include <cstring>

#include "ZipBytes.h"
#include "ZipException.h"
#include "ZipVolumeStore.h"

namespace {

constexpr std::uint8_t kEndSignature[4] = {0x50, 0x4B, 0x05, 0x06};

}  // namespace

CZipDirectory::~CZipDirectory() = default;

void CZipDirectory::Reset() {
    m_readFromDisk = false;
    m_endRecordPosition = 0;
    m_prefixLength = 0;
    m_currentEntry = nullptr;
    m_comment.Release();
}

void CZipDirectory::Clear() {
    m_currentEntry = nullptr;
    m_localExtraField.Release();
    m_entries.clear();
    m_comment.Release();
}

void CZipDirectory::Read() {
    m_endRecordPosition = LocateEndRecord();
    ReadEndRecord();
    m_readFromDisk = true;
    m_store->ChangeVolume(m_firstVolume);
    if (m_size != 0) {
        ReadHeaders();
    }
}

// Searches backwards in chunks that overlap by three bytes, so that a signature across a chunk
// boundary is still found whole in the next chunk. The occurrence nearest the end wins.
std::uint32_t CZipDirectory::LocateEndRecord() {
    CZipBigFile& file = m_store->File();
    const std::uint64_t length = file.Length();
    const std::uint32_t span = static_cast<std::uint32_t>(std::min<std::uint64_t>(length, kEndSearchSpan));
    if (span == 0) {
        m_store->Throw(CZipException::kNoCentralDirectory);
    }
    const auto chunk = static_cast<std::uint32_t>(m_searchChunkSize);
    CZipBuffer buffer;
    buffer.Allocate(chunk);
    std::uint32_t done = 0;
    for (;;) {
        const std::uint32_t to = std::min(done + chunk, span);
        const std::uint32_t count = to - done;
        file.Seek(length - to);
        if (file.Read(buffer.Data(), count) != count) {
            m_store->Throw(CZipException::kDamagedArchive);
        }
        for (std::int64_t p = static_cast<std::int64_t>(count) - 4; p >= 0; --p) {
            if (std::memcmp(buffer.Data() + p, kEndSignature, 4) == 0) {
                return static_cast<std::uint32_t>(length - to + static_cast<std::uint64_t>(p));
            }
        }
        if (to == span) {
            break;
        }
        done = to - 3;
    }
    m_store->Throw(CZipException::kNoCentralDirectory);
}

void CZipDirectory::ReadEndRecord() {
    std::uint8_t record[kEndRecordSize];
    m_store->File().Seek(m_endRecordPosition);
    m_store->Read(record, kEndRecordSize, true);
    std::memcpy(m_signature, record, 4);
    m_thisVolume = ReadU16(record + 4);
    m_firstVolume = ReadU16(record + 6);
    m_entriesOnVolume = ReadU16(record + 8);
    m_totalEntries = ReadU16(record + 10);
    m_size = ReadU32(record + 12);
    m_offset = ReadU32(record + 16);
    const std::uint16_t commentLength = ReadU16(record + 20);

    m_store->SettleMode(m_thisVolume);
    // Sums in 64 bits: an offset and a size that overflow 32 bits must not pass as consistent.
    const std::uint64_t directoryEnd = std::uint64_t{m_offset} + m_size;
    const bool spanned = m_store->IsSpanned();
    if (!spanned && m_endRecordPosition < directoryEnd) {
        m_store->Throw(CZipException::kDamagedArchive);
    }
    m_comment.Allocate(commentLength);
    m_store->Read(m_comment.Data(), commentLength, true);
    m_prefixLength = spanned ? 0 : static_cast<std::uint32_t>(m_endRecordPosition - directoryEnd);
    if ((m_size == 0) != (m_totalEntries == 0)) {
        m_store->Throw(CZipException::kDamagedArchive);
    }
}

void CZipDirectory::ReadHeaders() {
    m_store->File().Seek(std::uint64_t{m_offset} + m_prefixLength);
    m_entries.clear();
    for (int i = 0; i < m_totalEntries; ++i) {
        auto entry = std::make_unique<CZipEntry>();
        if (!entry->ReadCentralHeader(*m_store)) {
            m_store->Throw(CZipException::kDamagedArchive);
        }
        if (m_convertNames) {
            entry->ConvertName();
        }
        m_entries.push_back(std::move(entry));
    }
}
