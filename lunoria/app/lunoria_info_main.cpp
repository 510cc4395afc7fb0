// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// lunoria-info: the facts of Lunoria's two tabs for one date, one "Caption value" line per
// label, for scripts and for checking the numbers without the window.
//
//   lunoria-info [--json] [--datumsformat iso|lokal] [--zeitbasis german|standard] [--ort NAME]
//                [--breite GRAD] [--laenge GRAD] [DATUM | -]
//   lunoria-info --version | --help
//
// The place is the one stored by the window unless --ort or coordinates are given.
//
// With "-" the dates are read from standard input, one per line, and each date's block is
// followed by an empty line; blank lines are skipped. A date that cannot be shown gives no
// block: its line number, its text and the message go to standard error, and the other lines
// are still shown. With --json each date is one JSON object on one line (JSON Lines), and a
// line that cannot be shown is an object with its line number and "fehler".
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

#include "astronomy/sonnemond.h"
#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/texte.h"
#include "calendar/zonenregel.h"
#include "infoausgabe.h"
#include "orte.h"
#include "systemquellen.h"

namespace {

using lunoria::Extended;

constexpr const char* Aufruf =
    "Aufruf: lunoria-info [--json] [--datumsformat iso|lokal] [--zeitbasis german|standard]\n"
    "                    [--ort NAME] [--breite GRAD] [--laenge GRAD] [DATUM | -]\n"
    "\n"
    "Zeigt die Angaben der Seiten \"Allgemein\" und \"Astronomie\" von Lunoria für ein Datum.\n"
    "\n"
    "  DATUM                         Datum im kurzen Datumsformat der Regionaleinstellungen\n"
    "                                oder als JJJJ-MM-TT (ISO 8601, auch -0044-03-15)\n"
    "                                (Jahre -4712 bis 5879490; ohne Angabe: heute)\n"
    "  -                             Daten zeilenweise von der Standardeingabe lesen; nach\n"
    "                                jedem Block eine Leerzeile\n"
    "  --json                        je Datum ein JSON-Objekt in einer Zeile, unabhängig von\n"
    "                                den Regionaleinstellungen (Felder: man lunoria-info)\n"
    "  --datumsformat iso|lokal      Daten der Textausgabe als JJJJ-MM-TT oder im kurzen\n"
    "                                Datumsformat (Vorgabe: lokal)\n"
    "  --zeitbasis german|standard   Sommerzeitregeln: deutsche Geschichte oder die Regel der\n"
    "                                Systemzeitzone (Vorgabe: standard)\n"
    "  --ort NAME                    Ort aus der Ortsliste, etwa \"Heidelberg\" oder, nach\n"
    "                                Ländercode eingegrenzt, \"Heidelberg, ZA\"; dessen Zeitzone\n"
    "                                gilt (Vorgabe: der in Lunoria gewählte Ort)\n"
    "  --breite GRAD                 geographische Breite, nördlich positiv (-90 bis 90)\n"
    "  --laenge GRAD                 geographische Länge, westlich positiv (-180 bis 180);\n"
    "                                mit Koordinaten gilt die Systemzeitzone\n"
    "  --                            Ende der Optionen: das Folgende ist ein Datum\n"
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

// Reads a date text into an MJD; the German message when it cannot be shown, else nothing.
const char* DatumLesen(const std::string& datum, Extended& mjd)
{
    using namespace lunoria;
    int fehler = 0;
    mjd = TextDatumZuMJD(datum, fehler);
    if (fehler != 0)
        return KalenderText(ktTextdatumUnlesbar);
    // Lunoria's dates lie in the years -4712 ... 5879490; beyond them the calendar arithmetic
    // has no dates to give. Compared as MJDs, so that no year is split first.
    if (mjd < MJDAusDatum(1, 1, MinJahrStandard, 0) || mjd >= MJDAusDatum(1, 1, MaxJahrStandard + 1, 0)) {
        static const std::string bereich = "Das Jahr liegt nicht zwischen " + std::to_string(MinJahrStandard) +
                                           " und " + std::to_string(MaxJahrStandard);
        return bereich.c_str();
    }
    return nullptr;
}

// One date's output into the buffer of standard output: the text block or the JSON line.
struct TAusgabe {
    lunoria::TKalenderZeitBasis ZeitBasis;
    lunoria::TInfoOrt Ort;
    lunoria::TDatumsform Form = lunoria::dfLokal;
    bool Json = false;
};

void JsonZeile(const std::string& zeile)
{
    std::fwrite(zeile.data(), 1, zeile.size(), stdout);
    std::putchar('\n');
}

void Ausgeben(Extended mjd, const TAusgabe& a)
{
    if (a.Json)
        JsonZeile(lunoria::InfoJson(mjd, a.ZeitBasis, a.Ort));
    else
        std::fputs(lunoria::InfoText(mjd, a.ZeitBasis, a.Ort, a.Form).c_str(), stdout);
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
    bool json = false;
    TDatumsform form = dfLokal;

    // The C library's reasons (strerror) in the user's language, as UTF-8 whatever the
    // character type; only the messages, so that numbers keep their point.
    std::setlocale(LC_MESSAGES, "");
    bind_textdomain_codeset("libc", "UTF-8");

    // Fully buffered even on a terminal; flushed after each block and checked there.
    static char puffer[Puffergroesse];
    std::setvbuf(stdout, puffer, _IOFBF, sizeof puffer);

    bool optionen = true;  // until "--": after it every argument is a date
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionen && arg == "--") {
            optionen = false;
            continue;
        }
        if (!optionen) {
            if (datumGegeben)
                return FalscherAufruf("mehr als ein Datum angegeben");
            datum = arg;
            datumGegeben = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(Aufruf, stdout);
            return AusgabeAbschliessen();
        }
        if (arg == "--version") {
            // The project's version, given by the build.
            std::printf("lunoria-info %s\n", LUNORIA_VERSION);
            return AusgabeAbschliessen();
        }
        if (arg == "--json") {
            json = true;
            continue;
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
            if (name != "--zeitbasis" && name != "--breite" && name != "--laenge" && name != "--ort" &&
                name != "--datumsformat")
                return FalscherAufruf("unbekannte Option \"" + name + "\"");
            if (!wertDabei) {
                if (i + 1 >= argc)
                    return FalscherAufruf("zu \"" + name + "\" fehlt der Wert");
                wert = argv[++i];
            }
            if (name == "--ort") {
                ortName = wert;
                ortGegeben = true;
            } else if (name == "--datumsformat") {
                if (wert == "iso")
                    form = dfISO;
                else if (wert == "lokal")
                    form = dfLokal;
                else
                    return FalscherAufruf("Datumsformat \"" + wert + "\" ist weder iso noch lokal");
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

    // Regional settings and zone names of the system, as Lunoria uses them; for JSON the German
    // ones, so that a script reads the same names on every machine. The settings are read
    // once, when their provider is installed, and serve every date.
    InstalliereKonsolenQuellen(json);

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
    TAusgabe ausgabe{zeitBasis, {}, form, json};
    ausgabe.Ort.Name = ortZeile.empty() ? std::string() : ort.Name;
    ausgabe.Ort.Zeile = ortZeile.empty() ? koordinaten : ortZeile + " (" + koordinaten + ")";
    ausgabe.Ort.Breite = static_cast<double>(breite);
    ausgabe.Ort.Laenge = static_cast<double>(-laenge);

    if (!datumGegeben) {
        Ausgeben(MJDHeute(), ausgabe);
        return AusgabeAbschliessen();
    }
    if (datum != "-") {
        Extended mjd = 0;
        if (const char* fehler = DatumLesen(datum, mjd)) {
            std::fprintf(stderr, "lunoria-info: »%s«: %s\n", datum.c_str(), fehler);
            return 2;
        }
        Ausgeben(mjd, ausgabe);
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
            // JSON keeps one object per input line: the failed line's object says why.
            if (json) {
                JsonZeile(InfoFehlerJson(nummer, zeile, fehler));
                if (AusgabeAbschliessen() != 0)
                    return 1;
            }
            continue;
        }
        Ausgeben(mjd, ausgabe);
        if (!json)
            std::putchar('\n');
        if (AusgabeAbschliessen() != 0)
            return 1;
    }
    return status;
}
