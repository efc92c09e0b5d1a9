#include "PackageFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "skin/SkinPackages.h"

namespace {

// The executable of a build lives a few folders below the build's top, which holds the skins.
constexpr int kBuildLevels = 3;

QString BuildSkinFolder(QDir dir) {
    for (int level = 0; level < kBuildLevels; ++level) {
        if (QFileInfo(dir.filePath(QString("skins/") + SkinPackages::kStartup)).isFile()) {
            return dir.filePath("skins");
        }
        if (!dir.cdUp()) {
            break;
        }
    }
    return {};
}

QString UserSkinFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data)) {
        data = QDir::home().filePath(".local/share");
    }
    return QDir(data).filePath("vitrine/skins");
}

}  // namespace

std::vector<std::string> SkinPackageFolders(const std::string& startFolder) {
    const QDir program(QCoreApplication::applicationDirPath());
    // An installation keeps its skins in share/vitrine/skins beside its bin folder, which a build
    // never has. The build's rule, a skins folder a few levels up, is for a program without them
    // only: tried first, it would take any skins folder above an installation (~/skins above
    // ~/.local/bin) for the program's own.
    QString shipped = program.filePath("../share/vitrine/skins");
    if (!QFileInfo(shipped).isDir()) {
        const QString build = BuildSkinFolder(program);
        if (!build.isEmpty()) {
            shipped = build;
        }
    }
    std::vector<std::string> folders = {startFolder};
    for (const QString& folder : {shipped, UserSkinFolder()}) {
        const std::string path = QDir::cleanPath(folder).toStdString();
        if (std::find(folders.begin(), folders.end(), path) == folders.end()) {
            folders.push_back(path);
        }
    }
    return folders;
}
