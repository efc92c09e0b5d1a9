// skingen: draws the pictures and descriptions of the program's skins.
//   skingen dev FOLDER    the development skin

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "DevSkin.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "dev") == 0) {
        if (WriteDevSkin(QString::fromLocal8Bit(argv[2]))) {
            return 0;
        }
        std::fprintf(stderr, "skingen: cannot write the skin into %s\n", argv[2]);
        return 1;
    }
    std::fprintf(stderr, "usage: skingen dev FOLDER\n");
    return 2;
}
