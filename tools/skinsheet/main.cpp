// skinsheet: the contact sheet of the skins. Each skin is drawn, loaded into the viewer window
// with an image open, and the window written as a PNG, cut to its shape.
//   skinsheet FOLDER [WIDTH]    FOLDER/<id>.png for every skin, WIDTH pixels wide (default: as is)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <cstdio>
#include <filesystem>

#include "Phantom.h"
#include "Skins.h"
#include "app/ViewerDialog.h"
#include "controls/Label.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"

namespace {

constexpr int kPhantomSize = 320;
constexpr int kPhantomFrames = 24;

// What opening a file shows: the image, its page count and its information lists.
void OpenInWindow(CViewerDialog& window, const std::string& path) {
    CImageViewer& viewer = window.Viewer();
    viewer.SetOpenOption(1);
    viewer.SetFileName(path);
    viewer.SetViewMode(10);
    const auto& edits = window.EditBoxes();
    const auto setEdit = [&edits](size_t index, const QString& text) {
        if (index < edits.size()) {
            edits[index]->setText(text);
        }
    };
    setEdit(0, QString::fromStdString(path));
    setEdit(3, "1");
    setEdit(4, QString::number(viewer.PageCount()));
    setEdit(6, "80");
    const auto& lists = window.ListBoxes();
    if (lists.size() < 3) {
        return;
    }
    for (int s = 0; s < viewer.SectionCount(); ++s) {
        lists[0]->AddItem(QString::fromStdString(viewer.SectionName(s)));
    }
    for (int e = 0; e < viewer.EntryCount(0); ++e) {
        lists[1]->AddItem(QString::fromStdString(viewer.EntryName(0, e)));
    }
    lists[2]->AddItem(QString::fromStdString(viewer.EntryValue(0, 0)));
    for (const auto& list : lists) {
        if (list->topLevelItemCount() > 0) {
            list->topLevelItem(0)->setSelected(true);
        }
    }
}

// The window as it shows on screen: its pixels inside its shape, transparent outside.
QImage Shot(CViewerDialog& window) {
    const QImage grabbed = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QImage shot(grabbed.size(), QImage::Format_ARGB32);
    shot.fill(Qt::transparent);
    QPainter painter(&shot);
    painter.setClipRegion(window.Shape().isEmpty() ? QRegion(shot.rect()) : window.Shape());
    painter.drawImage(0, 0, grabbed);
    return shot;
}

// A folder made empty for the run and removed when the run ends, however it ends.
struct CScratchFolder {
    explicit CScratchFolder(const QString& path) : dir(path) { dir.removeRecursively(); }
    ~CScratchFolder() { QDir(dir).removeRecursively(); }
    QDir dir;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: skinsheet FOLDER [WIDTH]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int width = argc > 2 ? std::atoi(argv[2]) : 0;
    // A folder of a fixed name, so that the path the pictures show is the same from run to run.
    const CScratchFolder scratch(QDir::temp().filePath("vitrine-contact-sheet"));
    const QDir& work = scratch.dir;
    const std::string phantom = work.filePath("head-phantom.dcm").toStdString();
    if (!QDir().mkpath(out.path()) || !QDir().mkpath(work.path()) ||
        !WritePhantom(phantom, kPhantomSize, kPhantomFrames)) {
        std::fprintf(stderr, "skinsheet: cannot prepare the folders\n");
        return 1;
    }
    const std::filesystem::path start = std::filesystem::current_path();
    for (const QString& id : SkinIds()) {
        const QString folder = work.filePath(id);
        if (!WriteSkin(id, QDir(folder).filePath("Test"))) {
            std::fprintf(stderr, "skinsheet: cannot draw %s\n", qPrintable(id));
            return 1;
        }
        std::filesystem::current_path(folder.toStdString());
        CViewerDialog window;
        window.show();
        std::filesystem::current_path(start);
        OpenInWindow(window, phantom);
        // Pages are decoded in the background: give the first one time to arrive.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 1500) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        QImage shot = Shot(window);
        if (width > 0 && shot.width() > width) {
            shot = shot.scaledToWidth(width, Qt::SmoothTransformation);
        }
        const QString file = out.filePath(id + ".png");
        if (!shot.save(file)) {
            std::fprintf(stderr, "skinsheet: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
