// The codec module: GDCM's JPEG, JPEG-LS and JPEG 2000 decoders behind the plain interface of
// CodecInterface.h.
#include <gdcmJPEG2000Codec.h>
#include <gdcmJPEGCodec.h>
#include <gdcmJPEGLSCodec.h>
#include <gdcmSequenceOfFragments.h>
#include <gdcmTrace.h>
#include <gdcmTransferSyntax.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#include "CodecInterface.h"

#define VITRINE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::unique_ptr<gdcm::ImageCodec> CodecFor(const char* uid) {
    const gdcm::TransferSyntax syntax = gdcm::TransferSyntax::GetTSType(uid);
    if (syntax == gdcm::TransferSyntax::TS_END || !syntax.IsEncapsulated()) {
        return nullptr;
    }
    if (gdcm::JPEGCodec().CanDecode(syntax)) {
        return std::make_unique<gdcm::JPEGCodec>();
    }
    if (gdcm::JPEGLSCodec().CanDecode(syntax)) {
        return std::make_unique<gdcm::JPEGLSCodec>();
    }
    if (gdcm::JPEG2000Codec().CanDecode(syntax)) {
        return std::make_unique<gdcm::JPEG2000Codec>();
    }
    return nullptr;
}

void SilenceLibraryTrace() {
    static std::once_flag once;
    std::call_once(once, [] {
        gdcm::Trace::SetDebug(false);
        gdcm::Trace::SetWarning(false);
        gdcm::Trace::SetError(false);
    });
}

gdcm::DataElement FragmentsElement(const CCodecFragment* fragments, std::size_t count) {
    gdcm::SmartPointer<gdcm::SequenceOfFragments> sequence = new gdcm::SequenceOfFragments;
    for (std::size_t i = 0; i < count; ++i) {
        gdcm::Fragment fragment;
        fragment.SetByteValue(reinterpret_cast<const char*>(fragments[i].data),
                              static_cast<std::uint32_t>(fragments[i].size));
        sequence->AddFragment(fragment);
    }
    gdcm::DataElement element(gdcm::Tag(0x7FE0, 0x0010));
    element.SetVR(gdcm::VR::OB);
    element.SetValue(*sequence);
    return element;
}

int Fail(char* error, std::size_t errorSize, const char* text) {
    std::snprintf(error, errorSize, "%s", text);
    return 0;
}

}  // namespace

VITRINE_EXPORT int VitrineCodecDecode(const CCodecFragment* fragments, std::size_t count,
                                      const char* transferSyntax, CCodecFormat* format, unsigned char** out,
                                      std::size_t* outSize, char* error, std::size_t errorSize) {
    SilenceLibraryTrace();
    const std::unique_ptr<gdcm::ImageCodec> codec = CodecFor(transferSyntax);
    if (!codec) {
        return Fail(error, errorSize, "The transfer syntax cannot be decoded.");
    }
    codec->SetPhotometricInterpretation(gdcm::PhotometricInterpretation::GetPIType(format->photometric));
    codec->SetPlanarConfiguration(format->planar ? 1 : 0);
    codec->SetNumberOfDimensions(2);
    const unsigned int dimensions[3] = {static_cast<unsigned int>(format->columns),
                                        static_cast<unsigned int>(format->rows), 1};
    codec->SetDimensions(dimensions);
    codec->SetNeedByteSwap(false);
    // Last: the JPEG codec sets up its inner decoder from the settings made so far.
    codec->SetPixelFormat(gdcm::PixelFormat(
        static_cast<unsigned short>(format->samplesPerPixel),
        static_cast<unsigned short>(format->bitsAllocated), static_cast<unsigned short>(format->bitsStored),
        static_cast<unsigned short>(format->highBit), static_cast<unsigned short>(format->isSigned ? 1 : 0)));

    gdcm::DataElement decoded;
    if (!codec->Decode(FragmentsElement(fragments, count), decoded) || !decoded.GetByteValue()) {
        return Fail(error, errorSize, "The compressed frame cannot be decoded.");
    }
    const gdcm::PixelFormat& decodedFormat = codec->GetPixelFormat();
    format->bitsAllocated = decodedFormat.GetBitsAllocated();
    format->bitsStored = decodedFormat.GetBitsStored();
    format->highBit = decodedFormat.GetHighBit();
    format->isSigned = decodedFormat.GetPixelRepresentation() == 1 ? 1 : 0;
    format->planar = codec->GetPlanarConfiguration() == 1 ? 1 : 0;
    const char* photometric =
        gdcm::PhotometricInterpretation::GetPIString(codec->GetPhotometricInterpretation());
    if (photometric && *photometric) {
        std::snprintf(format->photometric, sizeof format->photometric, "%s", photometric);
    }
    const gdcm::ByteValue* value = decoded.GetByteValue();
    *outSize = value->GetLength();
    *out = static_cast<unsigned char*>(std::malloc(*outSize ? *outSize : 1));
    if (!*out) {
        return Fail(error, errorSize, "There is not enough memory for the frame.");
    }
    std::memcpy(*out, value->GetPointer(), *outSize);
    return 1;
}

VITRINE_EXPORT void VitrineCodecFree(unsigned char* buffer) {
    std::free(buffer);
}
