#pragma once

#include <optional>
#include <string>

class CZipEntry;

// Where an entry goes on disk.
struct SZipTarget {
    std::string path;
    bool isFolder = false;
};

// The path of `entry` under `folder`: the whole converted name with `keepPath`, else its last part.
// Nothing when the entry must not be written: a name that is absolute (a leading separator or drive),
// holds a ".." part or a NUL byte, a file entry without a file name, or a path that would pass
// through a symbolic link under `folder`.
std::optional<SZipTarget> ResolveTarget(const std::string& folder, const CZipEntry& entry, bool keepPath);
