// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The "Astronomie" tab: moon picture, time basis and the controls around them.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "app/kalender1.h"
#include "astronomy/mondbild.h"
#include "calendar/tests/testquellen.h"
#include "calendar/tests/zonenregelguard.h"
#include "controls/farben.h"
#include "controls/kalenderbtn.h"
#include "controls/kalenderctrl.h"
#include "controls/kalenderdlg.h"
#include "controls/kalenderedit.h"
#include "controls/tests/steuertest.h"

namespace lunoria {
namespace {

QString Text(const QWidget& fenster, const char* name)
{
    const auto* label = fenster.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<fehlt>");
}

struct Mondbild {
    QImage bild;      // what Image1 shows
    QImage vollmond;  // the picture of MondImage
};

Mondbild MondbildVon(const QWidget& fenster)
{
    const auto* image1 = fenster.findChild<QLabel*>(QStringLiteral("Image1"));
    const auto* mond = fenster.findChild<QLabel*>(QStringLiteral("MondImage"));
    if (!image1 || !mond)
        return {};
    return {image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
            mond->pixmap().toImage().convertToFormat(QImage::Format_RGB32)};
}

// Share of the disc (well inside the rim) that shows the full-moon picture.
double HellerAnteil(const Mondbild& m)
{
    int innen = 0, hell = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
            const double dx = x + 0.5 - 60, dy = y + 0.5 - 60;
            if (dx * dx + dy * dy > 57.0 * 57.0)
                continue;
            ++innen;
            hell += m.bild.pixel(x, y) == m.vollmond.pixel(x, y) && m.bild.pixelColor(x, y) != QColor(Qt::black);
        }
    return double(hell) / innen;
}

void DatumEingeben(TKalender1& fenster, const char* text)
{
    auto* edit = fenster.findChild<QLineEdit*>(QStringLiteral("KalenderEdit1"));
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, QLatin1String(text));
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(Astronomie, MoonPictureAndLabelsOfJanuary2000)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;
    // Lit share of a disc of radius 60 with terminator semi-axis w: (1 +- w/60) / 2, with
    // w = nearest(60/100 * |p - 50| * 2): 53.4 % -> w = 4, 0.533; 33.7 % -> w = 20, 0.333.
    const struct {
        int tag;
        const char* jd;
        const char* mjd;
        const char* jhd;
        const char* phase;  // nullptr: not checked
        double anteilMin, anteilMax;
        bool mitteHell;  // the centre lies on the lit side
    } faelle[] = {
        {28, "2.451.571,5000", "51.571,0000", "0,000726", "53,4%, abnehmend", 0.49, 0.58, true},
        // Full moon at 04:40:48 UT (the night of the total lunar eclipse), 05:40 central European time.
        {21, "2.451.564,5000", "51.564,0000", "0,000534", "Vollmond (05:40 Uhr)", 0.95, 1.0, true},
        {13, "2.451.556,5000", "51.556,0000", "0,000315", "33,7%, zunehmend", 0.29, 0.38, false},
        {6, "2.451.549,5000", "51.549,0000", "0,000123", nullptr, 0.0, 0.05, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.tag);
        test::UhrGuard uhr(2000, 1, f.tag);
        TKalender1 fenster;
        fenster.show();
        EXPECT_EQ(Text(fenster, "lbJD"), QLatin1String(f.jd));
        EXPECT_EQ(Text(fenster, "lbMJD"), QLatin1String(f.mjd));
        EXPECT_EQ(Text(fenster, "lbJHd"), QLatin1String(f.jhd));
        if (f.phase) {
            EXPECT_EQ(Text(fenster, "lbMondPhase"), QString::fromUtf8(f.phase));
        }

        const Mondbild m = MondbildVon(fenster);
        ASSERT_EQ(m.bild.size(), QSize(120, 120));
        ASSERT_EQ(m.vollmond.size(), QSize(120, 120));
        const double anteil = HellerAnteil(m);
        EXPECT_GE(anteil, f.anteilMin);
        EXPECT_LE(anteil, f.anteilMax);
        EXPECT_EQ(m.bild.pixel(60, 60) == m.vollmond.pixel(60, 60), f.mitteHell);
        // Around the disc: the button face; the lit part is cut out of the picture, never flat.
        EXPECT_EQ(m.bild.pixelColor(0, 0), FarbeZuQColor(COLOR_BTNFACE));
        EXPECT_EQ(m.bild.pixelColor(119, 119), FarbeZuQColor(COLOR_BTNFACE));
        EXPECT_EQ(m.bild.pixelColor(60, 60) == QColor(MondFuellRot, MondFuellGruen, MondFuellBlau), false);
        if (f.tag == 28) {
            // Waning: the lit half is the left one.
            EXPECT_EQ(m.bild.pixel(25, 60), m.vollmond.pixel(25, 60));
            EXPECT_EQ(m.bild.pixelColor(95, 60), QColor(Qt::black));
        }
    }
}

