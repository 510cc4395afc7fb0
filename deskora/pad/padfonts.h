// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The planner's fonts.

#include <QFont>
#include <QStringList>

#include <thread>

namespace deskora {

// Arial, or its metric twin where Arial is not installed.
inline QStringList ArialFamilies()
{
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}

// A font of the given size in points of a 96-dpi screen, so that the layout's pixel sizes hold,
// in the first of the families that is installed (all of them in turn where none is). Qt asks
// the font configuration for a stand-in of every family name that is not installed, once per
// font, which costs the start milliseconds; an installed name is found at once.
QFont PadFont(const QStringList& families, int points, bool bold = false);

// Reads the font configuration (some milliseconds of files under /etc/fonts) in a thread of its
// own, started before the application object so that it overlaps the connection to the display.
// The thread ends with the reading: join it before the first font is used, so that Qt does not
// read the configuration a second time alongside. Where Qt does without fontconfig, it does
// nothing.
std::jthread ReadFontConfiguration();

}  // namespace deskora
