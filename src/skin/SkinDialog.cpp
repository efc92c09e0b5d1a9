#include "SkinDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "controls/ComboList.h"
#include "controls/Label.h"
#include "controls/SkinButton.h"
#include "controls/SkinCheckButton.h"
#include "controls/SkinCombo.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "controls/SkinOptionButton.h"
#include "controls/SkinScrollBar.h"
#include "controls/SkinSlider.h"
#include "platform/KeyedImage.h"
#include "platform/PixelRegion.h"
#include "popup/TaskNotifierDlg.h"
#include "skin/FallbackLook.h"
#include "zip/ZipReader.h"

namespace {

// The option button that keeps its state when another option of the skin is chosen.
constexpr char kIndependentOption[] = "OPTION_AUDIOSTREAM1";

template <typename Control>
Control* FindByName(const std::vector<std::unique_ptr<Control>>& controls, const std::string& name) {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&name](const std::unique_ptr<Control>& c) { return c->Name() == name; });
    return found == controls.end() ? nullptr : found->get();
}

bool IsSwallowedKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

CSkinDialog::CSkinDialog(QWidget* parent) : QDialog(parent), m_zipReader(std::make_unique<CZipReader>()) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setMouseTracking(true);
    // Escape and Enter must reach neither the dialog nor any of its controls, so they are
    // taken before any widget sees them.
    qApp->installEventFilter(this);
}

CSkinDialog::~CSkinDialog() {
    qApp->removeEventFilter(this);
    CSkinDialog::FreeSkin();
}

void CSkinDialog::OnSkinButton(const std::string&) {}

void CSkinDialog::OnSkinOption(const std::string&) {}

void CSkinDialog::OnButtonIndex(int index) {
    const std::string name = m_pushButtons.at(static_cast<size_t>(index))->Name();
    OnSkinButton(name);
}

void CSkinDialog::OnOptionIndex(int index) {
    for (size_t i = 0; i < m_optionButtons.size(); ++i) {
        CSkinOptionButton& option = *m_optionButtons[i];
        if (static_cast<int>(i) == index || option.Name() == kIndependentOption) {
            continue;
        }
        option.SetChecked(false);
        option.update();
    }
    const std::string name = m_optionButtons.at(static_cast<size_t>(index))->Name();
    OnSkinOption(name);
}

void CSkinDialog::OnCheckIndex(int index) {
    // Check buttons keep their own state; the window only confirms the index is one of its own.
    static_cast<void>(m_checkButtons.at(static_cast<size_t>(index)));
}

void CSkinDialog::OnSkinSlider(const std::string&, int) {}

void CSkinDialog::OnSliderIndex(int index, int position) {
    const std::string name = m_sliders.at(static_cast<size_t>(index))->Name();
    OnSkinSlider(name, position);
}

void CSkinDialog::OnSkinMouseMove(const std::string&, int, int) {}

std::string CSkinDialog::GetFolderOf(const std::string& path) const {
    namespace fs = std::filesystem;
    std::error_code error;
    std::string full = fs::absolute(fs::path(path), error).lexically_normal().string();
    if (error) {
        full = path;
    }
    const auto isSeparator = [](char c) {
        return c == '/' || c == static_cast<char>(fs::path::preferred_separator);
    };
    const auto last = std::find_if(full.rbegin(), full.rend(), isSeparator);
    full.erase(last == full.rend() ? full.begin() : last.base() - 1, full.end());
    while (!full.empty() && isSeparator(full.back())) {
        full.pop_back();
    }
    return full + static_cast<char>(fs::path::preferred_separator);
}

void CSkinDialog::OnSkinListClick() {}

void CSkinDialog::ToggleFirstComboList() {
    if (!m_comboBoxes.empty()) {
        m_comboBoxes.front()->ToggleList();
    }
}

void CSkinDialog::SelectFirstComboItem(const QString& text) {
    if (!m_comboBoxes.empty()) {
        m_comboBoxes.front()->SelectItem(text);
    }
}

