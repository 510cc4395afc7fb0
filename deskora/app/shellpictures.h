// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The planner's pictures, painted by the program itself: the three button pictures and the
// program icon.

#include <QIcon>
#include <QImage>
#include <QPixmap>

class QPainter;

namespace deskora {

// 16 x 16 button pictures: a yellow crescent moon ("Mond"), a question mark on a blue disc
// ("Hilfe"), an open door with an arrow ("Schließen").
QPixmap MondPicture();
QPixmap HilfePicture();
QPixmap SchliessenPicture();

// The program icon at one size: a small desk pad, a white page with two rings, a red date
// box and ruled lines, in a wooden frame.
QImage ProgramIconImage(int size);
// The same picture painted in units of a 64 x 64 square, on any painter (the scalable icon).
void PaintProgramIcon(QPainter& painter);
// The program icon at the sizes of title bars, task switchers and tray areas (16 to 48 pixels).
QIcon ProgramIcon();

}  // namespace deskora
