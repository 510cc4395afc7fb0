// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <chrono>

#include "calendar/julian.h"
#include "controls/kalenderctrl.h"
#include "steuertest.h"

namespace lunoria {
namespace {

class KalenderCtrl : public test::SteuerTest {
protected:
    // A grid whose window exists, shown on the offscreen screen.
    std::unique_ptr<TKalenderCtrl> Gitter(Extended mjd = 50956, int start = 1)
    {
        auto k = std::make_unique<TKalenderCtrl>();
        k->setStartWochentag(start);
        k->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(k.get()));
        k->setModJulDat(mjd);
        return k;
    }

    static QPoint Mitte(const TKalenderCtrl& k, int spalte, int zeile)
    {
        TKalenderZelle z;
        z.Spalte = spalte;
        z.Zeile = zeile;
        return k.ZellenUrsprung(z) + QPoint(k.ZellenBreite() / 2, k.ZellenHoehe() / 2);
    }

    static void Klick(TKalenderCtrl& k, int spalte, int zeile)
    {
        QTest::mouseClick(&k, Qt::LeftButton, Qt::NoModifier, Mitte(k, spalte, zeile));
    }

    static void Taste(TKalenderCtrl& k, Qt::Key taste) { QTest::keyClick(&k, taste); }
};

// The expected table: the date shown at (column, row) of a month, from std::chrono, which
// counts the Gregorian calendar independently of the grid.
struct ErwarteteZelle {
    int tag;
    bool imMonat;
    int isoWochentag;
};

ErwarteteZelle Erwartet(int jahr, unsigned monat, int start, int spalte, int zeile)
{
    using namespace std::chrono;
    const sys_days erster = year{jahr} / month{monat} / 1;
    const int w = static_cast<int>(weekday{erster}.c_encoding());
    int q = w - start + 1;
    if (q <= 0)
        q += 7;
    const int index = (zeile - 2) * 7 + (spalte - 1) - (q - 1);
    const sys_days tag = erster + days{index};
    const year_month_day ymd{tag};
    return {static_cast<int>(static_cast<unsigned>(ymd.day())), ymd.month() == month{monat},
            static_cast<int>(weekday{tag}.iso_encoding())};
}

TEST_F(KalenderCtrl, CellTablesAgainstTheCalendar)
{
    const struct {
        int jahr, monat;
    } monate[] = {{1998, 5}, {2015, 2}, {2015, 3}, {2000, 2}, {2026, 12}, {1999, 8}};
    for (const int start : {0, 1, 6})
        for (const auto& m : monate) {
            auto k = Gitter(MJDAusDatum(10, m.monat, m.jahr, 0), start);
            SCOPED_TRACE(testing::Message() << m.monat << "/" << m.jahr << " start " << start);
            for (int zeile = 2; zeile <= 7; ++zeile)
                for (int spalte = 1; spalte <= (zeile == 7 ? 5 : 7); ++spalte) {
                    const TKalenderZelle& z = k->Zelle(spalte, zeile);
                    const ErwarteteZelle e = Erwartet(m.jahr, static_cast<unsigned>(m.monat), start, spalte, zeile);
                    ASSERT_EQ(z.Wert, e.tag) << spalte << "," << zeile;
                    ASSERT_EQ(z.Text, QString::number(e.tag));
                    const TKalenderZellenArt art = !e.imMonat            ? kza_Ungueltig
                                                   : e.isoWochentag == 6 ? kza_Samstag
                                                   : e.isoWochentag == 7 ? kza_Sonntag
                                                                         : kza_Tag;
                    ASSERT_EQ(z.Art, art) << spalte << "," << zeile;
                    ASSERT_EQ(z.Spalte, spalte);
                    ASSERT_EQ(z.Zeile, zeile);
                }
            EXPECT_EQ(k->Zelle(6, 7).Art, kza_DefaultDatum);
            EXPECT_EQ(k->Zelle(7, 7).Art, kza_SysDatum);
        }
}

TEST_F(KalenderCtrl, MonthLayoutsAtTheEdges)
{
    // May 1998 from Monday: the 1st, a Friday, in column 5; 27 to 30 April before it.
    auto k = Gitter(50956);
    EXPECT_EQ(k->Zelle(5, 2).Wert, 1);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(k->Zelle(s, 2).Wert, 26 + s);
        EXPECT_EQ(k->Zelle(s, 2).Art, kza_Ungueltig);
    }
    EXPECT_EQ(k->Zelle(7, 6).Wert, 31);
    for (int s = 1; s <= 5; ++s) {
        EXPECT_EQ(k->Zelle(s, 7).Wert, s);
        EXPECT_EQ(k->Zelle(s, 7).Art, kza_Ungueltig);
    }
    // March 2015 starts on a Sunday, column 7: the 31st at (2, 7), 1 to 3 April after it.
    k->setModJulDat(MJDAusDatum(1, 3, 2015, 0));
    EXPECT_EQ(k->Zelle(7, 2).Wert, 1);
    EXPECT_EQ(k->Zelle(2, 7).Wert, 31);
    EXPECT_EQ(k->Zelle(2, 7).Art, kza_Tag);
    for (int s = 3; s <= 5; ++s)
        EXPECT_EQ(k->Zelle(s, 7).Wert, s - 2);
    EXPECT_EQ(k->Zelle(6, 7).Art, kza_DefaultDatum);
    EXPECT_EQ(k->Zelle(7, 7).Art, kza_SysDatum);
    // October 1582: 4 October is followed by 15 October.
    k->setModJulDat(MJDAusDatum(4, 10, 1582, 0));
    const int erwartet[] = {1, 2, 3, 4, 15, 16, 17, 18, 19, 20, 21};
    for (int i = 0; i < 11; ++i) {
        const TKalenderZelle& z = k->Zelle(i % 7 + 1, 2 + i / 7);  // 1 October 1582 was a Monday
        EXPECT_EQ(z.Wert, erwartet[i]);
        EXPECT_NE(z.Art, kza_Ungueltig);
    }
    EXPECT_EQ(k->Zelle(5, 2).Art, kza_Tag);      // Friday 15 October
    EXPECT_EQ(k->Zelle(7, 2).Art, kza_Sonntag);  // Sunday 17 October
    // January -4712, the first month, from Sunday: 31 December before the Monday the 1st, and
    // no message about the day before the calendar; the week column from Monday likewise.
    for (const int start : {0, 1}) {
        auto erster = Gitter(MJDAusDatum(1, 1, MinJahrStandard, 0), start);
        erster->setShowKalenderWoche(true);
        EXPECT_EQ(erster->Zelle(2 - start, 2).Wert, 1);
        if (start == 0) {
            EXPECT_EQ(erster->Zelle(1, 2).Wert, 31);
        }
    }
    EXPECT_TRUE(m_Meldungen.Meldungen.empty()) << m_Meldungen.Meldungen.front();
}

