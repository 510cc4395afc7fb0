// deskora_icon: writes Deskora's program icon as a PNG file, for the desktop's menus.
//
//     deskora_icon <file.png> [size]
//
// The picture is the one the program paints for its own window and tray icon.

#include "app/shellpictures.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: deskora_icon <file.png> [size]\n");
        return 2;
    }
    const int size = argc == 3 ? std::atoi(argv[2]) : 256;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "deskora_icon: size must be 16 to 1024\n");
        return 2;
    }
    if (!deskora::ProgramIconImage(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "deskora_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
