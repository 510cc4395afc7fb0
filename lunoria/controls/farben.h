// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Colour values of the calendar controls and the grid's colour set.

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <initializer_list>

namespace lunoria {

// 0x00BBGGRR for a fixed colour, or 0x80000000 | index for a system colour.
using TColor = std::uint32_t;

inline constexpr TColor SystemFarbeFlag = 0x80000000u;

// System colour indices, as stored in colour values.
inline constexpr TColor COLOR_ACTIVECAPTION = SystemFarbeFlag | 2;
inline constexpr TColor COLOR_INACTIVECAPTION = SystemFarbeFlag | 3;
inline constexpr TColor COLOR_WINDOW = SystemFarbeFlag | 5;
inline constexpr TColor COLOR_WINDOWTEXT = SystemFarbeFlag | 8;
inline constexpr TColor COLOR_BTNFACE = SystemFarbeFlag | 15;

// Fixed colours.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clYellow = 0x00FFFF;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The colour a value stands for: system colours through the application palette where a role
// fits (button face, window, window text), the classic fixed values otherwise.
QColor FarbeZuQColor(TColor farbe);

// Relative luminance of a colour after WCAG 2 (0 black ... 1 white) and the contrast ratio of
// two colours (1 ... 21). Text is readable from a ratio of 4.5 against its background.
double RelativeLuminanz(const QColor& farbe);
double Kontrast(const QColor& a, const QColor& b);
inline constexpr double MindestKontrast = 4.5;

// The wished colour where it stands out enough from the background; otherwise the first of the
// candidates that does (colours of the palette in use), and failing all, black or white,
// whichever stands out more.
QColor LesbareFarbe(const QColor& wunsch, const QColor& hintergrund, std::initializer_list<QColor> kandidaten = {});

// A palette with light text on a dark window. The fixed colours of the controls (navy values,
// the navy system date) are kept on a light palette, where they were chosen; on a dark one
// they give way to the palette's colours where they are not readable.
bool DunklePalette(const QPalette& palette);

// Drawing styles of the month grid.
enum TKalenderShowTyp : int { kst_Standard = 0, kst_3D = 1, kst_win95 = 2 };

// The twelve colours of a month grid. The owner (the grid) is repainted when a colour changes.
class TKalenderFarben {
public:
    TKalenderFarben();

    TColor FarbeBkText() const { return m_FarbeBkText; }
    TColor FarbeBkTage() const { return m_FarbeBkTage; }
    TColor FarbeLinien() const { return m_FarbeLinien; }
    TColor FarbeText() const { return m_FarbeText; }
    TColor FarbeKW() const { return m_FarbeKW; }
    TColor FarbeTage() const { return m_FarbeTage; }
    TColor FarbeSamstag() const { return m_FarbeSamstag; }
    TColor FarbeSonntag() const { return m_FarbeSonntag; }
    TColor FarbeSysDatum() const { return m_FarbeSysDatum; }
    TColor FarbeCaption() const { return m_FarbeCaption; }
    TColor FarbeUngueltig() const { return m_FarbeUngueltig; }
    TColor FarbeBkCaption() const { return m_FarbeBkCaption; }

    void setFarbeBkText(TColor f) { Setze(m_FarbeBkText, f); }
    void setFarbeBkTage(TColor f) { Setze(m_FarbeBkTage, f); }
    void setFarbeLinien(TColor f) { Setze(m_FarbeLinien, f); }
    void setFarbeText(TColor f) { Setze(m_FarbeText, f); }
    void setFarbeKW(TColor f) { Setze(m_FarbeKW, f); }
    void setFarbeTage(TColor f) { Setze(m_FarbeTage, f); }
    void setFarbeSamstag(TColor f) { Setze(m_FarbeSamstag, f); }
    void setFarbeSonntag(TColor f) { Setze(m_FarbeSonntag, f); }
    void setFarbeSysDatum(TColor f) { Setze(m_FarbeSysDatum, f); }
    void setFarbeCaption(TColor f) { Setze(m_FarbeCaption, f); }
    void setFarbeUngueltig(TColor f) { Setze(m_FarbeUngueltig, f); }
    void setFarbeBkCaption(TColor f) { Setze(m_FarbeBkCaption, f); }

    // Overwrites every colour but FarbeLinien with the scheme of a drawing style, then repaints.
    void FarbSchema(int aussehen);

    // The widget to repaint on changes; none until the grid's window exists.
    void setBesitzer(QWidget* besitzer) { m_Besitzer = besitzer; }
    QWidget* Besitzer() const { return m_Besitzer; }

    bool operator==(const TKalenderFarben& o) const;

private:
    void Setze(TColor& feld, TColor wert);
    void Neuzeichnen();

    TColor m_FarbeBkText = COLOR_BTNFACE;
    TColor m_FarbeBkTage = COLOR_BTNFACE;
    TColor m_FarbeLinien = COLOR_INACTIVECAPTION;
    TColor m_FarbeText = COLOR_WINDOWTEXT;
    TColor m_FarbeKW = COLOR_WINDOWTEXT;
    TColor m_FarbeTage = COLOR_ACTIVECAPTION;
    TColor m_FarbeSamstag = COLOR_ACTIVECAPTION;
    TColor m_FarbeSonntag = COLOR_WINDOWTEXT;
    TColor m_FarbeSysDatum = COLOR_WINDOW;
    TColor m_FarbeCaption = COLOR_WINDOWTEXT;
    TColor m_FarbeUngueltig = COLOR_INACTIVECAPTION;
    TColor m_FarbeBkCaption = COLOR_BTNFACE;
    QPointer<QWidget> m_Besitzer;
};

}  // namespace lunoria