TEST_F(KalenderCtrl, HeaderAndWeekColumn)
{
    auto k = Gitter(50956, 1);
    const char* kopf[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(k->Zelle(i, 1).Text, QString::fromLatin1(kopf[i - 1]));
        EXPECT_EQ(k->Zelle(i, 1).Art, kza_Kopf);
        EXPECT_EQ(k->Zelle(i, 1).Wert, -1);
    }
    // Weeks of May 1998: 18 (27 April) to 23; row 7 holds only June days.
    for (int j = 2; j <= 6; ++j) {
        EXPECT_EQ(k->Zelle(0, j).Art, kza_KW);
        EXPECT_EQ(k->Zelle(0, j).Text, QString::number(16 + j));
    }
    EXPECT_EQ(k->Zelle(0, 7).Art, kza_Ungueltig);
    k->setStartWochentag(0);
    EXPECT_EQ(k->Zelle(1, 1).Text, QStringLiteral("So"));
    EXPECT_EQ(k->Zelle(7, 1).Text, QStringLiteral("Sa"));
    k->setStartWochentag(9);  // out of range: Monday
    EXPECT_EQ(k->StartWochentag(), 1);
}

TEST_F(KalenderCtrl, SizesFollowTheFontAndTheHiddenParts)
{
    const TGitterMasse ohne = GitterMasse(15, 13, false, true);
    EXPECT_EQ(ohne.Breite, 152);
    EXPECT_EQ(ohne.Hoehe, 120);
    EXPECT_EQ(ohne.ZellenBreite, 19);
    EXPECT_EQ(ohne.ZellenHoehe, 17);
    const TGitterMasse mit = GitterMasse(15, 13, true, true);
    EXPECT_EQ(mit.Hoehe, 137);
    EXPECT_EQ(mit.ZellenHoehe, 17);
    EXPECT_EQ(GitterMasse(15, 13, true, false).ZellenBreite, 21);  // 152 div 7

    auto k = Gitter();
    const QFontMetrics fm(k->font());
    const TGitterMasse m = GitterMasse(fm.horizontalAdvance(QStringLiteral("Mo")), fm.height(), true, false);
    EXPECT_EQ(k->size(), QSize(m.Breite, m.Hoehe));
    EXPECT_EQ(k->ZellenBreite(), m.Breite / 7);
    k->setShowKalenderWoche(true);
    EXPECT_EQ(k->ZellenBreite(), m.Breite / 8);
    k->setShowCaption(false);
    EXPECT_EQ(k->height(), m.Hoehe - m.ZellenHoehe);
    const auto* links = k->findChild<QToolButton*>(QStringLiteral("KnopfLinks"));
    ASSERT_NE(links, nullptr);
    EXPECT_FALSE(links->isVisible());
    k->setShowCaption(true);
    EXPECT_TRUE(links->isVisible());
}

