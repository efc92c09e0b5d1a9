// Building the window from a skin description, and taking it down again.

#include "controls/Label.h"
#include "controls/SkinButton.h"
#include "controls/SkinCheckButton.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "controls/SkinOptionButton.h"
#include "controls/SkinSlider.h"
#include "skin/IniFile.h"
#include "skin/SkinDialog.h"
#include "skin/SkinFields.h"

void CSkinDialog::LoadSkin() {
    FreeSkin();
    const CIniFile ini(m_descriptionPath);
    LoadBackground(ini);
    LoadTransparentColor(ini);
    BuildShape(m_shape, m_background, m_transparentColor);
    LoadControlRect(ini);
    LoadIcon(ini);
    LoadListBoxes(ini);
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

void CSkinDialog::MakeBackgroundCanvas() {
    // Shares the picture's pixels; the canvas keeps them when a later load replaces the picture.
    m_canvas = m_background.Image();
}
