#pragma once

#include <QImage>
#include <string>

// What SaveImage passes on besides the picture: an option word and two numbers whose meaning
// depends on the format (for JPEG, `a` is the quality from 1 to 100, 0 for the default).
struct CSaveOptions {
    std::string text;
    int a = 0;
    int b = 0;
};

// Writes a picture in one file format. One writer class per library; the table in
// ImageWriter.cpp chooses one by the path's extension.
class CImageWriter {
public:
    virtual ~CImageWriter() = default;
    // Writes `image` to `device`; false with a reason when the library refuses.
    virtual bool Write(const QImage& image, QIODevice& device, const CSaveOptions& options,
                       std::string& error) const = 0;
};

// The writer for the path's extension (case does not matter), or null for an unknown one.
const CImageWriter* WriterForPath(const std::string& path);

// Saves `image` to `path` in the format its extension names. The file is written beside the
// target and renamed over it only when complete, so a failure leaves no partial file and an
// existing file intact.
bool SaveImageFile(const QImage& image, const std::string& path, const CSaveOptions& options,
                   std::string& error);
