#pragma once

#include <string>

enum class EDriveKind { Unknown, Fixed, Removable };

// Which kind of drive holds a path: archives spread over removable media need a disk-change callback.
// Behind an interface so that tests can fix the answer.
class CDriveInfo {
public:
    virtual ~CDriveInfo() = default;
    virtual EDriveKind KindOf(const std::string& path) const = 0;

    static const CDriveInfo& Current();
    // Installs `info` (not owned) for the rest of the process, or restores the system's with nullptr.
    static void Install(const CDriveInfo* info);
};

// The answer of the kernel: the block device behind the path's file system and its "removable" flag.
class CSystemDriveInfo : public CDriveInfo {
public:
    EDriveKind KindOf(const std::string& path) const override;
};
