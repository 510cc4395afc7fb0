// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The place list's C interface comes first: its GLib headers use words that Qt defines as
// macros.
#include <geonames.h>

#include "orte.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <libintl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string_view>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace lunoria {

namespace {

// The list gives names in the language of LC_MESSAGES (a program that never set its locale
// would get the English ones), always as UTF-8 whatever the character type of the locale.
void SpracheDerNamen()
{
    static const bool gesetzt = [] {
        bind_textdomain_codeset("geonames", "UTF-8");
        const char* jetzt = std::setlocale(LC_MESSAGES, nullptr);
        if (!jetzt || std::string(jetzt) == "C")
            std::setlocale(LC_MESSAGES, "");
        return true;
    }();
    (void)gesetzt;
}

std::string Text(const gchar* s)
{
    return s ? std::string(s) : std::string();
}

TOrt OrtAusListe(gint index)
{
    TOrt ort;
    GeonamesCity* stadt = geonames_get_city(index);
    if (!stadt)
        return ort;
    ort.Name = Text(geonames_city_get_name(stadt));
    ort.Region = Text(geonames_city_get_state(stadt));
    ort.Land = Text(geonames_city_get_country(stadt));
    ort.LandCode = Text(geonames_city_get_country_code(stadt));
    ort.Zone = Text(geonames_city_get_timezone(stadt));
    ort.Breite = geonames_city_get_latitude(stadt);
    ort.Laenge = geonames_city_get_longitude(stadt);
    ort.Einwohner = geonames_city_get_population(stadt);
    geonames_city_free(stadt);
    return ort;
}

std::vector<gint> Treffer(const std::string& text)
{
    SpracheDerNamen();
    guint anzahl = 0;
    gint* liste = geonames_query_cities_sync(text.c_str(), GEONAMES_QUERY_DEFAULT, &anzahl, nullptr, nullptr);
    std::vector<gint> indizes(liste, liste + (liste ? anzahl : 0));
    g_free(liste);
    return indizes;
}

std::string Klein(std::string s)
{
    QString q = QString::fromStdString(s).toCaseFolded();
    return q.toStdString();
}

std::string Beschnitten(const std::string& s)
{
    const auto anfang = s.find_first_not_of(" \t");
    if (anfang == std::string::npos)
        return {};
    return s.substr(anfang, s.find_last_not_of(" \t") - anfang + 1);
}

std::string Grad(double wert)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.2f", std::fabs(wert));
    std::string s = puffer;
    std::replace(s.begin(), s.end(), '.', ',');
    return s + "°";
}

}  // namespace

bool OrtslisteVorhanden()
{
    return geonames_get_n_cities() > 0;
}

std::vector<TOrt> OrteSuchen(const std::string& text, int hoechstens)
{
    std::vector<TOrt> orte;
    if (Beschnitten(text).empty() || hoechstens <= 0)
        return orte;
    for (gint i : Treffer(text)) {
        if (static_cast<int>(orte.size()) >= hoechstens)
            break;
        orte.push_back(OrtAusListe(i));
    }
    return orte;
}

std::optional<TOrt> BesterOrt(const std::string& text)
{
    std::string name = Beschnitten(text);
    std::string land;
    // "Name, CC": the part after the last comma narrows by country code.
    if (const auto komma = name.rfind(','); komma != std::string::npos) {
        const std::string rest = Beschnitten(name.substr(komma + 1));
        if (rest.size() == 2 && std::isalpha(static_cast<unsigned char>(rest[0])) &&
            std::isalpha(static_cast<unsigned char>(rest[1]))) {
            land = {static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0]))),
                    static_cast<char>(std::toupper(static_cast<unsigned char>(rest[1])))};
            name = Beschnitten(name.substr(0, komma));
        }
    }
    std::vector<TOrt> passend;
    for (TOrt& ort : OrteSuchen(name, 1000))
        if (land.empty() || ort.LandCode == land)
            passend.push_back(std::move(ort));
    if (passend.empty())
        return std::nullopt;
    const std::string gesucht = Klein(name);
    std::optional<TOrt> bester;
    for (const TOrt& ort : passend)
        if (Klein(ort.Name) == gesucht && (!bester || ort.Einwohner > bester->Einwohner))
            bester = ort;
    return bester ? bester : passend.front();
}

