// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The pad's pictures, painted by the program itself: the ring-binder background "CalendarPad_"
// and the three hand cursors that point at the page corners and the date box.

#include <QCursor>
#include <QImage>
#include <QPixmap>

namespace deskora {

// Numbers of the hand cursors in the pad's cursor table.
inline constexpr int crTopHand = -1018;    // "TopHand_D": over the date box
inline constexpr int crRightHand = -1019;  // "RightHand_D": over the next-day corner
inline constexpr int crLeftHand = -1020;   // "LeftHand_D": over the previous-day corner

// 387 x 278: two white pages in a wooden frame, two rings in the middle, a small arrow in each
// lower corner; painted for a screen of the device pixel ratio (387 x 278 logical pixels).
QPixmap CalendarPadBitmap(qreal devicePixelRatio = 1);
// The same picture as an image, which any thread may paint.
QImage CalendarPadImage(qreal devicePixelRatio = 1);

// The cursor registered under a number of the table above; the arrow cursor for any other.
QCursor PadCursor(int number);

}  // namespace deskora
