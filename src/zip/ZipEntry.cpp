#include "ZipEntry.h"

#include <cstring>

#include "Cp437.h"
#include "ZipBytes.h"
#include "ZipVolumeStore.h"

namespace {

constexpr std::uint8_t kCentralSignature[4] = {0x50, 0x4B, 0x01, 0x02};

// Reads one variable part of a header, bounded by what the file holds.
void ReadPart(CZipVolumeStore& store, CZipBuffer& part, std::uint16_t length) {
    part.Allocate(length);
    store.Read(part.Data(), length, true);
}

}  // namespace

bool CZipEntry::ReadCentralHeader(CZipVolumeStore& store) {
    std::uint8_t header[kCentralHeaderSize];
    store.Read(header, kCentralHeaderSize, true);
    std::memcpy(m_signature, header, 4);
    m_versionMadeBy = ReadU16(header + 4);
    m_versionNeeded = ReadU16(header + 6);
    m_flags = ReadU16(header + 8);
    m_method = ReadU16(header + 10);
    m_modTime = ReadU16(header + 12);
    m_modDate = ReadU16(header + 14);
    m_crc32 = ReadU32(header + 16);
    m_compressedSize = ReadU32(header + 20);
    m_uncompressedSize = ReadU32(header + 24);
    const std::uint16_t nameLength = ReadU16(header + 28);
    const std::uint16_t extraLength = ReadU16(header + 30);
    const std::uint16_t commentLength = ReadU16(header + 32);
    m_firstVolume = ReadU16(header + 34);
    m_internalAttributes = ReadU16(header + 36);
    m_externalAttributes = ReadU32(header + 38);
    m_localHeaderOffset = ReadU32(header + 42);
    m_storedNameLength = nameLength;
    if (std::memcmp(m_signature, kCentralSignature, 4) != 0) {
        return false;
    }
    const int volume = store.CurrentVolume();
    ReadPart(store, m_name, nameLength);
    ReadPart(store, m_extraField, extraLength);
    ReadPart(store, m_comment, commentLength);
    return store.CurrentVolume() == volume;
}

void CZipEntry::ConvertName() {
    std::string name = m_name.ToString();
    if ((m_flags & kFlagUtf8Name) == 0) {
        name = Cp437ToUtf8(name);
    }
    // Archives made on DOS and Windows may separate path parts with backslashes.
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    m_name.Allocate(name.size());
    if (!name.empty()) {
        std::memcpy(m_name.Data(), name.data(), name.size());
    }
}

bool CZipEntry::IsMadeOnUnix() const {
    const int host = m_versionMadeBy >> 8;
    return host == 3 || host == 19;  // Unix, OS X
}

std::time_t CZipEntry::GetTime() const {
    std::tm local{};
    local.tm_year = 80 + (m_modDate >> 9);
    local.tm_mon = ((m_modDate >> 5) & 0x0F) - 1;
    local.tm_mday = m_modDate & 0x1F;
    local.tm_hour = m_modTime >> 11;
    local.tm_min = (m_modTime >> 5) & 0x3F;
    local.tm_sec = (m_modTime & 0x1F) * 2;
    local.tm_isdst = -1;
    return std::mktime(&local);
}