std::optional<TOrt> NaechsterOrt(double breite, double laenge)
{
    constexpr double rad = std::numbers::pi / 180;
    const gint n = geonames_get_n_cities();
    // The town with the smallest central angle: the largest cosine of it.
    double besterCos = -2;
    gint bester = -1;
    const double sb = std::sin(breite * rad), cb = std::cos(breite * rad);
    for (gint i = 0; i < n; ++i) {
        GeonamesCity* stadt = geonames_get_city(i);
        if (!stadt)
            continue;
        const double b = geonames_city_get_latitude(stadt) * rad;
        const double l = geonames_city_get_longitude(stadt) * rad;
        geonames_city_free(stadt);
        const double c = sb * std::sin(b) + cb * std::cos(b) * std::cos(l - laenge * rad);
        if (c > besterCos) {
            besterCos = c;
            bester = i;
        }
    }
    if (bester < 0)
        return std::nullopt;
    SpracheDerNamen();
    return OrtAusListe(bester);
}

TOrt VorgabeOrt()
{
    TOrt ort;
    // Named after the nearest listed town; without the list by the name that town has there.
    if (const auto naechster = NaechsterOrt(VorgabeBreite, VorgabeLaenge))
        ort = *naechster;
    else
        ort.Name = "Bad Mergentheim";
    ort.Breite = VorgabeBreite;
    ort.Laenge = VorgabeLaenge;
    ort.Zone.clear();  // the system zone, as before a place could be chosen
    ort.Einwohner = 0;
    return ort;
}

std::string OrtZeile(const TOrt& ort)
{
    std::string zeile = ort.Name;
    for (const std::string* teil : {&ort.Region, &ort.Land})
        if (!teil->empty() && *teil != ort.Name)
            zeile += (zeile.empty() ? "" : ", ") + *teil;
    return zeile;
}

std::string KoordinatenText(double breite, double laenge)
{
    return Grad(breite) + (breite < 0 ? " S, " : " N, ") + Grad(laenge) + (laenge < 0 ? " W" : " O");
}

std::string BereichsFehler(double breite, double laenge)
{
    if (!std::isfinite(breite) || std::fabs(breite) > 90)
        return "Die Breite muss zwischen -90 und 90 Grad liegen";
    if (!std::isfinite(laenge) || std::fabs(laenge) > 180)
        return "Die Länge muss zwischen -180 und 180 Grad liegen";
    return {};
}

