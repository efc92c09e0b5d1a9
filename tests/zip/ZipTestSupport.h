#pragma once

#include <map>
#include <string>
#include <vector>

#include "zip/DriveInfo.h"

class CZipReader;

// Path of an archive (or other file) that make_fixtures.py wrote.
std::string Fixture(const std::string& name);

// Every file and folder under `root` by relative path: a file's bytes, "<dir>" for a folder.
std::map<std::string, std::string> ReadTree(const std::string& root);

// Opens `archive` and extracts every entry into `folder` as a skin package is extracted, stopping at
// the first exception. One outcome per entry tried: "ok", "refused", "cause N" or "file error".
std::vector<std::string> ExtractAll(CZipReader& reader, const std::string& archive, const std::string& folder,
                                    std::uint32_t bufferSize = 65535);

// Number of file descriptors the process holds.
int OpenFileCount();

// A drive kind fixed by the test, installed for the object's lifetime.
class CFixedDrive : public CDriveInfo {
public:
    explicit CFixedDrive(EDriveKind kind) : m_kind(kind) { Install(this); }
    ~CFixedDrive() override { Install(nullptr); }
    EDriveKind KindOf(const std::string&) const override { return m_kind; }

private:
    EDriveKind m_kind;
};
