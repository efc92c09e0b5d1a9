#pragma once

#include <QSize>
#include <memory>
#include <string>

#include "dicom/Frame.h"
#include "viewer/DisplayParameters.h"
#include "viewer/Metadata.h"

// An opened image file: its pages, decoded one at a time on demand, how to display them, and
// its description as sections of entries. Documents do not change once opened; DecodePage may
// run on any thread, for several pages at once.
class CImageDocument {
public:
    virtual ~CImageDocument() = default;

    virtual int PageCount() const = 0;
    virtual QSize PageSize(int page) const = 0;
    // Decodes page `page` (from 0); false with a reason when it cannot.
    virtual bool DecodePage(int page, CFrame& frame, std::string& error) const = 0;
    virtual CDisplayParameters DisplayParameters(int page) const = 0;
    virtual const CMetadata& Metadata() const = 0;

    // Shown in the corner of the view; empty when the format has no such thing.
    virtual std::string PatientName() const { return {}; }
    virtual std::string StudyDate() const { return {}; }
    // Milliseconds from one page to the next when they are played, as the file gives them; 0
    // when it does not say.
    virtual int FrameInterval() const { return 0; }
};

// Opens an image file, recognising its format by content (DICOM, TIFF, or another picture
// format that Qt reads). Null with a reason when it cannot be opened.
std::unique_ptr<CImageDocument> OpenImageDocument(const std::string& path, std::string& error);
