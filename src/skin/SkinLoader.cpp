// Building the window from a skin description, and taking it down again.

#include "controls/CellSizeFont.h"
#include "controls/ComboDropButton.h"
#include "controls/ComboList.h"
#include "controls/Label.h"
#include "controls/SkinButton.h"
#include "controls/SkinCheckButton.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "controls/SkinOptionButton.h"
#include "controls/SkinSlider.h"
#include "popup/TaskNotifierDlg.h"
#include "skin/IniFile.h"
#include "skin/SkinDialog.h"
#include "skin/SkinEntries.h"
#include "skin/SkinFields.h"

namespace {

// Range of every slider of a skin: seconds of a two-hour run.
constexpr int kSliderMax = 7200;

// Every list of a skin uses this face, by its character cell.
constexpr char kListFace[] = "Arial";
constexpr int kListFontHeight = 18;
constexpr int kListFontWidth = 10;
// The number column of a list box, and what the text column leaves free at the right.
constexpr int kNumberColumnWidth = 35;
constexpr int kTextColumnMargin = 40;

// The promotional popup's face in every skin folder, and the pace of its slide.
constexpr char kNotifierFace[] = "dlgTaskNotifier.bmp";
constexpr std::uint32_t kNotifierAppearMs = 300;
constexpr std::uint32_t kNotifierStayMs = 1000;
constexpr std::uint32_t kNotifierHideMs = 300;

// Places a freshly made control of the skin window and shows it.
void Place(QWidget& control, const SkinRect& rect) {
    control.setGeometry(rect.ToQRect());
    control.show();
}

}  // namespace

void CSkinDialog::LoadSkin() {
    ReloadNotifier();
    FreeSkin();
    const CIniFile ini(m_descriptionPath);
    LoadBackground(ini);
    LoadTransparentColor(ini);
    BuildShape(m_shape, m_background, m_transparentColor);
    LoadControlRect(ini);
    LoadTaskbarButtons(ini);
    LoadIcon(ini);
    LoadPushButtons(ini);
    LoadSliders(ini);
    LoadOptionButtons(ini);
    LoadCheckButtons(ini);
    LoadCaption(ini);
    LoadLabels(ini);
    LoadEditBoxes(ini);
    LoadListBoxes(ini);
    LoadComboBoxes(ini);
    PrepareTimeLabel();
    MakeBackgroundCanvas();
    update();
}

void CSkinDialog::FreeSkin() {
    m_background.Clear();
    m_shape = QRegion();
    m_canvas = QImage();
    m_pushButtons.clear();
    m_editBoxes.clear();
    m_listBoxes.clear();
    m_optionButtons.clear();
    m_checkButtons.clear();
    m_labels.clear();
    m_captionLabel.reset();
    m_sliders.clear();
    m_comboBoxes.clear();
}

void CSkinDialog::ReloadNotifier() {
    if (!m_notifierSettings.enabled) {
        return;
    }
    if (!m_notifier) {
        m_notifier = std::make_unique<CTaskNotifierDlg>(this);
        m_notifier->SetPageUrl(NotifierPageUrl(m_notifierSettings.host));
        m_notifier->HideNow();
    } else {
        m_notifier->HideNow();
        // Every button of the previous skin goes, not only the last one made.
        m_notifier->DestroyTaskbarButtons();
    }
    const std::string folder = GetFolderOf(m_descriptionPath);
    m_notifier->ApplySkinBitmap(folder + kNotifierFace, 255, 0, 255);
    m_notifier->SetSkinPage(ReadSkinNotifierPage(folder));
    m_notifier->SlideIn(kNotifierAppearMs, kNotifierStayMs, kNotifierHideMs);
}

void CSkinDialog::HideNotifier() {
    if (m_notifier) {
        m_notifier->HideNow();
    }
}

void CSkinDialog::LoadTaskbarButtons(const CIniFile& ini) {
    if (!m_notifier) {
        return;
    }
    int index = 0;
    ForEachNumberedEntry(ini, "TASKBARBUTTON", [this, &index](const std::string& value) {
        auto button = std::make_unique<CSkinButton>(m_notifier.get());
        SetUpButton(*button, ParseButtonEntry(value), index++);
        m_notifier->AddTaskbarButton(std::move(button));
    });
}

void CSkinDialog::LoadBackground(const CIniFile& ini) {
    LoadPicture(GetFolderOf(m_descriptionPath) + ini.GetString("Screen", "Main", ""), m_background);
    if (!m_background.IsEmpty()) {
        // The template's size means nothing to a skin: the window is as large as its picture,
        // which also keeps its shape from reaching past the screen.
        resize(m_background.Size());
    }
}

void CSkinDialog::LoadTransparentColor(const CIniFile& ini) {
    const std::string value = ini.GetString("TRANSPARENT", "COLOR", "");
    if (!value.empty()) {
        m_transparentColor = SkinFields::ParseColor(value);
    }
}

