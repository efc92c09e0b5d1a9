#include "DriveInfo.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>

namespace {

const CDriveInfo* g_installed = nullptr;

}  // namespace

const CDriveInfo& CDriveInfo::Current() {
    static const CSystemDriveInfo system;
    return g_installed != nullptr ? *g_installed : system;
}

void CDriveInfo::Install(const CDriveInfo* info) {
    g_installed = info;
}

EDriveKind CSystemDriveInfo::KindOf(const std::string& path) const {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return EDriveKind::Unknown;
    }
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string device =
        "/sys/dev/block/" + std::to_string(major(status.st_dev)) + ":" + std::to_string(minor(status.st_dev));
    fs::path folder = fs::canonical(device, error);
    if (error) {
        return EDriveKind::Fixed;  // not a block device (a network or memory file system)
    }
    // A partition carries no flag of its own; its disk is the folder above.
    if (fs::exists(folder / "partition", error)) {
        folder = folder.parent_path();
    }
    std::ifstream flag(folder / "removable");
    char value = '0';
    flag >> value;
    return value == '1' ? EDriveKind::Removable : EDriveKind::Fixed;
}
