#include "ZipFileStatus.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "ZipEntry.h"

bool SetModificationTime(const std::string& path, std::time_t modified) {
    if (modified == static_cast<std::time_t>(-1)) {
        return false;
    }
    struct timespec times[2]{};
    times[0].tv_nsec = UTIME_NOW;
    times[1].tv_sec = modified;
    return ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

bool ApplyAttributes(const std::string& path, const CZipEntry& entry, bool isFolder) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || S_ISLNK(status.st_mode)) {
        return false;
    }
    mode_t mode = status.st_mode & 0777;
    const mode_t unixMode = static_cast<mode_t>(entry.m_externalAttributes >> 16) & 0777;
    if (entry.IsMadeOnUnix() && (entry.m_externalAttributes >> 16) != 0) {
        mode = unixMode;
    }
    if ((entry.m_externalAttributes & CZipEntry::kAttributeReadOnly) != 0) {
        mode &= ~static_cast<mode_t>(0222);
    }
    if (isFolder) {
        mode |= S_IRWXU;
    }
    return ::chmod(path.c_str(), mode) == 0;
}
