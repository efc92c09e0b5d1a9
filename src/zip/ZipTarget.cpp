#include "ZipTarget.h"

#include <sys/stat.h>

#include <cctype>

#include "ZipEntry.h"
#include "ZipPath.h"

namespace {

bool IsAbsolute(const std::string& name) {
    const bool drive =
        name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
    return drive || (!name.empty() && name[0] == '/');
}

bool ClimbsOut(const std::string& name) {
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find('/', start);
        if (end == std::string::npos) {
            end = name.size();
        }
        if (name.compare(start, end - start, "..") == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// The reader creates no links, but the folder may hold some already: following one could write
// anywhere.
bool PassesThroughLink(const std::string& root, const std::string& relative) {
    std::string path = root;
    std::size_t start = 0;
    while (start < relative.size()) {
        std::size_t end = relative.find('/', start);
        if (end == std::string::npos) {
            end = relative.size();
        }
        path += '/';
        path.append(relative, start, end - start);
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return false;  // nothing further exists yet
        }
        if (S_ISLNK(status.st_mode)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

std::optional<SZipTarget> ResolveTarget(const std::string& folder, const CZipEntry& entry, bool keepPath) {
    const std::string name = entry.Name();
    if (IsAbsolute(name) || ClimbsOut(name) || name.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    // Some writers mark folders only by the separator at the end of the name.
    const bool isFolder = entry.IsDirectory() || (!name.empty() && name.back() == '/');
    const std::string title = LastPart(name);
    if (!isFolder && (title.empty() || title == ".")) {
        return std::nullopt;
    }
    const std::string relative = keepPath ? name : title;
    const std::string root = RemoveTrailingSlashes(folder);
    if (PassesThroughLink(root, relative)) {
        return std::nullopt;
    }
    return SZipTarget{root + "/" + relative, isFolder};
}
