#pragma once

#include <cstdint>
#include <string>

#include "dicom/DicomDataSet.h"

// What the data dictionary knows of tags, groups and UIDs.
namespace DicomDictionary {

// The keyword of a tag ("PatientName"); "PrivateCreator" for the elements that reserve private
// blocks; "Unknown" for other private elements and for tags the dictionary does not list.
std::string Keyword(CDicomTag tag);
// The representation the dictionary gives a tag, for files that do not write it. Choices the
// dictionary leaves open are settled here: US or SS by `signedPixels`, OB or OW as OW.
CVr Vr(CDicomTag tag, bool signedPixels);
// The role of a group as a section title: "Patient" for 0010, "Private 0009" for odd groups.
std::string GroupName(std::uint16_t group);
// The registered name of a UID ("CT Image Storage"), empty when the UID is not a known one.
std::string UidName(const std::string& uid);

}  // namespace DicomDictionary
