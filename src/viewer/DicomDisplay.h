#pragma once

#include "dicom/DicomDataSet.h"
#include "dicom/PixelFormat.h"
#include "viewer/DisplayParameters.h"

// The display parameters of each frame of a DICOM image. Tables are read once; frames of
// enhanced multi-frame files take their own rescale and window from the per-frame functional
// groups, then from the shared ones, then from the image's attributes.
class CDicomDisplay {
public:
    CDicomDisplay(const CDicomDataSet& dataSet, const CPixelFormat& format);

    CDisplayParameters ForFrame(int frame) const;

private:
    CDisplayParameters m_base;
    const CDicomDataSet* m_shared = nullptr;
    const CDicomElement* m_perFrame = nullptr;
};

// Reads a LUT Descriptor and LUT Data pair (the descriptor's first mapped value is signed for
// signed pixels); null when they are missing or inconsistent.
std::shared_ptr<const CLookupTable> ReadLookupTable(const CDicomDataSet& item, bool signedInput);
// Reads the three palette tables, plain or segmented; null when they are missing or damaged.
std::shared_ptr<const CPalette> ReadPalette(const CDicomDataSet& dataSet, bool signedInput);
