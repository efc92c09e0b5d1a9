#pragma once

#include "viewer/writers/ImageWriter.h"

// PDF through QPdfWriter: one page per picture, the size of the picture at 72 pixels per inch,
// the picture stored losslessly.
class CPdfImageWriter : public CImageWriter {
public:
    bool HoldsSeveralPages() const override { return true; }
    bool Write(const CSavePages& pages, QIODevice& device, const CSaveOptions& options,
               std::string& error) const override;
};
