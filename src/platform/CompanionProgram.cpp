#include "CompanionProgram.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Installed programs sit one level below the prefix; the build's sit up to three below its top.
constexpr int kLevelsAbove = 3;
constexpr char kLibexecFolder[] = "libexec/vitrine";

// Read from the system rather than from argv[0], which is whatever the caller chose to pass.
fs::path ExecutableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

bool IsExecutableFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindCompanionProgram(const std::string& name) {
    fs::path folder = ExecutableFolder();
    if (folder.empty() || name.empty()) {
        return {};
    }
    if (IsExecutableFile(folder / name)) {
        return (folder / name).string();
    }
    for (int level = 1; level <= kLevelsAbove && folder.has_relative_path(); ++level) {
        folder = folder.parent_path();
        const fs::path candidate = folder / kLibexecFolder / name;
        if (IsExecutableFile(candidate)) {
            return candidate.string();
        }
    }
    return {};
}
