#include "SkinListBase.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "controls/SkinScrollBar.h"

namespace {

// Space between a cell's edge and its text.
constexpr int kCellPadding = 3;

// Draws every row in the list's colours, the selected ones in the selection colours whether or
// not the list has the focus, with no focus frame; text that does not fit is cut.
class CRowDelegate : public QStyledItemDelegate {
public:
    explicit CRowDelegate(CSkinListBase& list) : QStyledItemDelegate(&list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const CSkinListBase::SColours& colours = m_list.Colours();
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->fillRect(option.rect, ToQColor(selected ? colours.selBack : colours.itemBack));
        painter->setPen(ToQColor(selected ? colours.selText : colours.itemText));
        painter->setFont(option.font);
        painter->drawText(
            option.rect.adjusted(kCellPadding, 0, -kCellPadding, 0),
            static_cast<int>(m_list.ColumnAlignment(index.column()) | Qt::AlignVCenter | Qt::TextSingleLine),
            index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(0, option.fontMetrics.height() + 2);
    }

private:
    const CSkinListBase& m_list;
};

}  // namespace

CSkinListBase::CSkinListBase(QWidget* parent) : QTreeWidget(parent), m_scrollBar(new CSkinScrollBar(parent)) {
    m_scrollBar->hide();
    setItemDelegate(new CRowDelegate(*this));
    setHeaderHidden(true);
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
    setColumnCount(0);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Moves over the list are passed on to the bar, so they must arrive without a button held.
    viewport()->setMouseTracking(true);
    // The hidden scroll bar still follows every scroll, whatever caused it (keys, wheel, rows
    // added or removed, the bar itself), so the skinned bar follows it.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CSkinListBase::SyncScrollBar);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &CSkinListBase::SyncScrollBar);
    ApplyBackground();
}

CSkinListBase::~CSkinListBase() {
    delete m_scrollBar.data();
}

void CSkinListBase::SetItemBackColor(SkinColor color) {
    m_colours.itemBack = color;
    ApplyBackground();
}

void CSkinListBase::ApplyBackground() {
    // The empty part of the list below the last row shows the item background.
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, ToQColor(m_colours.itemBack));
    viewport()->setPalette(palette);
}

void CSkinListBase::AttachScrollBar(const std::string& track, const std::string& up,
                                    const std::string& upActive, const std::string& down,
                                    const std::string& downActive, const std::string& thumb,
                                    const std::string& thumbActive) {
    m_scrollBar->LoadPictures(track, up, upActive, down, downActive, thumb, thumbActive);
    m_scrollBar->SetList(this);
    m_scrollBar->SetBackColor(m_colours.itemBack);
    const int barWidth = m_scrollBar->GetBarWidth();
    resize(width() - barWidth, height());
    m_scrollBar->setGeometry(x() + width(), y(), barWidth, height());
    m_scrollBar->show();
    m_scrollBar->SyncThumb();
}

void CSkinListBase::SyncScrollBar() {
    m_scrollBar->SyncThumb();
}

void CSkinListBase::AddColumn(int width, Qt::Alignment alignment) {
    const int column = columnCount();
    m_alignments.push_back(alignment);
    setColumnCount(column + 1);
    setColumnWidth(column, width);
}

void CSkinListBase::InsertColumn(int position, int width, Qt::Alignment alignment) {
    const int count = columnCount();
    if (position < 0 || position > count) {
        return;
    }
    // The tree's own column insertion leaves the shown texts where they were, so the cells are
    // moved here, from the last column down to the new one.
    setColumnCount(count + 1);
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        for (int column = count; column > position; --column) {
            item->setText(column, item->text(column - 1));
        }
        item->setText(position, QString());
    }
    for (int column = count; column > position; --column) {
        setColumnWidth(column, columnWidth(column - 1));
    }
    setColumnWidth(position, width);
    m_alignments.resize(static_cast<size_t>(count), Qt::AlignLeft);
    m_alignments.insert(m_alignments.begin() + position, alignment);
}

Qt::Alignment CSkinListBase::ColumnAlignment(int column) const {
    const bool known = column >= 0 && static_cast<size_t>(column) < m_alignments.size();
    return known ? m_alignments[static_cast<size_t>(column)] : Qt::AlignLeft;
}

int CSkinListBase::ClientWidth() const {
    return width() - 2 * frameWidth();
}

void CSkinListBase::mousePressEvent(QMouseEvent* event) {
    m_pressedHere = event->button() == Qt::LeftButton;
    QTreeWidget::mousePressEvent(event);
}

void CSkinListBase::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_pressedHere) {
        m_pressedHere = false;
        OnClick();
    }
}

void CSkinListBase::mouseMoveEvent(QMouseEvent* event) {
    m_scrollBar->MouseMoved(event->position().toPoint());
    QTreeWidget::mouseMoveEvent(event);
}
