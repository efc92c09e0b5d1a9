// Creating the list boxes of a skin description.

#include "controls/CellSizeFont.h"
#include "controls/SkinListBox.h"
#include "skin/IniFile.h"
#include "skin/ListEntries.h"
#include "skin/SkinDialog.h"
#include "skin/SkinEntries.h"

namespace {

// Every list of a skin uses this face, by its character cell.
constexpr char kListFace[] = "Arial";
constexpr int kListFontHeight = 18;
constexpr int kListFontWidth = 10;
// The number column of a list box, and what the text column leaves free at the right.
constexpr int kNumberColumnWidth = 35;
constexpr int kTextColumnMargin = 40;

}  // namespace

void CSkinDialog::SetUpList(CSkinListBase& list, const SkinRect& rect, const ListColours& colours,
                            const ScrollPictureFiles& scroll) const {
    list.setGeometry(rect.ToQRect());
    list.SetItemBackColor(ToQColor(colours.itemBack));
    list.SetItemTextColor(ToQColor(colours.itemText));
    list.SetSelBackColor(ToQColor(colours.selBack));
    list.SetSelTextColor(ToQColor(colours.selText));
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
        list->show();
        m_listBoxes.push_back(std::move(list));
    });
}
