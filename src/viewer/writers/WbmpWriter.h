#pragma once

#include "viewer/writers/ImageWriter.h"

// Wireless bitmaps (type 0: one bit per pixel, white 1), written here: Qt's writer drops the
// last byte of a width or height that is a multiple of 128, and ImageMagick's normalises and
// quantises the page again, slowly.
//
// Pages are dithered by error diffusion rather than cut at a threshold: a threshold turns a
// medical image into a silhouette of its bright parts, while diffusion keeps its grey levels as
// the density of white dots, which is all a one-bit display can show of them.
class CWbmpWriter : public CSinglePageWriter {
protected:
    bool WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                   std::string& error) const override;
};
