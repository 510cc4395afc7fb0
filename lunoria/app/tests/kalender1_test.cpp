// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <functional>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include "calendar/julian.h"
#include "calendar/tests/testquellen.h"
#include "calendar/tests/zonenregelguard.h"
#include "controls/tests/steuertest.h"
#include "controls/kalenderbtn.h"
#include "controls/kalenderctrl.h"
#include "controls/kalenderdlg.h"
#include "controls/kalenderedit.h"
#include <QPushButton>
#include <QTimer>
#include "app/kalender1.h"
#include "app/systemquellen.h"

namespace lunoria {
namespace {

QString LabelText(const QWidget& fenster, const char* name)
{
    const auto* label = fenster.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<fehlt>");
}

TEST(Kalender1, FrameAndTabs)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;
    test::UhrGuard uhr(2005, 1, 1);
    TKalender1 fenster;
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral(" Brinvale Kalender"));
    EXPECT_EQ(fenster.size(), QSize(544, 374));
    EXPECT_EQ(fenster.font().pointSize(), 8);
    EXPECT_FALSE(fenster.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(fenster.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(fenster.windowFlags() & Qt::WindowCloseButtonHint);
    const auto* seiten = fenster.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(seiten, nullptr);
    ASSERT_EQ(seiten->count(), 2);
    EXPECT_EQ(seiten->tabText(0), QStringLiteral("Allgemein"));
    EXPECT_EQ(seiten->tabText(1), QStringLiteral("Astronomie"));
    EXPECT_EQ(seiten->currentIndex(), 1);
}

TEST(Kalender1, AllgemeinLabelsShowTheFactsOfToday)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;
    const struct {
        int jahr, monat, tag;
        const char* werte[9];
    } faelle[] = {
        {2005, 1, 1, {"Samstag", "Januar", "2005", "Samstag, 1. Januar 2005", "53", "27.12.2004", "1", "364", "Nein"}},
        {2000,
         2,
         29,
         {"Dienstag", "Februar", "2000", "Dienstag, 29. Februar 2000", "9", "28.02.2000", "60", "306", "Ja"}},
        {2000,
         12,
         31,
         {"Sonntag", "Dezember", "2000", "Sonntag, 31. Dezember 2000", "52", "25.12.2000", "366", "0", "Ja"}},
    };
    const char* namen[9] = {"lbTextWochentag", "lbTextMonat", "lbJahr",    "lbDatumLang", "lbKalWoche",
                            "lbKWStart",       "lbTageseit",  "lbTagebis", "lbSchaltjahr"};
    for (const auto& f : faelle) {
        test::UhrGuard uhr(f.jahr, f.monat, f.tag, 23, 59);
        TKalender1 fenster;
        fenster.show();
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(LabelText(fenster, namen[i]).toStdString(), f.werte[i]) << namen[i];
        const auto* wert = fenster.findChild<QLabel*>(QStringLiteral("lbJahr"));
        EXPECT_EQ(wert->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }
}

TEST(Kalender1, EachCloseButtonClosesTheWindow)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;
    for (const char* name : {"SpeedButton1", "SpeedButton2"}) {
        TKalender1 fenster;
        fenster.show();
        auto* seiten = fenster.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        auto* knopf = fenster.findChild<QToolButton*>(QLatin1String(name));
        ASSERT_NE(knopf, nullptr);
        EXPECT_EQ(knopf->text(), QStringLiteral("Schließen"));
        seiten->setCurrentWidget(knopf->parentWidget());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        QTest::mouseClick(knopf, Qt::LeftButton);
        EXPECT_FALSE(fenster.isVisible()) << name;
    }
}

TEST(Kalender1, TheFactsFollowTheGrid)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;
    test::UhrGuard uhr(2000, 12, 20);
    TKalender1 fenster;
    fenster.show();
    auto* seiten = fenster.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    seiten->setCurrentIndex(0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    auto* gitter = fenster.findChild<TKalenderCtrl*>(QStringLiteral("KalenderCtrl1"));
    ASSERT_NE(gitter, nullptr);
    EXPECT_EQ(gitter->Aussehen(), kst_win95);
    EXPECT_EQ(gitter->DefaultDatum(), MJDAusDatum(1, 1, 2000, 0));
    EXPECT_TRUE(gitter->isVisible());

    // Sunday 31 December 2000 stands at column 7 of row 6.
    TKalenderZelle z;
    z.Spalte = 7;
    z.Zeile = 6;
    ASSERT_EQ(gitter->Zelle(7, 6).Wert, 31);
    const QPoint mitte = gitter->ZellenUrsprung(z) + QPoint(gitter->ZellenBreite() / 2, gitter->ZellenHoehe() / 2);
    QTest::mouseClick(gitter, Qt::LeftButton, Qt::NoModifier, mitte);
    EXPECT_EQ(LabelText(fenster, "lbTagebis"), QStringLiteral("0"));
    EXPECT_EQ(LabelText(fenster, "lbTageseit"), QStringLiteral("366"));
    EXPECT_EQ(LabelText(fenster, "lbTextWochentag"), QStringLiteral("Sonntag"));
    EXPECT_EQ(LabelText(fenster, "lbKalWoche"), QStringLiteral("52"));
    QTest::keyClick(gitter, Qt::Key_Up);
    EXPECT_EQ(LabelText(fenster, "lbDatumLang"), QStringLiteral("Sonntag, 24. Dezember 2000"));
    auto* rechts = gitter->findChild<QToolButton*>(QStringLiteral("KnopfRechts"));
    QTest::mouseClick(rechts, Qt::LeftButton);
    EXPECT_EQ(LabelText(fenster, "lbDatumLang"), QStringLiteral("Mittwoch, 24. Januar 2001"));
    EXPECT_EQ(LabelText(fenster, "lbSchaltjahr"), QStringLiteral("Nein"));

    auto* woche = fenster.findChild<QCheckBox*>(QStringLiteral("cbKalenderwoche"));
    ASSERT_NE(woche, nullptr);
    EXPECT_TRUE(woche->isVisible());
    EXPECT_EQ(woche->text(), QStringLiteral("Kalenderwoche zeigen"));
    QTest::mouseClick(woche, Qt::LeftButton);
    EXPECT_TRUE(gitter->ShowKalenderWoche());
    for (const char* versteckt : {"cbTagesmarker", "cbSysDatBmp", "cbShowCaption"}) {
        auto* box = fenster.findChild<QCheckBox*>(QLatin1String(versteckt));
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isVisible()) << versteckt;
    }
    auto* start = fenster.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    ASSERT_NE(start, nullptr);
    ASSERT_EQ(start->count(), 7);
    EXPECT_EQ(start->itemText(0), QStringLiteral("Sonntag"));
    EXPECT_EQ(start->currentIndex(), 1);
    start->setCurrentIndex(0);
    Q_EMIT start->activated(0);
    EXPECT_EQ(gitter->StartWochentag(), 0);
    EXPECT_FALSE(woche->isChecked());
    EXPECT_FALSE(woche->isEnabled());
    EXPECT_FALSE(gitter->ShowKalenderWoche());
    EXPECT_EQ(LabelText(fenster, "lbKalWoche"), QString());
    EXPECT_EQ(LabelText(fenster, "lbKWStart"), QString());
    start->setCurrentIndex(1);
    Q_EMIT start->activated(1);
    EXPECT_TRUE(woche->isEnabled());
    EXPECT_EQ(LabelText(fenster, "lbKalWoche"), QStringLiteral("4"));
}

