// What the viewer window does when its skinned controls are worked: the button commands by
// name, the page commands, saving, starting, and the three linked information lists.
#include <QCoreApplication>
#include <utility>

#include "app/IntegerText.h"
#include "app/ViewerDialog.h"
#include "controls/Label.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "controls/SkinSlider.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr char kSaveFilter[] =
    "PDF (*.pdf)|*.pdf|PhotoShop (*.psd)|*.psd|JPEG 2000 (*.j2k)|*.j2k;*.j2c|JPEG (*.jpg)|*.jpg|"
    "PCX (*.pcx)|*.pcx|WMF (*.wmf)|*.wmf|Wireless Bitmap (*.wbmp)|*.wbmp|Bitmap (*.bmp)|*.bmp|"
    "TIF (*.tif)|*.tif|TGA (*.tga)|*.tga|Gif (*.gif)|*.gif |PGX (*.pgx)|*.pgx|RAS (*.ras)|*.ras|"
    "PNM (*.pnm)|*.pnm|PNG (*.png)|*.png|Icon (*.ico)|*.ico||";

struct SZoomButton {
    const char* name;
    std::int16_t viewMode;
};
constexpr SZoomButton kZoomButtons[] = {
    {"BUTTON_ZOOM25", 1},  {"BUTTON_ZOOM33", 2},  {"BUTTON_ZOOM50", 3},  {"BUTTON_ZOOM75", 4},
    {"BUTTON_ZOOM100", 5}, {"BUTTON_ZOOM150", 6}, {"BUTTON_ZOOM200", 7},
};

// Message boxes are captioned with the application's title, the executable's base name.
QString ApplicationTitle() {
    return QCoreApplication::applicationName();
}

std::int32_t IntegerValue(const QString& text) {
    return IntegerText::Value(text.toStdString());
}

// The row a list last had selected (its current row), -1 for none.
int SelectionMark(const CSkinListBox* list) {
    return list && list->currentIndex().isValid() ? list->currentIndex().row() : -1;
}

