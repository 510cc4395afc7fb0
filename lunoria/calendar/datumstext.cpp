// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "datumstext.h"

#include <charconv>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "julian.h"
#include "regional.h"
#include "zahlformat.h"

namespace lunoria {

namespace {

constexpr char KleinAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// Length in bytes of the UTF-8 character that starts at text[0].
std::size_t ZeichenLaenge(const std::string& text)
{
    if (text.empty())
        return 0;
    const auto b = static_cast<unsigned char>(text[0]);
    std::size_t n = 1;
    if (b >= 0xF0)
        n = 4;
    else if (b >= 0xE0)
        n = 3;
    else if (b >= 0xC0)
        n = 2;
    return n < text.size() ? n : text.size();
}

// Takes the leading run of digits and "-" as one number and removes it and the one separator
// character after it.
bool NaechsteZahl(std::string& rest, int& wert)
{
    std::size_t n = 0;
    while (n < rest.size() && (IstZiffer(rest[n]) || rest[n] == '-'))
        ++n;
    if (!TextZuZahl(rest.substr(0, n), wert))
        return false;
    rest.erase(0, n);
    rest.erase(0, ZeichenLaenge(rest));
    return true;
}

// An ISO 8601 calendar date "JJJJ-MM-TT": an optional sign, at least four digits of the year
// (year 0 is 1 BC, -0044 is 45 BC, as the calendar counts), two of the month and two of the
// day, nothing around them. False when the text has another form.
bool ISODatumLesen(const std::string& text, int& tag, int& monat, int& jahr)
{
    std::size_t i = 0;
    const bool negativ = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    const std::size_t jahrAnfang = i;
    while (i < text.size() && IstZiffer(text[i]))
        ++i;
    const std::size_t stellen = i - jahrAnfang;
    // Every year the day arithmetic splits (it splits more than the calendar shows) is written
    // back in this form, so every int year is read: up to ten digits.
    if (stellen < 4 || stellen > 10 || text.size() != i + 6 || text[i] != '-' || text[i + 3] != '-')
        return false;
    for (const std::size_t k : {i + 1, i + 2, i + 4, i + 5})
        if (!IstZiffer(text[k]))
            return false;
    const long long betrag = std::atoll(text.substr(jahrAnfang, stellen).c_str());
    if (betrag > INT_MAX)
        return false;
    jahr = static_cast<int>(negativ ? -betrag : betrag);
    monat = (text[i + 1] - '0') * 10 + (text[i + 2] - '0');
    tag = (text[i + 4] - '0') * 10 + (text[i + 5] - '0');
    return true;
}

}  // namespace

TDatumsreihenfolge Datumsreihenfolge()
{
    const std::string& format = RegionaleEinstellungen().KurzesDatumsformat;
    switch (format.empty() ? '\0' : KleinAscii(format[0])) {
    case 'm': return MTJ;
    case 'y': return JMT;
    default: return TMJ;
    }
}

std::string MJDZuTextDatum(Extended mjd)
{
    int tag, monat, jahr;
    Extended stunden;
    if (!Caldat(mjd, tag, monat, jahr, stunden))
        return TextDatumHeute();
    const auto& e = RegionaleEinstellungen();
    const char* s = e.DatumsTrenner.c_str();
    switch (Datumsreihenfolge()) {
    case MTJ: return Format("%.2d%s%.2d%s%d", monat, s, tag, s, jahr);
    case JMT: return Format("%d%s%.2d%s%.2d", jahr, s, monat, s, tag);
    case TMJ:
    default: return Format("%.2d%s%.2d%s%d", tag, s, monat, s, jahr);
    }
}

namespace {

// Appends n at least `stellen` digits wide, zeros in front (n >= 0).
void Ziffern(std::string& text, long n, int stellen)
{
    char puffer[24];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, n).ptr;
    for (auto breite = ende - puffer; breite < stellen; ++breite)
        text += '0';
    text.append(puffer, ende);
}

// The ISO date of a split day; written by hand, as lunoria-info writes some twenty per date.
void ISODatumAnhaengen(std::string& text, int tag, int monat, int jahr)
{
    // Four digits at least; a sign before years below 0 and, as ISO 8601's expanded form asks,
    // before years of more than four digits.
    if (jahr < 0 || jahr > 9999)
        text += jahr < 0 ? '-' : '+';
    Ziffern(text, jahr < 0 ? -static_cast<long>(jahr) : jahr, 4);
    text += '-';
    Ziffern(text, monat, 2);
    text += '-';
    Ziffern(text, tag, 2);
}

}  // namespace

