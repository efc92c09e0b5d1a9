#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "viewer/ImageDocument.h"

typedef struct tiff TIFF;

// A TIFF file, one page per image directory. Grey pages of 8 and 16 bits keep their values
// (16-bit ones are shown by their range); other pages are read as RGB(A).
class CTiffDocument : public CImageDocument {
public:
    static bool Recognise(const std::uint8_t* head, std::size_t size);
    static std::unique_ptr<CTiffDocument> Open(const std::string& path, const std::string& name,
                                               std::uint64_t fileSize, std::string& error);
    ~CTiffDocument() override;

    int PageCount() const override { return static_cast<int>(m_pages.size()); }
    QSize PageSize(int page) const override;
    bool DecodePage(int page, CFrame& frame, std::string& error) const override;
    CDisplayParameters DisplayParameters(int page) const override;
    const CMetadata& Metadata() const override { return m_metadata; }

    // What a page's directory says, read once when the file opens.
    struct CPageInfo {
        std::uint32_t width = 0;
        std::uint32_t height = 0;
        std::uint16_t bitsPerSample = 1;
        std::uint16_t samplesPerPixel = 1;
        std::uint16_t photometric = 1;
        std::uint16_t sampleFormat = 1;
        std::uint16_t compression = 1;
        std::uint16_t extraSamples = 0;
        bool tiled = false;
        std::vector<CMetadataEntry> tags;

        // Grey pages whose values are kept rather than read as colour.
        bool RawGrey() const;
    };

private:
    CTiffDocument() = default;
    bool ReadPages(std::string& error);
    void BuildMetadata(const std::string& name, std::uint64_t fileSize);
    bool ReadGrey(const CPageInfo& info, CFrame& frame) const;
    bool ReadColour(const CPageInfo& info, CFrame& frame) const;

    // libtiff reads through one handle with a current directory: one page at a time.
    mutable std::mutex m_mutex;
    TIFF* m_tiff = nullptr;
    mutable std::string m_lastError;
    std::vector<CPageInfo> m_pages;
    CMetadata m_metadata;
};
