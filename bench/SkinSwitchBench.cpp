// One skin switch as the user sees it: the package extracted into a fresh folder, the skin
// loaded (pictures, shape, controls), the folder removed, and the window's first paint. The
// skin is Deluxe, the largest of the program's skins (1240 x 720) and the one with most to draw.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "Skins.h"
#include "platform/MessageBoxes.h"
#include "skin/SkinDialog.h"

namespace {

constexpr QSize kSkinSize(1240, 720);
constexpr int kOrangeCommand = 32771;

// A failing switch must not wait for a person.
class CSilentBoxes : public CMessageBoxes {
public:
    Answer Show(QWidget*, const QString&, const QString&, Icon, Buttons) override {
        ++shown;
        return Answer::No;
    }
    int shown = 0;
};

// Draws the skin and packs it as Orange.zip into `folder`.
bool MakePackage(const QString& folder) {
    const QString drawn = QDir(folder).filePath("drawn");
    if (!WriteSkin("deluxe", drawn)) {
        return false;
    }
    QStringList arguments = {"-E", "tar", "cf", QDir(folder).filePath("Orange.zip"), "--format=zip", "--"};
    arguments += QDir(drawn).entryList(QDir::Files);
    QProcess pack;
    pack.setWorkingDirectory(drawn);
    pack.start(CMAKE_PROGRAM, arguments);
    return pack.waitForFinished() && pack.exitCode() == 0;
}

void SkinSwitch(benchmark::State& state) {
    QTemporaryDir folder;
    if (!MakePackage(folder.path())) {
        state.SkipWithError("cannot make the skin package");
        return;
    }
    CSilentBoxes boxes;
    CMessageBoxes::Install(&boxes);
    CSkinDialog dialog;
    dialog.SetPackageFolders({folder.path().toStdString()});
    dialog.OnChangeSkin(kOrangeCommand);
    if (boxes.shown > 0 || dialog.size() != kSkinSize || dialog.PushButtons().empty()) {
        state.SkipWithError("the package does not load");
    }
    for (auto _ : state) {
        dialog.OnChangeSkin(kOrangeCommand);
        dialog.repaint();
    }
    CMessageBoxes::Install(nullptr);
}

BENCHMARK(SkinSwitch)->Unit(benchmark::kMillisecond);

}  // namespace
