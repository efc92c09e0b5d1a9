#include <gtest/gtest.h>

#include "DicomFixtures.h"
#include "viewer/ImageViewerControl.h"
#include "viewer/ViewerDispatchIds.h"

namespace {

using namespace ViewerDispatchIds;

class ViewerDispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        CDicomWriter writer;
        writer.Image(2, 2, 1, 8, 8, false, "MONOCHROME2", 3).Text(0x0010, 0x0010, "PN", "A^B");
        writer.Bytes(0x7FE0, 0x0010, "OB", std::vector<std::uint8_t>(12, 9));
        m_path = m_folder.File("three.dcm");
        writer.Save(m_path);
    }

    CVariant Call(int dispid, std::vector<CVariant> args = {}) {
        return m_control.Invoke(dispid, EDispatchKind::Method, args);
    }

    CDispatchException::ECode FailureOf(int dispid, EDispatchKind kind, std::vector<CVariant> args) {
        try {
            m_control.Invoke(dispid, kind, args);
        } catch (const CDispatchException& exception) {
            EXPECT_FALSE(exception.Description().empty());
            return exception.Code();
        }
        ADD_FAILURE() << "member " << dispid << " did not fail";
        return CDispatchException::ECode::Exception;
    }

    CTempDir m_folder;
    std::string m_path;
    CImageViewerControl m_control;
};

TEST_F(ViewerDispatchTest, MembersTakeAndReturnTheirDeclaredTypes) {
    m_control.Invoke(OpenOption, EDispatchKind::PropertyPut, {CVariant::Long(1)});
    EXPECT_EQ(Call(OpenFile, {CVariant::Text(m_path)}), CVariant::Bool(true));
    m_control.Invoke(ViewMode, EDispatchKind::PropertyPut, {CVariant::Short(3)});
    EXPECT_DOUBLE_EQ(m_control.Scale(), 0.5);
    EXPECT_EQ(Call(ShowFileIndex), CVariant::Short(1));
    EXPECT_EQ(Call(ShowFile, {CVariant::Text(m_path), CVariant::Short(2)}), CVariant::Short(1));
    EXPECT_EQ(Call(PageCount), CVariant::Short(3));
    EXPECT_EQ(Call(GoToPage, {CVariant::Short(3)}), CVariant::Bool(true));
    EXPECT_EQ(Call(GoToPage, {CVariant::Short(4)}), CVariant::Bool(false));
    EXPECT_EQ(Call(SectionName, {CVariant::Long(0)}), CVariant::Text("File"));
    EXPECT_EQ(Call(EntryName, {CVariant::Long(0), CVariant::Long(0)}), CVariant::Text("File Name"));
    EXPECT_EQ(Call(EntryValue, {CVariant::Long(0), CVariant::Long(0)}), CVariant::Text("three.dcm"));
    EXPECT_EQ(Call(EntryCount, {CVariant::Long(-1)}), CVariant::Long(0));
    EXPECT_EQ(Call(SectionCount), CVariant::Long(m_control.SectionCount()));
    Call(ZoomIn);
    EXPECT_DOUBLE_EQ(m_control.Scale(), 0.75);
    Call(ZoomOut);
    EXPECT_DOUBLE_EQ(m_control.Scale(), 0.5);
    EXPECT_EQ(Call(SaveImage, {CVariant::Text(m_folder.File("out.png")), CVariant::Text(""),
                               CVariant::Short(0), CVariant::Short(0)}),
              CVariant::Short(1));
    EXPECT_EQ(Call(Start, {CVariant::Long(500)}), CVariant::Bool(true));
    EXPECT_EQ(Call(Start, {CVariant::Long(0)}), CVariant::Bool(false));
    m_control.Invoke(FileName, EDispatchKind::PropertyPut, {CVariant::Text(m_path)});
    EXPECT_EQ(m_control.PageCount(), 3);
}

TEST_F(ViewerDispatchTest, SixteenBitArgumentsAreTakenAsAShortAndCountsAreHeldInItsRange) {
    ASSERT_TRUE(m_control.Open(m_path));
    // 65538 reaches a short parameter as 2.
    EXPECT_EQ(Call(GoToPage, {CVariant::Long(65538)}), CVariant::Bool(true));
    EXPECT_EQ(m_control.ShowFileIndex(), 2);

    CDicomWriter many;
    many.Image(1, 1, 1, 8, 8, false, "MONOCHROME2", 40000);
    many.Bytes(0x7FE0, 0x0010, "OB", std::vector<std::uint8_t>(40000, 1));
    const std::string path = m_folder.File("many.dcm");
    many.Save(path);
    ASSERT_TRUE(m_control.Open(path));
    EXPECT_EQ(m_control.PageCount(), 40000);
    EXPECT_EQ(Call(PageCount), CVariant::Short(32767));
}

TEST_F(ViewerDispatchTest, FailuresReachTheCallerAsDispatchExceptions) {
    using ECode = CDispatchException::ECode;
    EXPECT_EQ(FailureOf(999, EDispatchKind::Method, {}), ECode::MemberNotFound);
    EXPECT_EQ(FailureOf(PageCount, EDispatchKind::PropertyPut, {CVariant::Short(1)}), ECode::MemberNotFound);
    EXPECT_EQ(FailureOf(FileName, EDispatchKind::Method, {CVariant::Text(m_path)}), ECode::MemberNotFound);
    EXPECT_EQ(FailureOf(GoToPage, EDispatchKind::Method, {}), ECode::BadParamCount);
    EXPECT_EQ(FailureOf(EntryValue, EDispatchKind::Method, {CVariant::Long(0)}), ECode::BadParamCount);
    EXPECT_EQ(FailureOf(GoToPage, EDispatchKind::Method, {CVariant::Text("2")}), ECode::TypeMismatch);
    EXPECT_EQ(FailureOf(OpenFile, EDispatchKind::Method, {CVariant::Short(1)}), ECode::TypeMismatch);
    EXPECT_EQ(FailureOf(FileName, EDispatchKind::PropertyPut, {CVariant::Text(m_folder.File("missing.dcm"))}),
              ECode::Exception);
}

TEST_F(ViewerDispatchTest, TheReasonForAFailedOpenIsKeptUntilAFileOpens) {
    const CVariant missing = CVariant::Text(m_folder.File("missing.dcm"));
    EXPECT_EQ(Call(OpenFile, {missing}), CVariant::Bool(false));
    const CVariant reason = m_control.Invoke(LastError, EDispatchKind::PropertyGet, {});
    ASSERT_TRUE(reason.IsText());
    EXPECT_FALSE(reason.ToText().empty());
    EXPECT_EQ(Call(OpenFile, {CVariant::Text(m_path)}), CVariant::Bool(true));
    EXPECT_EQ(m_control.Invoke(LastError, EDispatchKind::PropertyGet, {}), CVariant::Text(""));
}

}  // namespace
