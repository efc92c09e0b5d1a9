#include "RasterDocument.h"

#include <QImage>
#include <QImageReader>

#include <cstring>

namespace {

// Pictures larger than this are refused instead of decoded.
constexpr qint64 kMaxPixels = qint64{128} << 20;

std::unique_ptr<QImageReader> MakeReader(const std::string& path) {
    auto reader = std::make_unique<QImageReader>(QString::fromStdString(path));
    reader->setDecideFormatFromContent(true);
    reader->setAutoTransform(true);
    return reader;
}

bool IsGreyFormat(QImage::Format format) {
    return format == QImage::Format_Grayscale8 || format == QImage::Format_Grayscale16;
}

}  // namespace

bool CRasterDocument::Recognise(const std::string& path) {
    return MakeReader(path)->canRead();
}

std::unique_ptr<CRasterDocument> CRasterDocument::Open(const std::string& path, const std::string& name,
                                                       std::uint64_t fileSize, std::string& error) {
    const std::unique_ptr<QImageReader> reader = MakeReader(path);
    if (!reader->canRead()) {
        error = "This is not a DICOM, TIF or picture file.";
        return nullptr;
    }
    std::unique_ptr<CRasterDocument> document(new CRasterDocument);
    document->m_path = path;
    document->m_size = reader->size();
    document->m_pageCount = std::max(1, reader->imageCount());
    document->m_grey = IsGreyFormat(reader->imageFormat());
    const QByteArray format = reader->format().toUpper();
    if (!document->m_size.isValid() ||
        qint64{document->m_size.width()} * document->m_size.height() > kMaxPixels) {
        error = "The picture has no usable size.";
        return nullptr;
    }
    CMetadataSection file{"File", {}};
    file.entries.push_back({"File Name", name});
    file.entries.push_back({"File Size", std::to_string(fileSize) + " bytes"});
    file.entries.push_back({"Format", format.toStdString()});
    file.entries.push_back({"Pages", std::to_string(document->m_pageCount)});
    file.entries.push_back({"Dimensions", std::to_string(document->m_size.width()) + " x " +
                                              std::to_string(document->m_size.height())});
    document->m_metadata.push_back(std::move(file));
    CMetadataSection text{"Text", {}};
    for (const QString& key : reader->textKeys()) {
        text.entries.push_back({key.toStdString(), reader->text(key).toStdString()});
    }
    if (!text.entries.empty()) {
        document->m_metadata.push_back(std::move(text));
    }
    return document;
}

QSize CRasterDocument::PageSize(int page) const {
    return page >= 0 && page < m_pageCount ? m_size : QSize();
}

CDisplayParameters CRasterDocument::DisplayParameters(int) const {
    CDisplayParameters parameters;
    if (m_grey) {
        parameters.windows.push_back({127.5, 255, EVoiFunction::LinearExact, "Full range"});
    }
    return parameters;
}

bool CRasterDocument::DecodePage(int page, CFrame& frame, std::string& error) const {
    const std::unique_ptr<QImageReader> reader = MakeReader(m_path);
    if (page < 0 || page >= m_pageCount || (page > 0 && !reader->jumpToImage(page))) {
        error = "There is no page " + std::to_string(page + 1) + ".";
        return false;
    }
    QImage image = reader->read();
    if (image.isNull()) {
        error = "Page " + std::to_string(page + 1) + ": " + reader->errorString().toStdString() + ".";
        return false;
    }
    frame.width = image.width();
    frame.height = image.height();
    frame.bitsStored = 8;
    if (m_grey) {
        image = image.convertToFormat(QImage::Format_Grayscale8);
        frame.samplesPerPixel = 1;
        frame.photometric = EPhotometric::Monochrome2;
    } else {
        const bool alpha = image.hasAlphaChannel();
        image = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        frame.samplesPerPixel = alpha ? 4 : 3;
        frame.photometric = EPhotometric::Rgb;
    }
    const std::size_t rowBytes =
        static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.samplesPerPixel);
    std::vector<std::uint8_t> values(rowBytes * static_cast<std::size_t>(frame.height));
    for (int y = 0; y < frame.height; ++y) {
        std::memcpy(values.data() + static_cast<std::size_t>(y) * rowBytes, image.constScanLine(y), rowBytes);
    }
    frame.samples = std::move(values);
    frame.ComputeRange();
    return true;
}
