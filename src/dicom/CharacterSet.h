#pragma once

#include <string>
#include <vector>

#include "dicom/ByteView.h"
#include "dicom/DicomDataSet.h"

// Turns the bytes of text values into UTF-8 by the data set's Specific Character Set,
// including the code extensions (escape sequences) of the ISO 2022 sets.
class CCharacterSet {
public:
    // `specificCharacterSet` is the raw value of (0008,0005); empty means the default repertoire.
    explicit CCharacterSet(const std::string& specificCharacterSet = {});

    // The value of an element of representation `vr` as UTF-8. Values are decoded one by one,
    // person names component group by component group, so that escape sequences reset where
    // the character set rules say they do.
    std::string Decode(CByteView bytes, CVr vr) const;
    // Whether values of this representation are written in the specific character set.
    static bool UsesCharacterSet(CVr vr);

    enum class EEncoding;

private:
    std::string DecodeWithDelimiters(const std::string& bytes, const std::string& delimiters) const;
    std::string DecodeEscaped(const std::string& fragment, const std::string& delimiters) const;

    std::vector<EEncoding> m_encodings;
};
