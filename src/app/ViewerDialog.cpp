#include "ViewerDialog.h"

#include <QPainter>
#include <algorithm>
#include <filesystem>

#include "app/AppIcon.h"
#include "app/PackageFolders.h"
#include "controls/ComboDropButton.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "platform/ScreenInfo.h"
#include "skin/FallbackLook.h"
#include "skin/SkinPackages.h"
#include "viewer/ImageViewerControl.h"

namespace {

// The window's initial size before a skin gives it one: 681 x 1091 dialog units of an
// 8-point dialog font (6 x 13 base units).
constexpr QSize kTemplateSize(681 * 6 / 4, 1091 * 13 / 8);

// The information lists are the skin's first three list boxes; edit box 6 holds the start value.
constexpr size_t kInformationLists = 3;
constexpr size_t kStartValueEdit = 6;

}  // namespace

CViewerDialog::CViewerDialog(QWidget* parent)
    : CSkinDialog(parent),
      m_viewerControl(new CImageViewerControl(this)),
      m_viewer(m_viewerControl),
      m_icon(CreateAppIcon(CScreenInfo::Current().IconSize().width())) {
    resize(kTemplateSize);
    setAcceptDrops(true);
    InstallShortcuts();
    // The control's menu entries that stand for buttons do what the buttons do.
    m_viewerControl->SetButtonHandler([this](const std::string& button) { OnSkinButton(button); });
}

bool CViewerDialog::OnInitDialog() {
    // The process's current folder is never changed: the folder the program started in is kept
    // as the first place to look for skin packages.
    std::error_code ignored;
    SetPackageFolders(SkinPackageFolders(std::filesystem::current_path(ignored).string()));
    LoadPackage(SkinPackages::kStartup);
    CSkinDialog::OnInitDialog();
    setWindowIcon(QIcon(m_icon));
    PlaceViewerControl();
    m_currentPage = 1;
    PrepareInformationLists();
    if (EditBoxes().size() > kStartValueEdit) {
        EditBoxes()[kStartValueEdit]->setText("500");
    }
    if (!ComboBoxes().empty()) {
        // Only the combo box's edit part stays: the commands read its text.
        CSkinCombo& combo = *ComboBoxes().front();
        if (combo.DropButton()) {
            combo.DropButton()->hide();
        }
        combo.hide();
    }
    return true;
}

void CViewerDialog::LoadSkin() {
    CSkinDialog::LoadSkin();
    PlaceViewerControl();
}

void CViewerDialog::PrepareInformationLists() {
    // Each list has its number and text columns from its creation; two more go between them,
    // the 200-pixel one receiving the rows' texts.
    const size_t lists = std::min<size_t>(ListBoxes().size(), kInformationLists);
    for (size_t i = 0; i < lists; ++i) {
        CSkinListBox& list = *ListBoxes()[i];
        list.InsertColumn(1, 50, Qt::AlignLeft);
        list.InsertColumn(1, 200, Qt::AlignLeft);
    }
    for (size_t i = 0; i < lists; ++i) {
        ListBoxes()[i]->AddItem("None");
    }
}

void CViewerDialog::PlaceViewerControl() {
    // On top of the skin's controls, in the rectangle the skin reserves for it; in the plain
    // look without a skin, in the room that look leaves.
    const QRect area = HasSkin() ? ControlRect().ToQRect() : CFallbackLook::ContentArea(size());
    m_viewerControl->setGeometry(area);
    m_viewerControl->raise();
    m_viewerControl->show();
}

void CViewerDialog::paintEvent(QPaintEvent* event) {
    if (!isMinimized() && !m_iconic) {
        CSkinDialog::paintEvent(event);
        return;
    }
    // Some platforms still paint a minimised window's client area: show the icon in its middle.
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QSize iconSize = CScreenInfo::Current().IconSize();
    const int x = (width() - iconSize.width() + 1) / 2;
    const int y = (height() - iconSize.height() + 1) / 2;
    painter.drawPixmap(x, y, m_icon);
}
