#include "ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kNameAttempts = 16;

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// The temporary name: hidden, in the target's folder (a rename across file systems is not
// atomic), unlikely to meet another writer's.
std::string TemporaryName(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(QRandomGenerator::global()->generate()) + ".part";
}

}  // namespace

CReplacingFile::CReplacingFile(std::string target) : m_target(std::move(target)) {
    // A link stays a link: the file it points to is the one replaced.
    const QFileInfo info(QString::fromStdString(m_target));
    if (info.isSymLink()) {
        m_target = info.symLinkTarget().toStdString();
    }
}

CReplacingFile::~CReplacingFile() {
    Discard();
}

bool CReplacingFile::Open(std::string& error) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = TemporaryName(m_target);
        // 0666 lets the umask decide, as for any new file; an existing target's mode is copied
        // at commit.
        const int descriptor = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno == EEXIST) {
            continue;
        }
        if (descriptor < 0) {
            error = SystemError("cannot write in the folder of " + m_target);
            return false;
        }
        m_temporary = name;
        if (!m_file.open(descriptor, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
            ::close(descriptor);
            error = m_file.errorString().toStdString();
            Discard();
            return false;
        }
        return true;
    }
    error = "cannot find a free temporary name beside " + m_target;
    return false;
}

bool CReplacingFile::Commit(std::string& error) {
    if (!m_file.isOpen()) {
        error = "the file is not open";
        return false;
    }
    struct stat existing {};
    if (::stat(m_target.c_str(), &existing) == 0) {
        ::fchmod(m_file.handle(), existing.st_mode & 07777);
    }
    if (!m_file.flush()) {
        error = "cannot write " + m_target + ": " + m_file.errorString().toStdString();
        Discard();
        return false;
    }
    if (::fsync(m_file.handle()) != 0) {
        error = SystemError("cannot write " + m_target);
        Discard();
        return false;
    }
    m_file.close();
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        error = SystemError("cannot replace " + m_target);
        Discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

void CReplacingFile::Discard() {
    m_file.close();
    if (!m_temporary.empty()) {
        std::remove(m_temporary.c_str());
        m_temporary.clear();
    }
}
