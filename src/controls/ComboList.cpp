#include "ComboList.h"

#include "controls/SkinHost.h"

CComboList::CComboList(QWidget* parent) : CSkinListBase(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CComboList::AddItem(const QString& text) {
    auto* row = new QTreeWidgetItem(this);
    row->setText(0, text);
}

void CComboList::OnClick() {
    // The first selected row in list order; none gives an empty choice.
    QString text;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->isSelected()) {
            text = topLevelItem(row)->text(0);
            break;
        }
    }
    if (CSkinHost* host = CSkinHost::Of(this)) {
        host->SelectFirstComboItem(text);
    }
}
