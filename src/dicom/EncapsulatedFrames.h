#pragma once

#include <string>
#include <vector>

#include "dicom/ByteView.h"
#include "dicom/DicomDataSet.h"

// The fragments of each frame of encapsulated pixel data, found through the extended or basic
// offset table, one fragment per frame, or the code streams' start markers. At most `frames`
// frames; fewer when the data holds fewer.
std::vector<std::vector<CByteView>> SplitFrames(const CDicomElement& pixelData, const CDicomDataSet& dataSet,
                                                int frames);
