// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "zahlformat.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "regional.h"

namespace lunoria {

std::string Format(const char* muster, ...)
{
    va_list args;
    va_start(args, muster);
    va_list kopie;
    va_copy(kopie, args);
    const int laenge = std::vsnprintf(nullptr, 0, muster, kopie);
    va_end(kopie);
    std::string text;
    if (laenge > 0) {
        text.resize(static_cast<std::size_t>(laenge) + 1);
        std::vsnprintf(text.data(), text.size(), muster, args);
        text.resize(static_cast<std::size_t>(laenge));
    }
    va_end(args);
    return text;
}

std::string FormatFloat(const std::string& muster, Extended wert)
{
    if (!std::isfinite(wert))
        return {};
    const std::size_t punkt = muster.find('.');
    const bool gruppieren = muster.find(',') < punkt;
    int nachkomma = 0;
    if (punkt != std::string::npos)
        for (std::size_t i = punkt + 1; i < muster.size() && muster[i] == '0'; ++i)
            ++nachkomma;

    // Round half away from zero on the decimal digits, then write the digits without sign.
    const Extended faktor = std::pow(10.0L, nachkomma);
    const Extended gerundet = std::round(std::fabs(wert) * faktor) / faktor;
    const std::string ziffern = Format("%.*Lf", nachkomma, gerundet);
    // The C library writes its own locale's decimal point: take whatever follows the digits.
    const std::size_t trenn = ziffern.find_first_not_of("0123456789");
    const std::string ganz = ziffern.substr(0, trenn);
    std::string bruch;
    if (trenn != std::string::npos) {
        const std::size_t start = ziffern.find_first_of("0123456789", trenn);
        bruch = start == std::string::npos ? std::string() : ziffern.substr(start);
    }

    const auto& einst = RegionaleEinstellungen();
    std::string text;
    if (wert < 0 && gerundet != 0)
        text += '-';
    for (std::size_t i = 0; i < ganz.size(); ++i) {
        if (gruppieren && i > 0 && (ganz.size() - i) % 3 == 0)
            text += einst.Tausendertrenner;
        text += ganz[i];
    }
    if (nachkomma > 0) {
        text += einst.Dezimaltrenner;
        text += bruch;
    }
    return text;
}

}  // namespace lunoria
