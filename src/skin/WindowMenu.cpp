// The window menu of a skin window: a skin has no title bar, so a right click on its background
// offers what a title bar's menu would, and the Change Skin commands.

#include <QContextMenuEvent>
#include <QMenu>

#include "controls/Label.h"
#include "skin/FallbackLook.h"
#include "skin/SkinDialog.h"
#include "skin/SkinPackages.h"

void CSkinDialog::contextMenuEvent(QContextMenuEvent* event) {
    if (!IsBackgroundAt(event->pos())) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    FillWindowMenu(menu);
    menu.exec(event->globalPos());
}

void CSkinDialog::FillWindowMenu(QMenu& menu) {
    // Commands run once the menu has closed, so that a switch hides no open menu.
    const auto later = Qt::QueuedConnection;
    connect(menu.addAction(tr("Minimise")), &QAction::triggered, this, &CSkinDialog::Minimise, later);
    connect(menu.addAction(tr("Close")), &QAction::triggered, this, &QDialog::accept, later);
    QMenu* skins = menu.addMenu("&Change Skin");
    for (const SkinPackages::SCommand& command : SkinPackages::kCommands) {
        QAction* action = skins->addAction(command.menuText);
        action->setData(command.command);
        OnUpdateChangeSkin(*action);
        const int id = command.command;
        connect(
            action, &QAction::triggered, this, [this, id] { OnChangeSkin(id); }, later);
    }
    connect(skins, &QMenu::aboutToShow, this, [this, skins] {
        for (QAction* action : skins->actions()) {
            OnUpdateChangeSkin(*action);
        }
    });
}

void CSkinDialog::Minimise() {
    showMinimized();
}

bool CSkinDialog::IsBackgroundAt(const QPoint& point) const {
    // Labels are painted decoration; the plain look stands in for the background.
    const QWidget* child = childAt(point);
    if (!child || qobject_cast<const CLabel*>(child)) {
        return true;
    }
    return m_fallback && (child == m_fallback.get() || m_fallback->isAncestorOf(child));
}
