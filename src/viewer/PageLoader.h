#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "dicom/Frame.h"
#include "viewer/ImageDocument.h"

// Decodes the pages of one document away from the window's thread and keeps the recent ones.
// Pages are decoded one at a time, the page asked for last first, then the pages worth having
// ahead (for paging and cine); results arrive through PageReady on the loader's thread.
class CPageLoader : public QObject {
    Q_OBJECT

public:
    explicit CPageLoader(std::shared_ptr<const CImageDocument> document, QObject* parent = nullptr);
    ~CPageLoader() override;

    // The page when it is at hand; otherwise null, and it is decoded next.
    std::shared_ptr<const CFrame> Request(int page);
    // Pages to decode after the requested one, in this order; replaces the previous wish list.
    void Prefetch(const std::vector<int>& pages);
    // The page, decoding it on this thread if no worker has it in hand; null with the reason
    // when it cannot be decoded.
    std::shared_ptr<const CFrame> Wait(int page, std::string& error);
    // Why the page could not be decoded, empty when it could (or has not been tried).
    std::string Error(int page) const;

signals:
    // The page is decoded, or failed (then Error tells why).
    void PageReady(int page);

private:
    struct CState;
    void StartWorker();

    std::shared_ptr<CState> m_state;
};
