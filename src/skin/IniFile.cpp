#include "IniFile.h"

#include <fstream>
#include <utility>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string Unquote(std::string value) {
    if (value.size() >= 2) {
        const char first = value.front();
        if ((first == '"' || first == '\'') && value.back() == first) {
            return value.substr(1, value.size() - 2);
        }
    }
    return value;
}

// One "key=value" line of a section.
struct SEntry {
    std::string key;
    std::string value;
};

// Calls `visit(entry)` for every key line of the first section named `section` until it returns false.
template <typename Visitor>
void ForEachEntry(const std::string& path, const std::string& section, Visitor visit) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return;
    }
    const std::string wanted = Trim(section);
    bool inSection = false;
    bool seenSection = false;
    std::string line;
    bool firstLine = true;
    while (std::getline(file, line)) {
        if (firstLine && line.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            line.erase(0, 3);
        }
        firstLine = false;
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == ';') {
            continue;
        }
        if (trimmed[0] == '[') {
            if (inSection) {
                return;  // only the first section of that name counts
            }
            const size_t close = trimmed.find(']');
            const std::string name =
                Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = !seenSection && EqualNoCase(name, wanted);
            seenSection = seenSection || inSection;
            continue;
        }
        if (!inSection) {
            continue;
        }
        const size_t equals = trimmed.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        SEntry entry{Trim(trimmed.substr(0, equals)), Unquote(Trim(trimmed.substr(equals + 1)))};
        if (!visit(entry)) {
            return;
        }
    }
}

}  // namespace

CIniFile::CIniFile(std::string path) : m_path(std::move(path)) {}

std::string CIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    std::string result = defaultValue;
    const std::string wantedKey = Trim(key);
    ForEachEntry(m_path, section, [&](const SEntry& entry) {
        if (!EqualNoCase(entry.key, wantedKey)) {
            return true;
        }
        result = entry.value;
        return false;  // the first line with that key wins
    });
    if (result.size() > kMaxValueLength) {
        result.resize(kMaxValueLength);
    }
    return result;
}

bool CIniFile::GetKeys(const std::string& section, std::vector<std::string>& keys) const {
    keys.clear();
    // Room left in the key buffer, keeping one place for the list's final terminator.
    size_t room = kKeyListBuffer - 1;
    ForEachEntry(m_path, section, [&](const SEntry& entry) {
        if (entry.key.empty()) {
            return true;
        }
        if (entry.key.size() + 1 > room) {
            // The platform cuts the name that no longer fits and stops there.
            if (room > 1) {
                keys.push_back(entry.key.substr(0, room - 1));
            }
            room = 0;
            return false;
        }
        keys.push_back(entry.key);
        room -= entry.key.size() + 1;
        return true;
    });
    return !keys.empty();
}
