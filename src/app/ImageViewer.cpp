#include "ImageViewer.h"

#include "viewer/ViewerDispatchIds.h"

namespace {

namespace Id = ViewerDispatchIds;
constexpr EDispatchKind kPut = EDispatchKind::PropertyPut;
constexpr EDispatchKind kCall = EDispatchKind::Method;
constexpr EDispatchKind kGet = EDispatchKind::PropertyGet;

}  // namespace

CVariant CImageViewer::Invoke(int dispid, EDispatchKind kind, std::vector<CVariant> args) {
    if (!m_target) {
        throw CDispatchException(CDispatchException::ECode::Exception,
                                 "The viewer control is not available.");
    }
    return m_target->Invoke(dispid, kind, args);
}

void CImageViewer::SetFileName(const std::string& path) {
    Invoke(Id::FileName, kPut, {CVariant::Text(path)});
}

void CImageViewer::SetViewMode(std::int16_t mode) {
    Invoke(Id::ViewMode, kPut, {CVariant::Short(mode)});
}

void CImageViewer::SetOpenOption(std::int32_t option) {
    Invoke(Id::OpenOption, kPut, {CVariant::Long(option)});
}

std::int16_t CImageViewer::ShowFile(const std::string& path, std::int16_t index) {
    return Invoke(Id::ShowFile, kCall, {CVariant::Text(path), CVariant::Short(index)}).ToShort();
}

std::int16_t CImageViewer::ShowFileIndex() {
    return Invoke(Id::ShowFileIndex, kCall).ToShort();
}

std::int16_t CImageViewer::SaveImage(const std::string& path, const std::string& text, std::int16_t a,
                                     std::int16_t b) {
    return Invoke(Id::SaveImage, kCall,
                  {CVariant::Text(path), CVariant::Text(text), CVariant::Short(a), CVariant::Short(b)})
        .ToShort();
}

void CImageViewer::ZoomIn() {
    Invoke(Id::ZoomIn, kCall);
}

void CImageViewer::ZoomOut() {
    Invoke(Id::ZoomOut, kCall);
}

std::int16_t CImageViewer::PageCount() {
    return Invoke(Id::PageCount, kCall).ToShort();
}

bool CImageViewer::OpenFile(const std::string& name) {
    return Invoke(Id::OpenFile, kCall, {CVariant::Text(name)}).ToBool();
}

bool CImageViewer::GoToPage(std::int16_t page) {
    return Invoke(Id::GoToPage, kCall, {CVariant::Short(page)}).ToBool();
}

std::int32_t CImageViewer::SectionCount() {
    return Invoke(Id::SectionCount, kCall).ToLong();
}

std::string CImageViewer::SectionName(std::int32_t section) {
    return Invoke(Id::SectionName, kCall, {CVariant::Long(section)}).ToText();
}

std::int32_t CImageViewer::EntryCount(std::int32_t section) {
    return Invoke(Id::EntryCount, kCall, {CVariant::Long(section)}).ToLong();
}

std::string CImageViewer::EntryValue(std::int32_t section, std::int32_t entry) {
    return Invoke(Id::EntryValue, kCall, {CVariant::Long(section), CVariant::Long(entry)}).ToText();
}

std::string CImageViewer::EntryName(std::int32_t section, std::int32_t entry) {
    return Invoke(Id::EntryName, kCall, {CVariant::Long(section), CVariant::Long(entry)}).ToText();
}

bool CImageViewer::Start(std::int32_t value) {
    return Invoke(Id::Start, kCall, {CVariant::Long(value)}).ToBool();
}

std::string CImageViewer::LastError() {
    return Invoke(Id::LastError, kGet).ToText();
}
