#pragma once

#include "viewer/writers/ImageWriter.h"

// GIF through giflib. Grey pages use a palette of the 256 greys, so they are stored exactly;
// colour pages get their own palette of 256 colours by median cut. Several pages make an
// animation that loops, one page per frame interval.
class CGifWriter : public CImageWriter {
public:
    bool HoldsSeveralPages() const override { return true; }
    bool Write(const CSavePages& pages, QIODevice& device, const CSaveOptions& options,
               std::string& error) const override;
};
