// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The user's place: search of the installed place list by name, the nearest listed town,
// typed coordinates, and the place remembered in ~/.config/lunoria/lunoria.conf.
//
// Coordinates here are degrees, north and EAST positive; the sun-and-moon object keeps the
// longitude west positive, so callers negate it at that boundary.

#include <optional>
#include <string>
#include <vector>

#include <QString>

namespace lunoria {

struct TOrt {
    std::string Name;      // in the user's language where the list has a translation
    std::string Region;    // state or province
    std::string Land;      // country name
    std::string LandCode;  // ISO 3166 two-letter code
    std::string Zone;      // IANA zone ("Europe/Berlin"); empty: the system zone
    double Breite = 0;     // north positive
    double Laenge = 0;     // east positive
    unsigned Einwohner = 0;
};

// The default place: 49.47 N 9.65 E, named after the nearest listed town, on the system zone.
constexpr double VorgabeBreite = 49.47;
constexpr double VorgabeLaenge = 9.65;
TOrt VorgabeOrt();

// Whether the place list is installed and holds places.
bool OrtslisteVorhanden();

// Up to `hoechstens` places matching the text, best first (the list's own order: how well
// and how many words match, and the town's importance).
std::vector<TOrt> OrteSuchen(const std::string& text, int hoechstens);

// The best place for a name as scripts give it: "Heidelberg" or, narrowed by country code,
// "Heidelberg, ZA". Among places of exactly that name the most populous one; else the list's
// first match.
std::optional<TOrt> BesterOrt(const std::string& text);

// The listed town closest to the point (great-circle distance).
std::optional<TOrt> NaechsterOrt(double breite, double laenge);

// "Heidelberg, Gauteng, Republik Südafrika": name, region and country, without empty parts
// and without a region that repeats the name.
std::string OrtZeile(const TOrt& ort);

// "49,47° N, 9,65° O": two decimals, German decimal comma, N/S and O/W.
std::string KoordinatenText(double breite, double laenge);

// The German message when a latitude or longitude is out of range (|breite| <= 90,
// |laenge| <= 180), else empty.
std::string BereichsFehler(double breite, double laenge);

// Typed coordinates: two numbers with "." or "," as decimal separator, each with an optional
// sign, "°" and a direction letter (N/S for latitude, O/E/W for longitude, in either order):
// "49,47 N 9,65 O", "-33.87 151.21", "33,87 S, 151,21 E". Without letters latitude comes
// first. Returns the place (named by its coordinates, system zone) or sets the German reason.
std::optional<TOrt> KoordinatenLesen(const std::string& text, std::string& fehler);

// The settings file: $XDG_CONFIG_HOME/lunoria/lunoria.conf (~/.config without the variable).
QString OrtsDatei();

// The remembered place of the file; the default when there is none. A damaged or edited file
// (unreadable, values out of range, a zone without zone file) gives the default and sets
// `meldung` to one German line naming the file.
TOrt OrtLaden(const QString& datei, std::string& meldung);
// Stores the place; false when the file cannot be written.
bool OrtSpeichern(const QString& datei, const TOrt& ort);

// Whether the system has a zone file of this IANA name.
bool ZoneBekannt(const std::string& zone);

}  // namespace lunoria
