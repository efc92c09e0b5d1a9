#pragma once

#include <string>
#include <string_view>

// Splitting of native paths ('/' between parts).

// The path without the separators at its end; "/" gives "".
std::string RemoveTrailingSlashes(std::string path);
// Everything before the last separator: "a/b/c" gives "a/b", "/a" gives "/", "c" gives "".
std::string FolderPart(const std::string& path);
// Everything after the last separator: "a/b/c" gives "c", "a/" gives "".
std::string LastPart(const std::string& path);

// Calls `visit(part, end)` for each part between separators, in order, with `end` the position after
// the part (empty parts included); stops early, returning false, when `visit` returns false.
template <typename Visit>
bool ForEachPart(const std::string& path, Visit visit) {
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        if (!visit(std::string_view(path).substr(start, end - start), end)) {
            return false;
        }
        start = end + 1;
    }
    return true;
}
