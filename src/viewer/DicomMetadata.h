#pragma once

#include <string>
#include <vector>

#include "dicom/DicomParser.h"
#include "viewer/Metadata.h"

// The file's elements as sections of the tag browser: one section per tag group, in the order
// the groups first appear, after the given "File" section. Sequence items follow their sequence
// as entries marked ">" per depth.
CMetadata BuildDicomMetadata(const CDicomFile& file, CMetadataSection fileSection);
