#pragma once

#include <functional>
#include <string>

class CIniFile;

// Walks a numbered section: with N keys in the section, whatever their names, reads the keys
// "1" to "N" in order and calls `create` with every value that is present and not empty.
void ForEachNumberedEntry(const CIniFile& ini, const std::string& section,
                          const std::function<void(const std::string& value)>& create);
