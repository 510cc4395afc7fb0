// SPDX-License-Identifier: GPL-3.0-or-later
#include "infoausgabe.h"

#include <cmath>

#include <QString>
#include <QTimeZone>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "astronomy/astroinfo.h"
#include "astronomy/astrotexte.h"
#include "astronomy/mondphase.h"
#include "calendar/tagesinfo.h"
#include "calendar/zahlformat.h"
#include "calendar/zonenregel.h"

namespace lunoria {

namespace {

void Zeile(std::string& text, TBeschriftung b, const std::string& wert)
{
    text += Caption(b);
    text += ' ';
    text += wert;
    text += '\n';
}

// One JSON object written in order, field by field, by RapidJSON's writer, which escapes the
// texts and writes the shortest exact form of each number.
class TJson {
public:
    TJson()
        : m_Schreiber(m_Puffer)
    {
    }
    void Anfang() { m_Schreiber.StartObject(); }
    void Ende() { m_Schreiber.EndObject(); }
    void Schluessel(const char* feld) { m_Schreiber.Key(feld); }
    void Schluessel(const std::string& feld) { m_Schreiber.Key(feld.c_str(), static_cast<unsigned>(feld.size())); }
    // A text, null for an empty one.
    void Text(const std::string& s)
    {
        if (s.empty())
            m_Schreiber.Null();
        else
            m_Schreiber.String(s.c_str(), static_cast<unsigned>(s.size()));
    }
    void Text(const char* s) { Text(std::string(s)); }
    void Null() { m_Schreiber.Null(); }
    void Zahl(double x) { m_Schreiber.Double(x); }
    void Ganz(long n) { m_Schreiber.Int64(n); }
    void Wahr(bool b) { m_Schreiber.Bool(b); }
    void FeldText(const char* feld, const std::string& s) { Schluessel(feld), Text(s); }
    void ListeAnfang() { m_Schreiber.StartArray(); }
    void ListeEnde() { m_Schreiber.EndArray(); }
    std::string Ergebnis() const { return std::string(m_Puffer.GetString(), m_Puffer.GetSize()); }

private:
    rapidjson::StringBuffer m_Puffer;
    rapidjson::Writer<rapidjson::StringBuffer> m_Schreiber;
};

// An instant of the day as ISO text: local hours from the date's midnight with their offset.
std::string Zeitpunkt(Extended mjd, Extended stunden, long offset)
{
    return ISOZeitpunkt(mjd + stunden / 24, offset);
}

// Rise and set of one body: each an instant or null, and beside it why it is null, in the
// words of the text output ("geht nicht auf", "immer sichtbar", ...).
void AufUnterJson(TJson& j, const TAufUnterBlock& b, Extended mjd, const std::string& hinweis, TBeschriftung auf,
                  TBeschriftung unter)
{
    std::string grundAuf, grundUnter;
    if (!hinweis.empty()) {
        grundAuf = grundUnter = hinweis;
    } else if (b.AufgangGefunden || b.UntergangGefunden) {
        grundAuf = AstroText(atGehtNichtAuf);
        grundUnter = AstroText(atGehtNichtUnter);
    } else {
        grundAuf = grundUnter = AstroText(b.ObenBeiStart ? atImmerSichtbar : atImmerUnsichtbar);
    }
    j.FeldText(Feld(auf), b.AufgangGefunden ? Zeitpunkt(mjd, b.Aufgang, b.AufgangOffset) : std::string());
    j.Schluessel(std::string(Feld(auf)) + "_grund");
    j.Text(b.AufgangGefunden ? std::string() : grundAuf);
    j.FeldText(Feld(unter), b.UntergangGefunden ? Zeitpunkt(mjd, b.Untergang, b.UntergangOffset) : std::string());
    j.Schluessel(std::string(Feld(unter)) + "_grund");
    j.Text(b.UntergangGefunden ? std::string() : grundUnter);
}

// A twilight: its begin in the morning and end in the evening, null where the crossing is not
// on this day, and why when either is missing.
void DaemmerungJson(TJson& j, TBeschriftung art, const TAufUnterBlock& b, Extended mjd, const std::string& hinweis)
{
    std::string grund;
    if (!hinweis.empty())
        grund = hinweis;
    else if (!b.AufgangGefunden && !b.UntergangGefunden)
        grund = AstroText(b.ObenBeiStart ? atDaemmerungGanzeNacht : atDaemmerungKeine);
    else if (!b.AufgangGefunden || !b.UntergangGefunden)
        grund = AstroText(atNichtAmTag);
    j.Schluessel(Feld(art));
    j.Anfang();
    j.FeldText("beginn", b.AufgangGefunden ? Zeitpunkt(mjd, b.Aufgang, b.AufgangOffset) : std::string());
    j.FeldText("ende", b.UntergangGefunden ? Zeitpunkt(mjd, b.Untergang, b.UntergangOffset) : std::string());
    j.FeldText("grund", grund);
    j.Ende();
}

void WechselJson(TJson& j, TBeschriftung art, const std::vector<TSommerzeitWechsel>& wechsel)
{
    j.Schluessel(Feld(art));
    j.ListeAnfang();
    for (const TSommerzeitWechsel& w : wechsel)
        j.Text(ISOZeitpunkt(w.MJD + w.Zeit / 24, w.Offset));
    j.ListeEnde();
}

std::string OffsetText(long sekunden)
{
    // The instant's text carries the offset; its tail after the clock time is the offset alone.
    const std::string t = ISOZeitpunkt(51544, sekunden);
    return t.substr(t.find("T00:00:00") + 9);
}

}  // namespace

std::string InfoZonenName(TKalenderZeitBasis basis)
{
    if (basis == kzbGerman)
        return {};
    if (!OrtsZone().empty())
        return OrtsZone();
    // The system's zone does not change while the program runs; asked once.
    static const std::string system = QTimeZone::systemTimeZoneId().toStdString();
    return system;
}

std::string InfoText(Extended mjd, TKalenderZeitBasis basis, const TInfoOrt& ort, TDatumsform form)
{
    std::string text;
    text.reserve(1600);
    const Tagesinfo tag = TagesinfoBerechnen(mjd, 1);
    Zeile(text, bsWochentag, tag.Wochentagname);
    Zeile(text, bsMonat, tag.Monatsname);
    Zeile(text, bsJahr, Format("%d", tag.Jahr));
    Zeile(text, bsLangesDatum, tag.LangesDatum);
    const bool woche = tag.KWBeginn != -1;
    Zeile(text, bsKalenderwoche, woche ? Format("%d", tag.KW) : std::string());
    Zeile(text, bsWocheBeginnt, woche ? DatumText(tag.KWBeginn, form) : std::string());
    Zeile(text, bsTageSeit, Format("%d", tag.TageSeit));
    Zeile(text, bsTageBis, Format("%d", tag.TageBis));
    Zeile(text, bsSchaltjahr, tag.Schaltjahr ? JaText : NeinText);

    Zeile(text, bsOrt, ort.Zeile);
    const Astroinfo info = AstroinfoBerechnen(mjd, basis, ort.Breite, -ort.Laenge);
    for (const TAstroinfoZeile& z : AstroinfoZeilen(AstroinfoTexte(info, form)))
        Zeile(text, z.Art, z.Wert);
    if (!info.Hinweis.empty())
        text += info.Hinweis + '\n';
    if (GrobeNaeherung(tag.Jahr))
        text += std::string(NaeherungZeile) + '\n';
    return text;
}

std::string InfoJson(Extended mjd, TKalenderZeitBasis basis, const TInfoOrt& ort)
{
    TJson j;
    j.Anfang();
    const Tagesinfo tag = TagesinfoBerechnen(mjd, 1);
    j.FeldText("datum", MJDZuISODatum(mjd));
    j.FeldText("zeitbasis", basis == kzbGerman ? "german" : "standard");
    j.FeldText(Feld(bsWochentag), tag.Wochentagname);
    j.FeldText(Feld(bsMonat), tag.Monatsname);
    j.Schluessel(Feld(bsJahr)), j.Ganz(tag.Jahr);
    j.FeldText(Feld(bsLangesDatum), tag.LangesDatum);
    const bool woche = tag.KWBeginn != -1;
    j.Schluessel(Feld(bsKalenderwoche));
    woche ? j.Ganz(tag.KW) : j.Null();
    j.FeldText(Feld(bsWocheBeginnt), woche ? MJDZuISODatum(tag.KWBeginn) : std::string());
    j.Schluessel(Feld(bsTageSeit)), j.Ganz(tag.TageSeit);
    j.Schluessel(Feld(bsTageBis)), j.Ganz(tag.TageBis);
    j.Schluessel(Feld(bsSchaltjahr)), j.Wahr(tag.Schaltjahr);

    j.Schluessel(Feld(bsOrt));
    j.Anfang();
    j.FeldText("name", ort.Name);
    j.Schluessel("breite"), j.Zahl(ort.Breite);
    j.Schluessel("laenge"), j.Zahl(ort.Laenge);
    j.Ende();
    const Astroinfo info = AstroinfoBerechnen(mjd, basis, ort.Breite, -ort.Laenge);
    const long offsetMittag = std::lround(info.AufUnter.ZonenOffset * 3600);
    j.Schluessel("zone");
    j.Anfang();
    j.FeldText("name", InfoZonenName(basis));
    j.FeldText("offset", OffsetText(offsetMittag));
    j.Schluessel("offset_sekunden"), j.Ganz(offsetMittag);
    j.Ende();
    j.Schluessel(Feld(bsJD)), j.Zahl(static_cast<double>(info.JD));
    j.Schluessel(Feld(bsMJD)), j.Zahl(static_cast<double>(info.MJD));
    j.Schluessel(Feld(bsJHd)), j.Zahl(static_cast<double>(info.JHd));
    const TPhasenEreignis& phase = info.Phase;
    const bool ereignis = phase.Typ == mpNeumond || phase.Typ == mpVollmond;
    j.Schluessel(Feld(bsMondphase));
    j.Anfang();
    j.Schluessel("beleuchtung"), j.Zahl(static_cast<double>(info.Beleuchtung / 100));
    j.Schluessel("zunehmend"), j.Wahr(info.Zunehmend);
    j.FeldText("ereignis", ereignis ? AstroText(phase.Typ == mpNeumond ? atNeumond : atVollmond) : "");
    j.FeldText("zeitpunkt", ereignis ? ISOZeitpunkt(phase.Lokal, phase.Offset) : std::string());
    j.Ende();
    const TAufUnterDaten& d = info.AufUnter;
    AufUnterJson(j, d.Sonne, mjd, info.Hinweis, bsSonnenaufgang, bsSonnenuntergang);
    DaemmerungJson(j, bsBuergerlich, d.Daemmerung[dmBuergerlich], mjd, info.Hinweis);
    DaemmerungJson(j, bsNautisch, d.Daemmerung[dmNautisch], mjd, info.Hinweis);
    DaemmerungJson(j, bsAstronomisch, d.Daemmerung[dmAstronomisch], mjd, info.Hinweis);
    AufUnterJson(j, d.Mond, mjd, info.Hinweis, bsMondaufgang, bsMonduntergang);
    j.FeldText(Feld(bsGMT), info.ZeitZoneGMT);
    j.FeldText(Feld(bsZeitzone), info.ZeitZone);
    WechselJson(j, bsSommerzeitanfang, info.Sommerzeit.Beginne);
    WechselJson(j, bsSommerzeitende, info.Sommerzeit.Enden);
    const TBeschriftung jahreszeiten[] = {bsFruehling, bsSommer, bsHerbst, bsWinter};
    for (std::size_t i = 0; i < 4; ++i)
        j.FeldText(Feld(jahreszeiten[i]), ISOZeitpunkt(info.Jahreszeiten[i], info.JahreszeitenOffset[i]));
    j.FeldText("hinweis", info.Hinweis);
    j.Schluessel("naeherung"), j.Wahr(GrobeNaeherung(tag.Jahr));
    j.Ende();
    return j.Ergebnis();
}

std::string InfoFehlerJson(long zeile, const std::string& eingabe, const std::string& fehler)
{
    TJson j;
    j.Anfang();
    j.Schluessel("zeile"), j.Ganz(zeile);
    // The line as read may hold bytes that are not UTF-8: each becomes U+FFFD, so that the
    // object stays valid JSON.
    j.FeldText("eingabe", QString::fromUtf8(eingabe.data(), static_cast<qsizetype>(eingabe.size())).toStdString());
    j.FeldText("fehler", fehler);
    j.Ende();
    return j.Ergebnis();
}

}  // namespace lunoria
