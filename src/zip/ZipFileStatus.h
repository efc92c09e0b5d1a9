#pragma once

#include <ctime>
#include <string>

class CZipEntry;

// Gives an extracted file its time: the last access now, the modification time `modified`.
bool SetModificationTime(const std::string& path, std::time_t modified);

// Applies what of the entry's external attributes a POSIX file system can hold: the read-only bit
// takes every write permission away, and for archives made on Unix the permission bits apply,
// without set-id or sticky bits. A folder always keeps its owner's read, write and search rights, so
// that it and its content can be deleted afterwards.
bool ApplyAttributes(const std::string& path, const CZipEntry& entry, bool isFolder);
