#include "ZipBigFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>

#include "FileException.h"

namespace {

int FlagsOf(CZipBigFile::EAccess access) {
    switch (access) {
        case CZipBigFile::EAccess::Read:
            return O_RDONLY;
        case CZipBigFile::EAccess::ReadWrite:
            return O_RDWR;
        case CZipBigFile::EAccess::Create:
            return O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW;
    }
    return O_RDONLY;
}

}  // namespace

CZipBigFile::~CZipBigFile() {
    Close();
}

void CZipBigFile::Open(const std::string& path, EAccess access) {
    Close();
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    m_path = error ? path : absolute.string();
    int fd;
    do {
        fd = ::open(path.c_str(), FlagsOf(access) | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        Fail(errno);
    }
    m_fd = fd;
}

void CZipBigFile::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

std::uint32_t CZipBigFile::Read(void* buffer, std::uint32_t size) {
    auto* bytes = static_cast<char*>(buffer);
    std::uint32_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(m_fd, bytes + got, size - got);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
        }
        got += static_cast<std::uint32_t>(n);
    }
    return got;
}

void CZipBigFile::Write(const void* buffer, std::uint32_t size) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::uint32_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, bytes + done, size - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
        }
        done += static_cast<std::uint32_t>(n);
    }
}

void CZipBigFile::Seek(std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(INT64_MAX)) {
        Fail(EINVAL);
    }
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0) {
        Fail(errno);
    }
}

void CZipBigFile::SeekRelative(std::int64_t distance) {
    if (::lseek(m_fd, static_cast<off_t>(distance), SEEK_CUR) < 0) {
        Fail(errno);
    }
}

std::uint64_t CZipBigFile::Length() {
    struct stat status {};
    if (::fstat(m_fd, &status) != 0) {
        Fail(errno);
    }
    return status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}

void CZipBigFile::Fail(int error) const {
    throw CFileException(m_path, error);
}
