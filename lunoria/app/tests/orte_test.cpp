// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <clocale>
#include <cstdlib>
#include <fstream>

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "app/kalender1.h"
#include "app/ortdialog.h"
#include "app/orte.h"
#include "calendar/tests/testquellen.h"
#include "calendar/zonenregel.h"

namespace lunoria {
namespace {

// The German names of the place list: umlauts, translated names, two towns of one name.
TEST(Orte, SucheMitDeutschenNamen)
{
    if (!OrtslisteVorhanden())
        GTEST_SKIP() << "die Ortsliste ist nicht installiert";
    unsetenv("LANGUAGE");
    if (!std::setlocale(LC_MESSAGES, "de_DE.UTF-8"))
        GTEST_SKIP() << "keine deutsche Locale";
    const struct {
        const char* Text;
        std::size_t Anzahl;
        const char* Name;
        const char* Land;
        const char* Zone;
    } faelle[] = {
        {"München", 1, "München", "DE", "Europe/Berlin"},
        {"Kopenhagen", 1, "Kopenhagen", "DK", "Europe/Copenhagen"},
        {"Neu-Delhi", 1, "Neu-Delhi", "IN", "Asia/Kolkata"},
        {"Heidelberg", 2, "Heidelberg", "DE", "Europe/Berlin"},
        {"Xyzzyqw", 0, "", "", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Text);
        const std::vector<TOrt> orte = OrteSuchen(f.Text, 10);
        ASSERT_EQ(orte.size(), f.Anzahl);
        if (orte.empty())
            continue;
        EXPECT_EQ(orte[0].Name, f.Name);
        EXPECT_EQ(orte[0].LandCode, f.Land);
        EXPECT_EQ(orte[0].Zone, f.Zone);
    }
    // The second Heidelberg by country code; the default place named after its nearest town.
    const std::optional<TOrt> sued = BesterOrt("Heidelberg, za");
    ASSERT_TRUE(sued);
    EXPECT_EQ(sued->Zone, "Africa/Johannesburg");
    EXPECT_EQ(OrtZeile(*sued).rfind("Heidelberg, Gauteng, ", 0), 0u);
    EXPECT_EQ(KoordinatenText(sued->Breite, sued->Laenge), "26,50° S, 28,36° O");
    EXPECT_EQ(BesterOrt("Heidelberg")->LandCode, "DE");
    EXPECT_FALSE(BesterOrt("Heidelberg, JP"));
    EXPECT_EQ(VorgabeOrt().Name, "Bad Mergentheim");
    EXPECT_EQ(VorgabeOrt().Zone, "");
}

TEST(Orte, KoordinatenLesen)
{
    const struct {
        const char* Text;
        bool Gut;
        double Breite, Laenge;
        const char* Fehler;  // the start of the message
    } faelle[] = {
        {"49,47 N 9,65 O", true, 49.47, 9.65, ""},
        {"-33.87 151.21", true, -33.87, 151.21, ""},
        {"33,87° S, 151,21° E", true, -33.87, 151.21, ""},
        {"9,65 O 49,47 N", true, 49.47, 9.65, ""},
        {"21.9w 64.1n", true, 64.1, -21.9, ""},
        {"90 -180", true, 90, -180, ""},
        {"90.01 0", false, 0, 0, "Die Breite"},
        {"0 -180,5", false, 0, 0, "Die Länge"},
        {"95 N 0 O", false, 0, 0, "Die Breite"},
        {"49 N 9 S", false, 0, 0, "Eine Breite"},
        {"49,47", false, 0, 0, "Bitte"},
        {"1 2 3", false, 0, 0, "Bitte"},
        {"49 Nord 9 O", false, 0, 0, "Bitte"},
        {"", false, 0, 0, "Bitte"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Text);
        std::string fehler;
        const std::optional<TOrt> ort = KoordinatenLesen(f.Text, fehler);
        ASSERT_EQ(ort.has_value(), f.Gut) << fehler;
        if (ort) {
            EXPECT_DOUBLE_EQ(ort->Breite, f.Breite);
            EXPECT_DOUBLE_EQ(ort->Laenge, f.Laenge);
            EXPECT_EQ(ort->Zone, "");  // typed coordinates keep the system zone
        } else {
            EXPECT_EQ(fehler.rfind(f.Fehler, 0), 0u) << fehler;
        }
    }
}

// The settings file: missing, damaged in several ways, and written by the program.
TEST(Orte, GespeicherterOrt)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    setenv("XDG_CONFIG_HOME", ordner.path().toLocal8Bit().constData(), 1);
    EXPECT_EQ(OrtsDatei(), ordner.path() + QStringLiteral("/lunoria/lunoria.conf"));