TEST_F(KalenderCtrl, WeekColumnOnlyForRowsStartingOnMonday)
{
    auto k = Gitter();
    k->setShowKalenderWoche(true);
    EXPECT_TRUE(k->ShowKalenderWoche());
    k->setStartWochentag(0);
    EXPECT_FALSE(k->ShowKalenderWoche());
    k->setShowKalenderWoche(true);
    EXPECT_FALSE(k->ShowKalenderWoche());
    EXPECT_EQ(k->KalenderWoche(), -1);
    EXPECT_EQ(k->Fehler(), 2);
    EXPECT_EQ(k->KalenderWocheStart(), -1);
    k->setStartWochentag(1);
    k->setShowKalenderWoche(true);
    EXPECT_TRUE(k->ShowKalenderWoche());
    EXPECT_EQ(k->KalenderWoche(), 21);
    EXPECT_EQ(k->Fehler(), 0);
    EXPECT_EQ(k->KalenderWocheStart(), MJDAusDatum(18, 5, 1998, 0));
}

TEST_F(KalenderCtrl, DateValuesAndSpreadsheetDays)
{
    auto k = Gitter();
    k->setDatumWert(35938);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("23.05.1998"));
    EXPECT_EQ(k->ModJulDat(), 50956);
    EXPECT_EQ(k->JulDat(), 2450956.5L);
    EXPECT_EQ(k->DatumZeit(), 35938.0);
    EXPECT_EQ(k->DatumWert(), 35938.0);

    const struct {
        double geschrieben;
        const char* text;
        double gelesen;
    } faelle[] = {{0, "01.01.1900", 1},           {1, "01.01.1900", 1},         {60, "01.03.1900", 61},
                  {61, "01.03.1900", 61},         {70000, "31.12.2078", 65380}, {-5, "01.01.1900", 1},
                  {std::nan(""), "01.01.1900", 1}};
    for (const auto& f : faelle) {
        k->setDatumWert(f.geschrieben);
        EXPECT_EQ(k->TextDatum().toStdString(), f.text) << f.geschrieben;
        EXPECT_EQ(k->DatumWert(), f.gelesen) << f.geschrieben;
        EXPECT_EQ(k->Fehler(), 0);
    }
    k->setModJulDat(MJDAusDatum(15, 6, 1850, 0));
    EXPECT_EQ(k->DatumWert(), 1);
    EXPECT_EQ(k->Fehler(), 8);
    k->setModJulDat(MJDAusDatum(15, 6, 1900, 0));
    EXPECT_EQ(k->DatumWert(), 167);
    k->setDatumZeit(-200000);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("15.10.1582"));
    k->setModJulDat(MJDAusDatum(1, 1, 12000, 0));
    EXPECT_EQ(k->DatumZeit(), DateTimeAusMJD(50956));  // no date value: today's
    EXPECT_EQ(k->Fehler(), 5);
}

