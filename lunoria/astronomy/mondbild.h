// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The moon picture: a dark disc with the lit part laid over it, bounded by the limb and by the
// terminator (a half-ellipse), turned by the picture angle. The lit part is flat yellow, or cut
// out of a picture of the full moon. The one unit of the astronomy folder that uses Qt.

#include <QPoint>
#include <QVector>

#include "calendar/extended.h"

#include <QImage>
#include <QSize>

class QColor;
class QPainter;

namespace lunoria {

// Fill colour of the lit part when no picture is given.
inline constexpr int MondFuellRot = 235;
inline constexpr int MondFuellGruen = 239;
inline constexpr int MondFuellBlau = 50;

// The outline of the lit part in canvas pixels: the limb from the bottom over the lit side to the
// top, then the terminator back to the bottom, turned by winkel (degrees) about (cx, cy).
// prozent is the lit fraction (0 ... 100); values outside are taken to the nearest end and a NaN
// counts as 0, a non-finite angle as 0.
QVector<QPoint> MondUmriss(int cx, int cy, int rx, int ry, Extended prozent, Extended winkel, bool zunehmend);

// Draws the moon on the canvas: centre (cx, cy), radii (rx, ry) in pixels, background colour
// around the disc, lit fraction in percent, picture angle in degrees, waxing flag. With a
// non-null bild the whole picture is stretched over the canvas's clipping rectangle and shows
// only inside the lit outline (odd-even rule); without one the outline is filled with
// MondFuell* and drawn with a black pen. The painter's pen, brush and clipping are the same
// afterwards.
void MondBildZeichnen(QPainter& canvas, int cx, int cy, int rx, int ry, const QColor& hintergrund, Extended prozent,
                      Extended winkel, bool zunehmend, const QImage* bild);

// The moon picture for a picture control of the size (logical pixels) on a screen of the device
// pixel ratio: drawn with MondBildZeichnen at the full device resolution, the centre and radii
// half the device size, so limb and terminator are as fine as the screen; the image carries the
// ratio, so it shows at the logical size.
QImage MondBild(QSize groesse, qreal pixelVerhaeltnis, const QColor& hintergrund, Extended prozent, Extended winkel,
                bool zunehmend, const QImage* bild);

}  // namespace lunoria
