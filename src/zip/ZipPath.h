#pragma once

#include <string>

// Splitting of native paths ('/' between parts).

// The path without the separators at its end; "/" gives "".
std::string RemoveTrailingSlashes(std::string path);
// Everything before the last separator: "a/b/c" gives "a/b", "/a" gives "/", "c" gives "".
std::string FolderPart(const std::string& path);
// Everything after the last separator: "a/b/c" gives "c", "a/" gives "".
std::string LastPart(const std::string& path);
