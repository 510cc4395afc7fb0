// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Contrast of text against its background, as the web accessibility guidelines measure it: the
// ratio of the relative luminances, each plus 0.05, from 1:1 (equal) to 21:1 (black on white).
// Text must reach 4.5:1 to be readable by people with reduced vision.

#include <QColor>

#include <initializer_list>

namespace deskora {

// The least contrast of ordinary text against its background.
constexpr double ReadableContrast = 4.5;

// Relative luminance of a colour, 0 (black) to 1 (white), from its linearised sRGB parts.
double RelativeLuminance(const QColor& color);
// (lighter + 0.05) / (darker + 0.05).
double ContrastRatio(const QColor& a, const QColor& b);

// The wanted colour where it reads on every background given; otherwise the fallback (the
// palette's own colour for that text).
QColor WantedOrFallback(const QColor& wanted, const QColor& fallback,
                        std::initializer_list<QColor> backgrounds);

// The colour itself where it reads on the background; otherwise the colour moved towards black
// (on a light background) or white (on a dark one) just far enough to read.
QColor ReadableOn(const QColor& color, const QColor& background);

}  // namespace deskora
