// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The yardstick of the start-time measurement: a bare Qt Widgets program that shows one empty
// window and, as Lunoria and Deskora do under their *_BEENDEN_NACH_START=1, ends once the window
// has been painted, after writing "erstes-bild <seconds>" (the monotonic clock) to standard
// output.
//
//   startzeit-leer           the empty window
//   startzeit-leer --text    the same with one line of text: what the first text costs any
//                            program (Qt reads the font configuration and loads a font)
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "erstesbild.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lunoria::TNachErstemBildBeenden beenden;
    app.installEventFilter(&beenden);
    QWidget fenster;
    fenster.resize(400, 300);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* zeile = new QLabel(QStringLiteral("Brinvale Kalender"), &fenster);
        zeile->move(10, 10);
    }
    fenster.show();
    return QApplication::exec();
}
