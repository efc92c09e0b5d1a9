#include "FileException.h"

#include <cstring>

CFileException::CFileException(std::string fileName, int error)
    : std::runtime_error(fileName + ": " + std::strerror(error)),
      m_fileName(std::move(fileName)),
      m_error(error) {}

std::string CFileException::Reason() const {
    return std::strerror(m_error);
}
