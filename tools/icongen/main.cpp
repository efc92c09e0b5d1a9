// icongen: draws the program's icon into a hicolor icon theme folder.
//   icongen FOLDER SIZE...   writes FOLDER/SIZExSIZE/apps/vitrine.png for each size

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "app/AppIcon.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: icongen FOLDER SIZE...\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int extent = std::atoi(argv[i]);
        if (extent <= 0) {
            std::fprintf(stderr, "icongen: %s is not a size\n", argv[i]);
            return 2;
        }
        const QString folder = QString("%1x%1/apps").arg(extent);
        const QString file = theme.filePath(folder + "/vitrine.png");
        if (!theme.mkpath(folder) || !CreateAppIcon(extent).save(file, "PNG")) {
            std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