TEST(Astronomie, PictureFrameAndHiddenControls)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;
    test::UhrGuard uhr(2000, 1, 28);
    TKalender1 fenster;
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    const auto* image1 = fenster.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image1, nullptr);
    EXPECT_TRUE(image1->isVisible());
    EXPECT_EQ(image1->size(), QSize(120, 120));
    const auto* rahmen = qobject_cast<const QFrame*>(image1->parentWidget());
    ASSERT_NE(rahmen, nullptr);
    EXPECT_EQ(rahmen->size(), QSize(130, 130));
    EXPECT_EQ(rahmen->frameShadow(), QFrame::Raised);
    const QRect innen(image1->mapTo(&fenster, QPoint(0, 0)), image1->size());
    EXPECT_TRUE(fenster.rect().contains(innen));

    const auto* mond = fenster.findChild<QLabel*>(QStringLiteral("MondImage"));
    ASSERT_NE(mond, nullptr);
    EXPECT_FALSE(mond->isVisible());
    EXPECT_FALSE(mond->pixmap().isNull());

    const auto* rgZB = fenster.findChild<QGroupBox*>(QStringLiteral("rgZB"));
    ASSERT_NE(rgZB, nullptr);
    EXPECT_FALSE(rgZB->isVisible());
    EXPECT_EQ(rgZB->title(), QStringLiteral(" ZeitBasis"));
    const QList<QRadioButton*> items = rgZB->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("kzbGerman"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("kzbStandard"));
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_FALSE(fenster.windowIcon().isNull());

    // Every caption of the tab is there.
    QStringList captions;
    for (const QLabel* l : fenster.findChildren<QLabel*>())
        captions << l->text();
    for (const char* c :
         {"Mondphase:", "Sonnenaufgang:", "Sonnenuntergang:", "Mondaufgang:", "Monduntergang:", "GMT:", "Zeitzone:",
          "Jahreszeiten:", "Frühlingsanfang:", "Sommeranfang:", "Herbstanfang:", "Winteranfang:",
          "Julianisches Datum (JD):", "Julianische Jahrhunderte (JHd):", "Modifiziertes Julianisches Datum (MJD):",
          "Sommerzeitanfang,", "Sommerzeitende,", "Start Wochentag:"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(c))) << c;
}

TEST(Astronomie, TimeBasisChoiceSwitchesTheDaylightSavingPeriod)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;  // CET-1CEST,M3.5.0,M10.5.0/3
    test::UhrGuard uhr(1985, 6, 1);
    TKalender1 fenster;
    fenster.show();
    auto* rgZB = fenster.findChild<QGroupBox*>(QStringLiteral("rgZB"));
    ASSERT_NE(rgZB, nullptr);
    const QList<QRadioButton*> items = rgZB->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 2);

    // 1985 under the system's rule: last Sundays of March (31st) and October (27th); the German
    // rule of 1980-1995 ends on the last Sunday of September (29th). 1975 had no daylight
    // saving in Germany.
    const struct {
        const char* datum;  // nullptr: keep the date
        int item;           // -1: leave the choice
        const char* anfang;
        const char* ende;
    } schritte[] = {
        {nullptr, -1, "am 31.03. um 02:00 Uhr", "am 27.10. um 03:00 Uhr"},
        {nullptr, 0, "am 31.03. um 02:00 Uhr", "am 29.09. um 03:00 Uhr"},
        {"01.06.1975", -1, "nicht definiert", "nicht definiert"},
        {nullptr, 1, "am 30.03. um 02:00 Uhr", "am 26.10. um 03:00 Uhr"},
        {"01.06.1985", 0, "am 31.03. um 02:00 Uhr", "am 29.09. um 03:00 Uhr"},
    };
    for (const auto& s : schritte) {
        if (s.datum)
            DatumEingeben(fenster, s.datum);
        if (s.item >= 0)
            items[s.item]->click();
        EXPECT_EQ(Text(fenster, "lbStartSommerzeit"), QLatin1String(s.anfang)) << (s.datum ? s.datum : "") << s.item;
        EXPECT_EQ(Text(fenster, "lbEndeSommerzeit"), QLatin1String(s.ende)) << (s.datum ? s.datum : "") << s.item;
    }
    // The summer offset follows the basis: 1 June 1985 is in daylight time under both rules.
    EXPECT_EQ(Text(fenster, "lbGMT"), QStringLiteral("+02:00"));
}

