#include "SkinEntries.h"

#include <vector>

#include "skin/IniFile.h"

using namespace SkinFields;

namespace {

// Takes a button's fields off the front of `fields`.
ButtonEntry TakeButtonFields(std::string& fields) {
    ButtonEntry entry;
    entry.name = NextField(fields);
    entry.strip = NextField(fields);
    entry.rect = ParseRect(fields);
    entry.hint = NextField(fields);
    entry.latched = ParseFlag(NextField(fields));
    return entry;
}

ListColours TakeListColours(std::string& fields) {
    ListColours colours;
    colours.itemBack = ParseColor(NextField(fields));
    colours.itemText = ParseColor(NextField(fields));
    colours.selBack = ParseColor(NextField(fields));
    colours.selText = ParseColor(NextField(fields));
    return colours;
}

ScrollPictureFiles TakeScrollPictures(std::string& fields) {
    ScrollPictureFiles files;
    for (std::string& file : files) {
        file = NextField(fields);
    }
    return files;
}

}  // namespace

ButtonEntry ParseButtonEntry(std::string fields) {
    return TakeButtonFields(fields);
}

ToggleEntry ParseToggleEntry(std::string fields) {
    ToggleEntry entry;
    entry.button = TakeButtonFields(fields);
    entry.checked = ParseFlag(NextField(fields));
    return entry;
}

SliderEntry ParseSliderEntry(std::string fields) {
    SliderEntry entry;
    entry.name = NextField(fields);
    entry.channel = NextField(fields);
    entry.thumb = NextField(fields);
    entry.activeThumb = NextField(fields);
    entry.rect = ParseRect(fields);
    entry.orientation = ParseOrientation(NextField(fields));
    entry.position = ParseNumber(NextField(fields));
    entry.hint = NextField(fields);
    return entry;
}

LabelEntry ParseLabelEntry(std::string fields) {
    LabelEntry entry;
    entry.name = NextField(fields);
    entry.rect = ParseRect(fields);
    entry.text = NextField(fields);
    entry.face = NextField(fields);
    entry.size = ParseNumber(NextField(fields));
    entry.color = ParseColor(NextField(fields));
    return entry;
}

EditEntry ParseEditEntry(std::string fields) {
    EditEntry entry;
    entry.name = NextField(fields);
    entry.rect = ParseRect(fields);
    entry.background = ParseColor(NextField(fields));
    entry.text = ParseColor(NextField(fields));
    entry.border = ParseColor(NextField(fields));
    entry.enabled = ParseEnabled(NextField(fields));
    return entry;
}

ListEntry ParseListEntry(std::string fields) {
    ListEntry entry;
    entry.name = NextField(fields);
    entry.rect = ParseRect(fields);
    entry.colours = TakeListColours(fields);
    entry.scroll = TakeScrollPictures(fields);
    return entry;
}

ComboEntry ParseComboEntry(std::string fields) {
    ComboEntry entry;
    entry.name = NextField(fields);
    entry.rect = ParseRect(fields);
    entry.dropStrip = NextField(fields);
    entry.editBack = ParseColor(NextField(fields));
    entry.editText = ParseColor(NextField(fields));
    entry.editBorder = ParseColor(NextField(fields));
    entry.listColours = TakeListColours(fields);
    entry.scroll = TakeScrollPictures(fields);
    return entry;
}

void ForEachNumberedEntry(const CIniFile& ini, const std::string& section,
                          const std::function<void(const std::string& value)>& create) {
    std::vector<std::string> keys;
    ini.GetKeys(section, keys);
    for (size_t i = 0; i < keys.size(); ++i) {
        const std::string value = ini.GetString(section, std::to_string(i + 1), "");
        if (!value.empty()) {
            create(value);
        }
    }
}