TEST_F(KalenderCtrl, DayMonthAndYearSetters)
{
    auto k = Gitter(MJDAusDatum(31, 3, 2000, 0));
    k->setMonat(2);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("29.02.2000"));
    k->setModJulDat(MJDAusDatum(31, 3, 1999, 0));
    k->setMonat(2);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("28.02.1999"));
    k->setModJulDat(MJDAusDatum(31, 1, 2000, 0));
    k->MonatBlaettern(1);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("29.02.2000"));
    k->setModJulDat(MJDAusDatum(10, 2, 2001, 0));
    k->setDay(31);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("28.02.2001"));
    k->setDay(0);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("01.02.2001"));
    k->setModJulDat(MJDAusDatum(29, 2, 2000, 0));
    k->setJahr(2001);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("01.03.2001"));
    k->setMaxJahr(9999);
    k->setJahr(10000);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("31.12.9999"));
    EXPECT_EQ(k->Fehler(), 6);
    k->setMinJahr(1000);
    k->setJahr(999);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("01.01.1000"));
    EXPECT_EQ(k->Fehler(), 7);
    k->setModJulDat(MJDAusDatum(15, 1, 2000, 0));
    k->MonatBlaettern(0);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("15.12.1999"));
    k->setJulJHd(0);
    EXPECT_EQ(k->ModJulDat(), 51544.5L);
    EXPECT_EQ(k->Day(), 1);
}

TEST_F(KalenderCtrl, TextAndUnsplittableDates)
{
    auto k = Gitter();
    QSignalSpy geaendert(k.get(), &TKalenderCtrl::OnDatumChange);
    k->setTextDatum(QStringLiteral("31.02.1998"));
    EXPECT_EQ(k->Fehler(), 4);
    EXPECT_EQ(k->ModJulDat(), 50956);
    ASSERT_EQ(m_Boxen.Texte.size(), 1);
    EXPECT_EQ(m_Boxen.Texte[0], QStringLiteral("Das eingegebene Textdatum kann nicht aufgelöst werden"));
    EXPECT_TRUE(m_Boxen.Titel[0].startsWith(QStringLiteral("vexKalender - ")));
    EXPECT_EQ(m_Boxen.Arten[0], TMeldungsArt::Warnung);
    EXPECT_EQ(geaendert.count(), 0);

    // The failure must not send the next pick of a day to today.
    k->setModJulDat(MJDAusDatum(10, 1, 2005, 0));
    k->setTextDatum(QStringLiteral("kein Datum"));
    Klick(*k, 3, 4);  // Wednesday 12 January 2005
    EXPECT_EQ(k->TextDatum(), QStringLiteral("12.01.2005"));

    k->setTextDatum(QStringLiteral("1.1.2000"));
    EXPECT_EQ(k->Fehler(), 0);
    EXPECT_EQ(k->ModJulDat(), 51544);
    k->setModJulDat(std::numeric_limits<Extended>::quiet_NaN());
    EXPECT_EQ(k->Fehler(), 3);
    EXPECT_EQ(k->ModJulDat(), 50956);  // the system date
    EXPECT_EQ(m_Meldungen.Meldungen.size(), 1u);
    EXPECT_EQ(k->SommerzeitBeginn().toStdString(), "letzter Sonntag (29.03.) im März um 02:00 Uhr");
    EXPECT_EQ(k->SommerzeitEnde().toStdString(), "letzter Sonntag (25.10.) im Oktober um 03:00 Uhr");
}

