// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// deskora_icon: writes Deskora's program icon for the desktop's menus, as a PNG file of one
// size or, for a name ending in .svg, as a scalable picture.
//
//     deskora_icon <file.png> [size]
//     deskora_icon <file.svg>
//
// The picture is the one the program paints for its own window and tray icon.

#include "app/shellpictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: deskora_icon <file.png> [size] | <file.svg>\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    if (file.endsWith(QLatin1String(".svg"))) {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(QSize(64, 64));
        svg.setViewBox(QRect(0, 0, 64, 64));
        svg.setTitle(QStringLiteral("Deskora"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            std::fprintf(stderr, "deskora_icon: cannot write %s\n", argv[1]);
            return 1;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        deskora::PaintProgramIcon(painter);
        return painter.end() ? 0 : 1;
    }
    const int size = argc == 3 ? std::atoi(argv[2]) : 256;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "deskora_icon: size must be 16 to 1024\n");
        return 2;
    }
    if (!deskora::ProgramIconImage(size).save(file, "PNG")) {
        std::fprintf(stderr, "deskora_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
