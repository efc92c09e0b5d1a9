#pragma once

#include "viewer/writers/ImageWriter.h"

// JPEG 2000 code streams (.j2k, .j2c) through OpenJPEG: lossless (reversible 5/3 wavelet) when
// `a` is 0, otherwise the irreversible 9/7 wavelet at a quality given as a target PSNR.
class CJpeg2000Writer : public CSinglePageWriter {
public:
    // The PSNR in dB asked of the encoder for quality `a` from 1 to 100: from 20 dB (blocky) to
    // 60 dB (no visible loss).
    static double TargetPsnr(int a);

protected:
    bool WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                   std::string& error) const override;
};
