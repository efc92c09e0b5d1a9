#pragma once

#include <cstdint>
#include <string>

// A file handle over POSIX calls: the archive file, its volumes and the extracted files. Failures of
// the system throw CFileException; reads report how many bytes arrived. Closes itself on destruction.
class CZipBigFile {
public:
    enum class EAccess {
        Read,       // existing file, read only
        ReadWrite,  // existing file, read and write, never truncated
        Create,     // created or truncated, write only; a symbolic link in last place is refused
    };

    CZipBigFile() = default;
    CZipBigFile(const CZipBigFile&) = delete;
    CZipBigFile& operator=(const CZipBigFile&) = delete;
    ~CZipBigFile();

    void Open(const std::string& path, EAccess access);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    // The path as given to Open, made absolute.
    const std::string& FilePath() const { return m_path; }

    // Reads up to `size` bytes; fewer only at the end of the file.
    std::uint32_t Read(void* buffer, std::uint32_t size);
    void Write(const void* buffer, std::uint32_t size);
    void Seek(std::uint64_t offset);
    void SeekRelative(std::int64_t distance);
    std::uint64_t Length();

private:
    [[noreturn]] void Fail(int error) const;

    int m_fd = -1;
    std::string m_path;
};
