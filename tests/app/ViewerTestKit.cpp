#include "ViewerTestKit.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <filesystem>
#include <map>

#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "viewer/ViewerDispatchIds.h"

namespace {

namespace Id = ViewerDispatchIds;

const std::map<int, std::string> kNames = {
    {Id::FileName, "FileName"},
    {Id::ViewMode, "ViewMode"},
    {Id::OpenOption, "OpenOption"},
    {Id::ShowFile, "ShowFile"},
    {Id::ShowFileIndex, "ShowFileIndex"},
    {Id::SaveImage, "SaveImage"},
    {Id::ZoomIn, "ZoomIn"},
    {Id::ZoomOut, "ZoomOut"},
    {Id::PageCount, "PageCount"},
    {Id::OpenFile, "OpenFile"},
    {Id::GoToPage, "GoToPage"},
    {Id::SectionCount, "SectionCount"},
    {Id::SectionName, "SectionName"},
    {Id::EntryCount, "EntryCount"},
    {Id::EntryValue, "EntryValue"},
    {Id::EntryName, "EntryName"},
    {Id::Start, "Start"},
    {Id::LastError, "LastError"},
};

std::string Written(const CVariant& value) {
    if (value.IsText()) {
        return "'" + value.ToText() + "'";
    }
    return std::to_string(value.ToLong());
}

std::string Described(int dispid, const std::vector<CVariant>& args) {
    std::string call = kNames.at(dispid);
    if (args.empty()) {
        return call;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        call += (i == 0 ? "(" : ",") + Written(args[i]);
    }
    return call + ")";
}

// The skin: every control the commands address, at places of their own on a 600 x 400 window.
constexpr char kCompleteControls[] =
    "[SLIDERINFO]\n1=SLIDER_PROGRESS,none.bmp,none.bmp,none.bmp,10,370,200,386,H,0,Progress\n"
    "[LABELINFO]\n1=LABEL_TIME,210,370,400,386,,DejaVu Sans,9,0xFFFFFF\n"
    "[EDITBOXINFO]\n"
    "1=EDIT_PATH,300,10,590,30,0,0xFFFFFF,0x808080,FALSE\n"
    "2=EDIT_SAVE1,300,40,340,60,0,0xFFFFFF,0x808080,TRUE\n"
    "3=EDIT_SAVE2,350,40,390,60,0,0xFFFFFF,0x808080,TRUE\n"
    "4=EDIT_PAGE,300,70,340,90,0,0xFFFFFF,0x808080,TRUE\n"
    "5=EDIT_PAGECOUNT,350,70,390,90,0,0xFFFFFF,0x808080,FALSE\n"
    "6=EDIT_GOTO,400,70,440,90,0,0xFFFFFF,0x808080,TRUE\n"
    "7=EDIT_START,450,70,490,90,0,0xFFFFFF,0x808080,TRUE\n"
    "[LISTBOXINFO]\n"
    "1=LIST_SECTIONS,300,100,440,200,0xFFFFFF,0,0x800000,0xFFFFFF\n"
    "2=LIST_ENTRIES,450,100,590,200,0xFFFFFF,0,0x800000,0xFFFFFF\n"
    "3=LIST_VALUE,300,210,590,250,0xFFFFFF,0,0x800000,0xFFFFFF\n"
    "[COMBOBOXINFO]\n1=COMBO_FORMAT,300,260,500,340,none.bmp,0xFFFFFF,0,0x808080,0xFFFFFF,0,0x800000,"
    "0xFFFFFF\n";

}  // namespace

std::vector<std::string> CRecordedBoxes::Texts() const {
    std::vector<std::string> texts;
    for (const SBox& box : shown) {
        texts.push_back(box.text);
    }
    return texts;
}

QStringList CAnsweredDialogs::Open(QWidget*, const QString& filter) {
    filters.push_back(filter.toStdString());
    if (opens.empty()) {
        return {};
    }
    QStringList answer = opens.front();
    opens.pop_front();
    return answer;
}

QString CAnsweredDialogs::Save(QWidget*, const QString& filter) {
    filters.push_back(filter.toStdString());
    if (saves.empty()) {
        return {};
    }
    QString answer = saves.front();
    saves.pop_front();
    return answer;
}