// The tab is computed once per change of the drop-down button's date or time basis: not per
// typed character, not again for the same date. While a date is typed the labels stay on the
// last accepted one.
TEST(Astronomie, OneComputationPerDateChange)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;
    test::UhrGuard uhr(2026, 12, 8);  // MJD 61382
    test::MeldungsboxRecorder boxen;
    TKalender1 fenster;
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    auto* edit = fenster.findChild<TKalenderEdit*>(QStringLiteral("KalenderEdit1"));
    auto* knopf = fenster.findChild<TKalenderBtn*>(QStringLiteral("KalenderBtn1"));
    auto* schliessen = fenster.findChild<QToolButton*>(QStringLiteral("SpeedButton2"));
    auto* rgZB = fenster.findChild<QGroupBox*>(QStringLiteral("rgZB"));
    ASSERT_TRUE(edit && knopf && schliessen && rgZB);
    EXPECT_EQ(fenster.AstronomieBerechnungen(), 1);  // the start
    EXPECT_EQ(Text(fenster, "lbMJD"), QStringLiteral("61.382,0000"));

    // A pick of Friday 22 May 1998 (week row 5, column 5) in the dropped-down dialog, then OK.
    const auto dropDown = [&] {
        TvexKalenderDlg* dlg = knopf->Dialog();
        test::WennOffen(dlg, [dlg] {
            TKalenderCtrl& g = *dlg->KalenderCtrl1;
            TKalenderZelle z;
            z.Spalte = 5;
            z.Zeile = 5;
            EXPECT_EQ(g.Zelle(5, 5).Wert, 22);
            QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier,
                              g.ZellenUrsprung(z) + QPoint(g.ZellenBreite() / 2, g.ZellenHoehe() / 2));
            dlg->OKBtn->click();
        });
        QTest::mousePress(knopf, Qt::LeftButton);
        QTest::mouseRelease(knopf, Qt::LeftButton);
    };
    const struct {
        const char* name;
        const char* getippt;  // typed character by character over the selected text first
        std::function<void()> bestaetigen;
        int berechnungen;
        const char* mjd;
    } schritte[] = {
        {"Enter", "23.05.1998", [&] { QTest::keyClick(edit, Qt::Key_Return); }, 1, "50.956,0000"},
        {"focus out", "24.05.1998", [&] { schliessen->setFocus(Qt::TabFocusReason); }, 1, "50.957,0000"},
        {"focus out, same date", "24.5.1998", [&] { schliessen->setFocus(Qt::TabFocusReason); }, 0, "50.957,0000"},
        {"Esc", "1.1.2000", [&] { QTest::keyClick(edit, Qt::Key_Escape); }, 0, "50.957,0000"},
        {"drop-down", "", dropDown, 1, "50.955,0000"},
        {"time basis", "", [&] { rgZB->findChildren<QRadioButton*>().at(0)->click(); }, 1, "50.955,0000"},
        {"same time basis", "", [&] { rgZB->findChildren<QRadioButton*>().at(0)->click(); }, 0, "50.955,0000"},
    };
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.name);
        const int vorher = fenster.AstronomieBerechnungen();
        const QString mjdVorher = Text(fenster, "lbMJD");
        edit->setFocus();
        edit->selectAll();
        for (const char* c = s.getippt; *c; ++c) {
            QTest::keyClick(edit, *c);
            EXPECT_EQ(fenster.AstronomieBerechnungen(), vorher) << *c;
            EXPECT_EQ(Text(fenster, "lbMJD"), mjdVorher) << *c;
        }
        s.bestaetigen();
        EXPECT_EQ(fenster.AstronomieBerechnungen() - vorher, s.berechnungen);
        EXPECT_EQ(Text(fenster, "lbMJD"), QLatin1String(s.mjd));
    }
    EXPECT_TRUE(boxen.Texte.isEmpty());
}

}  // namespace
}  // namespace lunoria
