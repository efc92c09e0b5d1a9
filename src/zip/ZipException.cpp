#include "ZipException.h"

CZipException::CZipException(std::string fileName, int cause)
    : m_fileName(std::move(fileName)),
      m_cause(cause),
      m_text("zip archive error, cause " + std::to_string(cause)) {}

int CZipException::CauseOf(int internalNumber) {
    // zlib's codes 2, 1, -1, ..., -6 come out as 3, 2, 4, ..., 9; the reader's -101 ... -109 as
    // 10 ... 18.
    if (internalNumber == 1 || internalNumber == 2) {
        return internalNumber + 1;
    }
    if (internalNumber <= -1 && internalNumber >= -6) {
        return 3 - internalNumber;
    }
    if (internalNumber <= -101 && internalNumber >= -109) {
        return -91 - internalNumber;
    }
    return zcGeneric;
}

void CZipException::Throw(int internalNumber, const std::string& fileName) {
    throw CZipException(fileName, CauseOf(internalNumber));
}