CVariant CScriptedViewer::Invoke(int dispid, EDispatchKind, const std::vector<CVariant>& args) {
    m_calls.push_back(Described(dispid, args));
    if (dispid == failing) {
        throw CDispatchException(CDispatchException::ECode::Exception, "the control failed");
    }
    const auto section = [this](const CVariant& index) -> const std::vector<std::string>* {
        const std::int32_t s = index.ToLong();
        return s >= 0 && static_cast<std::size_t>(s) < sections.size()
                   ? &sections[static_cast<std::size_t>(s)].second
                   : nullptr;
    };
    switch (dispid) {
        case Id::OpenFile:
            m_shownPage = opens && pageCount > 0 ? 1 : 0;
            return CVariant::Bool(opens);
        case Id::ShowFileIndex:
            return CVariant::Short(static_cast<std::int16_t>(m_shownPage));
        case Id::ShowFile:
            return CVariant::Short(m_shownPage > 0 ? 1 : 0);
        case Id::GoToPage: {
            const int page = args[0].ToShort();
            const bool shown = page >= 1 && page <= pageCount;
            m_shownPage = shown ? page : m_shownPage;
            return CVariant::Bool(shown);
        }
        case Id::PageCount:
            return CVariant::Short(static_cast<std::int16_t>(pageCount));
        case Id::SaveImage:
            return CVariant::Short(saveResult);
        case Id::SectionCount:
            return CVariant::Long(static_cast<std::int32_t>(sections.size()));
        case Id::SectionName: {
            const std::int32_t s = args[0].ToLong();
            return CVariant::Text(section(args[0]) ? sections[static_cast<std::size_t>(s)].first : "");
        }
        case Id::EntryCount:
            return CVariant::Long(section(args[0]) ? static_cast<std::int32_t>(section(args[0])->size()) : 0);
        case Id::EntryName: {
            const auto* entries = section(args[0]);
            const std::int32_t e = args[1].ToLong();
            return CVariant::Text(entries && e >= 0 && static_cast<std::size_t>(e) < entries->size()
                                      ? (*entries)[static_cast<std::size_t>(e)]
                                      : "");
        }
        case Id::EntryValue:
            return CVariant::Text("v" + std::to_string(args[0].ToLong()) + "." +
                                  std::to_string(args[1].ToLong()));
        case Id::Start:
            return CVariant::Bool(args[0].ToLong() > 0 && pageCount > 0);
        case Id::LastError:
            return CVariant::Text(lastError);
        default:
            return CVariant();
    }
}

std::string CScriptedViewer::Take() {
    std::string joined;
    for (const std::string& call : m_calls) {
        joined += (joined.empty() ? "" : " ") + call;
    }
    m_calls.clear();
    return joined;
}

CViewerUnderTest::CViewerUnderTest(bool complete) {
    m_skin.Picture("back.bmp", SolidPicture(600, 400, qRgb(40, 30, 60)));
    m_skin.Description(std::string("[Screen]\nMain=back.bmp\n[CONTROL]\nCONTROL=10,10,290,360\n") +
                       (complete ? kCompleteControls : ""));
    m_dialog = std::make_unique<CViewerDialog>();
    m_dialog->show();
    m_dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
    // The window's own start-up may have loaded another skin; the tests use theirs.
    m_dialog->SetDescriptionPath(m_skin.DescriptionPath());
    m_dialog->LoadSkin();
    m_dialog->Viewer().Attach(&viewer);
    boxes.shown.clear();
}

void CViewerUnderTest::Type(std::size_t index, const QString& text) {
    m_dialog->EditBoxes().at(index)->setText(text);
}

std::string CViewerUnderTest::Edit(std::size_t index) const {
    return m_dialog->EditBoxes().at(index)->text().toStdString();
}

std::vector<std::string> CViewerUnderTest::Rows(std::size_t index) const {
    const CSkinListBox& list = *m_dialog->ListBoxes().at(index);
    std::vector<std::string> rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        rows.push_back(list.topLevelItem(row)->text(1).toStdString());
    }
    return rows;
}

void CViewerUnderTest::ClickRow(std::size_t index, int row) {
    CSkinListBox& list = *m_dialog->ListBoxes().at(index);
    const QRect rect = list.visualItemRect(list.topLevelItem(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
}

void CViewerUnderTest::StartAtPage(int page) {
    Type(5, QString::number(page));
    m_dialog->OnSkinButton("BUTTON_BROWSE2");
    Type(5, "");
    viewer.Take();
}

CWorkingFolder::CWorkingFolder(const std::string& folder)
    : m_saved(std::filesystem::current_path().string()) {
    std::filesystem::current_path(folder);
}

CWorkingFolder::~CWorkingFolder() {
    std::filesystem::current_path(m_saved);
}

std::string PydicomFile(const std::string& name) {
    return std::string(PYDICOM_DATA) + "/test_files/" + name;
}
