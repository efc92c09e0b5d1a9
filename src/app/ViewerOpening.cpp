// Every way a file reaches the viewer window: its Open and TIF buttons with their dialogs, a
// file named at start, and files dropped on the window. All of them end in the same two
// routines, so a file opens the same way whichever road it came by.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "app/ViewerDialog.h"
#include "controls/SkinListBox.h"
#include "platform/FileDialogs.h"

namespace {

constexpr char kDicomFilter[] = "DICOM Images (*.dcm)|*.dcm||";
constexpr char kTifFilter[] = "TIF Files (*.tif)|*.tif||";

std::string FullPath(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

bool IsTifName(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix();
    return suffix.compare("tif", Qt::CaseInsensitive) == 0 ||
           suffix.compare("tiff", Qt::CaseInsensitive) == 0;
}

// Several files may be chosen; the commands work on one, the first.
std::string FirstOf(const QStringList& files) {
    return files.isEmpty() ? std::string() : files.front().toStdString();
}

}  // namespace

void CViewerDialog::OpenImage() {
    const std::string path = FirstOf(CFileDialogs::Current().Open(this, kDicomFilter));
    if (!path.empty()) {
        OpenImageFile(path);
    }
}

void CViewerDialog::OpenTif() {
    const std::string path = FirstOf(CFileDialogs::Current().Open(this, kTifFilter));
    if (!path.empty()) {
        OpenTifFile(path);
    }
}

void CViewerDialog::OpenImagePath(const std::string& path) {
    RunGuarded([this, &path] { OpenImageFile(path); });
}

void CViewerDialog::OpenTifPath(const std::string& path) {
    RunGuarded([this, &path] { OpenTifFile(path); });
}

void CViewerDialog::OpenImageFile(const std::string& path) {
    m_openedPath = FullPath(path);
    for (const EInfoList list : {kSectionList, kEntryList, kValueList}) {
        ClearRows(list);
    }
    m_viewer.SetOpenOption(1);
    SetEditText(kPathBox, QString::fromStdString(m_openedPath));
    // A file that does not open still goes on: the control describes the failure in the lists.
    const bool opened = m_viewer.OpenFile(m_openedPath);
    const std::string reason = opened ? std::string() : m_viewer.LastError();
    m_viewer.SetViewMode(kFitMode);
    m_viewer.ShowFile(m_openedPath, m_viewer.ShowFileIndex());
    SetEditText(kPageCountBox, QString::number(m_viewer.PageCount()));
    if (CSkinListBox* sections = List(kSectionList)) {
        const std::int32_t count = m_viewer.SectionCount();
        for (std::int32_t s = 0; s < count; ++s) {
            InsertRow(*sections, s + 1, m_viewer.SectionName(s));
        }
    }
    FillEntries(0);
    FillValue(0, 0);
    // The page commands start from the page the control shows, not from the last file's.
    const std::int16_t shown = m_viewer.ShowFileIndex();
    m_currentPage = shown >= 1 ? shown : 1;
    SetEditText(kPageBox, shown >= 1 ? QString::number(shown) : QString());
    if (!opened) {
        ShowError(QString::fromStdString("Cannot open \"" + m_openedPath + "\"" +
                                         (reason.empty() ? "." : ": " + reason)));
    }
}

void CViewerDialog::OpenTifFile(const std::string& path) {
    m_viewer.SetOpenOption(1);
    m_openedPath = FullPath(path);
    m_viewer.SetFileName(m_openedPath);
    m_viewer.SetViewMode(kFitMode);
}

void CViewerDialog::OpenWhenShown(const std::string& path) {
    QTimer::singleShot(0, this, [this, path] { OpenImagePath(path); });
}

void CViewerDialog::OpenDropped(const std::string& path) {
    if (IsTifName(path)) {
        OpenTifPath(path);
    } else {
        OpenImagePath(path);
    }
}

std::string CViewerDialog::DroppedFile(const QMimeData* data) {
    if (!data) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile().toStdString();
        }
    }
    return {};
}

bool CViewerDialog::eventFilter(QObject* watched, QEvent* event) {
    // A file may be dropped anywhere on the window, its edit boxes included (which would
    // otherwise take the file's name as text), so drags are taken before any control sees them.
    const QEvent::Type type = event->type();
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this && !m_iconic) {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::string path = DroppedFile(drop->mimeData());
        if (!path.empty()) {
            drop->acceptProposedAction();
            if (type == QEvent::Drop) {
                OpenDropped(path);
            }
            return true;
        }
    }
    return CSkinDialog::eventFilter(watched, event);
}
