// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Dates at the edges of the calendar in the window: years of six and seven digits, the days of
// the calendar reform, the longest texts in their labels, and where the drop-down opens.
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "app/kalender1.h"
#include "app/systemquellen.h"
#include "calendar/julian.h"
#include "controls/kalenderbtn.h"
#include "controls/kalenderctrl.h"
#include "controls/kalenderdlg.h"
#include "controls/kalenderedit.h"
#include "controls/tests/steuertest.h"

namespace lunoria {
namespace {

class LangeDaten : public ::testing::Test {
protected:
    void Oeffnen(QPoint lage = QPoint(40, 40))
    {
        m_Fenster.move(lage);
        m_Fenster.show();
        m_Fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_Fenster));
        m_Edit = m_Fenster.findChild<TKalenderEdit*>(QStringLiteral("KalenderEdit1"));
        m_Knopf = m_Fenster.findChild<TKalenderBtn*>(QStringLiteral("KalenderBtn1"));
        ASSERT_TRUE(m_Edit && m_Knopf);
    }

    void Tippen(const QString& text)
    {
        m_Edit->setFocus();
        m_Edit->selectAll();
        QTest::keyClicks(m_Edit, text);
        QTest::keyClick(m_Edit, Qt::Key_Return);
    }

    // Opens the drop-down, runs tun while it is shown, and closes it with OK.
    void DropDown(const std::function<void(TvexKalenderDlg&)>& tun = {})
    {
        TvexKalenderDlg* dlg = m_Knopf->Dialog();
        test::WennOffen(dlg, [dlg, tun] {
            if (tun)
                tun(*dlg);
            dlg->OKBtn->click();
        });
        QTest::mousePress(m_Knopf, Qt::LeftButton);
        QTest::mouseRelease(m_Knopf, Qt::LeftButton);
    }

    test::RegionalGuard m_Regional;
    test::ZonenregelGuard m_Zone;
    test::UhrGuard m_Uhr{2026, 12, 8};
    test::MeldungsboxRecorder m_Boxen;
    TKalender1 m_Fenster;
    TKalenderEdit* m_Edit = nullptr;
    TKalenderBtn* m_Knopf = nullptr;
};

TEST_F(LangeDaten, ASixDigitYearStaysWholeOnEveryLaterConfirmation)
{
    Oeffnen();
    QLineEdit& feld = *m_Edit;
    const struct {
        const char* name;
        std::function<void()> bestaetigen;
    } wege[] = {
        {"Enter", [&] { QTest::keyClick(m_Edit, Qt::Key_Return); }},
        {"Tab", [&] { QTest::keyClick(m_Edit, Qt::Key_Tab); }},
        {"drop-down", [&] { DropDown(); }},
    };
    for (const auto& weg : wege) {
        Tippen(QStringLiteral("1.1.100000"));
        EXPECT_EQ(feld.text(), QStringLiteral("01.01.100000")) << weg.name;
        EXPECT_EQ(m_Knopf->Jahr(), 100000) << weg.name;
        m_Edit->setFocus();
        weg.bestaetigen();
        EXPECT_EQ(feld.text(), QStringLiteral("01.01.100000")) << weg.name;
        EXPECT_EQ(m_Knopf->Jahr(), 100000) << weg.name;
        EXPECT_EQ(m_Knopf->ModJulDat(), MJDAusDatum(1, 1, 100000, 0)) << weg.name;
    }
    EXPECT_TRUE(m_Boxen.Texte.isEmpty());

    // Typing still stops at the longest date's length (31.12.5879490), also over a text as long.
    m_Edit->setFocus();
    m_Edit->selectAll();
    QTest::keyClicks(m_Edit, QStringLiteral("123456789012345"));
    EXPECT_EQ(feld.text(), QStringLiteral("1234567890123"));
    EXPECT_EQ(m_Edit->maxLength(), 13);
}

TEST_F(LangeDaten, TheDaysOfTheCalendarReform)
{
    Oeffnen();
    QLineEdit& feld = *m_Edit;
    // 4 and 15 October 1582 are MJD -100841 and -100840: consecutive days.
    const struct {
        const char* getippt;
        const char* gezeigt;  // nullptr: refused, the date stays
        Extended mjd;
    } faelle[] = {
        {"4.10.1582", "04.10.1582", -100841},
        {"15.10.1582", "15.10.1582", -100840},
        {"25.10.1582", "25.10.1582", -100830},
        {"31.10.1582", "31.10.1582", -100824},
        {"5.10.1582", nullptr, 0},
        {"10.10.1582", nullptr, 0},
        {"14.10.1582", nullptr, 0},
    };
    for (const auto& f : faelle) {
        const Extended vorher = m_Knopf->ModJulDat();
        const qsizetype meldungen = m_Boxen.Texte.size();
        Tippen(QString::fromLatin1(f.getippt));
        if (f.gezeigt) {
            EXPECT_EQ(feld.text().toStdString(), f.gezeigt);
            EXPECT_EQ(m_Knopf->ModJulDat(), f.mjd) << f.getippt;
            EXPECT_EQ(m_Boxen.Texte.size(), meldungen) << f.getippt;
        } else {
            EXPECT_EQ(m_Knopf->ModJulDat(), vorher) << f.getippt;
            ASSERT_EQ(m_Boxen.Texte.size(), meldungen + 1) << f.getippt;
            EXPECT_EQ(m_Boxen.Texte.last(), QStringLiteral("Das eingebene Datum ist nicht korrekt.")) << f.getippt;
        }
    }
}

