#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "controls/ControlIdentity.h"
#include "controls/SkinTypes.h"

class CComboDropButton;
class CComboEdit;
class CComboList;

// A combo box put together from parts that stand side by side on the skin window: an edit
// field with the drop button at its right end and, below them, a drop-down list with its
// scroll bar, hidden until the button opens it. The combo box computes where the parts go,
// opens and closes the list, and owns the parts.
//
// Its own window draws nothing but the frame around the open list and lets the mouse through to
// whatever lies beneath, so where the closed list was, the skin window and its other controls
// show again by themselves. To have room for that frame, which reaches one pixel beyond the
// list, the window covers the description's rectangle and the frame together.
class CSkinCombo : public QWidget, public CControlIdentity {
    Q_OBJECT

public:
    // A list is never shorter than this, whatever the description's rectangle says.
    static constexpr int kMinListHeight = 50;

    explicit CSkinCombo(QWidget* parent = nullptr);
    ~CSkinCombo() override;

    // Measures the drop button's strip: a frame is a quarter of its width by its height, or
    // 0 x 0 when the file cannot be read. The picture itself is not kept.
    void LoadDropStrip(const std::string& path);
    int FrameWidth() const { return m_frameWidth; }
    int FrameHeight() const { return m_frameHeight; }

    // Places the parts within `rect`, the combo box's rectangle in the skin window: the edit
    // field and the drop button along its top edge, one frame tall, the list below them.
    void SetLayout(const SkinRect& rect);
    const SkinRect& EditRect() const { return m_editRect; }
    const SkinRect& ButtonRect() const { return m_buttonRect; }
    // Where the list goes before it makes room for its scroll bar.
    const SkinRect& ListRect() const { return m_listRect; }
    // Edit field, drop button and list together.
    const SkinRect& WholeRect() const { return m_wholeRect; }

    // Hands the parts over; the combo box destroys them with itself.
    void SetParts(std::unique_ptr<CComboDropButton> dropButton, std::unique_ptr<CComboEdit> edit,
                  std::unique_ptr<CComboList> list);
    CComboDropButton* DropButton() const { return m_dropButton.get(); }
    CComboEdit* Edit() const { return m_edit.get(); }
    CComboList* List() const { return m_list.get(); }

    // Shows the list and its scroll bar when they are hidden, hides them when they show.
    void ToggleList();
    // Puts `text` into the edit field and closes the list.
    void SelectItem(const QString& text);
    bool IsListHidden() const { return m_listHidden; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The frame drawn around the open list, in the skin window's coordinates.
    QRect ListFrame() const;

    std::unique_ptr<CComboDropButton> m_dropButton;
    std::unique_ptr<CComboEdit> m_edit;
    std::unique_ptr<CComboList> m_list;
    SkinRect m_buttonRect;
    SkinRect m_editRect;
    SkinRect m_listRect;
    SkinRect m_wholeRect;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    bool m_listHidden = true;
};
