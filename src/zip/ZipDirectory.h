#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ZipBuffer.h"
#include "ZipEntry.h"

class CZipVolumeStore;

// The end record and the central directory of the open archive: the entries in directory order.
class CZipDirectory {
public:
    static constexpr std::uint32_t kEndRecordSize = 22;
    // The end record and the longest comment it can carry.
    static constexpr std::uint32_t kEndSearchSpan = kEndRecordSize + 65535;

    explicit CZipDirectory(CZipVolumeStore& store) : m_store(&store) {}
    CZipDirectory(const CZipDirectory&) = delete;
    CZipDirectory& operator=(const CZipDirectory&) = delete;
    virtual ~CZipDirectory();

    // Forgets the previous archive before a new one is read.
    void Reset();
    // Reads the end record and every central header; damage raises cause 10, no end record 18.
    void Read();
    // Deletes the entries and the buffers.
    void Clear();

    int Count() const { return static_cast<int>(m_entries.size()); }
    CZipEntry& At(int index) { return *m_entries[static_cast<std::size_t>(index)]; }
    const CZipEntry& At(int index) const { return *m_entries[static_cast<std::size_t>(index)]; }
    // Where the archive proper starts in the file: every recorded offset is shifted by it.
    std::uint32_t PrefixLength() const { return m_prefixLength; }

    std::uint8_t m_signature[4] = {};
    std::uint16_t m_thisVolume = 0;
    std::uint16_t m_firstVolume = 0;
    std::uint16_t m_entriesOnVolume = 0;
    std::uint16_t m_totalEntries = 0;
    std::uint32_t m_size = 0;
    std::uint32_t m_offset = 0;
    CZipBuffer m_comment;
    CZipEntry* m_currentEntry = nullptr;
    CZipBuffer m_localExtraField;

private:
    std::uint32_t LocateEndRecord();
    void ReadEndRecord();
    void ReadHeaders();

    CZipVolumeStore* m_store;
    std::uint32_t m_endRecordPosition = 0;
    std::uint32_t m_prefixLength = 0;
    int m_searchChunkSize = 32768;
    bool m_readFromDisk = false;
    std::vector<std::unique_ptr<CZipEntry>> m_entries;
    bool m_convertNames = true;
};
