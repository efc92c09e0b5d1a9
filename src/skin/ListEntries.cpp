#include "ListEntries.h"

#include "skin/SkinFields.h"

using namespace SkinFields;

namespace {

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
