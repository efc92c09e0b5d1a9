// vitrine-codec: the viewer engine's decoder process for JPEG, JPEG-LS and JPEG 2000 frames.
// It reads decode requests on its standard input and answers on its standard output (both one
// socket) until the engine closes it. See CodecProtocol.h.
#include <gdcmJPEG2000Codec.h>
#include <gdcmJPEGCodec.h>
#include <gdcmJPEGLSCodec.h>
#include <gdcmSequenceOfFragments.h>
#include <gdcmTrace.h>
#include <gdcmTransferSyntax.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "CodecProtocol.h"

namespace {

using namespace CodecProtocol;

std::unique_ptr<gdcm::ImageCodec> CodecFor(const std::string& uid) {
    const gdcm::TransferSyntax syntax = gdcm::TransferSyntax::GetTSType(uid.c_str());
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

gdcm::DataElement FragmentsElement(const std::vector<std::vector<std::uint8_t>>& fragments) {
    gdcm::SmartPointer<gdcm::SequenceOfFragments> sequence = new gdcm::SequenceOfFragments;
    for (const std::vector<std::uint8_t>& bytes : fragments) {
        gdcm::Fragment fragment;
        fragment.SetByteValue(reinterpret_cast<const char*>(bytes.data()),
                              static_cast<std::uint32_t>(bytes.size()));
        sequence->AddFragment(fragment);
    }
    gdcm::DataElement element(gdcm::Tag(0x7FE0, 0x0010));
    element.SetVR(gdcm::VR::OB);
    element.SetValue(*sequence);
    return element;
}

CResponse Failure(const char* reason) {
    CResponse response;
    response.data.assign(reason, reason + std::strlen(reason));
    return response;
}

CResponse Decode(const CRequest& request) {
    const std::unique_ptr<gdcm::ImageCodec> codec = CodecFor(request.transferSyntax);
    if (!codec) {
        return Failure("The transfer syntax cannot be decoded.");
    }
    const CFormat& in = request.format;
    codec->SetPhotometricInterpretation(gdcm::PhotometricInterpretation::GetPIType(in.photometric));
    codec->SetPlanarConfiguration(in.planar ? 1 : 0);
    codec->SetNumberOfDimensions(2);
    const unsigned int dimensions[3] = {static_cast<unsigned int>(in.columns),
                                        static_cast<unsigned int>(in.rows), 1};
    codec->SetDimensions(dimensions);
    codec->SetNeedByteSwap(false);
    // Last: the JPEG codec sets up its inner decoder from the settings made so far.
    codec->SetPixelFormat(gdcm::PixelFormat(
        static_cast<unsigned short>(in.samplesPerPixel), static_cast<unsigned short>(in.bitsAllocated),
        static_cast<unsigned short>(in.bitsStored), static_cast<unsigned short>(in.highBit),
        static_cast<unsigned short>(in.isSigned ? 1 : 0)));
    gdcm::DataElement decoded;
    if (!codec->Decode(FragmentsElement(request.fragments), decoded) || !decoded.GetByteValue()) {
        return Failure("The compressed frame cannot be decoded.");
    }
    CResponse response;
    response.decoded = true;
    response.format = in;
    const gdcm::PixelFormat& format = codec->GetPixelFormat();
    response.format.bitsAllocated = format.GetBitsAllocated();
    response.format.bitsStored = format.GetBitsStored();
    response.format.highBit = format.GetHighBit();
    response.format.isSigned = format.GetPixelRepresentation() == 1 ? 1 : 0;
    response.format.planar = codec->GetPlanarConfiguration() == 1 ? 1 : 0;
    const char* photometric =
        gdcm::PhotometricInterpretation::GetPIString(codec->GetPhotometricInterpretation());
    if (photometric && *photometric) {
        std::snprintf(response.format.photometric, sizeof response.format.photometric, "%s", photometric);
    }
    const gdcm::ByteValue* value = decoded.GetByteValue();
    response.data.assign(value->GetPointer(), value->GetPointer() + value->GetLength());
    return response;
}

// A decoder caught in damaged data is ended by the alarm even if the engine that asked has
// gone away meanwhile.
constexpr unsigned int kSecondsPerFrame = 60;

}  // namespace

int main() {
    gdcm::Trace::SetDebug(false);
    gdcm::Trace::SetWarning(false);
    gdcm::Trace::SetError(false);
    CRequest request;
    while (ReadRequest(STDIN_FILENO, request)) {
        alarm(kSecondsPerFrame);
        const CResponse response = Decode(request);
        alarm(0);
        if (!WriteResponse(STDOUT_FILENO, response)) {
            return 1;
        }
    }
    return 0;
}
