#include "DocumentPages.h"

#include "viewer/PageLoader.h"

QImage CDocumentPages::Page(int index, std::string& error) const {
    const std::shared_ptr<const CFrame> frame = m_loader.Wait(index, error);
    if (!frame) {
        return {};
    }
    QImage image = RenderFrame(*frame, m_document.DisplayParameters(index), m_voi).image;
    if (m_inverted) {
        image.invertPixels();
    }
    return image;
}
