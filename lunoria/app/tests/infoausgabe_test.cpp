// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "app/infoausgabe.h"
#include "astronomy/beschriftungen.h"
#include "calendar/julian.h"
#include "calendar/zonenregel.h"

namespace lunoria {
namespace {

// "Caption value" lines of one block, by caption.
std::map<std::string, std::string> Zeilen(const std::string& text)
{
    std::map<std::string, std::string> z;
    std::istringstream in(text);
    for (std::string zeile; std::getline(in, zeile);)
        for (const TBeschriftungEintrag& b : Beschriftungen)
            if (zeile.rfind(std::string(b.Caption) + " ", 0) == 0)
                z[b.Caption] = zeile.substr(std::string(b.Caption).size() + 1);
    return z;
}

std::string S(const QJsonValue& v)
{
    return v.toString().toStdString();
}

// "07:58 Uhr" of an ISO instant.
std::string Uhr(const QJsonValue& v)
{
    return S(v).substr(S(v).find('T') + 1, 5) + " Uhr";
}

// The JSON object of every date and place says what its text block says: each clock time,
// each reason where there is none, the numbers, the dates; and it has the documented fields.
TEST(InfoAusgabe, JsonSagtDasselbeWieDerText)
{
    const struct {
        const char* Zone;
        double Breite, Laenge;
    } orte[] = {
        {"Europe/Berlin", 52.52, 13.40},      {"America/New_York", 40.71, -74.01},   {"Asia/Kolkata", 28.61, 77.21},
        {"Australia/Sydney", -33.87, 151.21}, {"Arctic/Longyearbyen", 78.22, 15.65},
    };
    std::set<QString> felder;
    for (const TBeschriftungEintrag& b : Beschriftungen)
        if (std::string(b.Feld) != "jahreszeiten")
            felder.insert(QString::fromLatin1(b.Feld));
    for (const char* f : {"datum", "zeitbasis", "zone", "hinweis", "naeherung", "sonnenaufgang_grund",
                          "sonnenuntergang_grund", "mondaufgang_grund", "monduntergang_grund"})
        felder.insert(QString::fromLatin1(f));

    int verglichen = 0;
    for (const auto& o : orte) {
        ASSERT_TRUE(SetzeOrtsZone(o.Zone)) << o.Zone;
        const TInfoOrt ort{"Ort", "Ort", o.Breite, o.Laenge};
        // Some 70 days per place from 1850 to 2100, on every weekday and phase, the change days
        // of 2026 among them.
        for (Extended mjd = MJDAusDatum(3, 1, 1850, 0); mjd < MJDAusDatum(1, 1, 2101, 0); mjd += 1307) {
            for (const Extended tag : {mjd, MJDAusDatum(29, 3, 2026, 0), MJDAusDatum(25, 10, 2026, 0)}) {
                const std::string text = InfoText(tag, kzbStandard, ort, dfISO);
                const QJsonDocument doc = QJsonDocument::fromJson(
                    QByteArray::fromStdString(InfoJson(tag, kzbStandard, ort)));
                ASSERT_TRUE(doc.isObject()) << text;
                const QJsonObject j = doc.object();
                const QStringList namen = j.keys();
                const std::set<QString> keys(namen.begin(), namen.end());
                ASSERT_EQ(keys, felder);
                auto z = Zeilen(text);
                const std::string wo = std::string(o.Zone) + " " + S(j["datum"]);
                EXPECT_EQ(S(j["datum"]), MJDZuISODatum(tag));
                EXPECT_EQ(S(j["wochentag"]), z["Wochentag:"]) << wo;
                EXPECT_EQ(std::to_string(j["jahr"].toInt()), z["Jahr:"]) << wo;
                EXPECT_EQ(S(j["woche_beginnt"]), z["beginnt am:"]) << wo;
                EXPECT_EQ(j["schaltjahr"].toBool() ? "Ja" : "Nein", z["Schaltjahr:"]) << wo;
                EXPECT_EQ(S(j["gmt"]), z["GMT:"]) << wo;
                EXPECT_EQ(S(j["zeitzone"]), z["Zeitzone:"]) << wo;
                EXPECT_EQ(S(j["zone"]["name"]), o.Zone);
                EXPECT_NEAR(j["mjd"].toDouble(), static_cast<double>(tag), 1e-9);
                EXPECT_NEAR(j["jd"].toDouble() - j["mjd"].toDouble(), 2400000.5, 1e-6);

                // Rise and set: the clock time of the instant, else the reason as the text says it.
                for (const auto& [feld, caption] :
                     {std::pair{"sonnenaufgang", "Sonnenaufgang:"}, std::pair{"sonnenuntergang", "Sonnenuntergang:"},
                      std::pair{"mondaufgang", "Mondaufgang:"}, std::pair{"monduntergang", "Monduntergang:"}}) {
                    const QJsonValue wert = j[QLatin1StringView(feld)];
                    const std::string grund = S(j[QLatin1StringView(feld) + QStringLiteral("_grund")]);
                    if (!wert.isNull()) {
                        EXPECT_EQ(Uhr(wert), z[caption]) << wo << " " << feld;
                        EXPECT_EQ(S(wert).substr(0, S(j["datum"]).size()), S(j["datum"])) << wo;
                        EXPECT_TRUE(grund.empty());
                    } else if (!z[caption].empty()) {
                        EXPECT_EQ(grund, z[caption] == "\u2013" ? S(j["hinweis"]) : z[caption]) << wo << " " << feld;
                    } else {
                        EXPECT_FALSE(grund.empty()) << wo << " " << feld;
                    }
                }
                // Twilights: "06:58 – 17:14 Uhr", the reason alone, or dashes for another day.
                for (const auto& [feld, caption] :
                     {std::pair{"buergerliche_daemmerung", "Bürgerliche Dämmerung:"},
                      std::pair{"nautische_daemmerung", "Nautische Dämmerung:"},
                      std::pair{"astronomische_daemmerung", "Astronomische Dämmerung:"}}) {
                    const QJsonObject d = j[QLatin1StringView(feld)].toObject();
                    std::string erwartet;
                    if (d["beginn"].isNull() && d["ende"].isNull())
                        erwartet = j["hinweis"].isNull() ? S(d["grund"]) : "\u2013";
                    else if (d["ende"].isNull())
                        erwartet = Uhr(d["beginn"]) + " \u2013 \u2013";
                    else
                        erwartet = (d["beginn"].isNull() ? "\u2013" : Uhr(d["beginn"]).substr(0, 5)) + " \u2013 " +
                                   Uhr(d["ende"]);
                    EXPECT_EQ(erwartet, z[caption]) << wo << " " << feld;
                }
                // The moon phase: the event with its time, else the lit percentage.
                const QJsonObject phase = j["mondphase"].toObject();
                if (!phase["ereignis"].isNull()) {
                    EXPECT_EQ(S(phase["ereignis"]) + " (" + Uhr(phase["zeitpunkt"]) + ")", z["Mondphase:"]) << wo;
                } else {
                    char prozent[32];
                    std::snprintf(prozent, sizeof prozent, "%4.1f%%, %s", phase["beleuchtung"].toDouble() * 100,
                                  phase["zunehmend"].toBool() ? "zunehmend" : "abnehmend");
                    std::string deutsch = prozent;
                    deutsch.replace(deutsch.find('.'), 1, ",");
                    EXPECT_EQ(deutsch, z["Mondphase:"]) << wo;
                }
                // Season starts: date, two blanks, the clock; summer time: each change's clock.
                for (const auto& [feld, caption] :
                     {std::pair{"fruehlingsanfang", "Frühlingsanfang:"}, std::pair{"winteranfang", "Winteranfang:"}})
                    EXPECT_EQ(S(j[QLatin1StringView(feld)]).substr(0, S(j["datum"]).size()) + "  " +
                                  Uhr(j[QLatin1StringView(feld)]),
                              z[caption])
                        << wo;
                for (const auto& [feld, caption] : {std::pair{"sommerzeitanfang", "Sommerzeitanfang,"},
                                                    std::pair{"sommerzeitende", "Sommerzeitende,"}}) {
                    std::string erwartet;
                    for (const QJsonValue& w : j[QLatin1StringView(feld)].toArray()) {
                        const std::string iso = S(w);
                        const std::size_t t = iso.find('T');
                        erwartet += (erwartet.empty() ? "am " : " und am ") + iso.substr(t - 2, 2) + "." +
                                    iso.substr(t - 5, 2) + ". um " + Uhr(w);
                    }
                    if (z[caption].find("24:00") == std::string::npos) {
                        EXPECT_EQ(erwartet.empty() ? "nicht definiert" : erwartet, z[caption]) << wo;
                    }
                }
                ++verglichen;
            }
        }
    }
    SetzeOrtsZone("");
    EXPECT_GT(verglichen, 500);
}

}  // namespace
}  // namespace lunoria
