#include "DicomDocument.h"

#include <algorithm>
#include <cmath>

#include "dicom/CharacterSet.h"
#include "dicom/DicomDictionary.h"
#include "dicom/EncapsulatedFrames.h"
#include "dicom/PixelUnpack.h"
#include "dicom/RleDecoder.h"
#include "viewer/CodecDecoder.h"
#include "viewer/DicomMetadata.h"

namespace {

// A decoded frame larger than this is refused rather than allocated: no real image comes near
// it, and compressed data can claim any size.
constexpr std::uint64_t kMaxFrameBytes = std::uint64_t{512} << 20;

constexpr char kRleLossless[] = "1.2.840.10008.1.2.5";

std::string UidWithName(const std::string& uid) {
    const std::string name = DicomDictionary::UidName(uid);
    return name.empty() ? uid : uid + " (" + name + ")";
}

std::string BitsText(const CPixelFormat& format) {
    return std::to_string(format.bitsAllocated) + " allocated, " + std::to_string(format.bitsStored) +
           " stored, high bit " + std::to_string(format.highBit) +
           (format.isSigned ? ", signed" : ", unsigned");
}

std::string FormattedDate(const std::string& date) {
    if (date.size() == 8 && date.find_first_not_of("0123456789") == std::string::npos) {
        return date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2);
    }
    return date;
}

std::string DisplayName(const CDicomDataSet& dataSet) {
    const CDicomElement* element = dataSet.Find(DicomTags::kPatientName);
    if (!element) {
        return {};
    }
    const std::string raw = DicomValues::Text(*element);
    std::string name =
        CCharacterSet(dataSet.Text(DicomTags::kSpecificCharacterSet))
            .Decode({reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size()}, MakeVr("PN"));
    for (char& c : name) {
        if (c == '^') {
            c = ' ';
        }
    }
    return name;
}

// Frame Time in milliseconds, else a rate in frames per second (Cine Rate, Recommended Display
// Frame Rate); 0 when the file gives none.
int FrameIntervalOf(const CDicomDataSet& dataSet) {
    constexpr CDicomTag kFrameTime{0x0018, 0x1063};
    constexpr CDicomTag kRates[] = {{0x0018, 0x0040}, {0x0008, 0x2144}};
    constexpr double kLongest = 60000;
    if (const std::optional<double> time = dataSet.Number(kFrameTime); time && *time > 0) {
        return static_cast<int>(std::lround(std::min(*time, kLongest)));
    }
    for (const CDicomTag tag : kRates) {
        if (const std::optional<double> rate = dataSet.Number(tag); rate && *rate > 0) {
            return static_cast<int>(std::lround(std::clamp(1000 / *rate, 1.0, kLongest)));
        }
    }
    return 0;
}

}  // namespace

std::unique_ptr<CDicomDocument> CDicomDocument::Open(std::unique_ptr<CMappedFile> file,
                                                     const std::string& name, std::string& error) {
    std::unique_ptr<CDicomDocument> document(new CDicomDocument);
    document->m_dicom = std::make_unique<CDicomFile>();
    if (!ParseDicom(file->Bytes(), *document->m_dicom, error)) {
        return nullptr;
    }
    document->m_file = std::move(file);
    document->FindImage();
    const CDicomDataSet& dataSet = document->m_dicom->dataSet;
    document->m_patientName = DisplayName(dataSet);
    document->m_studyDate = FormattedDate(dataSet.Text(DicomTags::kStudyDate));
    document->m_frameInterval = FrameIntervalOf(dataSet);
    document->m_metadata = BuildDicomMetadata(*document->m_dicom, document->FileSection(name));
    return document;
}

void CDicomDocument::FindImage() {
    const CDicomDataSet& dataSet = m_dicom->dataSet;
    m_pixelData = dataSet.Find(DicomTags::kPixelData);
    if (!m_pixelData) {
        return;
    }
    if (!ReadPixelFormat(dataSet, m_format, m_imageProblem)) {
        return;
    }
    const std::string& syntax = m_dicom->transferSyntax;
    if (m_pixelData->encapsulated) {
        if (syntax != kRleLossless && !IsCodecTransferSyntax(syntax)) {
            m_imageProblem = "The transfer syntax " + UidWithName(syntax) + " cannot be decoded.";
            return;
        }
        m_frames = SplitFrames(*m_pixelData, dataSet, m_format.frames);
        if (m_frames.empty()) {
            m_imageProblem = "The encapsulated pixel data holds no frames.";
            return;
        }
    } else if (m_pixelData->value.Empty()) {
        m_imageProblem = "The pixel data is empty.";
        return;
    }
    m_display = std::make_unique<CDicomDisplay>(dataSet, m_format);
    m_pageCount = m_format.frames;
}

