#pragma once

#include <string>

#include "viewer/writers/ImageWriter.h"

// Formats written through Magick++: PSD, PCX, TGA, Sun raster and WBMP. Grey pages are written
// as 8-bit grey (a grey palette where the format's grey is one); WBMP pages are dithered to
// one bit first.
class CMagickWriter : public CSinglePageWriter {
public:
    // `format` is the library's name of the format ("PSD", "SUN", ...).
    explicit CMagickWriter(std::string format) : m_format(std::move(format)) {}

    // The page in black and white by error diffusion, as Grayscale8 with values 0 and 255.
    // Diffusion rather than a threshold: a threshold turns a medical image into a silhouette of
    // its bright parts, while diffusion keeps its grey levels as the density of white dots, which
    // is all a one-bit display can show of them.
    static QImage Dithered(const QImage& page);

protected:
    bool WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                   std::string& error) const override;

private:
    std::string m_format;
};
