#pragma once

#include <array>
#include <string>

#include "skin/SkinTypes.h"

// The records of the list sections of a skin description. Fields are taken in record order
// with NextField, so an entry with fewer fields repeats its last one.

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

ListEntry ParseListEntry(std::string fields);
ComboEntry ParseComboEntry(std::string fields);
