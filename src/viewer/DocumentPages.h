#pragma once

#include "viewer/ImageDocument.h"
#include "viewer/Renderer.h"
#include "viewer/writers/ImageWriter.h"

class CPageLoader;

// The pages of an open document as a save takes them: each decoded (through the loader, so
// pages at hand are not decoded again) and rendered with the window the view uses, and
// inverted when the view shows them inverted.
class CDocumentPages : public CSavePages {
public:
    CDocumentPages(const CImageDocument& document, CPageLoader& loader, const CVoiChoice& voi, bool inverted,
                   int frameInterval)
        : m_document(document),
          m_loader(loader),
          m_voi(voi),
          m_inverted(inverted),
          m_frameInterval(frameInterval) {}

    int Count() const override { return m_document.PageCount(); }
    QSize Size(int index) const override { return m_document.PageSize(index); }
    QImage Page(int index, std::string& error) const override;
    int FrameInterval() const override { return m_frameInterval; }

private:
    const CImageDocument& m_document;
    CPageLoader& m_loader;
    CVoiChoice m_voi;
    bool m_inverted;
    int m_frameInterval;
};
