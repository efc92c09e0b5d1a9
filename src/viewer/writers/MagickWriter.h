#pragma once

#include <string>

#include "viewer/writers/ImageWriter.h"

// Formats written through Magick++: PSD, PCX, TGA and Sun raster. Grey pages are written as
// 8-bit grey (a grey palette where the format's grey is one).
class CMagickWriter : public CSinglePageWriter {
public:
    // `format` is the library's name of the format ("PSD", "SUN", ...).
    explicit CMagickWriter(std::string format) : m_format(std::move(format)) {}

protected:
    bool WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                   std::string& error) const override;

private:
    std::string m_format;
};
