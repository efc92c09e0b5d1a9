#include "ZipTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "zip/FileException.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
    return std::string(ZIP_FIXTURES) + "/" + name;
}

std::map<std::string, std::string> ReadTree(const std::string& root) {
    std::map<std::string, std::string> tree;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(item.path(), root).string();
        if (item.is_directory()) {
            tree[relative] = "<dir>";
        } else {
            std::ifstream file(item.path(), std::ios::binary);
            tree[relative] = std::string(std::istreambuf_iterator<char>(file), {});
        }
    }
    return tree;
}

std::vector<std::string> ExtractAll(CZipReader& reader, const std::string& archive, const std::string& folder,
                                    std::uint32_t bufferSize) {
    std::vector<std::string> outcomes;
    reader.Close(true);
    reader.Open(archive, CZipReader::zipOpen, 0);
    try {
        for (int i = 0; i < reader.GetCount(); ++i) {
            const bool ok = reader.ExtractEntry(static_cast<std::uint16_t>(i), folder, true, bufferSize);
            outcomes.push_back(ok ? "ok" : "refused");
        }
    } catch (const CZipException& error) {
        outcomes.push_back("cause " + std::to_string(error.GetCause()));
    } catch (const CFileException&) {
        outcomes.push_back("file error");
    }
    return outcomes;
}

int OpenFileCount() {
    const fs::directory_iterator fds("/proc/self/fd");
    return static_cast<int>(std::distance(fs::begin(fds), fs::end(fds)));
}
