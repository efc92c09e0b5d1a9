#pragma once

#include <QIODevice>
#include <QImage>
#include <QSize>
#include <string>

// What SaveImage passes on besides the pages: an option word and two numbers.
// - text: for TIFF the compression ("none", "lzw", "deflate", "packbits", "jpeg"; empty means
//   lzw), ignored by the other formats.
// - a: the quality from 1 to 100 for JPEG (TIFF's JPEG compression too) and JPEG 2000; 0 gives
//   JPEG 90 and lossless JPEG 2000.
// - b: 1 saves every page where the format holds several (TIFF, GIF, PDF), anything else only
//   the shown page.
struct CSaveOptions {
    std::string text;
    int a = 0;
    int b = 0;
};

// The JPEG quality that `a` asks for.
int JpegQuality(int a);

// A page as Grayscale8: grey pages as they are, colour pages (RGB888) as their luma with the
// weights of ITU-R BT.601, as video and JPEG define it.
QImage GreyOf(const QImage& page);

// The pages of a save, rendered one at a time when a writer asks for them, so that saving a
// long series does not hold all of it in memory.
class CSavePages {
public:
    virtual ~CSavePages() = default;

    virtual int Count() const = 0;
    virtual QSize Size(int index) const = 0;
    // Page `index` (from 0) as displayed; null with a reason when it cannot be rendered. Writers
    // get grey pages as Grayscale8 and colour pages as RGB888.
    virtual QImage Page(int index, std::string& error) const = 0;
    // Milliseconds from one page to the next when the pages are played.
    virtual int FrameInterval() const = 0;
};

// Pages held in memory.
class CImagePages : public CSavePages {
public:
    explicit CImagePages(std::vector<QImage> images, int frameInterval = 100)
        : m_images(std::move(images)), m_frameInterval(frameInterval) {}

    int Count() const override { return static_cast<int>(m_images.size()); }
    QSize Size(int index) const override { return m_images[static_cast<std::size_t>(index)].size(); }
    QImage Page(int index, std::string&) const override { return m_images[static_cast<std::size_t>(index)]; }
    int FrameInterval() const override { return m_frameInterval; }

private:
    std::vector<QImage> m_images;
    int m_frameInterval;
};

// Writes pictures in one file format. One writer class per library; the table in
// ImageWriter.cpp chooses one by the path's extension.
class CImageWriter {
public:
    virtual ~CImageWriter() = default;

    // True when the format holds several pages in one file.
    virtual bool HoldsSeveralPages() const { return false; }
    // Writes the pages (just the first unless HoldsSeveralPages) to `device`, which is open for
    // reading and writing; false with a reason when the page or the library fails.
    virtual bool Write(const CSavePages& pages, QIODevice& device, const CSaveOptions& options,
                       std::string& error) const = 0;
};

// A writer of one page at a time for formats that hold one.
class CSinglePageWriter : public CImageWriter {
public:
    bool Write(const CSavePages& pages, QIODevice& device, const CSaveOptions& options,
               std::string& error) const final;

protected:
    virtual bool WritePage(const QImage& page, QIODevice& device, const CSaveOptions& options,
                           std::string& error) const = 0;
};

// The writer for the path's extension (case does not matter), or null for an unknown one.
const CImageWriter* WriterForPath(const std::string& path);

// Saves pages to `path` in the format its extension names: every page when options.b is 1 and
// the format holds several, otherwise page `shown` alone. The file is written beside the target
// and renamed over it only when complete, so a failure leaves no partial file and an existing
// file intact.
bool SaveImageFile(const CSavePages& pages, int shown, const std::string& path, const CSaveOptions& options,
                   std::string& error);
// Saves one picture.
bool SaveImageFile(const QImage& image, const std::string& path, const CSaveOptions& options,
                   std::string& error);
