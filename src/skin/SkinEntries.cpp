#include "SkinEntries.h"

#include <vector>

#include "skin/IniFile.h"

void ForEachNumberedEntry(const CIniFile& ini, const std::string& section,
                          const std::function<void(const std::string& value)>& create) {
    std::vector<std::string> keys;
    ini.GetKeys(section, keys);
    for (size_t i = 0; i < keys.size(); ++i) {
        const std::string value = ini.GetString(section, std::to_string(i + 1), "");
        if (!value.empty()) {
            create(value);
        }
    }
}
