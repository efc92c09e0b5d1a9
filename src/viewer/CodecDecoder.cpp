#include "CodecDecoder.h"

#include <QCoreApplication>
#include <QLibrary>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <mutex>

#include "viewer/codecs/CodecInterface.h"

namespace {

// The JPEG (baseline, extended, spectral, progressive, lossless), JPEG-LS and JPEG 2000 syntaxes.
const char* const kCodecSyntaxes[] = {
    "1.2.840.10008.1.2.4.50", "1.2.840.10008.1.2.4.51", "1.2.840.10008.1.2.4.52", "1.2.840.10008.1.2.4.53",
    "1.2.840.10008.1.2.4.55", "1.2.840.10008.1.2.4.57", "1.2.840.10008.1.2.4.70", "1.2.840.10008.1.2.4.80",
    "1.2.840.10008.1.2.4.81", "1.2.840.10008.1.2.4.90", "1.2.840.10008.1.2.4.91", "1.2.840.10008.1.2.4.92",
    "1.2.840.10008.1.2.4.93",
};

struct CCodecModule {
    CodecDecodeFunction decode = nullptr;
    CodecFreeFunction free = nullptr;
    std::string problem;
};

// Loads the module once: beside the program first, then where the build put it, then from the
// system's library path.
const CCodecModule& Module() {
    static CCodecModule module;
    static std::once_flag once;
    std::call_once(once, [] {
        QStringList candidates;
        if (QCoreApplication::instance()) {
            candidates << QCoreApplication::applicationDirPath() + "/vitrine_codecs";
        }
#ifdef VITRINE_CODEC_MODULE
        candidates << VITRINE_CODEC_MODULE;
#endif
        candidates << "vitrine_codecs";
        for (const QString& candidate : candidates) {
            QLibrary library(candidate);
            if (!library.load()) {
                module.problem = library.errorString().toStdString();
                continue;
            }
            module.decode = reinterpret_cast<CodecDecodeFunction>(library.resolve(VITRINE_CODEC_DECODE));
            module.free = reinterpret_cast<CodecFreeFunction>(library.resolve(VITRINE_CODEC_FREE));
            if (module.decode && module.free) {
                return;
            }
        }
        module.decode = nullptr;
    });
    return module;
}

}  // namespace

bool IsCodecTransferSyntax(const std::string& uid) {
    return std::find(std::begin(kCodecSyntaxes), std::end(kCodecSyntaxes), uid) != std::end(kCodecSyntaxes);
}

bool DecodeCodecFrame(const std::vector<CByteView>& fragments, const std::string& transferSyntax,
                      CPixelFormat& format, std::vector<std::uint8_t>& out, std::string& error) {
    const CCodecModule& module = Module();
    if (!module.decode) {
        error = "The JPEG and JPEG 2000 decoders cannot be loaded: " + module.problem;
        return false;
    }
    std::vector<CCodecFragment> parts;
    std::size_t total = 0;
    for (const CByteView& fragment : fragments) {
        parts.push_back({fragment.data, fragment.size});
        total += fragment.size;
    }
    if (total == 0) {
        error = "The frame has no compressed data.";
        return false;
    }
    CCodecFormat codecFormat{format.rows,
                             format.columns,
                             format.samplesPerPixel,
                             format.bitsAllocated,
                             format.bitsStored,
                             format.highBit,
                             format.isSigned ? 1 : 0,
                             format.planar ? 1 : 0,
                             {}};
    std::snprintf(codecFormat.photometric, sizeof codecFormat.photometric, "%s",
                  format.photometricText.c_str());
    unsigned char* decoded = nullptr;
    std::size_t decodedSize = 0;
    char reason[256] = {};
    if (!module.decode(parts.data(), parts.size(), transferSyntax.c_str(), &codecFormat, &decoded,
                       &decodedSize, reason, sizeof reason)) {
        error = reason;
        return false;
    }
    format.bitsAllocated = codecFormat.bitsAllocated;
    format.bitsStored = codecFormat.bitsStored;
    format.highBit = codecFormat.highBit;
    format.isSigned = codecFormat.isSigned != 0;
    format.planar = codecFormat.planar != 0;
    SetPhotometric(format, codecFormat.photometric);
    // Decoders deliver every sample at full resolution.
    format.subsampled = false;
    const std::uint64_t need = (format.NativeFrameBits() + 7) / 8;
    if (decodedSize < need) {
        module.free(decoded);
        error = "The decoder delivered " + std::to_string(decodedSize) + " bytes where the frame needs " +
                std::to_string(need) + ".";
        return false;
    }
    out.assign(decoded, decoded + need);
    module.free(decoded);
    return true;
}
