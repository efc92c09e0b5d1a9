#pragma once

#include <QPointer>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "controls/ControlIdentity.h"
#include "controls/SkinScrollBar.h"
#include "controls/SkinTypes.h"

// What skinned lists share: a header-less list of rows scrolled one row at a time, drawn in
// the skin's colours, with our own scroll bar standing at its right edge (a sibling window, in
// the list's parent) instead of the list's own scroll bars.
class CSkinListBase : public QTreeWidget, public CControlIdentity {
    Q_OBJECT

public:
    // Colour references, red in the low byte.
    struct SColours {
        SkinColor itemText = 0x000000;
        SkinColor itemBack = 0xFFFFFF;
        SkinColor selText = 0xFFFFFF;
        SkinColor selBack = 0x800000;
    };

    explicit CSkinListBase(QWidget* parent = nullptr);
    ~CSkinListBase() override;

    // Colour setters store only; the next paint uses them.
    void SetSelTextColor(SkinColor color) { m_colours.selText = color; }
    void SetSelBackColor(SkinColor color) { m_colours.selBack = color; }
    void SetItemTextColor(SkinColor color) { m_colours.itemText = color; }
    void SetItemBackColor(SkinColor color);
    const SColours& Colours() const { return m_colours; }

    // Loads the bar's pictures (paths in the order track, up, up active, down, down active,
    // thumb, thumb active), narrows the list by the bar's width and puts the bar in the room
    // freed at its right edge.
    void AttachScrollBar(const std::string& track, const std::string& up, const std::string& upActive,
                         const std::string& down, const std::string& downActive, const std::string& thumb,
                         const std::string& thumbActive);
    CSkinScrollBar* ScrollBar() const { return m_scrollBar; }

    // Appends a column with an empty heading; its cells are aligned as asked.
    void AddColumn(int width, Qt::Alignment alignment);
    // Inserts a column with an empty heading before column `position` (at the end when
    // `position` is the column count); the cells, widths and alignments of the columns from
    // `position` on move one column to the right. Positions outside the columns do nothing.
    void InsertColumn(int position, int width, Qt::Alignment alignment);
    Qt::Alignment ColumnAlignment(int column) const;
    // The width rows are drawn in.
    int ClientWidth() const;

    virtual void AddItem(const QString& text) = 0;

protected:
    // A left click inside the list, after the list has updated its selection.
    virtual void OnClick() = 0;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ApplyBackground();
    void SyncScrollBar();

    SColours m_colours;
    std::vector<Qt::Alignment> m_alignments;
    // Parented to the list's parent like any sibling; the list also deletes it, since a bar
    // without its list has nothing to show.
    QPointer<CSkinScrollBar> m_scrollBar;
    bool m_pressedHere = false;
};