std::string MJDZuISODatum(Extended mjd)
{
    int tag, monat, jahr;
    Extended stunden;
    if (!Caldat(std::floor(mjd), tag, monat, jahr, stunden))
        return {};
    std::string text;
    ISODatumAnhaengen(text, tag, monat, jahr);
    return text;
}

std::string DatumText(Extended mjd, TDatumsform form)
{
    return form == dfISO ? MJDZuISODatum(mjd) : MJDZuTextDatum(mjd);
}

std::string ISOZeitpunkt(Extended lokal, long offsetSekunden)
{
    // The local clock to the minute, as the texts show it; a minute rounded up may end the day.
    const Extended minuten = std::round(lokal * 1440);
    const Extended tag = std::floor(minuten / 1440);
    int t, m, j;
    Extended stunden;
    if (!Caldat(tag, t, m, j, stunden))
        return {};
    std::string text;
    text.reserve(32);
    ISODatumAnhaengen(text, t, m, j);
    const long minute = std::lround(minuten - tag * 1440);
    const long betrag = offsetSekunden < 0 ? -offsetSekunden : offsetSekunden;
    text += 'T';
    Ziffern(text, minute / 60, 2);
    text += ':';
    Ziffern(text, minute % 60, 2);
    text += ":00";
    text += offsetSekunden < 0 ? '-' : '+';
    Ziffern(text, betrag / 3600, 2);
    text += ':';
    Ziffern(text, betrag / 60 % 60, 2);
    // The local mean times of the nineteenth century are offsets to the second.
    if (betrag % 60 != 0) {
        text += ':';
        Ziffern(text, betrag % 60, 2);
    }
    return text;
}

std::string TextDatumHeute()
{
    return MJDZuTextDatum(MJDHeute());
}

std::string LangDatumElement(char c, int n, int tag, int monat, int jahr, int wochentag)
{
    const auto& e = RegionaleEinstellungen();
    const auto w = static_cast<std::size_t>(wochentag >= 0 && wochentag <= 6 ? wochentag : 0);
    const auto m = static_cast<std::size_t>(monat >= 1 && monat <= 12 ? monat - 1 : 0);
    switch (c) {
    case ' ':
    case ',':
    case '.': return std::string(1, c);
    case 'd':
        if (n == 1)
            return Format("%d", tag);
        if (n == 2)
            return Format("%.2d", tag);
        if (n == 3)
            return e.KurzeTagNamen[w];
        if (n >= 4 && n <= 6)
            return e.LangeTagNamen[w];
        return {};
    case 'm':
        if (n == 1)
            return Format("%d", monat);
        if (n == 2)
            return Format("%.2d", monat);
        if (n == 3)
            return e.KurzeMonatsNamen[m];
        if (n == 4)
            return e.LangeMonatsNamen[m];
        return {};
    case 'y': {
        const std::string jahrText = Format("%d", jahr);
        if (n == 2)
            return jahrText.size() > 2 ? jahrText.substr(jahrText.size() - 2) : jahrText;
        if (n == 4)
            return jahrText;
        return {};
    }
    default: return {};
    }
}

std::string MJDZuLangDatum(Extended mjd)
{
    int tag, monat, jahr;
    Extended stunden;
    if (!Caldat(mjd, tag, monat, jahr, stunden))
        return {};
    const int w = Wochentag(0, mjd);
    const std::string& bild = RegionaleEinstellungen().LangesDatumsformat;
    std::string text;
    std::size_t i = 0;
    while (i < bild.size()) {
        const char c = KleinAscii(bild[i]);
        if (c == '\'' || c == '"') {
            // Quoted literal text produces nothing, its letters included.
            const std::size_t ende = bild.find(bild[i], i + 1);
            i = ende == std::string::npos ? bild.size() : ende + 1;
            continue;
        }
        std::size_t n = 1;
        while (i + n < bild.size() && KleinAscii(bild[i + n]) == c)
            ++n;
        text += LangDatumElement(c, static_cast<int>(n), tag, monat, jahr, w);
        i += n;
    }
    return text;
}

