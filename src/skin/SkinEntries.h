#pragma once

#include <array>
#include <functional>
#include <string>

#include "controls/SkinTypes.h"
#include "skin/SkinFields.h"

class CIniFile;

// The records of the numbered sections of a skin description, one per control. Fields are
// taken in record order with NextField, so an entry with fewer fields repeats its last one.

// BUTTONINFO (and the notifier's TASKBARBUTTON).
struct ButtonEntry {
    std::string name;
    std::string strip;
    SkinRect rect;
    std::string hint;
    bool latched = false;
};

// OPTIONINFO, CHECKINFO.
struct ToggleEntry {
    ButtonEntry button;
    bool checked = false;
};

// SLIDERINFO.
struct SliderEntry {
    std::string name;
    std::string channel;
    std::string thumb;
    std::string activeThumb;
    SkinRect rect;
    SkinFields::Orientation orientation = SkinFields::Orientation::Horizontal;
    int position = 0;
    std::string hint;
};

// LABELINFO and CAPTION.
struct LabelEntry {
    std::string name;
    SkinRect rect;
    std::string text;
    std::string face;
    int size = 0;
    SkinColor color = kNoColor;
};

// EDITBOXINFO.
struct EditEntry {
    std::string name;
    SkinRect rect;
    SkinColor background = kNoColor;
    SkinColor text = kNoColor;
    SkinColor border = kNoColor;
    bool enabled = false;
};

// The colours of a list's rows, in the order the description gives them.
struct ListColours {
    SkinColor itemBack = kNoColor;
    SkinColor itemText = kNoColor;
    SkinColor selBack = kNoColor;
    SkinColor selText = kNoColor;
};

// The scroll bar's pictures: track, up, up active, down, down active, thumb, thumb active.
using ScrollPictureFiles = std::array<std::string, 7>;

// LISTBOXINFO.
struct ListEntry {
    std::string name;
    SkinRect rect;
    ListColours colours;
    ScrollPictureFiles scroll;
};

// COMBOBOXINFO.
struct ComboEntry {
    std::string name;
    SkinRect rect;
    std::string dropStrip;
    SkinColor editBack = kNoColor;
    SkinColor editText = kNoColor;
    SkinColor editBorder = kNoColor;
    ListColours listColours;
    ScrollPictureFiles scroll;
};

ButtonEntry ParseButtonEntry(std::string fields);
ToggleEntry ParseToggleEntry(std::string fields);
SliderEntry ParseSliderEntry(std::string fields);
LabelEntry ParseLabelEntry(std::string fields);
EditEntry ParseEditEntry(std::string fields);
ListEntry ParseListEntry(std::string fields);
ComboEntry ParseComboEntry(std::string fields);

// Walks a numbered section: with N keys in the section, whatever their names, reads the keys
// "1" to "N" in order and calls `create` with every value that is present and not empty.
void ForEachNumberedEntry(const CIniFile& ini, const std::string& section,
                          const std::function<void(const std::string& value)>& create);