std::optional<TOrt> KoordinatenLesen(const std::string& text, std::string& fehler)
{
    struct TZahl {
        double Wert;
        char Richtung;  // 0, 'N', 'S', 'O', 'W'
    };
    std::vector<TZahl> zahlen;
    const auto ziffer = [&text](std::size_t i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    fehler = "Bitte zwei Zahlen eingeben, etwa \"49,47 N 9,65 O\"";
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ' ' || c == '\t' || c == ',' || c == ';') {
            ++i;
        } else if (text.compare(i, 2, "°") == 0) {
            i += 2;
        } else if (c == '+' || c == '-' || std::isdigit(c)) {
            // A number: sign, digits, at most one decimal separator between digits.
            std::string zahl;
            if (c == '+' || c == '-')
                zahl += text[i++];
            if (!ziffer(i))
                return std::nullopt;
            while (ziffer(i))
                zahl += text[i++];
            if (i + 1 < text.size() && (text[i] == '.' || text[i] == ',') && ziffer(i + 1)) {
                zahl += '.';
                ++i;
                while (ziffer(i))
                    zahl += text[i++];
            }
            zahlen.push_back({std::strtod(zahl.c_str(), nullptr), 0});
        } else if (std::isalpha(c)) {
            const char r = static_cast<char>(std::toupper(c));
            if (zahlen.empty() || zahlen.back().Richtung != 0 ||
                std::string_view("NSOEW").find(r) == std::string_view::npos ||
                (i + 1 < text.size() && std::isalpha(static_cast<unsigned char>(text[i + 1]))))
                return std::nullopt;
            zahlen.back().Richtung = r == 'E' ? 'O' : r;
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (zahlen.size() != 2)
        return std::nullopt;
    const auto istLaenge = [](char r) { return r == 'O' || r == 'W'; };
    // Letters put the numbers in place; a latitude given second swaps them.
    if (istLaenge(zahlen[0].Richtung) || (zahlen[1].Richtung == 'N' || zahlen[1].Richtung == 'S'))
        std::swap(zahlen[0], zahlen[1]);
    if (istLaenge(zahlen[0].Richtung) || zahlen[1].Richtung == 'N' || zahlen[1].Richtung == 'S') {
        fehler = "Eine Breite (N/S) und eine Länge (O/W) angeben";
        return std::nullopt;
    }
    TOrt ort;
    ort.Breite = zahlen[0].Richtung == 'S' ? -zahlen[0].Wert : zahlen[0].Wert;
    ort.Laenge = zahlen[1].Richtung == 'W' ? -zahlen[1].Wert : zahlen[1].Wert;
    fehler = BereichsFehler(ort.Breite, ort.Laenge);
    if (!fehler.empty())
        return std::nullopt;
    ort.Name = KoordinatenText(ort.Breite, ort.Laenge);
    return ort;
}

QString OrtsDatei()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/lunoria/lunoria.conf");
}

bool ZoneBekannt(const std::string& zone)
{
    // A relative name of letters, digits and "_+-/" without "..", with a zone file.
    if (zone.empty() || zone.front() == '/' || zone.find("..") != std::string::npos)
        return false;
    for (char c : zone)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '+' || c == '-' || c == '/'))
            return false;
    const QByteArray tzdir = qgetenv("TZDIR");
    const QString ordner = tzdir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : QString::fromLocal8Bit(tzdir);
    return QFileInfo(ordner + QLatin1Char('/') + QString::fromStdString(zone)).isFile();
}

TOrt OrtLaden(const QString& datei, std::string& meldung)
{
    meldung.clear();
    if (!QFileInfo::exists(datei))
        return VorgabeOrt();
    QSettings s(datei, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Ort"));
    TOrt ort;
    bool breiteOk = false, laengeOk = false;
    ort.Name = s.value(QStringLiteral("Name")).toString().toStdString();
    ort.Breite = s.value(QStringLiteral("Breite")).toString().toDouble(&breiteOk);
    ort.Laenge = s.value(QStringLiteral("Laenge")).toString().toDouble(&laengeOk);
    ort.Zone = s.value(QStringLiteral("Zone")).toString().toStdString();
    const bool gut = s.status() == QSettings::NoError && breiteOk && laengeOk &&
                     BereichsFehler(ort.Breite, ort.Laenge).empty() && (ort.Zone.empty() || ZoneBekannt(ort.Zone));
    if (!gut) {
        TOrt vorgabe = VorgabeOrt();
        meldung = "Die gespeicherte Ortsangabe in " + datei.toStdString() + " ist unbrauchbar; es gilt " +
                  vorgabe.Name + ".";
        return vorgabe;
    }
    if (ort.Name.empty())
        ort.Name = KoordinatenText(ort.Breite, ort.Laenge);
    return ort;
}

bool OrtSpeichern(const QString& datei, const TOrt& ort)
{
    QDir().mkpath(QFileInfo(datei).absolutePath());
    QSettings s(datei, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Ort"));
    s.setValue(QStringLiteral("Name"), QString::fromStdString(ort.Name));
    // Plain numbers with a decimal point, east positive, as a person editing the file expects.
    s.setValue(QStringLiteral("Breite"), QString::number(ort.Breite, 'f', 6));
    s.setValue(QStringLiteral("Laenge"), QString::number(ort.Laenge, 'f', 6));
    s.setValue(QStringLiteral("Zone"), QString::fromStdString(ort.Zone));
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

}  // namespace lunoria
