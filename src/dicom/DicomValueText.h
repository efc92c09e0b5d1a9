#pragma once

#include <string>

#include "dicom/CharacterSet.h"
#include "dicom/DicomDataSet.h"

// The value of an element as one line of text for the tag browser: strings decoded to UTF-8,
// numbers in decimal, several values joined with "\", binary values as their length and first
// bytes, sequences as their item count, pixel data as its length and encoding.
std::string ElementValueText(const CDicomElement& element, const CCharacterSet& characterSet,
                             const std::string& transferSyntaxName);
