#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/ImageViewer.h"
#include "skin/SkinDialog.h"

class CImageViewerControl;
class CSkinListBox;
class QMimeData;

// The viewer window: the skin window that hosts the image viewer and reacts to its controls.
//
// Every command has a button name, and OnSkinButton is its one entry point: the skin's buttons,
// the keys, the context menu and dropped files all arrive there (or at the open routine the
// Open button shares), and an error the viewer control raises during a command is shown there
// while the window goes on.
class CViewerDialog : public CSkinDialog {
    Q_OBJECT

public:
    explicit CViewerDialog(QWidget* parent = nullptr);

    const QPixmap& Icon() const { return m_icon; }
    int CurrentPage() const { return m_currentPage; }
    const std::string& OpenedPath() const { return m_openedPath; }
    // The viewer control and the wrapper the commands drive it through.
    CImageViewerControl* ViewerControl() const { return m_viewerControl; }
    CImageViewer& Viewer() { return m_viewer; }

    // Events of the skin's controls, by name.
    void OnSkinButton(const std::string& name) override;
    void OnSkinOption(const std::string& name) override;
    void OnSkinSlider(const std::string& name, int position) override;
    void OnSkinListClick() override;

    // Opens `path` as the Open button does once its dialog has given a file: the path box,
    // the page count, the page and the information lists follow the file. Like every command,
    // shows an error of the viewer control in an error box.
    void OpenImagePath(const std::string& path);
    // Opens `path` as the TIF button does once its dialog has given a file.
    void OpenTifPath(const std::string& path);
    // Opens `path` once the window shows and its event loop runs (a file named at start).
    void OpenWhenShown(const std::string& path);
    // A dropped file: a TIF image opens as the TIF button opens it, anything else as the
    // Open button does.
    void OpenDropped(const std::string& path);

    // True while the window stands minimised as its own icon, where no window manager
    // minimises it.
    bool IsIconic() const { return m_iconic; }

    // Every skin says where the image goes, so the viewer control moves there with each load,
    // a switch's included: left where an earlier skin put it, it would cover the new skin's
    // controls.
    void LoadSkin() override;

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // No window menu while the window stands as its icon.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Also takes files dragged over the window's controls.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Minimises with the window manager, or where none runs, to the window's own icon.
    void Minimise() override;

private:
    // The skin's controls the commands use, by position in the skin's lists of their kind.
    enum EEditBox : std::size_t {
        kPathBox = 0,
        kSaveSettingA = 1,
        kSaveSettingB = 2,
        kPageBox = 3,
        kPageCountBox = 4,
        kGoToBox = 5,
        kStartBox = 6,
    };
    enum EInfoList : std::size_t { kSectionList = 0, kEntryList = 1, kValueList = 2 };
    // The view mode that fits the page to the control; paging and opening return to it.
    static constexpr std::int16_t kFitMode = 10;

    void PlaceViewerControl();
    void PrepareInformationLists();

    // Runs `command`, showing an error the viewer control raises in the standard error box.
    void RunGuarded(const std::function<void()>& command);
    void RunCommand(const std::string& name);
    void InstallShortcuts();

    // The commands.
    void OpenImage();
    void OpenTif();
    void OpenImageFile(const std::string& path);
    void OpenTifFile(const std::string& path);
    void GoToTypedPage();
    void FirstPage();
    void PreviousPage();
    void NextPage();
    void LastPage();
    void SaveShownImage();
    void StartFromOpenedPath();
    void UpdateInformationLists();

    // Shows page `page`: the view fits the window again, then the control goes to the page.
    void ShowPage(std::int32_t page);
    void UpdatePageBox();
    // A warning box captioned with the application's title; returns once it is closed.
    void ShowMessage(const QString& text);
    void ShowError(const QString& text);

    // Controls addressed by position in the skin's lists; a control the skin lacks reads as
    // empty and ignores what is written to it.
    QString EditText(std::size_t index) const;
    void SetEditText(std::size_t index, const QString& text) const;
    CSkinListBox* List(std::size_t index) const;
    QString ComboText() const;
    // Appends a row numbered `number` with `text` in the text column.
    static void InsertRow(CSkinListBox& list, int number, const std::string& text);
    void ClearRows(EInfoList list) const;
    // Fills the entry list with the entries of `section`, the value list with one entry's value.
    void FillEntries(std::int32_t section);
    void FillValue(std::int32_t section, std::int32_t entry);

    // The first local file a drag carries, if any.
    static std::string DroppedFile(const QMimeData* data);

    // Where no window manager minimises the window, it stands in for its own icon.
    void EnterIconic();
    void LeaveIconic();

    CImageViewerControl* m_viewerControl;  // a child of the window
    CImageViewer m_viewer;
    std::string m_openedPath;
    std::int32_t m_currentPage = 1;
    int m_selection1 = 0;
    int m_selection2 = 0;
    int m_selection3 = 0;
    QPixmap m_icon;

    bool m_iconic = false;
    QSize m_sizeBeforeIconic;
    std::vector<QPointer<QWidget>> m_hiddenWhileIconic;
    QPoint m_iconPressedAt;
};
