// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// lunoria-info: the facts of Lunoria's two tabs for one date, one "Caption value" line per
// label, for scripts and for checking the numbers without the window.
//
//   lunoria-info [--zeitbasis german|standard] [--ort NAME] [--breite GRAD] [--laenge GRAD] [DATUM | -]
//   lunoria-info --version | --help
//
// The place is the one stored by the window unless --ort or coordinates are given.
//
// With "-" the dates are read from standard input, one per line, and each date's block is
// followed by an empty line; blank lines are skipped. A date that cannot be shown gives no
// block: its line number, its text and the message go to standard error, and the other lines
// are still shown.
//
// Exit status: 0 done; 1 standard output could not be written; 2 unreadable date (in "-" mode:
// on any line), a year outside -4712 ... 5879490, no place of that name, coordinates out of
// range, or wrong call.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include <libintl.h>

#include "astronomy/astroinfo.h"
#include "astronomy/sonnemond.h"
#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/zahlformat.h"
#include "calendar/zonenregel.h"
#include "orte.h"
#include "systemquellen.h"
#include "calendar/tagesinfo.h"

namespace {

using lunoria::Extended;

constexpr const char* Aufruf =
    "Aufruf: lunoria-info [--zeitbasis german|standard] [--ort NAME] [--breite GRAD] [--laenge GRAD]\n"
    "                    [DATUM | -]\n"
    "\n"
    "Zeigt die Angaben der Seiten \"Allgemein\" und \"Astronomie\" von Lunoria für ein Datum.\n"
    "\n"
    "  DATUM                         Datum im kurzen Datumsformat der Regionaleinstellungen\n"
    "                                (Jahre -4712 bis 5879490; ohne Angabe: heute)\n"
    "  -                             Daten zeilenweise von der Standardeingabe lesen; nach\n"
    "                                jedem Block eine Leerzeile\n"
    "  --zeitbasis german|standard   Sommerzeitregeln: deutsche Geschichte oder die Regel der\n"
    "                                Systemzeitzone (Vorgabe: standard)\n"
    "  --ort NAME                    Ort aus der Ortsliste, etwa \"Heidelberg\" oder, nach\n"
    "                                Ländercode eingegrenzt, \"Heidelberg, ZA\"; dessen Zeitzone\n"
    "                                gilt (Vorgabe: der in Lunoria gewählte Ort)\n"
    "  --breite GRAD                 geographische Breite, nördlich positiv (-90 bis 90)\n"
    "  --laenge GRAD                 geographische Länge, westlich positiv (-180 bis 180);\n"
    "                                mit Koordinaten gilt die Systemzeitzone\n"
    "  --version                     Versionsnummer\n"
    "  --help                        diese Hilfe\n"
    "\n"
    "Rückgabewert: 0 fertig, 1 Ausgabe nicht schreibbar, 2 falscher Aufruf oder ein Datum,\n"
    "das sich nicht zeigen lässt.\n";

// Room for several blocks of one date (some 1.5 kB each): each block reaches standard output
// whole at the flush after it, so a write error shows there with its own errno.
constexpr std::size_t Puffergroesse = 64 * 1024;

// Hands everything written so far to standard output; 0 when it got there, else 1 after a
// German message naming the cause on standard error.
int AusgabeAbschliessen()
{
    errno = 0;
    const bool fehler = std::fflush(stdout) != 0 || std::ferror(stdout);
    if (!fehler)
        return 0;
    // An error flagged by an earlier flush may have left errno to later calls.
    const int ursache = errno != 0 ? errno : EIO;
    std::fprintf(stderr, "lunoria-info: Die Ausgabe konnte nicht geschrieben werden: %s\n", std::strerror(ursache));
    return 1;
}

// Only spaces, tabs and line ends: a line of standard input without a date.
bool Leer(const std::string& zeile)
{
    return zeile.find_first_not_of(" \t\r\v\f") == std::string::npos;
}

// No place of the name: the message with up to five names that start like it, found by ever
// shorter beginnings of the name.
std::string OrtNichtGefunden(const std::string& name)
{
    std::string meldung = "lunoria-info: kein Ort \"" + name + "\" in der Ortsliste";
    const QString text = QString::fromStdString(name).section(QLatin1Char(','), 0, 0).trimmed();
    for (qsizetype n = text.size() - 1; n >= 3; --n) {
        const std::vector<lunoria::TOrt> aehnlich = lunoria::OrteSuchen(text.left(n).toStdString(), 5);
        if (aehnlich.empty())
            continue;
        meldung += "; ähnliche Namen:";
        for (std::size_t i = 0; i < aehnlich.size(); ++i)
            meldung += (i ? "; " : " ") + lunoria::OrtZeile(aehnlich[i]);
        break;
    }
    return meldung;
}

int FalscherAufruf(const std::string& grund)
{
    std::fprintf(stderr, "lunoria-info: %s\n\n%s", grund.c_str(), Aufruf);
    return 2;
}

// A finite decimal number with "." or "," as the decimal separator, nothing else around it.
bool GradLesen(const std::string& text, Extended& wert)
{
    if (text.empty() || text.size() > 64)
        return false;
    std::string s = text;
    for (char& c : s)
        if (c == ',')
            c = '.';
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'))
            return false;
    errno = 0;
    char* ende = nullptr;
    const long double x = std::strtold(s.c_str(), &ende);
    if (ende == s.c_str() || *ende != '\0' || errno == ERANGE || !std::isfinite(x))
        return false;
    wert = x;
    return true;
}

void Zeile(const char* caption, const std::string& wert)
{
    std::printf("%s %s\n", caption, wert.c_str());
}

// Reads a date text into an MJD; the German message when it cannot be shown, else nothing.
const char* DatumLesen(const std::string& datum, Extended& mjd)
{
    using namespace lunoria;
    int fehler = 0;
    mjd = TextDatumZuMJD(datum, fehler);
    if (fehler != 0)
        return "Das eingegebene Textdatum kann nicht aufgelöst werden";
    // Lunoria's dates lie in the years -4712 ... 5879490; beyond them the calendar arithmetic
    // has no dates to give. Compared as MJDs, so that no year is split first.
    if (mjd < MJDAusDatum(1, 1, MinJahrStandard, 0) || mjd >= MJDAusDatum(1, 1, MaxJahrStandard + 1, 0)) {
        static const std::string bereich = "Das Jahr liegt nicht zwischen " + std::to_string(MinJahrStandard) +
                                           " und " + std::to_string(MaxJahrStandard);
        return bereich.c_str();
    }
    return nullptr;
}

// The block of one date into the buffer of standard output.
void Ausgeben(Extended mjd, lunoria::TKalenderZeitBasis zeitBasis, Extended breite, Extended laenge,
              const std::string& ortZeile)
{
    using namespace lunoria;
    // "Allgemein": the day facts for weeks that start on Monday.
    const Tagesinfo tag = TagesinfoBerechnen(mjd, 1);
    Zeile("Wochentag:", tag.Wochentagname);
    Zeile("Monat:", tag.Monatsname);
    Zeile("Jahr:", Format("%d", tag.Jahr));
    Zeile("langes Datum:", tag.LangesDatum);
    const bool woche = tag.KWBeginn != -1;
    Zeile("Kalenderwoche:", woche ? Format("%d", tag.KW) : std::string());
    Zeile("beginnt am:", woche ? MJDZuTextDatum(tag.KWBeginn) : std::string());
    Zeile("Tage seit 1.1.:", Format("%d", tag.TageSeit));
    Zeile("Tage bis 31.12.:", Format("%d", tag.TageBis));
    Zeile("Schaltjahr:", tag.Schaltjahr ? "Ja" : "Nein");

    // "Astronomie", for the place named first.
    Zeile("Ort:", ortZeile);
    const Astroinfo info = AstroinfoBerechnen(mjd, zeitBasis, breite, laenge);
    for (const TAstroinfoZeile& z : AstroinfoZeilen(AstroinfoTexte(info)))
        Zeile(z.Caption, z.Wert);
    if (!info.Hinweis.empty())
        std::printf("%s\n", info.Hinweis.c_str());
    if (GrobeNaeherung(tag.Jahr))
        std::printf("%s\n", NaeherungZeile);
}

}  // namespace

