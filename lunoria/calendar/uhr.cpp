// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "uhr.h"

#include <chrono>
#include <utility>

namespace lunoria {

namespace {
TUhr& Installiert()
{
    static TUhr uhr;
    return uhr;
}
}  // namespace

TZeitpunkt SystemJetzt()
{
    using namespace std::chrono;
    const auto jetzt = system_clock::now();
    const auto ms = duration_cast<milliseconds>(jetzt.time_since_epoch()).count();
    TZeitpunkt z;
    z.Utc = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
    std::tm lokal{};
    localtime_r(&z.Utc, &lokal);
    z.Lokal.Jahr = lokal.tm_year + 1900;
    z.Lokal.Monat = lokal.tm_mon + 1;
    z.Lokal.Tag = lokal.tm_mday;
    z.Lokal.Stunde = lokal.tm_hour;
    z.Lokal.Minute = lokal.tm_min;
    z.Lokal.Sekunde = lokal.tm_sec;
    z.Lokal.Millisekunde = static_cast<int>(((ms % 1000) + 1000) % 1000);
    return z;
}

TZeitpunkt Jetzt()
{
    const TUhr& uhr = Installiert();
    return uhr ? uhr() : SystemJetzt();
}

TUhr SetzeUhr(TUhr uhr)
{
    return std::exchange(Installiert(), std::move(uhr));
}

}  // namespace lunoria