void CSkinDialog::Reshape() {
    if (BuildShape(m_shape, m_background, m_transparentColor)) {
        update();
    }
}

int CSkinDialog::ReservedHook(int) {
    return 0;
}

CSkinButton* CSkinDialog::FindButton(const std::string& name) const {
    return FindByName(m_pushButtons, name);
}

CSkinSlider* CSkinDialog::FindSlider(const std::string& name) const {
    return FindByName(m_sliders, name);
}

CLabel* CSkinDialog::FindLabel(const std::string& name) const {
    return FindByName(m_labels, name);
}

void CSkinDialog::LoadPicture(const std::string& path, CBitmap& bitmap) {
    bitmap.LoadFromFile(path);
}

bool CSkinDialog::BuildShape(QRegion& shape, const CBitmap& picture, SkinColor color) {
    if (picture.IsEmpty()) {
        // Without a picture there is nothing to measure: the window keeps its plain rectangle.
        shape = QRegion();
        clearMask();
        return false;
    }
    const SPixelRegion built = RegionWithoutColor(picture.Image(), ToQRgb(color));
    shape = built.region;
    setMask(shape);
    update();
    return built.removedPixels > 0;
}

std::string CSkinDialog::FormatTime(int seconds) {
    const int s = std::clamp(seconds, 0, 359999);
    const int hours = s / 3600;
    const int minutes = (s - 3600 * hours) / 60;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, s % 60);
    return text;
}

void CSkinDialog::setVisible(bool visible) {
    if (visible && !m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

bool CSkinDialog::OnInitDialog() {
    m_currentSkin = 0;
    return true;
}

bool CSkinDialog::eventFilter(QObject* watched, QEvent* event) {
    if (IsSwallowedKey(event) && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CSkinDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSkin(painter);
}

void CSkinDialog::PaintSkin(QPainter& painter) const {
    if (!m_background.IsEmpty()) {
        const QRect area = rect().intersected(m_background.Image().rect());
        painter.drawImage(area.topLeft(), m_background.Image(), area);
    }
    if (!m_iconPicture.IsEmpty()) {
        const QRect target = m_iconRect.ToQRect();
        DrawKeyed(painter, target, m_iconPicture.Image(), QRect(QPoint(0, 0), target.size()),
                  ToQRgb(m_transparentColor));
    }
}

void CSkinDialog::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // Any background pixel serves as a caption. Where no window manager moves windows for us
    // (bare X servers, the offscreen platform), the window follows the mouse itself.
    QWindow* handle = windowHandle();
    if (handle && handle->startSystemMove()) {
        return;
    }
    m_manualMove = true;
    m_moveOffset = event->globalPosition().toPoint() - pos();
}

void CSkinDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_manualMove && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_moveOffset);
    }
    const QPoint point = event->position().toPoint();
    CloseFirstComboListOutside(point);
    ForwardMouseMove(point);
    QDialog::mouseMoveEvent(event);
    OnSkinMouseMove(std::string(), point.x(), point.y());
}

void CSkinDialog::ForwardMouseMove(const QPoint& point) {
    // The bar takes the window's coordinates as its own; moves over the background thus clear
    // (or set) its active pictures.
    if (!m_listBoxes.empty()) {
        m_listBoxes.front()->ScrollBar()->MouseMoved(point);
    }
    if (!m_comboBoxes.empty() && m_comboBoxes.front()->List()) {
        m_comboBoxes.front()->List()->ScrollBar()->MouseMoved(point);
    }
}

void CSkinDialog::CloseFirstComboListOutside(const QPoint& point) {
    if (m_comboBoxes.empty()) {
        return;
    }
    CSkinCombo& combo = *m_comboBoxes.front();
    if (!combo.IsListHidden() && !combo.WholeRect().ToQRect().contains(point)) {
        combo.ToggleList();
    }
}

void CSkinDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_manualMove = false;
    }
    QDialog::mouseReleaseEvent(event);
}
