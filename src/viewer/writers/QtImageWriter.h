#pragma once

#include <QByteArray>

#include "viewer/writers/ImageWriter.h"

// Qt's own image writers (with the image formats plugins): BMP, JPEG, PNG, PNM and ICO.
class CQtImageWriter : public CSinglePageWriter {
public:
    // What a page needs before the format can take it.
    enum class EReshape {
        None,
        FitIcon,  // icons hold at most 256 x 256: larger pages shrink to fit, keeping their aspect
    };

    // The Qt format names for grey and for colour pages (PNM writes "pgm" or "ppm").
    CQtImageWriter(const char* greyFormat, const char* colourFormat, EReshape reshape = EReshape::None)
        : m_greyFormat(greyFormat), m_colourFormat(colourFormat), m_reshape(reshape) {}

protected:
    bool WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                   std::string& error) const override;

private:
    QImage Reshaped(const QImage& page) const;

    QByteArray m_greyFormat;
    QByteArray m_colourFormat;
    EReshape m_reshape;
};
