#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <memory>
#include <string>
#include <vector>

#include "controls/SkinHost.h"
#include "controls/SkinTypes.h"
#include "platform/Bitmap.h"
#include "popup/NotifierSettings.h"
#include "skin/SkinEntries.h"

class CSkinButton;
class CSkinCheckButton;
class CSkinOptionButton;
class CSkinSlider;
class CSkinEdit;
class CSkinListBox;
class CLabel;
class CSkinCombo;
class CIniFile;
class CSkinListBase;
class CTaskNotifierDlg;
class CZipReader;
class CFallbackLook;
class QAction;
class QMenu;

// The skin window: a dialog whose shape, background and controls come from a skin
// description. Controls report events here by index; the window turns the index into the
// control's name and calls the name-based operations, which derived windows override.
class CSkinDialog : public QDialog, public CSkinHost {
    Q_OBJECT

public:
    explicit CSkinDialog(QWidget* parent = nullptr);
    ~CSkinDialog() override;

    CSkinDialog(const CSkinDialog&) = delete;
    CSkinDialog& operator=(const CSkinDialog&) = delete;

    // Events and skin operations, in the order derived windows are used to finding them.
    virtual void OnSkinButton(const std::string& name);
    virtual void OnSkinOption(const std::string& name);
    void OnButtonIndex(int index) override;
    void OnOptionIndex(int index) override;
    void OnCheckIndex(int index) override;
    virtual void OnSkinSlider(const std::string& name, int position);
    void OnSliderIndex(int index, int position) override;
    virtual void OnSkinMouseMove(const std::string& name, int x, int y);
    virtual std::string GetFolderOf(const std::string& path) const;
    virtual void FreeSkin();
    void OnSkinListClick() override;
    void ToggleFirstComboList() override;
    void SelectFirstComboItem(const QString& text) override;
    virtual void Reshape();
    virtual void LoadSkin();
    virtual int ReservedHook(int value);

    // Lookups by exact control name; the first in list order wins.
    CSkinButton* FindButton(const std::string& name) const;
    CSkinSlider* FindSlider(const std::string& name) const;
    CLabel* FindLabel(const std::string& name) const;

    // Skin packages. ExtractPackage writes every entry of the package under `folder`; a package
    // that cannot be opened or extracted is reported in a message box. DeleteFolder removes
    // the folder with everything in it, read-only files and sub-folders included, silently.
    void ExtractPackage(const std::string& package, const std::string& folder);
    static void DeleteFolder(const std::string& folder);
    // Loads the skin of the package `name`, found in the package folders: extracted into a
    // folder of its own, loaded, and the folder removed again. Without a skin afterwards the
    // window takes its plain built-in look.
    void LoadPackage(const std::string& name);
    // Change Skin commands (32771 to 32778): the handler switches to the command's package;
    // the update handler checks the menu entry of the current skin and clears the others.
    void OnChangeSkin(int command);
    void OnUpdateChangeSkin(QAction& action) const;
    // Folders searched for packages, in order; the current folder when none are set.
    void SetPackageFolders(std::vector<std::string> folders) { m_packageFolders = std::move(folders); }
    std::vector<std::string> PackageFolders() const;
    // The first `name` found in the package folders, else `name` in the first of them.
    std::string FindPackage(const std::string& name) const;
    // False while the window shows its plain look because the last load found no skin.
    bool HasSkin() const { return !m_background.IsEmpty(); }
    const CFallbackLook* FallbackLook() const { return m_fallback.get(); }

    void SetDescriptionPath(std::string path) { m_descriptionPath = std::move(path); }
    const std::string& DescriptionPath() const { return m_descriptionPath; }

    // Replaces the bitmap's content with the file; an unreadable file leaves it empty.
    static void LoadPicture(const std::string& path, CBitmap& bitmap);
    // Shapes the window as `picture` without the pixels of `color`; true when any were removed.
    bool BuildShape(QRegion& shape, const CBitmap& picture, SkinColor color);
    // "hh:mm:ss", held at 99:59:59.
    static std::string FormatTime(int seconds);

    const QImage& BackgroundCanvas() const override { return m_canvas; }
    SkinColor TransparentColor() const { return m_transparentColor; }
    const SkinRect& ControlRect() const { return m_controlRect; }
    const QRegion& Shape() const { return m_shape; }
    int CurrentSkin() const { return m_currentSkin; }

    // The controls of the current skin, by kind, in creation order (their index is the position).
    const std::vector<std::unique_ptr<CSkinButton>>& PushButtons() const { return m_pushButtons; }
    const std::vector<std::unique_ptr<CSkinSlider>>& Sliders() const { return m_sliders; }
    const std::vector<std::unique_ptr<CSkinEdit>>& EditBoxes() const { return m_editBoxes; }
    const std::vector<std::unique_ptr<CSkinListBox>>& ListBoxes() const { return m_listBoxes; }
    const std::vector<std::unique_ptr<CLabel>>& Labels() const { return m_labels; }
    const std::vector<std::unique_ptr<CSkinOptionButton>>& OptionButtons() const { return m_optionButtons; }
    const std::vector<std::unique_ptr<CSkinCheckButton>>& CheckButtons() const { return m_checkButtons; }
    const std::vector<std::unique_ptr<CSkinCombo>>& ComboBoxes() const { return m_comboBoxes; }
    CLabel* CaptionLabel() const { return m_captionLabel.get(); }

