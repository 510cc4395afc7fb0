// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once

class QPixmap;
class QString;

namespace lunoria {

// Makes the controls' pictures available. They live in this static library's resources, which
// the linker keeps only when something refers to them; every control calls this first.
void SteuerRessourcenLaden();

// A picture of the resources in the format given ("PNG", "XPM"), read by Qt's own reader for
// that format. Qt would otherwise load each of its image plugins to ask it about the file
// first, which costs a program's start milliseconds. Empty when the picture cannot be read.
QPixmap RessourcenBild(const QString& pfad, const char* format);

}  // namespace lunoria
