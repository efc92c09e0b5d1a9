#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The viewer engine decodes JPEG, JPEG-LS and JPEG 2000 frames in a process of their own,
// vitrine-codec: those decoders can abort or corrupt memory on damaged data, which must not
// take the viewer down with them, and they bring a data dictionary that takes every process
// loading it some 20 ms to set up. This is what the two sides say to each other over a socket.

namespace CodecProtocol {

// The frame's layout as the file declares it; the decoder process answers with what the code stream
// says instead (precision, colour space, planes).
struct CFormat {
    std::int32_t rows = 0;
    std::int32_t columns = 0;
    std::int32_t samplesPerPixel = 1;
    std::int32_t bitsAllocated = 8;
    std::int32_t bitsStored = 8;
    std::int32_t highBit = 7;
    std::int32_t isSigned = 0;
    std::int32_t planar = 0;
    char photometric[32] = {};
};

struct CFragment {
    const std::uint8_t* data;
    std::size_t size;
};

struct CRequest {
    std::string transferSyntax;
    CFormat format;
    std::vector<std::vector<std::uint8_t>> fragments;
};

struct CResponse {
    bool decoded = false;
    CFormat format;
    // The frame's bytes when decoded, else the reason as text.
    std::vector<std::uint8_t> data;
};

// Each returns false when the other side is gone, sends garbage, or (for reads with a timeout
// of at least 0 ms) does not answer in time.
bool WriteRequest(int socket, const std::string& transferSyntax, const CFormat& format,
                  const std::vector<CFragment>& fragments);
bool ReadRequest(int socket, CRequest& request);
bool WriteResponse(int socket, const CResponse& response);
bool ReadResponse(int socket, CResponse& response, int timeoutMs);

}  // namespace CodecProtocol
