// skinsheet: the contact sheet of the skins. The viewer window starts as it always does, from
// Purple.skn, with an image open; then each Change Skin command switches it to the next package.
// After the start and after every switch the window is written as a PNG, cut to its shape.
//   skinsheet FOLDER [WIDTH]    FOLDER/<id>.png for every skin, WIDTH pixels wide (default: as is)
// The packages are found where the viewer finds them: in the current folder, then with the
// program (a build's skin folder).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <cstdio>

#include "Phantom.h"
#include "Skins.h"
#include "app/ViewerDialog.h"
#include "controls/SkinEdit.h"
#include "controls/SkinListBox.h"
#include "platform/MessageBoxes.h"
#include "skin/SkinPackages.h"
#include "viewer/ImageViewerControl.h"

namespace {

constexpr int kPhantomSize = 320;
constexpr int kPhantomFrames = 24;

// A package that does not load must not wait for a person: its message goes to the terminal.
class CPrintedBoxes : public CMessageBoxes {
public:
    Answer Show(QWidget*, const QString& text, const QString&, Icon, Buttons) override {
        std::fprintf(stderr, "skinsheet: %s\n", qPrintable(text));
        failed = true;
        return Answer::No;
    }
    bool failed = false;
};

// A folder made empty for the run and removed when the run ends, however it ends.
struct CScratchFolder {
    explicit CScratchFolder(const QString& path) : dir(path) { dir.removeRecursively(); }
    ~CScratchFolder() { QDir(dir).removeRecursively(); }
    QDir dir;
};

// What the window shows with a file open: the image, the path, the page boxes and the three
// information lists. A switch gives the window fresh controls, so this is done after each.
void ShowOpenFile(CViewerDialog& window, const std::string& path) {
    CImageViewer& viewer = window.Viewer();
    if (window.ViewerControl()->PageCount() == 0) {
        viewer.SetOpenOption(1);
        viewer.SetFileName(path);
        viewer.SetViewMode(10);
    }
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
    for (const auto& list : lists) {
        list->clear();
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

// Lets the window settle: pages are decoded in the background, and paints are queued.
void Settle(int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

// The window as it shows on screen: its pixels inside its shape, transparent outside.
QImage Shot(CViewerDialog& window, int width) {
    const QImage grabbed = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QImage shot(grabbed.size(), QImage::Format_ARGB32);
    shot.fill(Qt::transparent);
    {
        QPainter painter(&shot);
        painter.setClipRegion(window.Shape().isEmpty() ? QRegion(shot.rect()) : window.Shape());
        painter.drawImage(0, 0, grabbed);
    }
    return width > 0 && shot.width() > width ? shot.scaledToWidth(width, Qt::SmoothTransformation) : shot;
}

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
    const std::string phantom = scratch.dir.filePath("head-phantom.dcm").toStdString();
    if (!QDir().mkpath(out.path()) || !QDir().mkpath(scratch.dir.path()) ||
        !WritePhantom(phantom, kPhantomSize, kPhantomFrames)) {
        std::fprintf(stderr, "skinsheet: cannot prepare the folders\n");
        return 1;
    }
    CPrintedBoxes boxes;
    CMessageBoxes::Install(&boxes);

    // The ids name the pictures: the start-up skin first, then one per Change Skin command.
    const QStringList ids = SkinIds();
    CViewerDialog window;
    window.show();
    for (int shown = 0; shown < ids.size(); ++shown) {
        if (shown > 0) {
            window.OnChangeSkin(SkinPackages::kFirstCommand + shown - 1);
        }
        ShowOpenFile(window, phantom);
        Settle(shown == 0 ? 1500 : 400);
        const QString file = out.filePath(ids[shown] + ".png");
        if (boxes.failed || !window.HasSkin()) {
            std::fprintf(stderr, "skinsheet: the skin %s did not load\n", qPrintable(ids[shown]));
            return 1;
        }
        if (!Shot(window, width).save(file)) {
            std::fprintf(stderr, "skinsheet: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
