// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "posixtz.h"

#include <cstdint>

#include "tzif.h"

namespace lunoria {

namespace {

bool IstBuchstabe(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the rule string from left to right; every Lies... returns false without consuming a
// well-defined amount, and the caller gives up on the whole string.
class Leser {
public:
    explicit Leser(std::string_view text)
        : m_Text(text)
    {
    }

    bool AmEnde() const { return m_Pos >= m_Text.size(); }
    char Naechstes() const { return AmEnde() ? '\0' : m_Text[m_Pos]; }

    bool Nimm(char c)
    {
        if (Naechstes() != c)
            return false;
        ++m_Pos;
        return true;
    }

    // A zone name: three or more letters, or three or more letters, digits, '+' or '-' in
    // angle brackets.
    bool LiesName(std::string& name)
    {
        const std::size_t anfang = m_Pos;
        if (Nimm('<')) {
            while (!AmEnde() &&
                   (IstBuchstabe(Naechstes()) || IstZiffer(Naechstes()) || Naechstes() == '+' || Naechstes() == '-'))
                ++m_Pos;
            name = std::string(m_Text.substr(anfang + 1, m_Pos - anfang - 1));
            return Nimm('>') && name.size() >= 3;
        }
        while (!AmEnde() && IstBuchstabe(Naechstes()))
            ++m_Pos;
        name = std::string(m_Text.substr(anfang, m_Pos - anfang));
        return name.size() >= 3;
    }

    // Up to maxZiffern decimal digits, at least one.
    bool LiesZahl(int maxZiffern, long& wert)
    {
        int ziffern = 0;
        wert = 0;
        while (ziffern < maxZiffern && IstZiffer(Naechstes())) {
            wert = wert * 10 + (Naechstes() - '0');
            ++m_Pos;
            ++ziffern;
        }
        return ziffern > 0;
    }

    // [+-]hh[:mm[:ss]] in seconds, hours up to maxStunden.
    bool LiesDauer(long maxStunden, long& sekunden)
    {
        long vorzeichen = 1;
        if (Nimm('-'))
            vorzeichen = -1;
        else
            Nimm('+');
        long h = 0, m = 0, s = 0;
        if (!LiesZahl(3, h) || h > maxStunden)
            return false;
        if (Nimm(':')) {
            if (!LiesZahl(2, m) || m > 59)
                return false;
            if (Nimm(':') && (!LiesZahl(2, s) || s > 59))
                return false;
        }
        sekunden = vorzeichen * (h * 3600 + m * 60 + s);
        return true;
    }

    // Jn, n or Mm.w.d, then an optional /time.
    bool LiesWechsel(TPosixWechsel& w)
    {
        long a = 0, b = 0, c = 0;
        if (Nimm('J')) {
            if (!LiesZahl(3, a) || a < 1 || a > 365)
                return false;
            w.Form = TPosixWechsel::JulianTag;
            w.Tag = static_cast<int>(a);
        } else if (Nimm('M')) {
            if (!LiesZahl(2, a) || a < 1 || a > 12 || !Nimm('.') || !LiesZahl(1, b) || b < 1 || b > 5 || !Nimm('.') ||
                !LiesZahl(1, c) || c > 6)
                return false;
            w.Form = TPosixWechsel::MonatWocheTag;
            w.Monat = static_cast<int>(a);
            w.Woche = static_cast<int>(b);
            w.Wochentag = static_cast<int>(c);
        } else {
            if (!LiesZahl(3, a) || a > 365)
                return false;
            w.Form = TPosixWechsel::NullTag;
            w.Tag = static_cast<int>(a);
        }
        w.Sekunden = 7200;
        // Transition times may lie before 0 h or after 24 h of the day (TZif footers use
        // this, e.g. 25 h for "one hour after the end of the day").
        return !Nimm('/') || LiesDauer(167, w.Sekunden);
    }

private:
    std::string_view m_Text;
    std::size_t m_Pos = 0;
};

std::uint32_t Gross32(std::string_view d, std::size_t pos)
{
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(d[pos])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(d[pos + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(d[pos + 2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(d[pos + 3]));
}

constexpr std::size_t KopfLaenge = 44;  // magic, version, 15 reserved bytes, six counts

// Length of the data block after a header at pos; time values take zeitBytes bytes. None when
// the header is missing or cut short.
std::optional<std::uint64_t> BlockLaenge(std::string_view d, std::size_t pos, std::uint64_t zeitBytes)
{
    if (d.size() < pos + KopfLaenge || d.substr(pos, 4) != "TZif")
        return std::nullopt;
    const std::uint64_t isut = Gross32(d, pos + 20), isstd = Gross32(d, pos + 24), leap = Gross32(d, pos + 28),
                        zeiten = Gross32(d, pos + 32), typen = Gross32(d, pos + 36), zeichen = Gross32(d, pos + 40);
    // Every count is below 2^32, so the sum cannot overflow 64 bits.
    return zeiten * (zeitBytes + 1) + typen * 6 + zeichen + leap * (zeitBytes + 4) + isstd + isut;
}

}  // namespace

std::optional<TPosixZone> LiesPosixTZ(std::string_view text)
{
    Leser l(text);
    TPosixZone z;
    if (!l.LiesName(z.NormalName) || !l.LiesDauer(24, z.NormalOffset))
        return std::nullopt;
    if (l.AmEnde())
        return z;
    if (!l.LiesName(z.SommerName))
        return std::nullopt;
    z.HatSommerzeit = true;
    z.SommerOffset = z.NormalOffset - 3600;
    if (!l.AmEnde() && l.Naechstes() != ',' && !l.LiesDauer(24, z.SommerOffset))
        return std::nullopt;
    if (l.AmEnde()) {
        // No rule given: the default of the C libraries, second Sunday of March to the first
        // Sunday of November, both at 02:00.
        z.Beginn = {TPosixWechsel::MonatWocheTag, 3, 2, 0, 0, 7200};
        z.Ende = {TPosixWechsel::MonatWocheTag, 11, 1, 0, 0, 7200};
        return z;
    }
    if (!l.Nimm(',') || !l.LiesWechsel(z.Beginn) || !l.Nimm(',') || !l.LiesWechsel(z.Ende) || !l.AmEnde())
        return std::nullopt;
    return z;
}

std::optional<std::string> TZifFusszeile(std::string_view daten)
{
    if (daten.size() < KopfLaenge || daten.substr(0, 4) != "TZif" || daten[4] == '\0')
        return std::nullopt;  // not TZif, or version 1 without a footer
    const auto v1 = BlockLaenge(daten, 0, 4);
    if (!v1 || *v1 > daten.size())
        return std::nullopt;
    const std::size_t kopf2 = KopfLaenge + static_cast<std::size_t>(*v1);
    const auto v2 = BlockLaenge(daten, kopf2, 8);
    if (!v2 || *v2 > daten.size())
        return std::nullopt;
    const std::size_t fuss = kopf2 + KopfLaenge + static_cast<std::size_t>(*v2);
    if (fuss >= daten.size() || daten[fuss] != '\n')
        return std::nullopt;
    const std::size_t ende = daten.find('\n', fuss + 1);
    if (ende == std::string_view::npos)
        return std::nullopt;
    return std::string(daten.substr(fuss + 1, ende - fuss - 1));
}

std::optional<std::string> TZifFusszeileAusDatei(const std::string& pfad)
{
    const auto daten = TZifDateiInhalt(pfad);
    return daten ? TZifFusszeile(*daten) : std::nullopt;
}

}  // namespace lunoria
