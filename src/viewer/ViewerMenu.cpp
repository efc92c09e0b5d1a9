// The viewer control's menu: the hosting window's file, zoom and play commands (through its
// button handler, so that an entry does what the button does), fit, the window with the usual
// CT presets, inversion, the overlay, stopping cine and copying; entries a window adds go at
// the end of their group. Also the copy operations behind it.
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "viewer/ImageViewerControl.h"

namespace {

struct CWindowPreset {
    const char* name;
    double centre;
    double width;
};

// The windows radiologists use most on CT, in Hounsfield units.
constexpr CWindowPreset kWindowPresets[] = {
    {"Brain", 40, 80},    {"Lung", -600, 1500},     {"Bone", 400, 1800},
    {"Abdomen", 50, 400}, {"Mediastinum", 50, 350},
};

}  // namespace

void CImageViewerControl::SetButtonHandler(std::function<void(const std::string&)> handler) {
    m_buttonHandler = std::move(handler);
}

void CImageViewerControl::AddMenuAction(EMenuGroup group, QAction* action) {
    m_menuActions.emplace_back(group, action);
}

QMenu* CImageViewerControl::CreateMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);

    AddButtonEntry(*menu, tr("Open..."), "BUTTON_BROWSE1");
    AddButtonEntry(*menu, tr("Open TIF..."), "BUTTON_PLAY");
    AddButtonEntry(*menu, tr("Save..."), "BUTTON_SAVE");
    AddGroupActions(*menu, EMenuGroup::File);
    menu->addSeparator();

    QAction* fit = menu->addAction(tr("Fit"), this, [this] { SetViewMode(10); });
    fit->setCheckable(true);
    fit->setChecked(IsFitted());
    AddButtonEntry(*menu, tr("100 %"), "BUTTON_ZOOM100");
    AddButtonEntry(*menu, tr("Zoom in"), "BUTTON_IN");
    AddButtonEntry(*menu, tr("Zoom out"), "BUTTON_OUT");
    AddGroupActions(*menu, EMenuGroup::Zoom);
    menu->addSeparator();

    AddWindowMenu(*menu);
    QAction* invert = menu->addAction(tr("Invert"), this, [this](bool checked) { SetInverted(checked); });
    invert->setCheckable(true);
    invert->setChecked(m_inverted);
    QAction* overlay =
        menu->addAction(tr("Overlay"), this, [this](bool checked) { SetOverlayShown(checked); });
    overlay->setCheckable(true);
    overlay->setChecked(m_overlayShown);
    AddGroupActions(*menu, EMenuGroup::Display);
    menu->addSeparator();

    AddButtonEntry(*menu, tr("Play"), "BUTTON_START");
    menu->addAction(tr("Stop"), this, [this] { StopPlaying(); })->setEnabled(IsPlaying());
    AddGroupActions(*menu, EMenuGroup::Cine);
    menu->addSeparator();

    menu->addAction(tr("Copy image"), this, [this] { CopyImage(); })->setEnabled(m_document && m_page >= 0);
    menu->addAction(tr("Copy entry value"), this, [this] { CopyEntryValue(); })
        ->setEnabled(!EntryValue(m_valueSection, m_valueEntry).empty());
    AddGroupActions(*menu, EMenuGroup::Copy);
    return menu;
}

void CImageViewerControl::AddButtonEntry(QMenu& menu, const QString& text, const char* button) {
    QAction* action = menu.addAction(text, this, [this, name = std::string(button)] {
        if (m_buttonHandler) {
            m_buttonHandler(name);
        }
    });
    action->setEnabled(static_cast<bool>(m_buttonHandler));
}

void CImageViewerControl::AddWindowMenu(QMenu& menu) {
    QMenu* windows = menu.addMenu(tr("Window"));
    // Windows apply to grey pages only.
    windows->setEnabled(IsPageShown() && m_rendered.image.format() == QImage::Format_Grayscale8);
    auto* choices = new QActionGroup(windows);
    const auto add = [&](const QString& text, const CVoiChoice& choice) {
        QAction* action = windows->addAction(text, this, [this, choice] { SetVoi(choice); });
        action->setCheckable(true);
        action->setChecked(m_voi == choice);
        choices->addAction(action);
    };
    add(tr("From the file"), CVoiChoice{});
    add(tr("Min-max"), CVoiChoice{CVoiChoice::EMode::MinMax});
    windows->addSeparator();
    for (const CWindowPreset& preset : kWindowPresets) {
        add(tr("%1\tW %2  C %3").arg(tr(preset.name)).arg(preset.width).arg(preset.centre),
            CVoiChoice::Window(preset.centre, preset.width));
    }
}

void CImageViewerControl::AddGroupActions(QMenu& menu, EMenuGroup group) const {
    for (const auto& [actionGroup, action] : m_menuActions) {
        if (actionGroup == group && action) {
            menu.addAction(action);
        }
    }
}

void CImageViewerControl::ShowMenu(QPoint globalPosition) {
    QMenu* menu = CreateMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

bool CImageViewerControl::CopyImage() {
    const QImage image = PageImage();
    if (image.isNull()) {
        return false;
    }
    QGuiApplication::clipboard()->setImage(image);
    return true;
}

bool CImageViewerControl::CopyEntryValue() {
    const std::string value = EntryValue(m_valueSection, m_valueEntry);
    if (value.empty()) {
        return false;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(value));
    return true;
}
