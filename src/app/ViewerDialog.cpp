#include "ViewerDialog.h"

#include <QPainter>

#include "app/AppIcon.h"
#include "platform/ScreenInfo.h"
#include "skin/SkinFolder.h"
#include "viewer/ImageViewerControl.h"

namespace {

// The window's initial size before a skin gives it one: 681 x 1091 dialog units of an
// 8-point dialog font (6 x 13 base units).
constexpr QSize kTemplateSize(681 * 6 / 4, 1091 * 13 / 8);

constexpr char kDescriptionPath[] = "Test/Skin.ini";

}  // namespace

CViewerDialog::CViewerDialog(QWidget* parent)
    : CSkinDialog(parent),
      m_viewerControl(new CImageViewerControl(this)),
      m_viewer(m_viewerControl),
      m_icon(CreateAppIcon(CScreenInfo::Current().IconSize().width())) {
    resize(kTemplateSize);
    setAcceptDrops(true);
    InstallShortcuts();
}

bool CViewerDialog::OnInitDialog() {
    SetDescriptionPath(kDescriptionPath);
    SetSkinFolder(GetFolderOf(kDescriptionPath));
    LoadSkin();
    CSkinDialog::OnInitDialog();
    setWindowIcon(QIcon(m_icon));
    PlaceViewerControl();
    m_currentPage = 1;
    return true;
}

void CViewerDialog::PlaceViewerControl() {
    // On top of the skin's controls, in the rectangle the skin reserves for it.
    m_viewerControl->setGeometry(ControlRect().ToQRect());
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
