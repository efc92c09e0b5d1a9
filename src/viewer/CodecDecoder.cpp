#include "CodecDecoder.h"

#include <gdcmJPEG2000Codec.h>
#include <gdcmJPEGCodec.h>
#include <gdcmJPEGLSCodec.h>
#include <gdcmSequenceOfFragments.h>
#include <gdcmTrace.h>
#include <gdcmTransferSyntax.h>

#include <memory>
#include <mutex>

namespace {

enum class ECodec { None, Jpeg, JpegLs, Jpeg2000 };

ECodec CodecFor(const std::string& uid) {
    const gdcm::TransferSyntax syntax = gdcm::TransferSyntax::GetTSType(uid.c_str());
    if (syntax == gdcm::TransferSyntax::TS_END || !syntax.IsEncapsulated()) {
        return ECodec::None;
    }
    if (gdcm::JPEGCodec().CanDecode(syntax)) {
        return ECodec::Jpeg;
    }
    if (gdcm::JPEGLSCodec().CanDecode(syntax)) {
        return ECodec::JpegLs;
    }
    if (gdcm::JPEG2000Codec().CanDecode(syntax)) {
        return ECodec::Jpeg2000;
    }
    return ECodec::None;
}

std::unique_ptr<gdcm::ImageCodec> MakeCodec(ECodec codec) {
    switch (codec) {
        case ECodec::Jpeg:
            return std::make_unique<gdcm::JPEGCodec>();
        case ECodec::JpegLs:
            return std::make_unique<gdcm::JPEGLSCodec>();
        case ECodec::Jpeg2000:
            return std::make_unique<gdcm::JPEG2000Codec>();
        default:
            return nullptr;
    }
}

void SilenceLibraryTrace() {
    static std::once_flag once;
    std::call_once(once, [] {
        gdcm::Trace::SetDebug(false);
        gdcm::Trace::SetWarning(false);
        gdcm::Trace::SetError(false);
    });
}

gdcm::DataElement FragmentsElement(const std::vector<CByteView>& fragments) {
    gdcm::SmartPointer<gdcm::SequenceOfFragments> sequence = new gdcm::SequenceOfFragments;
    for (const CByteView& bytes : fragments) {
        gdcm::Fragment fragment;
        fragment.SetByteValue(reinterpret_cast<const char*>(bytes.data),
                              static_cast<std::uint32_t>(bytes.size));
        sequence->AddFragment(fragment);
    }
    gdcm::DataElement element(gdcm::Tag(0x7FE0, 0x0010));
    element.SetVR(gdcm::VR::OB);
    element.SetValue(*sequence);
    return element;
}

}  // namespace

bool IsCodecTransferSyntax(const std::string& uid) {
    return CodecFor(uid) != ECodec::None;
}

bool DecodeCodecFrame(const std::vector<CByteView>& fragments, const std::string& transferSyntax,
                      CPixelFormat& format, std::vector<std::uint8_t>& out, std::string& error) {
    SilenceLibraryTrace();
    const std::unique_ptr<gdcm::ImageCodec> codec = MakeCodec(CodecFor(transferSyntax));
    if (!codec) {
        error = "The transfer syntax " + transferSyntax + " cannot be decoded.";
        return false;
    }
    std::size_t total = 0;
    for (const CByteView& fragment : fragments) {
        total += fragment.size;
    }
    if (total == 0) {
        error = "The frame has no compressed data.";
        return false;
    }
    codec->SetPhotometricInterpretation(
        gdcm::PhotometricInterpretation::GetPIType(format.photometricText.c_str()));
    codec->SetPlanarConfiguration(format.planar ? 1 : 0);
    codec->SetNumberOfDimensions(2);
    const unsigned int dimensions[3] = {static_cast<unsigned int>(format.columns),
                                        static_cast<unsigned int>(format.rows), 1};
    codec->SetDimensions(dimensions);
    codec->SetNeedByteSwap(false);
    // Last: the JPEG codec sets up its inner decoder from the settings made so far.
    codec->SetPixelFormat(gdcm::PixelFormat(
        static_cast<unsigned short>(format.samplesPerPixel),
        static_cast<unsigned short>(format.bitsAllocated), static_cast<unsigned short>(format.bitsStored),
        static_cast<unsigned short>(format.highBit), static_cast<unsigned short>(format.isSigned ? 1 : 0)));

    gdcm::DataElement decoded;
    if (!codec->Decode(FragmentsElement(fragments), decoded) || !decoded.GetByteValue()) {
        error = "The compressed frame cannot be decoded.";
        return false;
    }
    const gdcm::PixelFormat& decodedFormat = codec->GetPixelFormat();
    format.bitsAllocated = decodedFormat.GetBitsAllocated();
    format.bitsStored = decodedFormat.GetBitsStored();
    format.highBit = decodedFormat.GetHighBit();
    format.isSigned = decodedFormat.GetPixelRepresentation() == 1;
    format.planar = codec->GetPlanarConfiguration() == 1;
    const char* photometric =
        gdcm::PhotometricInterpretation::GetPIString(codec->GetPhotometricInterpretation());
    if (photometric && *photometric) {
        SetPhotometric(format, photometric);
    }
    // Decoders deliver every sample at full resolution.
    format.subsampled = false;

    const gdcm::ByteValue* value = decoded.GetByteValue();
    const std::uint64_t need = (format.NativeFrameBits() + 7) / 8;
    if (value->GetLength() < need) {
        error = "The decoder delivered " + std::to_string(value->GetLength()) +
                " bytes where the frame needs " + std::to_string(need) + ".";
        return false;
    }
    const auto* begin = reinterpret_cast<const std::uint8_t*>(value->GetPointer());
    out.assign(begin, begin + need);
    return true;
}
