#pragma once

#include <QPixmap>
#include <string>

#include "app/ImageViewer.h"
#include "skin/SkinDialog.h"

class CImageViewerControl;

// The viewer window: the skin window that hosts the image viewer and reacts to its controls.
class CViewerDialog : public CSkinDialog {
    Q_OBJECT

public:
    explicit CViewerDialog(QWidget* parent = nullptr);

    const QPixmap& Icon() const { return m_icon; }
    int CurrentPage() const { return m_currentPage; }
    // The viewer control and the wrapper the commands drive it through.
    CImageViewerControl* ViewerControl() const { return m_viewerControl; }
    CImageViewer& Viewer() { return m_viewer; }

    // Every skin says where the image goes, so the viewer control moves there with each load,
    // a switch's included: left where an earlier skin put it, it would cover the new skin's
    // controls.
    void LoadSkin() override;

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void PlaceViewerControl();
    void PrepareInformationLists();

    CImageViewerControl* m_viewerControl;  // a child of the window
    CImageViewer m_viewer;
    std::string m_openedPath;
    std::string m_openedName;
    int m_currentPage = 1;
    int m_selection1 = 0;
    int m_selection2 = 0;
    int m_selection3 = 0;
    QPixmap m_icon;
};
