#pragma once

#include <QFile>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dicom/ByteView.h"

// A file's bytes for reading: mapped into memory, so that only the parts a page needs are ever
// read from disk; read into a buffer where the file system cannot map it.
class CMappedFile {
public:
    // Null with a reason when the file cannot be opened or read.
    static std::unique_ptr<CMappedFile> Open(const std::string& path, std::string& error);

    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;
    ~CMappedFile();

    CByteView Bytes() const { return m_bytes; }

private:
    CMappedFile() = default;

    QFile m_file;
    std::uint8_t* m_map = nullptr;
    std::vector<std::uint8_t> m_buffer;
    CByteView m_bytes;
};
