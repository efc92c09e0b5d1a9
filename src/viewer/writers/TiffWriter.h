#pragma once

#include "viewer/writers/ImageWriter.h"

// TIFF through libtiff: 8-bit grey or RGB, one page or several, compressed as the option word
// asks ("none", "lzw", "deflate", "packbits" or "jpeg", without regard to case; empty means
// lzw). Qt's own TIFF writer knows only one page and no compression but LZW.
class CTiffWriter : public CImageWriter {
public:
    bool HoldsSeveralPages() const override { return true; }
    bool Write(const CSavePages& pages, QIODevice& device, const CSaveOptions& options,
               std::string& error) const override;
};
