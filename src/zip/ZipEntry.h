#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "ZipBuffer.h"

class CZipVolumeStore;

// One record of the central directory, in directory order. The name is held converted: UTF-8, with
// '/' between path parts.
class CZipEntry {
public:
    enum : std::uint16_t {
        kFlagEncrypted = 0x0001,
        kFlagDataDescriptor = 0x0008,
        kFlagUtf8Name = 0x0800,
    };
    static constexpr std::uint32_t kAttributeFolder = 0x10;
    static constexpr std::uint32_t kAttributeReadOnly = 0x01;
    static constexpr int kCentralHeaderSize = 46;

    virtual ~CZipEntry() = default;

    // Reads one central header, its name, extra field and comment. False when the signature is wrong
    // or the variable parts ran on to another volume; a short read raises cause 10.
    bool ReadCentralHeader(CZipVolumeStore& store);
    // Replaces the stored name by its UTF-8 form with '/' separators.
    void ConvertName();

    bool IsEncrypted() const { return (m_flags & kFlagEncrypted) != 0; }
    bool HasDataDescriptor() const { return (m_flags & kFlagDataDescriptor) != 0; }
    bool IsDirectory() const { return (m_externalAttributes & kAttributeFolder) != 0; }
    // The Unix permission bits are in the upper half of the external attributes.
    bool IsMadeOnUnix() const;
    std::string Name() const { return m_name.ToString(); }
    // The DOS date and time as local time.
    std::time_t GetTime() const;

    std::uint8_t m_signature[4] = {};
    std::uint16_t m_versionMadeBy = 0;
    std::uint16_t m_versionNeeded = 0;
    std::uint16_t m_flags = 0;
    std::uint16_t m_method = 8;
    std::uint16_t m_modTime = 0;
    std::uint16_t m_modDate = 0;
    std::uint32_t m_crc32 = 0;
    std::uint32_t m_compressedSize = 0;
    std::uint32_t m_uncompressedSize = 0;
    std::uint16_t m_firstVolume = 0;
    std::uint16_t m_internalAttributes = 0;
    std::uint32_t m_externalAttributes = 0x20;
    std::uint32_t m_localHeaderOffset = 0;
    // Length of the name as stored; the local header must repeat it.
    std::uint16_t m_storedNameLength = 0;
    CZipBuffer m_extraField;
    CZipBuffer m_name;
    CZipBuffer m_comment;
};