void CSkinDialog::LoadControlRect(const CIniFile& ini) {
    std::string value = ini.GetString("CONTROL", "CONTROL", "");
    if (!value.empty()) {
        m_controlRect = SkinFields::ParseRect(value);
    }
}

void CSkinDialog::LoadIcon(const CIniFile& ini) {
    std::string value = ini.GetString("ICON", "ICON", "");
    if (value.empty()) {
        return;
    }
    const std::string file = SkinFields::NextField(value);
    m_iconRect = SkinFields::ParseRect(value);
    LoadPicture(GetFolderOf(m_descriptionPath) + file, m_iconPicture);
}

void CSkinDialog::SetUpButton(CSkinButton& button, const ButtonEntry& entry, int index) const {
    Place(button, entry.rect);
    button.SetTransparentColor(m_transparentColor);
    const SkinRect& r = entry.rect;
    button.LoadFrameStrip(GetFolderOf(m_descriptionPath) + entry.strip, r.left, r.top, r.right, r.bottom);
    button.SetIndex(index);
    button.SetName(entry.name);
    button.SetHint(entry.hint, true);
    button.SetLatched(entry.latched);
}

void CSkinDialog::LoadPushButtons(const CIniFile& ini) {
    ForEachNumberedEntry(ini, "BUTTONINFO", [this](const std::string& value) {
        auto button = std::make_unique<CSkinButton>(this);
        SetUpButton(*button, ParseButtonEntry(value), static_cast<int>(m_pushButtons.size()));
        m_pushButtons.push_back(std::move(button));
    });
    // A skin starts out stopped: its play button shows, its pause button waits.
    if (CSkinButton* pause = FindButton("BUTTON_PAUSE")) {
        pause->hide();
    }
    if (CSkinButton* play = FindButton("BUTTON_PLAY")) {
        play->show();
    }
}

void CSkinDialog::LoadSliders(const CIniFile& ini) {
    ForEachNumberedEntry(ini, "SLIDERINFO", [this](const std::string& value) {
        const SliderEntry entry = ParseSliderEntry(value);
        const std::string folder = GetFolderOf(m_descriptionPath);
        auto slider = std::make_unique<CSkinSlider>(this);
        Place(*slider, entry.rect);
        slider->SetTransparentColor(m_transparentColor);
        slider->SetChannel(folder + entry.channel);
        slider->SetThumb(folder + entry.thumb, folder + entry.activeThumb, true);
        slider->SetIndex(static_cast<int>(m_sliders.size()));
        slider->SetName(entry.name);
        slider->SetHint(entry.hint, true);
        slider->SetRange(0, kSliderMax, false);
        slider->SetPos(entry.position);
        slider->SetVertical(entry.orientation == SkinFields::Orientation::Vertical);
        m_sliders.push_back(std::move(slider));
    });
}

template <typename Toggle>
void CSkinDialog::LoadToggles(const CIniFile& ini, const char* section,
                              std::vector<std::unique_ptr<Toggle>>& toggles) {
    ForEachNumberedEntry(ini, section, [this, &toggles](const std::string& value) {
        const ToggleEntry entry = ParseToggleEntry(value);
        auto toggle = std::make_unique<Toggle>(this);
        SetUpButton(*toggle, entry.button, static_cast<int>(toggles.size()));
        toggle->SetChecked(entry.checked);
        toggles.push_back(std::move(toggle));
    });
}

void CSkinDialog::LoadOptionButtons(const CIniFile& ini) {
    LoadToggles(ini, "OPTIONINFO", m_optionButtons);
}

void CSkinDialog::LoadCheckButtons(const CIniFile& ini) {
    LoadToggles(ini, "CHECKINFO", m_checkButtons);
}

std::unique_ptr<CLabel> CSkinDialog::CreateLabel(const LabelEntry& entry) {
    auto label = std::make_unique<CLabel>(this);
    Place(*label, entry.rect);
    label->SetText(entry.text);
    label->SetFontName(entry.face);
    label->SetFontSize(entry.size);
    label->SetTextColor(entry.color);
    label->update();
    return label;
}

void CSkinDialog::LoadCaption(const CIniFile& ini) {
    const std::string value = ini.GetString("CAPTION", "CAPTION", "");
    if (!value.empty()) {
        // The caption's name field is read with the rest and not used: the caption is not
        // one of the labels found by name.
        m_captionLabel = CreateLabel(ParseLabelEntry(value));
    }
}

void CSkinDialog::LoadLabels(const CIniFile& ini) {
    ForEachNumberedEntry(ini, "LABELINFO", [this](const std::string& value) {
        const LabelEntry entry = ParseLabelEntry(value);
        auto label = CreateLabel(entry);
        label->SetIndex(static_cast<int>(m_labels.size()));
        label->SetName(entry.name);
        m_labels.push_back(std::move(label));
    });
}