Extended TextDatumZuMJD(const std::string& text, int& fehler)
{
    const Extended heute = MJDHeute();
    fehler = 4;
    if (text.empty())
        return heute;
    // The ISO form is read in every locale, so that a script's dates mean the same day on
    // every machine.
    if (int tag = 0, monat = 0, jahr = 0; ISODatumLesen(text, tag, monat, jahr)) {
        if (!DatumGueltig(tag, monat, jahr))
            return heute;
        fehler = 0;
        return MJDAusDatum(tag, monat, jahr, 0);
    }
    std::string rest = text;
    int erste = 0, zweite = 0, dritte = 0;
    if (!NaechsteZahl(rest, erste) || rest.empty())
        return heute;
    if (!NaechsteZahl(rest, zweite))
        return heute;
    const TDatumsreihenfolge reihenfolge = Datumsreihenfolge();
    if (rest.empty()) {
        if (reihenfolge != TMJ)
            return heute;  // only day-month-year may leave out the year
        dritte = JahrHeute();
    } else if (!TextZuZahl(rest, dritte)) {
        return heute;
    }
    int tag, monat, jahr;
    switch (reihenfolge) {
    case MTJ: monat = erste, tag = zweite, jahr = dritte; break;
    case JMT: jahr = erste, monat = zweite, tag = dritte; break;
    case TMJ:
    default: tag = erste, monat = zweite, jahr = dritte; break;
    }
    if (!DatumGueltig(tag, monat, jahr))
        return heute;
    fehler = 0;
    return MJDAusDatum(tag, monat, jahr, 0);
}

bool TextZuZahl(const std::string& text, int& wert)
{
    wert = -1;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    int basis = 10;
    if (i < text.size() && text[i] == '$') {
        basis = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        basis = 16;
        i += 2;
    }
    if (i >= text.size())
        return false;
    long long betrag = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int ziffer;
        if (IstZiffer(c))
            ziffer = c - '0';
        else if (basis == 16 && c >= 'a' && c <= 'f')
            ziffer = c - 'a' + 10;
        else if (basis == 16 && c >= 'A' && c <= 'F')
            ziffer = c - 'A' + 10;
        else
            return false;
        betrag = betrag * basis + ziffer;
        if (betrag > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    const long long ergebnis = negativ ? -betrag : betrag;
    if (ergebnis > INT_MAX || ergebnis < INT_MIN)
        return false;
    wert = static_cast<int>(ergebnis);
    return true;
}

void StundenZuHM(Extended x, int& stunden, int& minuten)
{
    stunden = 0;
    minuten = 0;
    if (!std::isfinite(x) || std::fabs(x) > INT_MAX - 1)
        return;  // no clock time
    const Extended betrag = std::fabs(x);
    Extended h = std::trunc(betrag);
    long long m = RundeGerade((betrag - h) * 60);
    if (m == 60) {
        m = 0;
        h += 1;
    }
    stunden = static_cast<int>(h);
    minuten = static_cast<int>(m);
    if (x < 0) {
        if (stunden != 0)
            stunden = -stunden;
        else
            minuten = -minuten;
    }
}

Extended HMSZuStunden(int stunden, int minuten, Extended sekunden)
{
    const Extended vorzeichen = (stunden >= 0 && minuten >= 0 && sekunden >= 0) ? 1 : -1;
    return vorzeichen * (std::fabs(static_cast<Extended>(stunden)) + std::fabs(static_cast<Extended>(minuten)) / 60 +
                         std::fabs(sekunden) / 3600);
}

std::string ZeitText(Extended x)
{
    int h, m;
    StundenZuHM(x, h, m);
    return Format("%.2d%s%.2d", h, RegionaleEinstellungen().ZeitTrenner.c_str(), m);
}

}  // namespace lunoria
