#include "ZipVolumeStore.h"

#include <cstdio>

#include "DriveInfo.h"
#include "ZipException.h"

CZipVolumeStore::~CZipVolumeStore() = default;

void CZipVolumeStore::OpenArchive(const std::string& path, CZipBigFile::EAccess access,
                                  ESpanMode pendingMode) {
    m_archive.Open(path, access);
    m_currentFile = &m_archive;
    m_mode = pendingMode;
}

void CZipVolumeStore::SettleMode(int thisVolume) {
    m_currentVolume = thisVolume;
    if (thisVolume == 0) {
        m_mode = ESpanMode::spanNone;
        return;
    }
    if (m_mode == ESpanMode::spanAutoPending) {
        const bool removable = CDriveInfo::Current().KindOf(m_archive.FilePath()) == EDriveKind::Removable;
        m_mode = removable ? ESpanMode::spanRemovable : ESpanMode::spanNumbered;
    } else if (m_mode == ESpanMode::spanNumberedPending) {
        m_mode = ESpanMode::spanNumbered;
    }
    if (m_mode == ESpanMode::spanNumbered) {
        m_lastVolume = thisVolume;
    } else if (m_mode == ESpanMode::spanRemovable && m_diskChange == nullptr) {
        Throw(CZipException::kNoDiskCallback);
    }
}

void CZipVolumeStore::ChangeVolume(int volume) {
    if (volume == m_currentVolume) {
        return;
    }
    // A single file has no other volume, and a numbered archive none beyond the one holding the end
    // record: such a number is damage, never a reason to open some other file of the folder.
    if (m_mode != ESpanMode::spanNumbered || volume < 0 || volume > m_lastVolume) {
        Throw(CZipException::kDamagedArchive);
    }
    const std::string path = VolumePath(volume);
    m_currentVolume = volume;
    m_currentFile->Close();
    m_currentFile->Open(path, CZipBigFile::EAccess::Read);
}

std::uint32_t CZipVolumeStore::Read(void* buffer, std::uint32_t size, bool whole) {
    if (size == 0) {
        return 0;
    }
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::uint32_t got = m_currentFile->Read(bytes, size);
    while (got == 0) {
        if (!IsSpanned()) {
            Throw(CZipException::kDamagedArchive);
        }
        NextVolume();
        got = m_currentFile->Read(bytes, size);
    }
    if (got < size && (whole || !IsSpanned())) {
        Throw(CZipException::kDamagedArchive);
    }
    while (got < size) {
        NextVolume();
        const std::uint32_t more = m_currentFile->Read(bytes + got, size - got);
        if (more == 0) {
            Throw(CZipException::kDamagedArchive);
        }
        got += more;
    }
    return got;
}

void CZipVolumeStore::Close() {
    if (m_currentFile != nullptr) {
        m_currentFile->Close();
    }
    m_currentVolume = -1;
    m_mode = ESpanMode::spanNone;
    m_currentFile = nullptr;
}

bool CZipVolumeStore::IsSpanned() const {
    return m_mode == ESpanMode::spanRemovable || m_mode == ESpanMode::spanNumbered;
}

std::string CZipVolumeStore::FileName() const {
    return m_currentFile != nullptr ? m_currentFile->FilePath() : std::string();
}

void CZipVolumeStore::Throw(int internalNumber) const {
    CZipException::Throw(internalNumber, FileName());
}

std::string CZipVolumeStore::VolumePath(int volume) const {
    // Folder and title of the current file's path, without its extension.
    const std::string& path = m_currentFile->FilePath();
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    if (volume == m_lastVolume) {
        return stem + ".zip";
    }
    char extension[16];
    std::snprintf(extension, sizeof extension, ".%.3d", volume);
    return stem + extension;
}

void CZipVolumeStore::NextVolume() {
    ChangeVolume(m_currentVolume + 1);
}