    // Whether and with which page the promotional popup slides in at every load; by default it
    // does, with the page that ships with the program. Takes effect at the next load.
    void SetNotifierSettings(SNotifierSettings settings) { m_notifierSettings = std::move(settings); }
    // The popup, made by the first load that wants it; nullptr before.
    CTaskNotifierDlg* Notifier() const { return m_notifier.get(); }

    void setVisible(bool visible) override;

protected:
    // Called once, just before the window is first shown.
    virtual bool OnInitDialog();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A right click on the background opens the window menu.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The window menu: Minimise, Close and the Change Skin entries. Derived windows may add theirs.
    virtual void FillWindowMenu(QMenu& menu);
    // What the window menu's Minimise does; a derived window may minimise in a way of its own.
    virtual void Minimise();

    // Paints the background picture and the icon over it; controls are drawn by Qt afterwards.
    void PaintSkin(QPainter& painter) const;

private:
    // Takes the popup off the screen and its previous skin's buttons off the popup, faces it
    // with the new skin and slides it in.
    void ReloadNotifier();
    void LoadTaskbarButtons(const CIniFile& ini);
    void LoadBackground(const CIniFile& ini);
    void LoadTransparentColor(const CIniFile& ini);
    void LoadControlRect(const CIniFile& ini);
    void LoadIcon(const CIniFile& ini);
    void LoadPushButtons(const CIniFile& ini);
    void LoadSliders(const CIniFile& ini);
    void LoadOptionButtons(const CIniFile& ini);
    void LoadCheckButtons(const CIniFile& ini);
    void LoadCaption(const CIniFile& ini);
    void LoadLabels(const CIniFile& ini);
    void LoadEditBoxes(const CIniFile& ini);
    void LoadListBoxes(const CIniFile& ini);
    void LoadComboBoxes(const CIniFile& ini);
    void PrepareTimeLabel();
    void MakeBackgroundCanvas();
    // True where a press reaches the window itself or a decoration on it, not a control.
    bool IsBackgroundAt(const QPoint& point) const;
    // Shows the plain look, saying where `package` was looked for, or removes it after a load
    // that found a skin.
    void UpdateFallbackLook(const std::string& package);
    // The popup leaves the screen at once while a new skin is made.
    void HideNotifier();
    // Creation steps shared by the sections that make the same kind of control.
    template <typename Toggle>
    void LoadToggles(const CIniFile& ini, const char* section, std::vector<std::unique_ptr<Toggle>>& toggles);
    void SetUpButton(CSkinButton& button, const ButtonEntry& entry, int index) const;
    std::unique_ptr<CLabel> CreateLabel(const LabelEntry& entry);
    // Colours, font, place and scroll bar: what every list of a skin gets alike.
    void SetUpList(CSkinListBase& list, const SkinRect& rect, const ListColours& colours,
                   const ScrollPictureFiles& scroll) const;
    // Passes a move over the window on to the scroll bars of the first list box and of the
    // first combo box's list.
    void ForwardMouseMove(const QPoint& point);
    // An open list of the first combo box closes when the mouse moves over the window outside
    // the combo box.
    void CloseFirstComboListOutside(const QPoint& point);

    std::vector<std::unique_ptr<CSkinButton>> m_pushButtons;
    std::vector<std::unique_ptr<CSkinSlider>> m_sliders;
    std::vector<std::unique_ptr<CSkinEdit>> m_editBoxes;
    std::vector<std::unique_ptr<CSkinListBox>> m_listBoxes;
    std::vector<std::unique_ptr<CLabel>> m_labels;
    std::vector<std::unique_ptr<CSkinOptionButton>> m_optionButtons;
    std::vector<std::unique_ptr<CSkinCheckButton>> m_checkButtons;
    std::vector<std::unique_ptr<CSkinCombo>> m_comboBoxes;
    SkinRect m_controlRect;
    CBitmap m_iconPicture;
    SkinRect m_iconRect;
    std::unique_ptr<CLabel> m_captionLabel;
    // Magenta until a skin says otherwise: the usual key colour of skin pictures.
    SkinColor m_transparentColor = 0x00FF00FF;
    QRegion m_shape;
    int m_currentSkin = 0;
    QImage m_canvas;
    SNotifierSettings m_notifierSettings;
    std::unique_ptr<CTaskNotifierDlg> m_notifier;
    std::string m_descriptionPath;
    CBitmap m_background;
    std::unique_ptr<CZipReader> m_zipReader;
    std::vector<std::string> m_packageFolders;
    std::unique_ptr<CFallbackLook> m_fallback;

    bool m_initialised = false;
    // Set while the window follows the mouse itself because no window manager moves it.
    bool m_manualMove = false;
    QPoint m_moveOffset;
};
