#pragma once

#include <stdexcept>
#include <string>

// The platform's refusal to open, read or write a file, with the system's error number.
class CFileException : public std::runtime_error {
public:
    CFileException(std::string fileName, int error);

    const std::string& FileName() const { return m_fileName; }
    int Error() const { return m_error; }
    // The system's text for the error number, e.g. "Permission denied".
    std::string Reason() const;

private:
    std::string m_fileName;
    int m_error;
};