TEST_F(KalenderCtrl, EveryAppliedDateIsReported)
{
    auto k = Gitter();
    QSignalSpy geaendert(k.get(), &TKalenderCtrl::OnDatumChange);
    k->setModJulDat(50956);  // the same date fires as well
    EXPECT_EQ(geaendert.count(), 1);
    Klick(*k, 1, 4);  // Monday 11 May
    EXPECT_EQ(geaendert.count(), 2);
    EXPECT_EQ(k->Day(), 11);
    k->setZeitBasis(kzbStandard);
    EXPECT_EQ(geaendert.count(), 3);
    k->setZeitBasis(kzbStandard);
    EXPECT_EQ(geaendert.count(), 3);
}

TEST_F(KalenderCtrl, ClicksOnDaysAndNeighbourMonths)
{
    auto k = Gitter();
    QSignalSpy klicks(k.get(), &TKalenderCtrl::OnClick);
    Klick(*k, 1, 3);  // Monday 4 May 1998
    EXPECT_EQ(k->TextDatum(), QStringLiteral("04.05.1998"));
    EXPECT_TRUE(k->TagAngeklickt());
    EXPECT_TRUE(k->hasFocus());
    Klick(*k, 2, 2);  // 28 April: another month
    EXPECT_EQ(k->TextDatum(), QStringLiteral("04.05.1998"));
    EXPECT_FALSE(k->TagAngeklickt());
    Klick(*k, 3, 1);  // header
    EXPECT_FALSE(k->TagAngeklickt());
    EXPECT_EQ(klicks.count(), 3);
    k->setShowTagesMarker(false);
    Klick(*k, 7, 6);  // Sunday 31 May
    EXPECT_EQ(k->Day(), 31);
    EXPECT_TRUE(k->ShowTagesMarker());
    EXPECT_EQ(k->MarkerZelle().Wert, 31);

    k->SetGesperrt(true);
    Klick(*k, 1, 3);
    EXPECT_EQ(k->Day(), 31);
    EXPECT_EQ(klicks.count(), 4);
    auto* rechts = k->findChild<QToolButton*>(QStringLiteral("KnopfRechts"));
    QTest::mouseClick(rechts, Qt::LeftButton);  // the month buttons work while locked
    EXPECT_EQ(k->TextDatum(), QStringLiteral("30.06.1998"));
}

TEST_F(KalenderCtrl, MonthButtonsAcrossTheYear)
{
    auto k = Gitter(MJDAusDatum(31, 12, 1999, 0));
    auto* rechts = k->findChild<QToolButton*>(QStringLiteral("KnopfRechts"));
    auto* links = k->findChild<QToolButton*>(QStringLiteral("KnopfLinks"));
    ASSERT_TRUE(rechts && links);
    EXPECT_TRUE(rechts->isVisible());
    EXPECT_EQ(rechts->geometry().right(), k->width() - 1);
    QTest::mouseClick(rechts, Qt::LeftButton);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("31.01.2000"));
    QTest::mouseClick(links, Qt::LeftButton);
    QTest::mouseClick(links, Qt::LeftButton);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("30.11.1999"));
    k->setMinJahr(1999);
    k->setModJulDat(MJDAusDatum(5, 1, 1999, 0));
    QTest::mouseClick(links, Qt::LeftButton);
    EXPECT_EQ(k->TextDatum(), QStringLiteral("01.01.1999"));
    EXPECT_EQ(k->Fehler(), 7);
}

TEST_F(KalenderCtrl, DoubleClicksOnThePictureCells)
{
    auto k = Gitter(MJDAusDatum(3, 3, 2001, 0));
    QSignalSpy doppel(k.get(), &TKalenderCtrl::OnDblClick);
    test::DoppelKlick(k.get(), Mitte(*k, 7, 7));
    EXPECT_EQ(k->ModJulDat(), 50956);
    EXPECT_EQ(doppel.count(), 1);

    k->setDefaultDatum(MJDAusDatum(1, 1, 2000, 0));
    test::DoppelKlick(k.get(), Mitte(*k, 6, 7));
    EXPECT_EQ(k->ModJulDat(), 50956);  // default-date cell hidden: nothing
    k->setUseDefaultDatum(true);
    test::DoppelKlick(k.get(), Mitte(*k, 6, 7));
    EXPECT_NEAR(static_cast<double>(k->ModJulDat()), 51544.5, 1e-9);  // with the time of day, 12:00
    EXPECT_EQ(k->TextDatum(), QStringLiteral("01.01.2000"));

    k->setShowSysDatBmp(false);
    test::DoppelKlick(k.get(), Mitte(*k, 7, 7));
    EXPECT_EQ(k->TextDatum(), QStringLiteral("01.01.2000"));
    k->setShowSysDatBmp(true);
    k->SetGesperrt(true);
    test::DoppelKlick(k.get(), Mitte(*k, 7, 7));
    EXPECT_EQ(k->TextDatum(), QStringLiteral("01.01.2000"));
    EXPECT_EQ(doppel.count(), 4);
}

