// Opens a fuzzed archive and extracts every entry into a fresh folder, as a skin package is
// extracted. Beyond the sanitizers it checks what the reader promises: nothing lands outside the
// destination, no symbolic link is created, no entry gives more bytes than declared, and the
// destination can be deleted afterwards.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "zip/DriveInfo.h"
#include "zip/FileException.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

namespace fs = std::filesystem;

namespace {

class CFixedDrive : public CDriveInfo {
public:
    EDriveKind KindOf(const std::string&) const override { return EDriveKind::Fixed; }
};

struct SWorkspace {
    SWorkspace() {
        std::string pattern = (fs::temp_directory_path() / "zipfuzz.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        root = pattern;
        archive = root / "archive.zip";
        destination = root / "out";
        CDriveInfo::Install(&drive);
    }
    ~SWorkspace() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    fs::path root;
    fs::path archive;
    fs::path destination;
    CFixedDrive drive;
};

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

std::uint64_t DeclaredBytes(const CZipReader& reader) {
    std::uint64_t total = 0;
    for (int i = 0; i < reader.GetCount(); ++i) {
        CZipEntry entry;
        reader.GetEntryInfo(static_cast<std::uint16_t>(i), entry);
        total += entry.m_uncompressedSize;
    }
    return total;
}

std::uint64_t ExtractedBytes(const fs::path& destination) {
    std::uint64_t total = 0;
    if (!fs::exists(destination)) {
        return total;
    }
    for (const auto& item : fs::recursive_directory_iterator(destination)) {
        Require(!item.is_symlink());
        if (item.is_regular_file()) {
            total += item.file_size();
        }
    }
    return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const SWorkspace workspace;
    {
        std::ofstream file(workspace.archive, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CZipReader reader;
    std::uint64_t declared = 0;
    try {
        reader.Close(true);
        reader.Open(workspace.archive.string(), CZipReader::zipOpen, 0);
        declared = DeclaredBytes(reader);
        for (int i = 0; i < reader.GetCount(); ++i) {
            reader.ExtractEntry(static_cast<std::uint16_t>(i), workspace.destination.string(), true, 65535);
        }
    } catch (const CZipException&) {
    } catch (const CFileException&) {
    }
    reader.Close(true);

    Require(ExtractedBytes(workspace.destination) <= declared);
    for (const auto& item : fs::directory_iterator(workspace.root)) {
        Require(item.path() == workspace.archive || item.path() == workspace.destination);
    }
    std::error_code error;
    fs::remove_all(workspace.destination, error);
    Require(!error);
    return 0;
}
