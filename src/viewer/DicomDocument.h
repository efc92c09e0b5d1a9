#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dicom/DicomParser.h"
#include "dicom/PixelFormat.h"
#include "viewer/DicomDisplay.h"
#include "viewer/ImageDocument.h"
#include "viewer/MappedFile.h"

// A DICOM file. Opening reads the data set only; each frame's pixels are decoded when asked
// for, from the mapped file, so the size of a multi-frame file does not matter for opening it.
class CDicomDocument : public CImageDocument {
public:
    // Null with a reason when the bytes are not DICOM. A file without (usable) pixel data opens
    // with its metadata and no pages.
    static std::unique_ptr<CDicomDocument> Open(std::unique_ptr<CMappedFile> file, const std::string& name,
                                                std::string& error);

    int PageCount() const override { return m_pageCount; }
    QSize PageSize(int page) const override;
    bool DecodePage(int page, CFrame& frame, std::string& error) const override;
    CDisplayParameters DisplayParameters(int page) const override;
    const CMetadata& Metadata() const override { return m_metadata; }
    std::string PatientName() const override { return m_patientName; }
    std::string StudyDate() const override { return m_studyDate; }
    int FrameInterval() const override { return m_frameInterval; }

    const CPixelFormat& Format() const { return m_format; }
    const std::string& TransferSyntax() const { return m_dicom->transferSyntax; }

private:
    CDicomDocument() = default;
    void FindImage();
    CMetadataSection FileSection(const std::string& name) const;
    bool DecodeFrameBytes(int page, CPixelFormat& format, std::vector<std::uint8_t>& bytes,
                          std::string& error) const;

    std::unique_ptr<CMappedFile> m_file;
    std::unique_ptr<CDicomFile> m_dicom;
    CPixelFormat m_format;
    const CDicomElement* m_pixelData = nullptr;
    std::vector<std::vector<CByteView>> m_frames;
    std::unique_ptr<CDicomDisplay> m_display;
    int m_pageCount = 0;
    // Why the file has no pages, when it has pixel data that cannot be shown.
    std::string m_imageProblem;
    CMetadata m_metadata;
    std::string m_patientName;
    std::string m_studyDate;
    int m_frameInterval = 0;
};
