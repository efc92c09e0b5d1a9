#pragma once

#include "viewer/writers/ImageWriter.h"

// Windows metafiles, which no library here writes: a placeable metafile whose one drawing
// record (StretchDIB) holds the page as a device-independent bitmap, 8-bit with a grey palette
// for grey pages, 24-bit for colour. One logical unit is one pixel at 96 per inch.
class CWmfWriter : public CSinglePageWriter {
protected:
    bool WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                   std::string& error) const override;
};