TEST_F(KalenderCtrl, ArrowKeysStayInTheMonth)
{
    auto k = Gitter(MJDAusDatum(31, 5, 1998, 0));
    k->setFocus();
    Taste(*k, Qt::Key_Right);  // the last day: nothing to the right
    EXPECT_EQ(k->Day(), 31);
    Taste(*k, Qt::Key_Down);
    EXPECT_EQ(k->Day(), 31);
    Taste(*k, Qt::Key_Up);
    EXPECT_EQ(k->Day(), 24);
    Taste(*k, Qt::Key_Left);
    EXPECT_EQ(k->Day(), 23);
    k->setDay(11);  // Monday: Left goes to Sunday 10 May in the row above
    Taste(*k, Qt::Key_Left);
    EXPECT_EQ(k->Day(), 10);
    Taste(*k, Qt::Key_Right);
    EXPECT_EQ(k->Day(), 11);
    k->setDay(4);  // Monday 4 May: Sunday 3 May in the row above
    Taste(*k, Qt::Key_Left);
    EXPECT_EQ(k->Day(), 3);
    k->setDay(1);  // Friday 1 May: the row above is the header
    Taste(*k, Qt::Key_Up);
    EXPECT_EQ(k->Day(), 1);
    Taste(*k, Qt::Key_Left);  // Thursday 30 April belongs to another month
    EXPECT_EQ(k->Day(), 1);
    Taste(*k, Qt::Key_Tab);  // keys stay with the grid
    EXPECT_TRUE(k->hasFocus());
    k->SetGesperrt(true);
    Taste(*k, Qt::Key_Right);
    EXPECT_EQ(k->Day(), 1);

    k->SetGesperrt(false);
    k->setModJulDat(MJDAusDatum(1, 3, 2015, 0));  // Sunday in column 7
    k->setFocus();
    Taste(*k, Qt::Key_Right);
    EXPECT_EQ(k->Day(), 2);
    Taste(*k, Qt::Key_Left);
    Taste(*k, Qt::Key_Left);  // column 6 holds 28 February
    EXPECT_EQ(k->Day(), 1);
}

int Zaehle(const QImage& bild, const QRect& feld, const QColor& farbe)
{
    int n = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x)
            if (bild.valid(x, y) && bild.pixelColor(x, y) == farbe)
                ++n;
    return n;
}

