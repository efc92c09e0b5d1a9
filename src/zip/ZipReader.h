#pragma once

#include <cstdint>
#include <string>

#include "ZipAllocationRecord.h"
#include "ZipBuffer.h"
#include "ZipDirectory.h"
#include "ZipEntry.h"
#include "ZipStreamState.h"
#include "ZipVolumeStore.h"

class CZipBigFile;

// Reads zip archives: opens one, lists its entries by index and extracts them into a folder. It never
// writes to the archive. Errors throw CZipException (or CFileException when the system refuses a
// file); refusals are Boolean results. After any exception, Close(true) brings the reader back to
// closed and frees everything it held.
class CZipReader {
public:
    enum OpenMode : int {
        zipOpen = 0,          // read and write access to the existing archive
        zipOpenReadOnly = 1,  // read access
    };
    static constexpr std::uint32_t kDefaultBufferSize = 65535;

    CZipReader();
    CZipReader(const CZipReader&) = delete;
    CZipReader& operator=(const CZipReader&) = delete;
    virtual ~CZipReader();

    // Opens the archive and reads its directory; does nothing when already open. A volume size other
    // than 0 makes a spanned archive numbered volumes whatever drive holds it.
    void Open(const std::string& path, int mode = zipOpen, int volumeSize = 0);
    // Ends the use of the archive. Without `abandon` an entry being extracted is first finished with
    // its checks; with it nothing is checked and everything is released.
    void Close(bool abandon = false);

    int GetCount() const;
    bool GetEntryInfo(std::uint16_t index, CZipEntry& info) const;
    bool IsEntryDirectory(std::uint16_t index) const;

    // Writes entry `index` under `folder` (with its folder part when `keepPath`). True when the file
    // or folder was written and every check passed. Entries whose name is absolute or climbs out with
    // "..", or that would be written through a symbolic link, are refused: false, nothing written.
    bool ExtractEntry(std::uint16_t index, const std::string& folder, bool keepPath = true,
                      std::uint32_t bufferSize = kDefaultBufferSize);
    // False for a bad index, while another entry is open, and for encrypted entries.
    bool OpenEntry(std::uint16_t index);
    // Decompressed bytes of the open entry; fewer than `size` only at its end.
    std::uint32_t ReadEntry(void* buffer, std::uint32_t size);
    // 1 success; -1 the data ended early; -2 the attributes could not be set; 0 no entry was open or
    // the times could not be set. A path given is stamped with the entry's time and attributes.
    int CloseEntry(const std::string& path, bool abandon = false);
    // Closes the extracted file, then finishes the entry and stamps the file.
    int CloseEntry(CZipBigFile& file);

    // True when the folder exists afterwards; missing parents are created first.
    static bool CreateFolderPath(const std::string& path);
    // -1 a folder, 1 a file, 0 nothing there.
    static int GetPathKind(const std::string& path);

private:
    enum class EEntryState : std::uint8_t { none = 0, extracting = 0xFF };

    bool IsOpen() const { return m_volumes.CurrentVolume() != -1; }
    void ReadLocalHeader(const CZipEntry& entry);
    void StartDecoder();
    void FillInput();
    std::uint32_t CopyStored(std::uint32_t& room, std::uint8_t*& out);
    int StampFile(const std::string& path, const CZipEntry& entry, int result) const;
    void CheckDataDescriptor(const CZipEntry& entry);
    [[noreturn]] void Throw(int internalNumber) const;

    bool m_trackAllocations = true;
    CZipBuffer m_password;
    CZipStreamState m_state;
    CZipVolumeStore m_volumes;
    CZipAllocationRecord m_allocations;
    EEntryState m_entryState = EEntryState::none;
    CZipDirectory m_directory;
};
