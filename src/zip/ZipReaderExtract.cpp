// Extracting entries into files and folders.
#include <sys/stat.h>

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
    // From the top down, creating each part that is not a folder yet. The path grows by appending, so
    // that a name of thousands of parts costs no more than its length.
    const std::string folder = RemoveTrailingSlashes(path);
    std::string partial;
    return ForEachPart(folder, [&](std::string_view part, std::size_t end) {
        partial.append(folder, partial.size(), end - partial.size());
        return part.empty() || GetPathKind(partial) == -1 || ::mkdir(partial.c_str(), 0777) == 0;
    });
}

int CZipReader::GetPathKind(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return 0;
    }
    return S_ISDIR(status.st_mode) ? -1 : 1;
}
