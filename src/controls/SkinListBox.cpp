#include "SkinListBox.h"

#include "controls/SkinHost.h"

CSkinListBox::CSkinListBox(QWidget* parent) : CSkinListBase(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

QString CSkinListBox::RowNumber(int number) {
    return QString("%1.").arg(QString::number(number), 3);
}

void CSkinListBox::AddItem(const QString& text) {
    auto* row = new QTreeWidgetItem(this);
    row->setText(0, RowNumber(topLevelItemCount()));
    row->setText(1, text);
}

void CSkinListBox::OnClick() {
    if (CSkinHost* host = CSkinHost::Of(this)) {
        host->OnSkinListClick();
    }
}
