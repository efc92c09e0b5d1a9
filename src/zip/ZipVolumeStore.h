#pragma once

#include <cstdint>
#include <string>

#include "ZipBigFile.h"

enum class ESpanMode {
    spanNone = 0,
    spanRemovable = 1,
    spanNumbered = 2,
    spanAutoPending = 3,
    spanNumberedPending = 4,
};

// The archive file and, for an archive spread over several volumes, the volume being read. Numbered
// volumes sit beside the archive: the same folder and title with the extensions ".000", ".001", ...
// and ".zip" for the volume that holds the end record.
class CZipVolumeStore {
public:
    // Asks the user for the disk of a volume on removable media; nothing registers one here.
    using DiskChangeCallback = bool (*)(int volume, void* userData);

    CZipVolumeStore() = default;
    CZipVolumeStore(const CZipVolumeStore&) = delete;
    CZipVolumeStore& operator=(const CZipVolumeStore&) = delete;
    virtual ~CZipVolumeStore();

    // Opens the archive file; the platform's refusal throws CFileException.
    void OpenArchive(const std::string& path, CZipBigFile::EAccess access, ESpanMode pendingMode);
    // Settles the volume mode from the end record's number of this volume.
    void SettleMode(int thisVolume);
    // Makes volume `volume` the one that reads come from.
    void ChangeVolume(int volume);
    // Reads `size` bytes. A whole read must arrive complete from one volume; otherwise a spanned
    // archive continues on the following volumes. A short read of a single file raises cause 10.
    std::uint32_t Read(void* buffer, std::uint32_t size, bool whole);
    void Close();

    bool IsSpanned() const;
    bool HasOpenFile() const { return m_currentFile != nullptr && m_currentFile->IsOpen(); }
    int CurrentVolume() const { return m_currentVolume; }
    ESpanMode Mode() const { return m_mode; }
    CZipBigFile& File() { return *m_currentFile; }
    // Full path of the file being read, empty while closed.
    std::string FileName() const;
    [[noreturn]] void Throw(int internalNumber) const;

private:
    std::string VolumePath(int volume) const;
    void NextVolume();

    CZipBigFile m_archive;
    CZipBigFile* m_currentFile = nullptr;
    ESpanMode m_mode = ESpanMode::spanNone;
    DiskChangeCallback m_diskChange = nullptr;
    void* m_diskChangeData = nullptr;
    int m_lastVolume = 0;
    int m_currentVolume = -1;
};
