#include <gtest/gtest.h>

#include <functional>

#include "app/ImageViewer.h"
#include "viewer/ViewerDispatchIds.h"

namespace {

namespace Id = ViewerDispatchIds;

// Records each call and answers with a preset result.
class CRecordingTarget : public IDispatchTarget {
public:
    struct CCall {
        int dispid;
        EDispatchKind kind;
        std::vector<CVariant> args;
    };

    CVariant Invoke(int dispid, EDispatchKind kind, const std::vector<CVariant>& args) override {
        calls.push_back({dispid, kind, args});
        return result;
    }

    std::vector<CCall> calls;
    CVariant result;
};

struct CCase {
    const char* name;
    std::function<CVariant(CImageViewer&)> call;
    int dispid;
    EDispatchKind kind;
    std::vector<CVariant> args;
    CVariant answer;    // what the control returns
    CVariant expected;  // what the wrapper hands back, as a variant
};

TEST(ImageViewer, EachOperationIsOneCallWithItsIdentifierKindAndTypes) {
    using V = CVariant;
    const auto put = EDispatchKind::PropertyPut;
    const auto call = EDispatchKind::Method;
    const CCase cases[] = {
        {"FileName",
         [](CImageViewer& v) {
             v.SetFileName("a.tif");
             return V();
         },
         Id::FileName,
         put,
         {V::Text("a.tif")},
         {},
         {}},
        {"ViewMode",
         [](CImageViewer& v) {
             v.SetViewMode(10);
             return V();
         },
         Id::ViewMode,
         put,
         {V::Short(10)},
         {},
         {}},
        {"OpenOption",
         [](CImageViewer& v) {
             v.SetOpenOption(1);
             return V();
         },
         Id::OpenOption,
         put,
         {V::Long(1)},
         {},
         {}},
        {"ShowFile",
         [](CImageViewer& v) { return V::Short(v.ShowFile("p", 2)); },
         Id::ShowFile,
         call,
         {V::Text("p"), V::Short(2)},
         V::Short(1),
         V::Short(1)},
        {"ShowFileIndex",
         [](CImageViewer& v) { return V::Short(v.ShowFileIndex()); },
         Id::ShowFileIndex,
         call,
         {},
         V::Short(3),
         V::Short(3)},
        {"SaveImage",
         [](CImageViewer& v) { return V::Short(v.SaveImage("o.png", "lzw", 5, -1)); },
         Id::SaveImage,
         call,
         {V::Text("o.png"), V::Text("lzw"), V::Short(5), V::Short(-1)},
         V::Short(1),
         V::Short(1)},
        {"ZoomIn",
         [](CImageViewer& v) {
             v.ZoomIn();
             return V();
         },
         Id::ZoomIn,
         call,
         {},
         {},
         {}},
        {"ZoomOut",
         [](CImageViewer& v) {
             v.ZoomOut();
             return V();
         },
         Id::ZoomOut,
         call,
         {},
         {},
         {}},
        {"PageCount",
         [](CImageViewer& v) { return V::Short(v.PageCount()); },
         Id::PageCount,
         call,
         {},
         V::Short(7),
         V::Short(7)},
        // A Boolean result is delivered as 0 or 1, whatever non-zero value the control used.
        {"OpenFile",
         [](CImageViewer& v) { return V::Bool(v.OpenFile("x.dcm")); },
         Id::OpenFile,
         call,
         {V::Text("x.dcm")},
         V::Long(-1),
         V::Bool(true)},
        {"GoToPage",
         [](CImageViewer& v) { return V::Bool(v.GoToPage(-2)); },
         Id::GoToPage,
         call,
         {V::Short(-2)},
         V::Bool(false),
         V::Bool(false)},
        {"SectionCount",
         [](CImageViewer& v) { return V::Long(v.SectionCount()); },
         Id::SectionCount,
         call,
         {},
         V::Long(4),
         V::Long(4)},
        {"SectionName",
         [](CImageViewer& v) { return V::Text(v.SectionName(-1)); },
         Id::SectionName,
         call,
         {V::Long(-1)},
         V::Text(""),
         V::Text("")},
        {"EntryCount",
         [](CImageViewer& v) { return V::Long(v.EntryCount(2)); },
         Id::EntryCount,
         call,
         {V::Long(2)},
         V::Long(9),
         V::Long(9)},
        {"EntryValue",
         [](CImageViewer& v) { return V::Text(v.EntryValue(1, 2)); },
         Id::EntryValue,
         call,
         {V::Long(1), V::Long(2)},
         V::Text("v"),
         V::Text("v")},
        {"EntryName",
         [](CImageViewer& v) { return V::Text(v.EntryName(1, 2)); },
         Id::EntryName,
         call,
         {V::Long(1), V::Long(2)},
         V::Text("n"),
         V::Text("n")},
        {"Start",
         [](CImageViewer& v) { return V::Bool(v.Start(500)); },
         Id::Start,
         call,
         {V::Long(500)},
         V::Bool(true),
         V::Bool(true)},
        {"LastError",
         [](CImageViewer& v) { return V::Text(v.LastError()); },
         Id::LastError,
         EDispatchKind::PropertyGet,
         {},
         V::Text("why"),
         V::Text("why")},
    };
    for (const CCase& c : cases) {
        CRecordingTarget target;
        target.result = c.answer;
        CImageViewer viewer(&target);
        EXPECT_EQ(c.call(viewer), c.expected) << c.name;
        ASSERT_EQ(target.calls.size(), 1u) << c.name;
        EXPECT_EQ(target.calls[0].dispid, c.dispid) << c.name;
        EXPECT_EQ(target.calls[0].kind, c.kind) << c.name;
        EXPECT_EQ(target.calls[0].args, c.args) << c.name;
    }
}

TEST(ImageViewer, WithoutAControlEveryCallThrows) {
    CImageViewer viewer;
    EXPECT_THROW(viewer.PageCount(), CDispatchException);
    EXPECT_THROW(viewer.SetViewMode(1), CDispatchException);
}

}  // namespace
