// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <QTest>
#include <QWidget>

#include "controls/basiskalender.h"
#include "controls/farben.h"
#include "steuertest.h"

namespace lunoria {
namespace {

struct ZaehlFenster : QWidget {
    int Malen = 0;
    void paintEvent(QPaintEvent*) override { ++Malen; }
};

TEST(Farben, DefaultsAndSchemes)
{
    TKalenderFarben f;
    EXPECT_EQ(f.FarbeBkText(), COLOR_BTNFACE);
    EXPECT_EQ(f.FarbeBkTage(), COLOR_BTNFACE);
    EXPECT_EQ(f.FarbeLinien(), COLOR_INACTIVECAPTION);
    EXPECT_EQ(f.FarbeText(), COLOR_WINDOWTEXT);
    EXPECT_EQ(f.FarbeKW(), COLOR_WINDOWTEXT);
    EXPECT_EQ(f.FarbeTage(), COLOR_ACTIVECAPTION);
    EXPECT_EQ(f.FarbeSamstag(), COLOR_ACTIVECAPTION);
    EXPECT_EQ(f.FarbeSonntag(), COLOR_WINDOWTEXT);
    EXPECT_EQ(f.FarbeSysDatum(), COLOR_WINDOW);
    EXPECT_EQ(f.FarbeCaption(), COLOR_WINDOWTEXT);
    EXPECT_EQ(f.FarbeUngueltig(), COLOR_INACTIVECAPTION);
    EXPECT_EQ(f.FarbeBkCaption(), COLOR_BTNFACE);
    EXPECT_EQ(COLOR_BTNFACE, 0x8000000Fu);

    f.FarbSchema(kst_win95);
    EXPECT_EQ(f.FarbeText(), COLOR_BTNFACE);
    EXPECT_EQ(f.FarbeTage(), COLOR_WINDOWTEXT);
    EXPECT_EQ(f.FarbeUngueltig(), COLOR_WINDOW);
    EXPECT_EQ(f.FarbeSysDatum(), COLOR_ACTIVECAPTION);
    EXPECT_EQ(f.FarbeBkText(), COLOR_INACTIVECAPTION);
    EXPECT_EQ(f.FarbeBkTage(), COLOR_WINDOW);
    f.setFarbeLinien(RGB(1, 2, 3));
    f.FarbSchema(kst_Standard);
    TKalenderFarben erwartet;
    erwartet.setFarbeLinien(RGB(1, 2, 3));
    EXPECT_TRUE(f == erwartet);
    f.FarbSchema(7);  // no such style: nothing changes
    EXPECT_TRUE(f == erwartet);
}

TEST(Farben, ColourValuesToQColor)
{
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(FarbeZuQColor(RGB(10, 20, 30)), QColor(10, 20, 30));
    EXPECT_EQ(FarbeZuQColor(clNavy), QColor(0, 0, 128));
    EXPECT_EQ(FarbeZuQColor(clYellow), QColor(255, 255, 0));
    EXPECT_EQ(FarbeZuQColor(COLOR_ACTIVECAPTION), QColor(0, 0, 128));
    EXPECT_EQ(FarbeZuQColor(COLOR_INACTIVECAPTION), QColor(128, 128, 128));
    EXPECT_EQ(FarbeZuQColor(COLOR_BTNFACE), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(FarbeZuQColor(COLOR_WINDOWTEXT), QApplication::palette().color(QPalette::WindowText));
}

TEST(Farben, AChangeRepaintsTheOwnerAndAnEqualValueDoesNot)
{
    ZaehlFenster fenster;
    fenster.resize(50, 50);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QTest::qWait(20);
    TKalenderFarben f;
    f.setFarbeText(RGB(9, 9, 9));  // no owner yet: stored only
    f.setBesitzer(&fenster);
    const int vorher = fenster.Malen;
    f.setFarbeText(RGB(9, 9, 9));
    QTest::qWait(20);
    EXPECT_EQ(fenster.Malen, vorher);
    f.setFarbeSonntag(RGB(200, 0, 0));
    QTest::qWait(20);
    EXPECT_GT(fenster.Malen, vorher);
    EXPECT_EQ(f.FarbeText(), RGB(9, 9, 9));
}

class BasisKalender : public test::SteuerTest {};

TEST_F(BasisKalender, DefaultDateCellFollowsUseDefaultDatum)
{
    TBasisKalenderClass k;
    EXPECT_FALSE(k.ShowDefaultDatumBmp());
    EXPECT_TRUE(k.ShowSysDatBmp());
    EXPECT_EQ(k.SysDatum(), 50956);
    k.setUseDefaultDatum(true);
    EXPECT_TRUE(k.ShowDefaultDatumBmp());
    k.setShowDefaultDatumBmp(false);
    EXPECT_FALSE(k.ShowDefaultDatumBmp());
    EXPECT_TRUE(k.UseDefaultDatum());
    k.setUseDefaultDatum(false);
    EXPECT_FALSE(k.ShowDefaultDatumBmp());
}

TEST_F(BasisKalender, ShowsItsDateOnlyInItsOwnEdit)
{
    TBasisKalenderClass k;
    TBasisKalenderClass anderer;
    k.DatumAnzeigen(&k);  // no edit: nothing happens
    TKalBasisEdit edit;
    edit.setText(QStringLiteral("alt"));
    k.setDatumEdit(&edit);
    k.DatumAnzeigen(&anderer);
    EXPECT_EQ(edit.text(), QStringLiteral("alt"));
    k.DatumAnzeigen(&k);
    EXPECT_EQ(edit.text(), QStringLiteral("23.05.1998"));
    {
        TKalBasisEdit kurz;
        k.setDatumEdit(&kurz);
    }
    EXPECT_EQ(k.DatumEdit(), nullptr);  // the link is cleared when the edit goes away
    k.DatumAnzeigen(&k);
}

}  // namespace
}  // namespace lunoria