CMetadataSection CDicomDocument::FileSection(const std::string& name) const {
    CMetadataSection section{"File", {}};
    auto& entries = section.entries;
    entries.push_back({"File Name", name});
    entries.push_back({"File Size", std::to_string(m_file->Bytes().size) + " bytes"});
    entries.push_back({"Format", "DICOM"});
    entries.push_back({"Transfer Syntax", UidWithName(m_dicom->transferSyntax)});
    const std::string sopClass = m_dicom->dataSet.Text({0x0008, 0x0016});
    if (!sopClass.empty()) {
        entries.push_back({"SOP Class", UidWithName(sopClass)});
    }
    if (m_pageCount > 0) {
        entries.push_back(
            {"Dimensions", std::to_string(m_format.columns) + " x " + std::to_string(m_format.rows)});
        entries.push_back({"Frames", std::to_string(m_format.frames)});
        entries.push_back({"Photometric Interpretation", m_format.photometricText});
        entries.push_back({"Samples per Pixel", std::to_string(m_format.samplesPerPixel)});
        entries.push_back({"Bits", BitsText(m_format)});
    } else {
        entries.push_back({"Frames", "0"});
        entries.push_back({"Image", m_pixelData ? m_imageProblem : "The file holds no pixel data."});
    }
    if (!m_dicom->problem.empty()) {
        entries.push_back({"Problem", m_dicom->problem});
    }
    return section;
}

QSize CDicomDocument::PageSize(int page) const {
    return page >= 0 && page < m_pageCount ? QSize(m_format.columns, m_format.rows) : QSize();
}

CDisplayParameters CDicomDocument::DisplayParameters(int page) const {
    return m_display ? m_display->ForFrame(page) : CDisplayParameters();
}

bool CDicomDocument::DecodeFrameBytes(int page, CPixelFormat& format, std::vector<std::uint8_t>& bytes,
                                      std::string& error) const {
    if (static_cast<std::size_t>(page) >= m_frames.size()) {
        error = "Frame " + std::to_string(page + 1) + " is missing from the pixel data.";
        return false;
    }
    const std::vector<CByteView>& fragments = m_frames[static_cast<std::size_t>(page)];
    if (m_dicom->transferSyntax == kRleLossless) {
        std::vector<std::uint8_t> joined;
        const CByteView* frame = &fragments.front();
        CByteView whole;
        if (fragments.size() > 1) {
            for (const CByteView& fragment : fragments) {
                joined.insert(joined.end(), fragment.data, fragment.data + fragment.size);
            }
            whole = {joined.data(), joined.size()};
            frame = &whole;
        }
        format.planar = false;
        format.subsampled = false;
        return DecodeRleFrame(*frame, format.rows, format.columns, format.samplesPerPixel,
                              format.bitsAllocated, bytes, error);
    }
    return DecodeCodecFrame(fragments, m_dicom->transferSyntax, format, bytes, error);
}

bool CDicomDocument::DecodePage(int page, CFrame& frame, std::string& error) const {
    if (page < 0 || page >= m_pageCount) {
        error = "There is no page " + std::to_string(page + 1) + ".";
        return false;
    }
    CPixelFormat format = m_format;
    const std::uint64_t decodedBytes = static_cast<std::uint64_t>(format.PixelCount()) *
                                       format.samplesPerPixel * std::max(1, format.bitsAllocated / 8);
    if (decodedBytes > kMaxFrameBytes) {
        error = "The frame is too large to show (" + std::to_string(decodedBytes >> 20) + " MB).";
        return false;
    }
    if (!m_pixelData->encapsulated) {
        const std::uint64_t bitOffset = static_cast<std::uint64_t>(page) * format.NativeFrameBits();
        const CByteView bytes = m_pixelData->value.Sub(static_cast<std::size_t>(bitOffset / 8));
        if (!UnpackFrame(bytes, bitOffset % 8, format, m_pixelData->bigEndian, frame, error)) {
            error = "Frame " + std::to_string(page + 1) + ": " + error;
            return false;
        }
        return true;
    }
    std::vector<std::uint8_t> bytes;
    if (!DecodeFrameBytes(page, format, bytes, error) ||
        !UnpackFrame({bytes.data(), bytes.size()}, 0, format, false, frame, error)) {
        error = "Frame " + std::to_string(page + 1) + ": " + error;
        return false;
    }
    return true;
}
