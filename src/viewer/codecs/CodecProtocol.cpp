#include "CodecProtocol.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace CodecProtocol {

namespace {

constexpr std::uint32_t kRequestMark = 0x52444356;  // "VCDR"
// Limits that no real frame comes near; anything above is a broken message.
constexpr std::uint64_t kMaxMessagePart = std::uint64_t{1} << 31;
constexpr std::uint32_t kMaxFragments = 1u << 20;

using CClock = std::chrono::steady_clock;

bool Send(int socket, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t sent = send(socket, bytes, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        bytes += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

// Reads exactly `size` bytes, giving up at `deadline` unless it is the clock's maximum.
bool Receive(int socket, void* data, std::size_t size, CClock::time_point deadline) {
    auto* bytes = static_cast<std::uint8_t*>(data);
    while (size > 0) {
        if (deadline != CClock::time_point::max()) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - CClock::now()).count();
            pollfd wanted{socket, POLLIN, 0};
            const int ready = left > 0 ? poll(&wanted, 1, static_cast<int>(left)) : 0;
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            if (ready <= 0) {
                return false;
            }
        }
        const ssize_t received = recv(socket, bytes, size, 0);
        if (received < 0 && errno == EINTR) {
            continue;
        }
        if (received <= 0) {
            return false;
        }
        bytes += received;
        size -= static_cast<std::size_t>(received);
    }
    return true;
}

template <typename T>
bool SendValue(int socket, const T& value) {
    return Send(socket, &value, sizeof value);
}

template <typename T>
bool ReceiveValue(int socket, T& value, CClock::time_point deadline) {
    return Receive(socket, &value, sizeof value, deadline);
}

bool ReceiveBytes(int socket, std::vector<std::uint8_t>& bytes, CClock::time_point deadline) {
    std::uint64_t size = 0;
    if (!ReceiveValue(socket, size, deadline) || size > kMaxMessagePart) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    return Receive(socket, bytes.data(), bytes.size(), deadline);
}

bool SendBytes(int socket, const void* data, std::size_t size) {
    return SendValue(socket, static_cast<std::uint64_t>(size)) && Send(socket, data, size);
}

}  // namespace

bool WriteRequest(int socket, const std::string& transferSyntax, const CFormat& format,
                  const std::vector<CFragment>& fragments) {
    if (!SendValue(socket, kRequestMark) ||
        !SendBytes(socket, transferSyntax.data(), transferSyntax.size()) || !SendValue(socket, format) ||
        !SendValue(socket, static_cast<std::uint32_t>(fragments.size()))) {
        return false;
    }
    for (const CFragment& fragment : fragments) {
        if (!SendBytes(socket, fragment.data, fragment.size)) {
            return false;
        }
    }
    return true;
}

bool ReadRequest(int socket, CRequest& request) {
    const auto never = CClock::time_point::max();
    std::uint32_t mark = 0;
    std::vector<std::uint8_t> syntax;
    std::uint32_t count = 0;
    if (!ReceiveValue(socket, mark, never) || mark != kRequestMark || !ReceiveBytes(socket, syntax, never) ||
        !ReceiveValue(socket, request.format, never) || !ReceiveValue(socket, count, never) ||
        count > kMaxFragments) {
        return false;
    }
    request.format.photometric[sizeof request.format.photometric - 1] = '\0';
    request.transferSyntax.assign(syntax.begin(), syntax.end());
    request.fragments.resize(count);
    for (std::vector<std::uint8_t>& fragment : request.fragments) {
        if (!ReceiveBytes(socket, fragment, never)) {
            return false;
        }
    }
    return true;
}

bool WriteResponse(int socket, const CResponse& response) {
    return SendValue(socket, static_cast<std::uint32_t>(response.decoded ? 1 : 0)) &&
           SendValue(socket, response.format) &&
           SendBytes(socket, response.data.data(), response.data.size());
}

bool ReadResponse(int socket, CResponse& response, int timeoutMs) {
    const auto deadline =
        timeoutMs < 0 ? CClock::time_point::max() : CClock::now() + std::chrono::milliseconds(timeoutMs);
    std::uint32_t decoded = 0;
    if (!ReceiveValue(socket, decoded, deadline) || !ReceiveValue(socket, response.format, deadline) ||
        !ReceiveBytes(socket, response.data, deadline)) {
        return false;
    }
    response.format.photometric[sizeof response.format.photometric - 1] = '\0';
    response.decoded = decoded == 1;
    return true;
}

}  // namespace CodecProtocol
