// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "farben.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace lunoria {

QColor FarbeZuQColor(TColor farbe)
{
    if (farbe & SystemFarbeFlag) {
        const QPalette palette = QApplication::palette();
        switch (farbe & 0xFF) {
        case 2:  // active caption: the classic navy
            return QColor(0, 0, 128);
        case 3:  // inactive caption: the classic grey
            return QColor(128, 128, 128);
        case 5: return palette.color(QPalette::Base);
        case 8: return palette.color(QPalette::WindowText);
        case 15: return palette.color(QPalette::Button);
        case 16:  // button shadow
            return QColor(128, 128, 128);
        case 20:  // button highlight
            return QColor(255, 255, 255);
        default: return QColor(192, 192, 192);
        }
    }
    return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                  static_cast<int>((farbe >> 16) & 0xFF));
}

double RelativeLuminanz(const QColor& farbe)
{
    const auto kanal = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = farbe.toRgb();
    return 0.2126 * kanal(rgb.redF()) + 0.7152 * kanal(rgb.greenF()) + 0.0722 * kanal(rgb.blueF());
}

double Kontrast(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminanz(a);
    const double lb = RelativeLuminanz(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LesbareFarbe(const QColor& wunsch, const QColor& hintergrund, std::initializer_list<QColor> kandidaten)
{
    if (Kontrast(wunsch, hintergrund) >= MindestKontrast)
        return wunsch;
    for (const QColor& k : kandidaten)
        if (Kontrast(k, hintergrund) >= MindestKontrast)
            return k;
    const QColor schwarz(Qt::black);
    const QColor weiss(Qt::white);
    return Kontrast(schwarz, hintergrund) >= Kontrast(weiss, hintergrund) ? schwarz : weiss;
}

bool DunklePalette(const QPalette& palette)
{
    return RelativeLuminanz(palette.color(QPalette::Window)) < RelativeLuminanz(palette.color(QPalette::WindowText));
}

TKalenderFarben::TKalenderFarben() = default;

void TKalenderFarben::Setze(TColor& feld, TColor wert)
{
    if (feld == wert)
        return;
    feld = wert;
    Neuzeichnen();
}

void TKalenderFarben::Neuzeichnen()
{
    if (m_Besitzer)
        m_Besitzer->update();
}

void TKalenderFarben::FarbSchema(int aussehen)
{
    if (aussehen == kst_Standard || aussehen == kst_3D) {
        m_FarbeKW = COLOR_WINDOWTEXT;
        m_FarbeText = COLOR_WINDOWTEXT;
        m_FarbeSamstag = COLOR_ACTIVECAPTION;
        m_FarbeSonntag = COLOR_WINDOWTEXT;
        m_FarbeTage = COLOR_ACTIVECAPTION;
        m_FarbeUngueltig = COLOR_INACTIVECAPTION;
        m_FarbeSysDatum = COLOR_WINDOW;
        m_FarbeBkText = COLOR_BTNFACE;
        m_FarbeBkTage = COLOR_BTNFACE;
        m_FarbeBkCaption = COLOR_BTNFACE;
        m_FarbeCaption = COLOR_WINDOWTEXT;
    } else if (aussehen == kst_win95) {
        m_FarbeKW = COLOR_WINDOWTEXT;
        m_FarbeText = COLOR_BTNFACE;
        m_FarbeSamstag = COLOR_WINDOWTEXT;
        m_FarbeSonntag = COLOR_WINDOWTEXT;
        m_FarbeTage = COLOR_WINDOWTEXT;
        m_FarbeUngueltig = COLOR_WINDOW;
        m_FarbeSysDatum = COLOR_ACTIVECAPTION;
        m_FarbeBkText = COLOR_INACTIVECAPTION;
        m_FarbeBkTage = COLOR_WINDOW;
        m_FarbeBkCaption = COLOR_BTNFACE;
        m_FarbeCaption = COLOR_WINDOWTEXT;
    }
    Neuzeichnen();
}

bool TKalenderFarben::operator==(const TKalenderFarben& o) const
{
    return m_FarbeBkText == o.m_FarbeBkText && m_FarbeBkTage == o.m_FarbeBkTage && m_FarbeLinien == o.m_FarbeLinien &&
           m_FarbeText == o.m_FarbeText && m_FarbeKW == o.m_FarbeKW && m_FarbeTage == o.m_FarbeTage &&
           m_FarbeSamstag == o.m_FarbeSamstag && m_FarbeSonntag == o.m_FarbeSonntag &&
           m_FarbeSysDatum == o.m_FarbeSysDatum && m_FarbeCaption == o.m_FarbeCaption &&
           m_FarbeUngueltig == o.m_FarbeUngueltig && m_FarbeBkCaption == o.m_FarbeBkCaption;
}

}  // namespace lunoria
