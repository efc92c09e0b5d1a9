// Extracting entries into files and folders.
#include <sys/stat.h>

#include <vector>

#include "ZipFileStatus.h"
#include "ZipPath.h"
#include "ZipReader.h"
#include "ZipTarget.h"

bool CZipReader::ExtractEntry(std::uint16_t index, const std::string& folder, bool keepPath,
                              std::uint32_t bufferSize) {
    // Without a folder the name would land at the root; without a buffer nothing could be read.
    if (folder.empty() || bufferSize == 0) {
        return false;
    }
    CZipEntry info;
    GetEntryInfo(index, info);  // a bad index leaves an empty name, which is refused below
    const std::optional<SZipTarget> target = ResolveTarget(folder, info, keepPath);
    if (!target) {
        return false;
    }
    if (target->isFolder) {
        CreateFolderPath(target->path);
        ApplyAttributes(target->path, info, true);
        return true;
    }
    if (!OpenEntry(index)) {
        return false;
    }
    CreateFolderPath(FolderPart(target->path));
    CZipBigFile output;
    output.Open(target->path, CZipBigFile::EAccess::Create);
    CZipBuffer buffer;
    buffer.Allocate(bufferSize);
    std::uint32_t count;
    do {
        count = ReadEntry(buffer.Data(), bufferSize);
        if (count > 0) {
            output.Write(buffer.Data(), count);
        }
    } while (count == bufferSize);
    return CloseEntry(output) == 1;
}

bool CZipReader::CreateFolderPath(const std::string& path) {
    // Walks up to the first folder that exists, then creates the missing ones downwards; a loop, not
    // recursion, as a name may hold thousands of parts.
    std::vector<std::string> missing;
    std::string current = RemoveTrailingSlashes(path);
    for (;;) {
        const std::string parent = FolderPart(current);
        if (parent == current || GetPathKind(current) == -1) {
            break;
        }
        missing.push_back(current);
        current = RemoveTrailingSlashes(parent);
    }
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        if (::mkdir(folder->c_str(), 0777) != 0) {
            return false;
        }
    }
    return true;
}

int CZipReader::GetPathKind(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return 0;
    }
    return S_ISDIR(status.st_mode) ? -1 : 1;
}
