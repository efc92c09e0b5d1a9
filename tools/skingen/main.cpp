// skingen: draws the pictures and descriptions of the program's skins.
//   skingen dev FOLDER    the development skin
//   skingen ID FOLDER     the skin ID: startup, orange, black, purple, blue, red, gray, pink, deluxe

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "Colourings.h"
#include "DevSkin.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QString id = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (id == "dev" || SkinIds().contains(id)) {
        const QString folder = QString::fromLocal8Bit(argv[2]);
        if (id == "dev" ? WriteDevSkin(folder) : WriteSkin(id, folder)) {
            return 0;
        }
        std::fprintf(stderr, "skingen: cannot write the skin into %s\n", argv[2]);
        return 1;
    }
    std::fprintf(stderr, "usage: skingen dev|%s FOLDER\n", qPrintable(SkinIds().join('|')));
    return 2;
}
