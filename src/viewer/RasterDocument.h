#pragma once

#include <memory>
#include <string>

#include "viewer/ImageDocument.h"

// A picture in a format Qt reads (PNG, JPEG, BMP, GIF, ...), recognised by content; animated
// formats have a page per frame.
class CRasterDocument : public CImageDocument {
public:
    static bool Recognise(const std::string& path);
    static std::unique_ptr<CRasterDocument> Open(const std::string& path, const std::string& name,
                                                 std::uint64_t fileSize, std::string& error);

    int PageCount() const override { return m_pageCount; }
    QSize PageSize(int page) const override;
    bool DecodePage(int page, CFrame& frame, std::string& error) const override;
    CDisplayParameters DisplayParameters(int page) const override;
    const CMetadata& Metadata() const override { return m_metadata; }

private:
    CRasterDocument() = default;

    std::string m_path;
    int m_pageCount = 0;
    QSize m_size;
    bool m_grey = false;
    CMetadata m_metadata;
};
