#pragma once

#include <QPixmap>
#include <string>

#include "skin/SkinDialog.h"

// The viewer window: the skin window that hosts the image viewer and reacts to its controls.
class CViewerDialog : public CSkinDialog {
    Q_OBJECT

public:
    explicit CViewerDialog(QWidget* parent = nullptr);

    const QPixmap& Icon() const { return m_icon; }
    int CurrentPage() const { return m_currentPage; }

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::string m_openedPath;
    std::string m_openedName;
    int m_currentPage = 1;
    int m_selection1 = 0;
    int m_selection2 = 0;
    int m_selection3 = 0;
    QPixmap m_icon;
};