TEST(Kalender1, AstronomieFollowsTheDateEditAndTheDropDown)
{
    test::RegionalGuard r;
    test::ZonenregelGuard zone;
    test::UhrGuard uhr(2026, 12, 8);
    TKalender1 fenster;
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    auto* edit = fenster.findChild<TKalenderEdit*>(QStringLiteral("KalenderEdit1"));
    auto* knopf = fenster.findChild<TKalenderBtn*>(QStringLiteral("KalenderBtn1"));
    ASSERT_TRUE(edit && knopf);
    QLineEdit& feld = *edit;
    EXPECT_EQ(feld.text(), QStringLiteral("08.12.2026"));
    EXPECT_EQ(edit->maxLength(), 13);  // 31.12.5879490
    EXPECT_EQ(knopf->ZeitBasis(), kzbStandard);
    EXPECT_EQ(knopf->DatumEdit(), edit);
    EXPECT_EQ(edit->Kalender(), knopf);

    feld.selectAll();
    QTest::keyClicks(edit, QStringLiteral("14.04.1998"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(LabelText(fenster, "lbJD"), QStringLiteral("2.450.917,5000"));
    EXPECT_EQ(LabelText(fenster, "lbMJD"), QStringLiteral("50.917,0000"));
    EXPECT_EQ(LabelText(fenster, "lbStartSommerzeit"), QStringLiteral("am 29.03. um 02:00 Uhr"));
    EXPECT_EQ(LabelText(fenster, "lbEndeSommerzeit"), QStringLiteral("am 25.10. um 03:00 Uhr"));

    // A day picked in the dropped-down dialog and OK: 15 April 1998, a Wednesday in row 4.
    TvexKalenderDlg* dlg = knopf->Dialog();
    test::WennOffen(dlg, [&] {
        TKalenderCtrl& g = *dlg->KalenderCtrl1;
        TKalenderZelle z;
        z.Spalte = 3;
        z.Zeile = 4;
        ASSERT_EQ(g.Zelle(3, 4).Wert, 15);
        QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier,
                          g.ZellenUrsprung(z) + QPoint(g.ZellenBreite() / 2, g.ZellenHoehe() / 2));
        dlg->OKBtn->click();
    });
    QTest::mousePress(knopf, Qt::LeftButton);
    QTest::mouseRelease(knopf, Qt::LeftButton);
    EXPECT_EQ(feld.text(), QStringLiteral("15.04.1998"));
    EXPECT_EQ(LabelText(fenster, "lbMJD"), QStringLiteral("50.918,0000"));

    // Cancel puts edit and labels back.
    test::WennOffen(dlg, [&] {
        TKalenderCtrl& g = *dlg->KalenderCtrl1;
        TKalenderZelle z;
        z.Spalte = 1;
        z.Zeile = 5;
        QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier,
                          g.ZellenUrsprung(z) + QPoint(g.ZellenBreite() / 2, g.ZellenHoehe() / 2));
        EXPECT_EQ(feld.text(), QStringLiteral("20.04.1998"));
        dlg->CancelBtn->click();
    });
    QTest::mousePress(knopf, Qt::LeftButton);
    QTest::mouseRelease(knopf, Qt::LeftButton);
    EXPECT_EQ(feld.text(), QStringLiteral("15.04.1998"));
    EXPECT_EQ(LabelText(fenster, "lbMJD"), QStringLiteral("50.918,0000"));
    EXPECT_EQ(LabelText(fenster, "lbJD"), QStringLiteral("2.450.918,5000"));
}

