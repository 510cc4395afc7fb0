// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace deskora {

namespace {

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF())
           + 0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor WantedOrFallback(const QColor& wanted, const QColor& fallback,
                        std::initializer_list<QColor> backgrounds)
{
    for (const QColor& background : backgrounds) {
        if (ContrastRatio(wanted, background) < ReadableContrast)
            return fallback;
    }
    return wanted;
}

QColor ReadableOn(const QColor& color, const QColor& background)
{
    if (ContrastRatio(color, background) >= ReadableContrast)
        return color;
    // Black reaches at least 4.58:1 on a background of luminance 0.18 and above, white below.
    const QColor target = RelativeLuminance(background) >= 0.18 ? QColor(Qt::black)
                                                                : QColor(Qt::white);
    const QColor from = color.toRgb();
    QColor moved = from;
    for (int step = 1; step <= 20 && ContrastRatio(moved, background) < ReadableContrast; ++step) {
        const double t = step / 20.0;
        moved = QColor::fromRgbF(float(from.redF() + (target.redF() - from.redF()) * t),
                                 float(from.greenF() + (target.greenF() - from.greenF()) * t),
                                 float(from.blueF() + (target.blueF() - from.blueF()) * t));
    }
    return moved;
}

}  // namespace deskora
