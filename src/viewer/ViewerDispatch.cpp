// The automation interface of the viewer control: each operation by its dispatch identifier,
// its kind, its argument types and its result type.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "viewer/ImageViewerControl.h"
#include "viewer/ViewerDispatchIds.h"

namespace {

using CArgs = std::vector<CVariant>;

struct CMember {
    int dispid;
    EDispatchKind kind;
    std::size_t arguments;
    CVariant (*call)(CImageViewerControl& control, const CArgs& args);
};

// Results of type short are held within its range rather than wrapped: a count of 40000 pages
// must not read as a negative number.
CVariant Short(int value) {
    return CVariant::Short(static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max())));
}

CVariant Long(int value) {
    return CVariant::Long(value);
}

using namespace ViewerDispatchIds;
constexpr EDispatchKind kPut = EDispatchKind::PropertyPut;
constexpr EDispatchKind kCall = EDispatchKind::Method;
constexpr EDispatchKind kGet = EDispatchKind::PropertyGet;

const CMember kMembers[] = {
    {FileName, kPut, 1,
     [](CImageViewerControl& control, const CArgs& args) {
         const std::string& path = args[0].ToText();
         if (!control.SetFileName(path)) {
             throw CDispatchException(CDispatchException::ECode::Exception,
                                      "Cannot open \"" + path + "\": " + control.LastError());
         }
         return CVariant();
     }},
    {ViewMode, kPut, 1,
     [](CImageViewerControl& control, const CArgs& args) {
         control.SetViewMode(args[0].ToShort());
         return CVariant();
     }},
    {OpenOption, kPut, 1,
     [](CImageViewerControl& control, const CArgs& args) {
         control.SetOpenOption(args[0].ToLong());
         return CVariant();
     }},
    {ShowFile, kCall, 2,
     [](CImageViewerControl& control, const CArgs& args) {
         return Short(control.ShowFile(args[0].ToText(), args[1].ToShort()));
     }},
    {ShowFileIndex, kCall, 0,
     [](CImageViewerControl& control, const CArgs&) { return Short(control.ShowFileIndex()); }},
    {SaveImage, kCall, 4,
     [](CImageViewerControl& control, const CArgs& args) {
         return Short(
             control.SaveImage(args[0].ToText(), args[1].ToText(), args[2].ToShort(), args[3].ToShort()));
     }},
    {ZoomIn, kCall, 0,
     [](CImageViewerControl& control, const CArgs&) {
         control.ZoomIn();
         return CVariant();
     }},
    {ZoomOut, kCall, 0,
     [](CImageViewerControl& control, const CArgs&) {
         control.ZoomOut();
         return CVariant();
     }},
    {PageCount, kCall, 0,
     [](CImageViewerControl& control, const CArgs&) { return Short(control.PageCount()); }},
    {OpenFile, kCall, 1,
     [](CImageViewerControl& control, const CArgs& args) {
         return CVariant::Bool(control.OpenFile(args[0].ToText()));
     }},
    {GoToPage, kCall, 1,
     [](CImageViewerControl& control, const CArgs& args) {
         return CVariant::Bool(control.GoToPage(args[0].ToShort()));
     }},
    {SectionCount, kCall, 0,
     [](CImageViewerControl& control, const CArgs&) { return Long(control.SectionCount()); }},
    {SectionName, kCall, 1,
     [](CImageViewerControl& control, const CArgs& args) {
         return CVariant::Text(control.SectionName(args[0].ToLong()));
     }},
    {EntryCount, kCall, 1,
     [](CImageViewerControl& control, const CArgs& args) {
         return Long(control.EntryCount(args[0].ToLong()));
     }},
    {EntryValue, kCall, 2,
     [](CImageViewerControl& control, const CArgs& args) {
         return CVariant::Text(control.EntryValue(args[0].ToLong(), args[1].ToLong()));
     }},
    {EntryName, kCall, 2,
     [](CImageViewerControl& control, const CArgs& args) {
         return CVariant::Text(control.EntryName(args[0].ToLong(), args[1].ToLong()));
     }},
    {Start, kCall, 1,
     [](CImageViewerControl& control, const CArgs& args) {
         return CVariant::Bool(control.Start(args[0].ToLong()));
     }},
    {LastError, kGet, 0,
     [](CImageViewerControl& control, const CArgs&) { return CVariant::Text(control.LastError()); }},
};

}  // namespace

CVariant CImageViewerControl::Invoke(int dispid, EDispatchKind kind, const std::vector<CVariant>& args) {
    const auto member =
        std::find_if(std::begin(kMembers), std::end(kMembers),
                     [dispid, kind](const CMember& m) { return m.dispid == dispid && m.kind == kind; });
    if (member == std::end(kMembers)) {
        throw CDispatchException(
            CDispatchException::ECode::MemberNotFound,
            "The viewer control has no member " + std::to_string(dispid) + " of that kind.");
    }
    if (args.size() != member->arguments) {
        throw CDispatchException(CDispatchException::ECode::BadParamCount,
                                 "Member " + std::to_string(dispid) + " takes " +
                                     std::to_string(member->arguments) + " arguments, not " +
                                     std::to_string(args.size()) + ".");
    }
    return member->call(*this, args);
}