// Focuses `list` and adds the row at `row` to its selection as its current row; -1 stands for
// every row and leaves no current one.
void MarkRow(CSkinListBox* list, int row) {
    if (!list) {
        return;
    }
    list->setFocus();
    QItemSelectionModel* selection = list->selectionModel();
    if (row < 0) {
        list->selectAll();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    if (row < list->topLevelItemCount()) {
        selection->setCurrentIndex(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

}  // namespace

void CViewerDialog::OnSkinButton(const std::string& name) {
    RunGuarded([this, &name] { RunCommand(name); });
}

void CViewerDialog::OnSkinOption(const std::string&) {}

void CViewerDialog::OnSkinSlider(const std::string& name, int position) {
    if (name != "SLIDER_PROGRESS") {
        return;
    }
    CSkinSlider* progress = FindSlider(name);
    CLabel* time = FindLabel("LABEL_TIME");
    if (progress && time) {
        time->SetText(FormatTime(position) + "/" + FormatTime(progress->GetRangeMax()));
        time->update();
    }
}

void CViewerDialog::OnSkinListClick() {
    RunGuarded([this] { UpdateInformationLists(); });
}

void CViewerDialog::RunGuarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const CDispatchException& error) {
        // The command ends where the control failed; the window goes on.
        ShowError(QString::fromStdString(error.Description()));
    }
}

void CViewerDialog::RunCommand(const std::string& name) {
    using Command = void (CViewerDialog::*)();
    static const std::pair<const char*, Command> kCommands[] = {
        {"BUTTON_EXIT", &CViewerDialog::accept},
        {"BUTTON_CLOSE", &CViewerDialog::accept},
        {"BUTTON_MINIMIZE", &CViewerDialog::Minimise},
        {"BUTTON_BROWSE1", &CViewerDialog::OpenImage},
        {"BUTTON_BROWSE2", &CViewerDialog::GoToTypedPage},
        {"BUTTON_START_1", &CViewerDialog::FirstPage},
        {"BUTTON_PREVIOUS", &CViewerDialog::PreviousPage},
        {"BUTTON_NEXT", &CViewerDialog::NextPage},
        {"BUTTON_END", &CViewerDialog::LastPage},
        {"BUTTON_SAVE", &CViewerDialog::SaveShownImage},
        {"BUTTON_PLAY", &CViewerDialog::OpenTif},
        {"BUTTON_START", &CViewerDialog::StartFromOpenedPath},
    };
    for (const auto& [commandName, command] : kCommands) {
        if (name == commandName) {
            (this->*command)();
            return;
        }
    }
    for (const SZoomButton& zoom : kZoomButtons) {
        if (name == zoom.name) {
            m_viewer.SetViewMode(zoom.viewMode);
            return;
        }
    }
    if (name == "BUTTON_IN") {
        m_viewer.ZoomIn();
    } else if (name == "BUTTON_OUT") {
        m_viewer.ZoomOut();
    }
}

void CViewerDialog::ShowPage(std::int32_t page) {
    m_viewer.SetViewMode(kFitMode);
    m_viewer.GoToPage(IntegerText::Low16(page));
}

void CViewerDialog::UpdatePageBox() {
    SetEditText(kPageBox, QString::number(m_currentPage));
}

void CViewerDialog::FirstPage() {
    ShowPage(1);
    m_currentPage = 1;
    SetEditText(kPageBox, "1");
}

void CViewerDialog::PreviousPage() {
    m_viewer.GoToPage(IntegerText::Low16(m_currentPage));
    if (m_currentPage > m_viewer.PageCount()) {
        ShowMessage("The page is a last one!");
    } else if (m_currentPage <= 1) {
        // A page below the first (typed into the go-to box) counts as the first: stepping on
        // from it would only name pages that do not exist.
        m_currentPage = 1;
        ShowPage(1);
        UpdatePageBox();
        ShowMessage("Already first page!");
    } else {
        --m_currentPage;
        ShowPage(m_currentPage);
        UpdatePageBox();
    }
}

void CViewerDialog::NextPage() {
    if (m_currentPage < m_viewer.PageCount()) {
        ++m_currentPage;
        ShowPage(m_currentPage);
        UpdatePageBox();
        return;
    }
    ShowMessage("The page is a last one!");
    m_currentPage = m_viewer.PageCount();
    UpdatePageBox();
}

void CViewerDialog::LastPage() {
    const std::int32_t last = m_viewer.PageCount();
    ShowPage(last);
    m_currentPage = last;
    UpdatePageBox();
}

void CViewerDialog::GoToTypedPage() {
    const QString text = EditText(kGoToBox);
    m_viewer.SetViewMode(kFitMode);
    if (!text.isEmpty()) {
        m_viewer.GoToPage(IntegerText::Low16(IntegerValue(text)));
    }
    SetEditText(kPageBox, text);
    m_currentPage = IntegerValue(text);
}

void CViewerDialog::SaveShownImage() {
    const QString path = CFileDialogs::Current().Save(this, kSaveFilter);
    if (path.isEmpty()) {
        return;
    }
    const QString settingA = EditText(kSaveSettingA);
    const QString settingB = EditText(kSaveSettingB);
    const std::int16_t saved = m_viewer.SaveImage(path.toStdString(), ComboText().toStdString(),
                                                  IntegerText::Low16(IntegerValue(settingA)),
                                                  IntegerText::Low16(IntegerValue(settingB)));
    ShowMessage(saved == 1 ? "Save successful!" : "Save fail!");
}

void CViewerDialog::StartFromOpenedPath() {
    const QString text = EditText(kStartBox);
    // Reopened by its full path, so the file shown is the file started, wherever the process
    // stands; with nothing opened yet there is nothing to reopen.
    if (!m_openedPath.empty()) {
        m_viewer.OpenFile(m_openedPath);
    }
    m_viewer.Start(IntegerValue(text));
}

void CViewerDialog::UpdateInformationLists() {
    m_selection1 = SelectionMark(List(kSectionList));
    m_selection2 = SelectionMark(List(kEntryList));
    m_selection3 = SelectionMark(List(kValueList));
    if (m_selection1 < 0) {
        m_selection1 = 0;
    }
    ClearRows(kEntryList);
    ClearRows(kValueList);
    FillEntries(m_selection1);
    FillValue(m_selection1, m_selection2);
    MarkRow(List(kSectionList), m_selection1);
    MarkRow(List(kEntryList), m_selection2);
    MarkRow(List(kValueList), m_selection3);
}

void CViewerDialog::ShowMessage(const QString& text) {
    CMessageBoxes::Current().Show(this, text, ApplicationTitle(), CMessageBoxes::Icon::Warning,
                                  CMessageBoxes::Buttons::Ok);
}

void CViewerDialog::ShowError(const QString& text) {
    CMessageBoxes::Current().Show(this, text, ApplicationTitle(), CMessageBoxes::Icon::Stop,
                                  CMessageBoxes::Buttons::Ok);
}

QString CViewerDialog::EditText(std::size_t index) const {
    return index < EditBoxes().size() ? EditBoxes()[index]->text() : QString();
}

void CViewerDialog::SetEditText(std::size_t index, const QString& text) const {
    if (index < EditBoxes().size()) {
        EditBoxes()[index]->setText(text);
    }
}

CSkinListBox* CViewerDialog::List(std::size_t index) const {
    return index < ListBoxes().size() ? ListBoxes()[index].get() : nullptr;
}

QString CViewerDialog::ComboText() const {
    return ComboBoxes().empty() || !ComboBoxes().front()->Edit() ? QString()
                                                                 : ComboBoxes().front()->Edit()->text();
}

void CViewerDialog::ClearRows(EInfoList list) const {
    if (CSkinListBox* rows = List(list)) {
        rows->clear();
    }
}

void CViewerDialog::FillEntries(std::int32_t section) {
    if (CSkinListBox* entries = List(kEntryList)) {
        const std::int32_t count = m_viewer.EntryCount(section);
        for (std::int32_t e = 0; e < count; ++e) {
            InsertRow(*entries, e + 1, m_viewer.EntryName(section, e));
        }
    }
}

void CViewerDialog::FillValue(std::int32_t section, std::int32_t entry) {
    if (CSkinListBox* value = List(kValueList)) {
        InsertRow(*value, 1, m_viewer.EntryValue(section, entry));
    }
}

void CViewerDialog::InsertRow(CSkinListBox& list, int number, const std::string& text) {
    auto* row = new QTreeWidgetItem(&list);
    row->setText(0, QString::number(number) + ".");
    row->setText(1, QString::fromStdString(text));
}