TEST(SystemQuellen, RegionalSettingsFromQtLocales)
{
    const TRegionaleEinstellungen de = EinstellungenAusLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.KurzesDatumsformat.substr(0, 2), "dd");
    EXPECT_EQ(de.DatumsTrenner, ".");
    EXPECT_EQ(de.ZeitTrenner, ":");
    EXPECT_EQ(de.LangeTagNamen[0], "Sonntag");
    EXPECT_EQ(de.LangeTagNamen[6], "Samstag");
    EXPECT_EQ(de.LangeMonatsNamen[2], "März");
    EXPECT_EQ(de.Dezimaltrenner, ",");
    EXPECT_EQ(de.Tausendertrenner, ".");

    const TRegionaleEinstellungen us = EinstellungenAusLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.KurzesDatumsformat.substr(0, 1), "M");
    EXPECT_EQ(us.DatumsTrenner, "/");
    EXPECT_EQ(us.LangeTagNamen[0], "Sunday");
    EXPECT_EQ(us.Dezimaltrenner, ".");

    const TRegionaleEinstellungen se = EinstellungenAusLocale(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(se.KurzesDatumsformat.substr(0, 1), "y");
    EXPECT_EQ(se.DatumsTrenner, "-");

    // Without regional settings the programs speak German.
    const TRegionaleEinstellungen c = EinstellungenAusLocale(QLocale::c());
    EXPECT_EQ(c.KurzesDatumsformat, "dd.MM.yyyy");
    EXPECT_EQ(c.LangeTagNamen[1], "Montag");
}

}  // namespace
}  // namespace lunoria
