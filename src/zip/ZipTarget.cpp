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
    return !ForEachPart(name, [](std::string_view part, std::size_t) { return part != ".."; });
}

// The reader creates no links, but the folder may hold some already: following one could write
// anywhere.
bool PassesThroughLink(const std::string& root, const std::string& relative) {
    std::string path = root;
    bool link = false;
    ForEachPart(relative, [&](std::string_view part, std::size_t) {
        path += '/';
        path += part;
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return false;  // nothing further exists yet
        }
        link = S_ISLNK(status.st_mode);
        return !link;
    });
    return link;
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