    std::string meldung = "alt";
    TOrt ort = OrtLaden(OrtsDatei(), meldung);
    EXPECT_EQ(meldung, "");
    EXPECT_DOUBLE_EQ(ort.Breite, VorgabeBreite);
    EXPECT_DOUBLE_EQ(ort.Laenge, VorgabeLaenge);

    const char* kaputt[] = {
        "[Ort]\nName=X\nBreite=abc\nLaenge=9\nZone=\n",
        "[Ort]\nName=X\nBreite=95\nLaenge=9\nZone=\n",
        "[Ort]\nName=X\nBreite=10\nLaenge=-190\nZone=\n",
        "[Ort]\nName=X\nBreite=10\nLaenge=9\nZone=Mars/Olympus\n",
        "[Ort]\nName=X\nBreite=10\nLaenge=9\nZone=../../etc/passwd\n",
        "\x01\x02\xff[[[\n",
    };
    int nummer = 0;
    for (const char* inhalt : kaputt) {
        SCOPED_TRACE(inhalt);
        // A file of its own each time: settings files are cached by name within a process.
        const QString datei = ordner.filePath(QStringLiteral("kaputt%1.conf").arg(++nummer));
        std::ofstream(datei.toStdString()) << inhalt;
        ort = OrtLaden(datei, meldung);
        EXPECT_DOUBLE_EQ(ort.Breite, VorgabeBreite);
        EXPECT_DOUBLE_EQ(ort.Laenge, VorgabeLaenge);
        EXPECT_EQ(ort.Zone, "");
        EXPECT_NE(meldung.find(datei.toStdString()), std::string::npos) << meldung;
        EXPECT_EQ(meldung.find('\n'), std::string::npos);
    }

    TOrt tokio;
    tokio.Name = "Tokio";
    tokio.Breite = 35.6895;
    tokio.Laenge = 139.6917;
    tokio.Zone = "Asia/Tokyo";
    ASSERT_TRUE(OrtSpeichern(OrtsDatei(), tokio));
    ort = OrtLaden(OrtsDatei(), meldung);
    EXPECT_EQ(meldung, "");
    EXPECT_EQ(ort.Name, "Tokio");
    EXPECT_DOUBLE_EQ(ort.Breite, 35.6895);
    EXPECT_DOUBLE_EQ(ort.Laenge, 139.6917);
    EXPECT_EQ(ort.Zone, "Asia/Tokyo");
}

// A place chosen with the keyboard in the place window: the tab's row, its zone, one new
// computation, and the place stored for the next start.
TEST(Orte, FensterUebernimmtDenGewaehltenOrt)
{
    if (!OrtslisteVorhanden() || !ZoneBekannt("Africa/Johannesburg"))
        GTEST_SKIP() << "Ortsliste oder Zonendateien fehlen";
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    setenv("XDG_CONFIG_HOME", ordner.path().toLocal8Bit().constData(), 1);
    test::RegionalGuard r;
    test::UhrGuard uhr(2005, 6, 1);
    TKalender1 fenster;
    const auto label = [&fenster](const char* name) { return fenster.findChild<QLabel*>(QLatin1String(name))->text(); };
    EXPECT_EQ(label("lbOrt"), QStringLiteral("Ort: Bad Mergentheim (49,47° N, 9,65° O)"));
    const int vorher = fenster.AstronomieBerechnungen();

    TOrtDialog dialog;
    QObject::connect(&dialog, &TOrtDialog::OrtGewaehlt, &fenster,
                     [&fenster](const TOrt& ort) { fenster.setOrt(ort, true); });
    auto* feld = dialog.findChild<QLineEdit*>(QStringLiteral("OrtFeld"));
    QTest::keyClicks(feld, QStringLiteral("Heidel"));
    std::size_t sued = 0;
    while (sued < dialog.Treffer().size() && dialog.Treffer()[sued].LandCode != "ZA")
        ++sued;
    ASSERT_LT(sued, dialog.Treffer().size());
    for (std::size_t i = 0; i < sued; ++i)
        QTest::keyClick(feld, Qt::Key_Down);
    QTest::keyClick(feld, Qt::Key_Return);

    EXPECT_EQ(fenster.Ort().Zone, "Africa/Johannesburg");
    EXPECT_TRUE(label("lbOrt").startsWith(QStringLiteral("Ort: Heidelberg (26,50° S, 28,36° O)")))
        << label("lbOrt").toStdString();
    EXPECT_TRUE(label("lbZeitzone").endsWith(QStringLiteral("(Africa/Johannesburg)")))
        << label("lbZeitzone").toStdString();
    EXPECT_EQ(label("lbGMT"), QStringLiteral("+02:00"));
    EXPECT_EQ(fenster.AstronomieBerechnungen(), vorher + 1);
    std::string meldung;
    EXPECT_EQ(OrtLaden(OrtsDatei(), meldung).Zone, "Africa/Johannesburg");
    SetzeOrtsZone("");
}

}  // namespace
}  // namespace lunoria