int main(int argc, char* argv[])
{
    using namespace lunoria;

    // The place defaults are those of the sun-and-moon object.
    const TSonneMondAufUnter vorgabe(kzbStandard);
    TKalenderZeitBasis zeitBasis = kzbStandard;
    Extended breite = vorgabe.Breite();
    Extended laenge = vorgabe.Laenge();
    std::string datum;
    bool datumGegeben = false;
    std::string ortName;
    bool ortGegeben = false, breiteGegeben = false, laengeGegeben = false;

    // The C library's reasons (strerror) in the user's language, as UTF-8 whatever the
    // character type; only the messages, so that numbers keep their point.
    std::setlocale(LC_MESSAGES, "");
    bind_textdomain_codeset("libc", "UTF-8");

    // Fully buffered even on a terminal; flushed after each block and checked there.
    static char puffer[Puffergroesse];
    std::setvbuf(stdout, puffer, _IOFBF, sizeof puffer);

    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(Aufruf, stdout);
            return AusgabeAbschliessen();
        }
        if (arg == "--version") {
            // The project's version, given by the build.
            std::printf("lunoria-info %s\n", LUNORIA_VERSION);
            return AusgabeAbschliessen();
        }
        if (arg.rfind("--", 0) == 0) {
            std::string name = arg, wert;
            bool wertDabei = false;
            const std::size_t gleich = arg.find('=');
            if (gleich != std::string::npos) {
                name = arg.substr(0, gleich);
                wert = arg.substr(gleich + 1);
                wertDabei = true;
            }
            if (name != "--zeitbasis" && name != "--breite" && name != "--laenge" && name != "--ort")
                return FalscherAufruf("unbekannte Option \"" + name + "\"");
            if (!wertDabei) {
                if (i + 1 >= argc)
                    return FalscherAufruf("zu \"" + name + "\" fehlt der Wert");
                wert = argv[++i];
            }
            if (name == "--ort") {
                ortName = wert;
                ortGegeben = true;
            } else if (name == "--zeitbasis") {
                if (wert == "german")
                    zeitBasis = kzbGerman;
                else if (wert == "standard")
                    zeitBasis = kzbStandard;
                else
                    return FalscherAufruf("Zeitbasis \"" + wert + "\" ist weder german noch standard");
            } else {
                Extended grad = 0;
                if (!GradLesen(wert, grad))
                    return FalscherAufruf("\"" + wert + "\" ist keine Zahl");
                (name == "--breite" ? breite : laenge) = grad;
                (name == "--breite" ? breiteGegeben : laengeGegeben) = true;
            }
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9'))
            return FalscherAufruf("unbekannte Option \"" + arg + "\"");
        if (datumGegeben)
            return FalscherAufruf("mehr als ein Datum angegeben");
        datum = arg;
        datumGegeben = true;
    }

    // Regional settings and zone names of the system, as Lunoria uses them. The settings are
    // read once, when their provider is installed, and serve every date.
    InstalliereKonsolenQuellen();

    // The place: the named one with its zone, else the window's stored one; typed coordinates
    // replace either and keep the system zone.
    TOrt ort;
    if (ortGegeben) {
        const std::optional<TOrt> gefunden = BesterOrt(ortName);
        if (!gefunden) {
            std::fprintf(stderr, "%s\n", OrtNichtGefunden(ortName).c_str());
            return 2;
        }
        ort = *gefunden;
    } else {
        std::string meldung;
        ort = OrtLaden(OrtsDatei(), meldung);
        if (!meldung.empty())
            std::fprintf(stderr, "lunoria-info: %s\n", meldung.c_str());
    }
    std::string ortZeile = OrtZeile(ort);
    if (breiteGegeben || laengeGegeben) {
        // A coordinate not given is the place's.
        if (!breiteGegeben)
            breite = ort.Breite;
        if (!laengeGegeben)
            laenge = -ort.Laenge;
        // The options keep the window's convention: longitude west positive.
        if (const std::string fehler = BereichsFehler(static_cast<double>(breite), static_cast<double>(-laenge));
            !fehler.empty()) {
            std::fprintf(stderr, "lunoria-info: %s\n", fehler.c_str());
            return 2;
        }
        ort.Zone.clear();
        ortZeile.clear();
    } else {
        breite = ort.Breite;
        laenge = -ort.Laenge;
    }
    if (!ort.Zone.empty() && !SetzeOrtsZone(ort.Zone)) {
        std::fprintf(stderr, "lunoria-info: keine Zonendatei für \"%s\"\n", ort.Zone.c_str());
        return 2;
    }
    const std::string koordinaten = KoordinatenText(static_cast<double>(breite), static_cast<double>(-laenge));
    ortZeile = ortZeile.empty() ? koordinaten : ortZeile + " (" + koordinaten + ")";

    if (!datumGegeben) {
        Ausgeben(MJDHeute(), zeitBasis, breite, laenge, ortZeile);
        return AusgabeAbschliessen();
    }
    if (datum != "-") {
        Extended mjd = 0;
        if (const char* fehler = DatumLesen(datum, mjd)) {
            std::fprintf(stderr, "lunoria-info: »%s«: %s\n", datum.c_str(), fehler);
            return 2;
        }
        Ausgeben(mjd, zeitBasis, breite, laenge, ortZeile);
        return AusgabeAbschliessen();
    }
    // Status 2 once a line could not be shown; a failed write ends the run at once with 1.
    int status = 0;
    std::string zeile;
    for (long nummer = 1; std::getline(std::cin, zeile); ++nummer) {
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        if (Leer(zeile))
            continue;
        Extended mjd = 0;
        if (const char* fehler = DatumLesen(zeile, mjd)) {
            // Written before the blocks that follow, so that a reader of both streams sees it
            // in its place.
            if (AusgabeAbschliessen() != 0)
                return 1;
            std::fprintf(stderr, "lunoria-info: Zeile %ld: »%s«: %s\n", nummer, zeile.c_str(), fehler);
            status = 2;
            continue;
        }
        Ausgeben(mjd, zeitBasis, breite, laenge, ortZeile);
        std::putchar('\n');
        if (AusgabeAbschliessen() != 0)
            return 1;
    }
    return status;
}
