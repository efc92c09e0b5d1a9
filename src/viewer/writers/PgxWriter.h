#pragma once

#include "viewer/writers/ImageWriter.h"

// PGX, the one-component raw format of JPEG 2000's conformance tests: a header line and the
// samples row after row, 8-bit unsigned. Colour pages are stored as their luminance, as the
// format has one component. (ImageMagick's writer pads rows of odd width, which no reader,
// its own included, expects.)
class CPgxWriter : public CSinglePageWriter {
protected:
    bool WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                   std::string& error) const override;
};
