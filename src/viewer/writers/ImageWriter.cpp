#include "ImageWriter.h"

#include <QFileInfo>
#include <QPainter>
#include <map>

#include "viewer/writers/GifWriter.h"
#include "viewer/writers/Jpeg2000Writer.h"
#include "viewer/writers/MagickWriter.h"
#include "viewer/writers/PdfImageWriter.h"
#include "viewer/writers/PgxWriter.h"
#include "viewer/writers/QtImageWriter.h"
#include "viewer/writers/ReplacingFile.h"
#include "viewer/writers/TiffWriter.h"
#include "viewer/writers/WbmpWriter.h"
#include "viewer/writers/WmfWriter.h"

namespace {

constexpr int kDefaultJpegQuality = 90;

using EReshape = CQtImageWriter::EReshape;

const std::map<QString, const CImageWriter*>& Writers() {
    static const CQtImageWriter bmp("bmp", "bmp");
    static const CQtImageWriter jpeg("jpeg", "jpeg");
    static const CQtImageWriter png("png", "png");
    static const CQtImageWriter pnm("pgm", "ppm");
    static const CQtImageWriter icon("ico", "ico", EReshape::FitIcon);
    static const CPdfImageWriter pdf;
    static const CJpeg2000Writer jpeg2000;
    static const CGifWriter gif;
    static const CTiffWriter tiff;
    static const CMagickWriter psd("PSD");
    static const CMagickWriter pcx("PCX");
    static const CMagickWriter tga("TGA");
    static const CMagickWriter ras("SUN");
    static const CWmfWriter wmf;
    static const CPgxWriter pgx;
    static const CWbmpWriter wbmp;
    static const std::map<QString, const CImageWriter*> writers = {
        {"pdf", &pdf},   {"psd", &psd},   {"j2k", &jpeg2000}, {"j2c", &jpeg2000}, {"jpg", &jpeg},
        {"jpeg", &jpeg}, {"pcx", &pcx},   {"wmf", &wmf},      {"wbmp", &wbmp},    {"bmp", &bmp},
        {"tif", &tiff},  {"tiff", &tiff}, {"tga", &tga},      {"gif", &gif},      {"pgx", &pgx},
        {"ras", &ras},   {"pnm", &pnm},   {"png", &png},      {"ico", &icon}};
    return writers;
}

// Grey pages as Grayscale8, everything else as RGB888; transparency is laid on black, as the
// viewer shows it.
QImage AsWritten(const QImage& page) {
    if (page.isNull() || page.format() == QImage::Format_Grayscale8) {
        return page;
    }
    if (page.format() == QImage::Format_Grayscale16) {
        return page.convertToFormat(QImage::Format_Grayscale8);
    }
    if (!page.hasAlphaChannel()) {
        return page.convertToFormat(QImage::Format_RGB888);
    }
    QImage flat(page.size(), QImage::Format_RGB888);
    flat.fill(Qt::black);
    QPainter painter(&flat);
    painter.drawImage(0, 0, page);
    return flat;
}

// The pages a writer gets: a selection of the source's pages, in the formats writers expect.
class CSelectedPages : public CSavePages {
public:
    CSelectedPages(const CSavePages& source, int first, int count)
        : m_source(source), m_first(first), m_count(count) {}

    int Count() const override { return m_count; }
    QSize Size(int index) const override { return m_source.Size(m_first + index); }
    QImage Page(int index, std::string& error) const override {
        const QImage page = AsWritten(m_source.Page(m_first + index, error));
        if (page.isNull() && error.empty()) {
            error = "page " + std::to_string(m_first + index + 1) + " cannot be rendered";
        }
        return page;
    }
    int FrameInterval() const override { return m_source.FrameInterval(); }

private:
    const CSavePages& m_source;
    int m_first;
    int m_count;
};

}  // namespace

bool CSinglePageWriter::Write(const CSavePages& pages, QIODevice& device, const CSaveOptions& options,
                              std::string& error) const {
    const QImage page = pages.Page(0, error);
    return !page.isNull() && WritePage(page, device, options, error);
}

int JpegQuality(int a) {
    return a >= 1 && a <= 100 ? a : kDefaultJpegQuality;
}

QImage GreyOf(const QImage& page) {
    if (page.format() == QImage::Format_Grayscale8) {
        return page;
    }
    const QImage colour = page.convertToFormat(QImage::Format_RGB888);
    QImage grey(colour.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < colour.height(); ++y) {
        const uchar* in = colour.constScanLine(y);
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < colour.width(); ++x, in += 3) {
            // 0.299, 0.587 and 0.114 in 16-bit fixed point, rounded.
            out[x] = static_cast<uchar>((19595 * in[0] + 38470 * in[1] + 7471 * in[2] + 32768) >> 16);
        }
    }
    return grey;
}

const CImageWriter* WriterForPath(const std::string& path) {
    const QString extension = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    const auto found = Writers().find(extension);
    return found == Writers().end() ? nullptr : found->second;
}

bool SaveImageFile(const CSavePages& pages, int shown, const std::string& path, const CSaveOptions& options,
                   std::string& error) {
    if (shown < 0 || shown >= pages.Count()) {
        error = "There is no image to save.";
        return false;
    }
    const CImageWriter* writer = WriterForPath(path);
    if (!writer) {
        error = "The file name has no known picture extension.";
        return false;
    }
    const bool every = options.b == 1 && writer->HoldsSeveralPages();
    const CSelectedPages selected(pages, every ? 0 : shown, every ? pages.Count() : 1);
    CReplacingFile file(path);
    return file.Open(error) && writer->Write(selected, file.File(), options, error) && file.Commit(error);
}

bool SaveImageFile(const QImage& image, const std::string& path, const CSaveOptions& options,
                   std::string& error) {
    if (image.isNull()) {
        error = "There is no image to save.";
        return false;
    }
    return SaveImageFile(CImagePages({image}), 0, path, options, error);
}
