// skingen: draws the pictures and descriptions of the program's skins.
//   skingen ID FOLDER    draws the skin ID (startup, orange, black, ...) into FOLDER

#include <QGuiApplication>
#include <cstdio>

#include "Skins.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc == 3 && SkinIds().contains(QString::fromLocal8Bit(argv[1]))) {
        if (WriteSkin(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]))) {
            return 0;
        }
        std::fprintf(stderr, "skingen: cannot write the skin into %s\n", argv[2]);
        return 1;
    }
    std::fprintf(stderr, "usage: skingen ID FOLDER, ID one of: %s\n", qPrintable(SkinIds().join(' ')));
    return 2;
}