// The label shows its whole text: the text's width in the label's font fits the label, and the
// label lies inside what its parent shows.
::testing::AssertionResult GanzLesbar(const QLabel* l)
{
    const int noetig = QFontMetrics(l->font()).horizontalAdvance(l->text());
    const QWidget* eltern = l->parentWidget();
    if (noetig > l->contentsRect().width())
        return ::testing::AssertionFailure() << l->objectName().toStdString() << " \"" << l->text().toStdString()
                                             << "\" needs " << noetig << " of " << l->contentsRect().width();
    if (!eltern->contentsRect().contains(l->geometry()))
        return ::testing::AssertionFailure() << l->objectName().toStdString() << " reaches beyond its parent";
    return ::testing::AssertionSuccess();
}

TEST(Lesbarkeit, TheLongestDatesFitTheirLabels)
{
    test::ZonenregelGuard zone;
    for (const QLocale& locale :
         {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        test::RegionalGuard r(EinstellungenAusLocale(locale));
        TKalender1 fenster;
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        auto* gitter = fenster.findChild<TKalenderCtrl*>(QStringLiteral("KalenderCtrl1"));
        auto* knopf = fenster.findChild<TKalenderBtn*>(QStringLiteral("KalenderBtn1"));
        const auto* lang = fenster.findChild<QLabel*>(QStringLiteral("lbDatumLang"));
        ASSERT_TRUE(gitter && knopf && lang);
        for (const int jahr : {2027, 100000, 5879490, -4712}) {
            // Seven days of September: every weekday once, with the longest month name.
            for (int tag = 24; tag <= 30; ++tag) {
                gitter->setModJulDat(MJDAusDatum(tag, 9, jahr, 0));
                EXPECT_TRUE(GanzLesbar(lang)) << locale.name().toStdString();
            }
            knopf->setModJulDat(MJDAusDatum(30, 6, jahr, 0));
            auto* edit = fenster.findChild<TKalenderEdit*>(QStringLiteral("KalenderEdit1"));
            edit->setModJulDat(MJDAusDatum(31, 12, jahr, 0));
            EXPECT_TRUE(test::ZeigtGanz(*edit)) << locale.name().toStdString();
            for (const char* name :
                 {"lbFruehling", "lbSommer", "lbHerbst", "lbWinter", "lbJD", "lbMJD", "lbJHd", "lbNaeherung"})
                EXPECT_TRUE(GanzLesbar(fenster.findChild<QLabel*>(QLatin1String(name)))) << locale.name().toStdString();
            // The note on rough estimates, for the far years only, covers no other row.
            const auto* note = fenster.findChild<QLabel*>(QStringLiteral("lbNaeherung"));
            EXPECT_EQ(note->isHidden(), jahr == 2027) << jahr;
            for (const QWidget* w : note->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w != note && !w->isHidden()) {
                    EXPECT_FALSE(w->geometry().intersects(note->geometry())) << w->objectName().toStdString();
                }
        }
    }
}

TEST_F(LangeDaten, TheDropDownOpensClearOfEditAndButton)
{
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* wo;
        QPoint fenster;  // the window's place: the edit sits near its top left corner
        bool oben, rechts;
    } faelle[] = {
        {"top left", schirm.topLeft() + QPoint(40, 40), false, false},
        {"bottom", QPoint(schirm.left() + 40, schirm.bottom() - 120), true, false},
        {"right", QPoint(schirm.right() - 140, schirm.top() + 40), false, true},
        {"bottom right", QPoint(schirm.right() - 140, schirm.bottom() - 120), true, true},
    };
    Oeffnen(faelle[0].fenster);
    for (const auto& f : faelle) {
        m_Fenster.move(f.fenster);
        QTest::qWait(20);
        const QRect feld(m_Edit->mapToGlobal(QPoint(0, 0)), m_Edit->size());
        const QRect knopf(m_Knopf->mapToGlobal(QPoint(0, 0)), m_Knopf->size());
        const QRect beide = feld.united(knopf);
        for (int mal = 0; mal < 2; ++mal) {  // the first opening and a later one
            QRect rahmen, innen;
            DropDown([&](TvexKalenderDlg& dlg) {
                rahmen = dlg.frameGeometry();
                innen = dlg.geometry();
            });
            EXPECT_EQ(innen.size(), QSize(250, 180)) << f.wo;
            EXPECT_FALSE(rahmen.intersects(beide)) << f.wo << " " << mal;
            if (f.oben)
                EXPECT_EQ(rahmen.bottom() + 1, beide.top()) << f.wo << " " << mal;
            else
                EXPECT_EQ(rahmen.top(), beide.bottom() + 1) << f.wo << " " << mal;
            if (f.rechts)
                EXPECT_EQ(rahmen.right(), feld.right() + 22) << f.wo << " " << mal;
            else
                EXPECT_EQ(rahmen.left(), feld.left()) << f.wo << " " << mal;
        }
    }
}

}  // namespace
}  // namespace lunoria
