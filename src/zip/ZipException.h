#pragma once

#include <exception>
#include <string>

// The error of the zip reader: a cause number and the full path of the archive file that was being
// read (empty when the reader raised it while closed). Thrown by value, caught by reference.
class CZipException : public std::exception {
public:
    enum Cause : int {
        zcGeneric = 1,
        zcStreamState = 5,
        zcCorruptData = 6,
        zcNoMemory = 7,
        zcNoProgress = 8,
        zcVersion = 9,
        zcDamagedArchive = 10,
        zcCrcMismatch = 11,
        zcNoDiskCallback = 12,
        zcNoCentralDirectory = 18,
    };

    // Internal numbers of the reader itself; the zlib result codes are the others.
    enum Internal : int {
        kDamagedArchive = -101,
        kCrcMismatch = -102,
        kNoDiskCallback = -103,
        kNoCentralDirectory = -109,
    };

    CZipException(std::string fileName, int cause);

    // Maps an internal number (a zlib result code or one of Internal) to its cause.
    static int CauseOf(int internalNumber);
    // Throws the exception for an internal number.
    [[noreturn]] static void Throw(int internalNumber, const std::string& fileName);

    const std::string& FileName() const { return m_fileName; }
    int GetCause() const { return m_cause; }
    const char* what() const noexcept override { return m_text.c_str(); }

private:
    std::string m_fileName;
    int m_cause;
    std::string m_text;
};
