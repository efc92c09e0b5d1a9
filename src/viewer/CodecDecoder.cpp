#include "CodecDecoder.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <mutex>

#include "CodecProtocol.h"
#include "platform/CompanionProgram.h"

extern char** environ;

namespace {

// The JPEG (baseline, extended, spectral, progressive, lossless), JPEG-LS and JPEG 2000 syntaxes.
const char* const kCodecSyntaxes[] = {
    "1.2.840.10008.1.2.4.50", "1.2.840.10008.1.2.4.51", "1.2.840.10008.1.2.4.52", "1.2.840.10008.1.2.4.53",
    "1.2.840.10008.1.2.4.55", "1.2.840.10008.1.2.4.57", "1.2.840.10008.1.2.4.70", "1.2.840.10008.1.2.4.80",
    "1.2.840.10008.1.2.4.81", "1.2.840.10008.1.2.4.90", "1.2.840.10008.1.2.4.91", "1.2.840.10008.1.2.4.92",
    "1.2.840.10008.1.2.4.93",
};

// A frame that takes longer than this is taken for a decoder caught in damaged data.
constexpr int kDecodeTimeoutMs = 30000;

// The decoder program that comes with this one. Never one found on the search path: it may belong to
// another version, speaking another protocol.
std::vector<std::string> ProgramCandidates() {
    std::string program = FindCompanionProgram("vitrine-codec");
    return program.empty() ? std::vector<std::string>{} : std::vector<std::string>{std::move(program)};
}

// One running decoder process and the socket to it.
class CDecoderProcess {
public:
    static std::unique_ptr<CDecoderProcess> Start(std::string& error) {
        for (const std::string& program : ProgramCandidates()) {
            int sockets[2];
            if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) {
                error = "no socket for the decoder";
                return nullptr;
            }
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_adddup2(&actions, sockets[1], STDIN_FILENO);
            posix_spawn_file_actions_adddup2(&actions, sockets[1], STDOUT_FILENO);
            // The decoders' own messages would only clutter the program's error stream.
            posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
            char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
            pid_t pid = 0;
            const int failed = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv, environ);
            posix_spawn_file_actions_destroy(&actions);
            close(sockets[1]);
            if (failed == 0) {
                return std::unique_ptr<CDecoderProcess>(new CDecoderProcess(pid, sockets[0]));
            }
            close(sockets[0]);
        }
        error = "the decoder program vitrine-codec cannot be started";
        return nullptr;
    }

    ~CDecoderProcess() {
        close(m_socket);
        if (m_broken) {
            kill(m_pid, SIGKILL);
        }
        waitpid(m_pid, nullptr, 0);
    }

    CDecoderProcess(const CDecoderProcess&) = delete;
    CDecoderProcess& operator=(const CDecoderProcess&) = delete;

    bool Broken() const { return m_broken; }

    // Sends one frame and waits for the answer; false (and broken) when the process dies, stops
    // answering or answers nonsense.
    bool Decode(const std::string& transferSyntax, const CodecProtocol::CFormat& format,
                const std::vector<CodecProtocol::CFragment>& fragments, CodecProtocol::CResponse& response) {
        if (!CodecProtocol::WriteRequest(m_socket, transferSyntax, format, fragments) ||
            !CodecProtocol::ReadResponse(m_socket, response, kDecodeTimeoutMs)) {
            m_broken = true;
        }
        return !m_broken;
    }

private:
    CDecoderProcess(pid_t pid, int socket) : m_pid(pid), m_socket(socket) {}

    pid_t m_pid;
    int m_socket;
    bool m_broken = false;
};

// Idle decoder processes, shared by all documents; one is started for each frame decoded at once.
class CDecoderPool {
public:
    static CDecoderPool& Get() {
        static CDecoderPool* pool = new CDecoderPool;  // they end when this program's sockets close
        return *pool;
    }

    std::unique_ptr<CDecoderProcess> Acquire(std::string& error) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_idle.empty()) {
                std::unique_ptr<CDecoderProcess> process = std::move(m_idle.back());
                m_idle.pop_back();
                return process;
            }
        }
        return CDecoderProcess::Start(error);
    }

    void Release(std::unique_ptr<CDecoderProcess> process) {
        if (process && !process->Broken()) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_idle.push_back(std::move(process));
        }
    }

private:
    std::mutex m_mutex;
    std::vector<std::unique_ptr<CDecoderProcess>> m_idle;
};

}  // namespace

bool IsCodecTransferSyntax(const std::string& uid) {
    return std::find(std::begin(kCodecSyntaxes), std::end(kCodecSyntaxes), uid) != std::end(kCodecSyntaxes);
}

bool DecodeCodecFrame(const std::vector<CByteView>& fragments, const std::string& transferSyntax,
                      CPixelFormat& format, std::vector<std::uint8_t>& out, std::string& error) {
    std::vector<CodecProtocol::CFragment> parts;
    std::size_t total = 0;
    for (const CByteView& fragment : fragments) {
        parts.push_back({fragment.data, fragment.size});
        total += fragment.size;
    }
    if (total == 0) {
        error = "The frame has no compressed data.";
        return false;
    }
    CodecProtocol::CFormat request;
    request.rows = format.rows;
    request.columns = format.columns;
    request.samplesPerPixel = format.samplesPerPixel;
    request.bitsAllocated = format.bitsAllocated;
    request.bitsStored = format.bitsStored;
    request.highBit = format.highBit;
    request.isSigned = format.isSigned ? 1 : 0;
    request.planar = format.planar ? 1 : 0;
    std::snprintf(request.photometric, sizeof request.photometric, "%s", format.photometricText.c_str());

    // A decoder process that fails is tried once more in a fresh one: an idle one may have been
    // ended from outside; a second failure is the frame's own.
    CDecoderPool& pool = CDecoderPool::Get();
    CodecProtocol::CResponse response;
    bool answered = false;
    for (int attempt = 0; attempt < 2 && !answered; ++attempt) {
        std::unique_ptr<CDecoderProcess> process = pool.Acquire(error);
        if (!process) {
            error = "The frame cannot be decoded: " + error + ".";
            return false;
        }
        answered = process->Decode(transferSyntax, request, parts, response);
        pool.Release(std::move(process));
    }
    if (!answered) {
        error = "The decoder failed on this frame's data.";
        return false;
    }
    if (!response.decoded) {
        error.assign(response.data.begin(), response.data.end());
        return false;
    }
    const CodecProtocol::CFormat& decoded = response.format;
    format.bitsAllocated = decoded.bitsAllocated;
    format.bitsStored = decoded.bitsStored;
    format.highBit = decoded.highBit;
    format.isSigned = decoded.isSigned != 0;
    format.planar = decoded.planar != 0;
    SetPhotometric(format, decoded.photometric);
    // Decoders deliver every sample at full resolution.
    format.subsampled = false;
    const std::uint64_t need = (format.NativeFrameBits() + 7) / 8;
    if (response.data.size() < need) {
        error = "The decoder delivered " + std::to_string(response.data.size()) +
                " bytes where the frame needs " + std::to_string(need) + ".";
        return false;
    }
    response.data.resize(static_cast<std::size_t>(need));
    out = std::move(response.data);
    return true;
}
