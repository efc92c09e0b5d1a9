#pragma once

#include <cstddef>

// The boundary between the viewer engine and its codec module, a library loaded only when a
// compressed frame is first decoded: the JPEG, JPEG-LS and JPEG 2000 decoders it wraps bring a
// data dictionary that takes every process loading them a noticeable time to set up. Plain C
// types, so that both sides agree without sharing C++ objects.

extern "C" {

struct CCodecFragment {
    const unsigned char* data;
    std::size_t size;
};

// The frame's layout as the file declares it; the decoder updates what the code stream says
// otherwise (precision, colour space, planes).
struct CCodecFormat {
    int rows;
    int columns;
    int samplesPerPixel;
    int bitsAllocated;
    int bitsStored;
    int highBit;
    int isSigned;
    int planar;
    char photometric[32];
};

// Decodes one frame into a buffer the module allocates (freed with the free function); returns
// 1 on success, 0 with a reason in `error`.
typedef int (*CodecDecodeFunction)(const CCodecFragment* fragments, std::size_t count,
                                   const char* transferSyntax, CCodecFormat* format, unsigned char** out,
                                   std::size_t* outSize, char* error, std::size_t errorSize);
typedef void (*CodecFreeFunction)(unsigned char* buffer);
}

#define VITRINE_CODEC_DECODE "VitrineCodecDecode"
#define VITRINE_CODEC_FREE "VitrineCodecFree"