TEST_F(KalenderCtrl, MarkerAndSystemDateOnThePaintedImage)
{
    auto k = Gitter(MJDAusDatum(12, 5, 1998, 0));
    k->setAussehen(kst_win95);
    QFont schrift = k->font();
    schrift.setPixelSize(16);
    k->setFont(schrift);
    QTest::qWait(10);
    const TKalenderZelle marker = k->MarkerZelle();
    ASSERT_EQ(marker.Wert, 12);
    const QRect markerFeld(k->ZellenUrsprung(marker), QSize(k->ZellenBreite(), k->ZellenHoehe()));
    QImage bild = k->grab().toImage();
    EXPECT_GT(Zaehle(bild, markerFeld, QColor(0, 0, 128)), 20);
    EXPECT_GT(Zaehle(bild, markerFeld, QColor(255, 255, 0)), 5);

    // The system date, Saturday 23 May, in navy without a marker rectangle.
    const QPoint heute = k->ZellenUrsprung(k->Zelle(6, 5));
    ASSERT_TRUE(k->Zelle(6, 5).Heute);
    const QRect heuteFeld(heute, QSize(k->ZellenBreite(), k->ZellenHoehe()));
    const int heuteNavy = Zaehle(bild, heuteFeld, QColor(0, 0, 128));
    EXPECT_GT(heuteNavy, 3);
    EXPECT_LT(heuteNavy, 60);

    k->setShowTagesMarker(false);
    QTest::qWait(10);
    bild = k->grab().toImage();
    EXPECT_EQ(Zaehle(bild, markerFeld, QColor(0, 0, 128)), 0);
    EXPECT_EQ(Zaehle(bild, markerFeld, QColor(255, 255, 0)), 0);

    // Standard style: the system date in white; in June it stands nowhere in the month.
    k->setAussehen(kst_Standard);
    QTest::qWait(10);
    bild = k->grab().toImage();
    EXPECT_GT(Zaehle(bild, heuteFeld, QColor(Qt::white)), 3);
    k->setModJulDat(MJDAusDatum(15, 6, 1998, 0));
    QTest::qWait(10);
    bild = k->grab().toImage();
    bool weiss = false;
    for (int r = 2; r <= 7; ++r)
        for (int c = 1; c <= 7; ++c)
            if (k->Zelle(c, r).Heute) {
                EXPECT_EQ(k->Zelle(c, r).Art, kza_Ungueltig);
                const QRect f(k->ZellenUrsprung(k->Zelle(c, r)), QSize(k->ZellenBreite(), k->ZellenHoehe()));
                weiss = weiss || Zaehle(bild, f, QColor(Qt::white)) > 0;
            }
    EXPECT_FALSE(weiss);
}

TEST_F(KalenderCtrl, AColourChangeShowsAtOnce)
{
    auto k = Gitter(MJDAusDatum(12, 5, 1998, 0));
    QTest::qWait(10);
    const QColor rot(255, 0, 0);
    EXPECT_EQ(Zaehle(k->grab().toImage(), k->rect(), rot), 0);
    k->Farben().setFarbeSonntag(RGB(255, 0, 0));
    QTest::qWait(10);
    const TKalenderZelle& sonntag = k->Zelle(7, 3);  // Sunday 10 May
    const QRect feld(k->ZellenUrsprung(sonntag), QSize(k->ZellenBreite(), k->ZellenHoehe()));
    const QImage bild = k->grab().toImage();
    int roetlich = 0;  // the digits are smoothed: count pixels that are clearly red
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            roetlich += c.red() > 150 && c.green() < 120 && c.blue() < 120;
        }
    EXPECT_GT(roetlich, 3);
}

TEST_F(KalenderCtrl, InformationFunctions)
{
    auto k = Gitter(MJDAusDatum(31, 12, 2000, 0));
    EXPECT_EQ(k->LangDatum(), QStringLiteral("Sonntag, 31. Dezember 2000"));
    EXPECT_EQ(k->WochentagName(), QStringLiteral("Sonntag"));
    EXPECT_EQ(k->MonatName(), QStringLiteral("Dezember"));
    EXPECT_EQ(k->TageImJahr(), 366);
    EXPECT_EQ(k->TagImJahr(), 366);
    EXPECT_TRUE(k->IstSchaltjahr());
    EXPECT_EQ(k->ZeitZonenOffset(), 1);
    k->setModJulDat(MJDAusDatum(1, 7, 1998, 0));
    EXPECT_EQ(k->ZeitZonenOffset(), 2);
    TSommerzeitInfoRec rec;
    k->SommerzeitDaten(rec);
    EXPECT_EQ(rec.BeginnMJD, MJDAusDatum(29, 3, 1998, 0));
    TKalBasisEdit edit;
    k->setDatumEdit(&edit);
    EXPECT_EQ(edit.text(), QStringLiteral("01.07.1998"));
    Klick(*k, 4, 2);  // Thursday 2 July
    EXPECT_EQ(edit.text(), QStringLiteral("02.07.1998"));
}

}  // namespace
}  // namespace lunoria