void CSkinDialog::LoadEditBoxes(const CIniFile& ini) {
    ForEachNumberedEntry(ini, "EDITBOXINFO", [this](const std::string& value) {
        const EditEntry entry = ParseEditEntry(value);
        auto edit = std::make_unique<CSkinEdit>(this);
        Place(*edit, entry.rect);
        edit->SetIndex(static_cast<int>(m_editBoxes.size()));
        edit->SetName(entry.name);
        edit->SetBackColor(entry.background);
        edit->SetTextColor(entry.text);
        edit->SetBorderColor(entry.border);
        edit->setEnabled(entry.enabled);
        m_editBoxes.push_back(std::move(edit));
    });
}

void CSkinDialog::SetUpList(CSkinListBase& list, const SkinRect& rect, const ListColours& colours,
                            const ScrollPictureFiles& scroll) const {
    Place(list, rect);
    list.SetItemBackColor(colours.itemBack);
    list.SetItemTextColor(colours.itemText);
    list.SetSelBackColor(colours.selBack);
    list.SetSelTextColor(colours.selText);
    list.setFont(CellSizeFont(kListFace, kListFontHeight, kListFontWidth));
    const std::string folder = GetFolderOf(m_descriptionPath);
    list.AttachScrollBar(folder + scroll[0], folder + scroll[1], folder + scroll[2], folder + scroll[3],
                         folder + scroll[4], folder + scroll[5], folder + scroll[6]);
}

void CSkinDialog::LoadListBoxes(const CIniFile& ini) {
    ForEachNumberedEntry(ini, "LISTBOXINFO", [this](const std::string& value) {
        const ListEntry entry = ParseListEntry(value);
        auto list = std::make_unique<CSkinListBox>(this);
        list->SetIndex(static_cast<int>(m_listBoxes.size()));
        list->SetName(entry.name);
        SetUpList(*list, entry.rect, entry.colours, entry.scroll);
        list->AddColumn(kNumberColumnWidth, Qt::AlignRight);
        // A list narrower than its margins gets an empty text column rather than a negative one.
        const int textWidth = list->ClientWidth() - list->ScrollBar()->width() - kTextColumnMargin;
        list->AddColumn(std::max(0, textWidth), Qt::AlignLeft);
        m_listBoxes.push_back(std::move(list));
    });
}

void CSkinDialog::LoadComboBoxes(const CIniFile& ini) {
    ForEachNumberedEntry(ini, "COMBOBOXINFO", [this](const std::string& value) {
        const ComboEntry entry = ParseComboEntry(value);
        const std::string strip = GetFolderOf(m_descriptionPath) + entry.dropStrip;
        auto combo = std::make_unique<CSkinCombo>(this);
        Place(*combo, entry.rect);
        combo->SetIndex(static_cast<int>(m_comboBoxes.size()));
        combo->SetName(entry.name);
        combo->LoadDropStrip(strip);
        combo->SetLayout(entry.rect);

        // The drop button keeps black as its transparent colour and has no hint.
        auto dropButton = std::make_unique<CComboDropButton>(this);
        const SkinRect& button = combo->ButtonRect();
        Place(*dropButton, button);
        dropButton->LoadFrameStrip(strip, button.left, button.top, button.right, button.bottom);
        dropButton->SetLatched(false);
        dropButton->SetName("COMBO_BTN");

        auto edit = std::make_unique<CComboEdit>(this);
        Place(*edit, combo->EditRect());
        edit->SetName("COMBO_EDIT");
        edit->SetBackColor(entry.editBack);
        edit->SetTextColor(entry.editText);
        edit->SetBorderColor(entry.editBorder);
        edit->setEnabled(true);

        auto list = std::make_unique<CComboList>(this);
        list->SetName("COMBO_LIST");
        SetUpList(*list, combo->ListRect(), entry.listColours, entry.scroll);
        list->AddColumn(list->ClientWidth(), Qt::AlignLeft);
        list->ScrollBar()->hide();
        list->hide();

        combo->SetParts(std::move(dropButton), std::move(edit), std::move(list));
        m_comboBoxes.push_back(std::move(combo));
    });
}

void CSkinDialog::PrepareTimeLabel() {
    CSkinSlider* progress = FindSlider("SLIDER_PROGRESS");
    CLabel* time = FindLabel("LABEL_TIME");
    if (progress && time) {
        time->SetText(FormatTime(progress->GetPos()) + "/" + FormatTime(progress->GetRangeMax()));
        time->update();
    }
    if (time) {
        time->hide();
    }
    if (progress) {
        progress->hide();
    }
}

void CSkinDialog::MakeBackgroundCanvas() {
    // Shares the picture's pixels; the canvas keeps them when a later load replaces the picture.
    m_canvas = m_background.Image();
}
