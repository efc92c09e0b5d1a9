#pragma once

#include <string>
#include <vector>

// Reads an INI file the way the platform's private-profile reader does: section and key names
// match without regard to case, a value is the text after the first "=" with surrounding blanks
// removed and one enclosing pair of quotation marks dropped. The file is read afresh by every
// call, because a skin switch rewrites it between loads.
class CIniFile {
public:
    // Longest value returned, in characters (the read buffer holds one more for the terminator).
    static constexpr size_t kMaxValueLength = 2047;
    // Space for the key names of one section, each with its terminator, plus the list's own.
    static constexpr size_t kKeyListBuffer = 16384;

    explicit CIniFile(std::string path);

    const std::string& Path() const { return m_path; }

    // The key's value, or `defaultValue` when the section or the key is absent.
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const;

    // Replaces `keys` with the section's key names in file order; true when there was at least one.
    bool GetKeys(const std::string& section, std::vector<std::string>& keys) const;

private:
    std::string m_path;
};
