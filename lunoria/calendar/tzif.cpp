// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "tzif.h"

#include <fstream>

#include "posixtz.h"

namespace lunoria {

namespace {

constexpr std::size_t KopfLaenge = 44;  // magic, version, 15 reserved bytes, six counts

// Instants are held within +-2^60 s (some 36 billion years), so that adding an offset or
// dividing into days never leaves 64 bits.
constexpr std::int64_t Grenze = std::int64_t{1} << 60;

// Offsets of real zones stay within a day and a bit; the format forbids -2^31.
constexpr long GroessterVersatz = 26 * 3600;

std::uint64_t Gross(std::string_view d, std::size_t pos, std::size_t bytes)
{
    std::uint64_t wert = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        wert = (wert << 8) | static_cast<unsigned char>(d[pos + i]);
    return wert;
}

// The big-endian two's-complement number of 4 or 8 bytes.
std::int64_t Vorzeichen(std::uint64_t wert, std::size_t bytes)
{
    if (bytes == 4)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(wert));
    return static_cast<std::int64_t>(wert);
}

struct TKopf {
    std::uint64_t isut, isstd, leap, zeiten, typen, zeichen;
};

std::optional<TKopf> LiesKopf(std::string_view d, std::size_t pos)
{
    if (d.size() < KopfLaenge || pos > d.size() - KopfLaenge || d.substr(pos, 4) != "TZif")
        return std::nullopt;
    return TKopf{Gross(d, pos + 20, 4), Gross(d, pos + 24, 4), Gross(d, pos + 28, 4),
                 Gross(d, pos + 32, 4), Gross(d, pos + 36, 4), Gross(d, pos + 40, 4)};
}

// Every count is below 2^32, so the sum cannot overflow 64 bits.
std::uint64_t BlockLaenge(const TKopf& k, std::uint64_t zeitBytes)
{
    return k.zeiten * (zeitBytes + 1) + k.typen * 6 + k.zeichen + k.leap * (zeitBytes + 4) + k.isstd + k.isut;
}

// The data block after the header at pos, with instants of zeitBytes bytes.
std::optional<TTZifZone> LiesBlock(std::string_view d, std::size_t pos, const TKopf& k, std::size_t zeitBytes)
{
    const std::size_t anfang = pos + KopfLaenge;
    if (BlockLaenge(k, zeitBytes) > d.size() - anfang)
        return std::nullopt;
    // The format asks for at least one type and one designation byte, at most 256 types, and
    // either no indicators or one per type.
    if (k.typen == 0 || k.typen > 256 || k.zeichen == 0 || (k.isstd != 0 && k.isstd != k.typen) ||
        (k.isut != 0 && k.isut != k.typen))
        return std::nullopt;

    TTZifZone zone;
    const std::size_t n = static_cast<std::size_t>(k.zeiten);
    std::size_t p = anfang;
    zone.Zeiten.reserve(n);
    std::int64_t vorher = 0;
    for (std::size_t i = 0; i < n; ++i, p += zeitBytes) {
        const std::int64_t t = Vorzeichen(Gross(d, p, zeitBytes), zeitBytes);
        if (i > 0 && t <= vorher)
            return std::nullopt;  // instants must rise
        vorher = t;
        zone.Zeiten.push_back(t < -Grenze ? -Grenze : (t > Grenze ? Grenze : t));
    }
    zone.TypNach.reserve(n);
    for (std::size_t i = 0; i < n; ++i, ++p) {
        const auto typ = static_cast<unsigned char>(d[p]);
        if (typ >= k.typen)
            return std::nullopt;
        zone.TypNach.push_back(typ);
    }
    // Instants held at the same bound become one, so that the instants still rise: before
    // every calendar the last of them (its type is in force from then on), after every
    // calendar the first (the later ones are never reached).
    std::size_t behalten = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (behalten > 0 && zone.Zeiten[i] == zone.Zeiten[behalten - 1]) {
            if (zone.Zeiten[i] < 0)
                zone.TypNach[behalten - 1] = zone.TypNach[i];
            continue;
        }
        zone.Zeiten[behalten] = zone.Zeiten[i];
        zone.TypNach[behalten] = zone.TypNach[i];
        ++behalten;
    }
    zone.Zeiten.resize(behalten);
    zone.TypNach.resize(behalten);
    const std::size_t typAnfang = p;
    const std::string_view zeichen = d.substr(typAnfang + static_cast<std::size_t>(k.typen) * 6,
                                              static_cast<std::size_t>(k.zeichen));
    for (std::size_t i = 0; i < k.typen; ++i, p += 6) {
        TTZifTyp typ;
        const std::int64_t versatz = Vorzeichen(Gross(d, p, 4), 4);
        const auto sommer = static_cast<unsigned char>(d[p + 4]);
        const auto name = static_cast<unsigned char>(d[p + 5]);
        if (versatz < -GroessterVersatz || versatz > GroessterVersatz || sommer > 1 || name >= zeichen.size())
            return std::nullopt;
        typ.Offset = static_cast<long>(versatz);
        typ.Sommerzeit = sommer == 1;
        // The designation runs to its NUL, or to the end of the designations.
        const std::string_view rest = zeichen.substr(name);
        typ.Name = std::string(rest.substr(0, rest.find('\0')));
        zone.Typen.push_back(std::move(typ));
    }
    return zone;
}

}  // namespace

std::optional<TTZifZone> LiesTZif(std::string_view daten)
{
    const auto kopf1 = LiesKopf(daten, 0);
    if (!kopf1)
        return std::nullopt;
    if (daten[4] == '\0')
        return LiesBlock(daten, 0, *kopf1, 4);  // version 1: the only table there is

    // Version 2 and later: the 32-bit table is skipped for the 64-bit one after it.
    const std::uint64_t laenge1 = BlockLaenge(*kopf1, 4);
    if (laenge1 > daten.size() - KopfLaenge)
        return std::nullopt;
    const std::size_t pos2 = KopfLaenge + static_cast<std::size_t>(laenge1);
    const auto kopf2 = LiesKopf(daten, pos2);
    if (!kopf2)
        return std::nullopt;
    auto zone = LiesBlock(daten, pos2, *kopf2, 8);
    const auto fuss = TZifFusszeile(daten);
    if (!zone || !fuss)
        return std::nullopt;
    zone->Fusszeile = *fuss;
    return zone;
}

std::optional<std::string> TZifDateiInhalt(const std::string& pfad)
{
    // The largest zone files are a few ten kilobytes; anything far beyond is not one.
    constexpr std::size_t Hoechstens = 4 * 1024 * 1024;
    std::ifstream f(pfad, std::ios::binary);
    if (!f)
        return std::nullopt;
    std::string daten;
    char puffer[8192];
    while (f.read(puffer, sizeof puffer) || f.gcount() > 0) {
        daten.append(puffer, static_cast<std::size_t>(f.gcount()));
        if (daten.size() > Hoechstens)
            return std::nullopt;
    }
    return daten;
}

}  // namespace lunoria
