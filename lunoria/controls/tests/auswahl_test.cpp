// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The date picker, its spin control, the drop-down button and the date edit, driven by events.
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "calendar/julian.h"
#include "controls/kalenderbtn.h"
#include "controls/kalenderctrl.h"
#include "controls/kalenderdlg.h"
#include "controls/kalenderedit.h"
#include "controls/spinbutton.h"
#include "steuertest.h"

namespace lunoria {
namespace {

class Auswahl : public test::SteuerTest {
protected:
    static QPoint Mitte(const TKalenderCtrl& k, int spalte, int zeile)
    {
        TKalenderZelle z;
        z.Spalte = spalte;
        z.Zeile = zeile;
        return k.ZellenUrsprung(z) + QPoint(k.ZellenBreite() / 2, k.ZellenHoehe() / 2);
    }
};

// A repeat clock stepped by the test: time passes only in Vergehen.
class HandUhr {
public:
    HandUhr()
        : m_Vorher(SetzeTaktQuelle([this](QObject*, std::function<void()> tick) {
              m_Tick = std::move(tick);
              return std::make_unique<Takt>(*this);
          }))
    {
    }
    ~HandUhr() { SetzeTaktQuelle(std::move(m_Vorher)); }
    qint64 Jetzt() const { return m_Jetzt; }
    void Vergehen(qint64 ms)
    {
        const qint64 ziel = m_Jetzt + ms;
        while (m_Faellig >= 0 && m_Faellig <= ziel) {
            m_Jetzt = m_Faellig;
            m_Faellig = m_Jetzt + m_Intervall;
            m_Tick();
        }
        m_Jetzt = ziel;
    }

private:
    struct Takt : TWiederholTakt {
        explicit Takt(HandUhr& uhr)
            : Uhr(uhr)
        {
        }
        void Starten(int ms) override { Uhr.m_Intervall = ms, Uhr.m_Faellig = Uhr.m_Jetzt + ms; }
        void Anhalten() override { Uhr.m_Faellig = -1; }
        HandUhr& Uhr;
    };
    TTaktQuelle m_Vorher;
    std::function<void()> m_Tick;
    qint64 m_Jetzt = 0;
    qint64 m_Faellig = -1;
    int m_Intervall = 0;
};

TEST_F(Auswahl, SpinHalvesRepeatWhileHeld)
{
    HandUhr uhr;
    TSpinButton spin;
    spin.resize(13, 21);
    spin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&spin));
    EXPECT_EQ(spin.ObereHaelfte()->geometry(), QRect(0, 0, 13, 10));
    EXPECT_EQ(spin.UntereHaelfte()->geometry(), QRect(0, 9, 13, 12));
    std::vector<qint64> zeiten;
    QObject::connect(&spin, &TSpinButton::OnUpClick, [&] { zeiten.push_back(uhr.Jetzt()); });
    QSignalSpy runter(&spin, &TSpinButton::OnDownClick);
    QTest::mousePress(spin.ObereHaelfte(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 5));
    ASSERT_EQ(zeiten.size(), 1u);  // the first step at the press
    EXPECT_LT(zeiten[0], 50);
    uhr.Vergehen(350);
    EXPECT_EQ(zeiten.size(), 1u);
    uhr.Vergehen(480);
    QTest::mouseRelease(spin.ObereHaelfte(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 5));
    const std::size_t gehalten = zeiten.size();
    ASSERT_GE(gehalten, 3u);
    EXPECT_GE(zeiten[1], 360);
    EXPECT_LT(zeiten[1], 800);
    for (std::size_t i = 2; i < gehalten; ++i) {
        EXPECT_GE(zeiten[i] - zeiten[i - 1], 80);
        EXPECT_LT(zeiten[i] - zeiten[i - 1], 350);
    }
    uhr.Vergehen(300);
    EXPECT_EQ(zeiten.size(), gehalten);  // nothing after the release
    EXPECT_EQ(runter.count(), 0);
    QTest::mouseClick(spin.UntereHaelfte(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 5));
    EXPECT_EQ(runter.count(), 1);
}

TEST_F(Auswahl, SpinKeys)
{
    TSpinButton spin;
    spin.setFocusPolicy(Qt::StrongFocus);
    spin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&spin));
    spin.setFocus();
    QSignalSpy hoch(&spin, &TSpinButton::OnUpClick);
    QSignalSpy runter(&spin, &TSpinButton::OnDownClick);
    QTest::keyClick(&spin, Qt::Key_Space);
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.FokusHaelfte(), spin.UntereHaelfte());
    QTest::keyClick(&spin, Qt::Key_Space);
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(hoch.count(), 2);
    EXPECT_EQ(runter.count(), 2);
}

TEST_F(Auswahl, DialogLayoutPanelsAndPlace)
{
    TvexKalenderDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Kalender"));
    EXPECT_EQ(dlg.minimumSize(), QSize(250, 180));
    EXPECT_EQ(dlg.maximumSize(), QSize(250, 180));
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dlg.KalenderCtrl1->ModJulDat(), 50956);
    EXPECT_FALSE(dlg.KalenderCtrl1->ShowCaption());
    EXPECT_EQ(dlg.lbSysTag->text(), QStringLiteral("Samstag"));
    EXPECT_EQ(dlg.lbtag->text(), QStringLiteral("23."));
    EXPECT_EQ(dlg.lbmonatjahr->text(), QStringLiteral("Mai 1998"));
    EXPECT_EQ(dlg.lbtagvon->text(), QStringLiteral("143 - 222"));
    EXPECT_EQ(dlg.lbtag->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(dlg.MonatCombo->count(), 12);
    EXPECT_EQ(dlg.MonatCombo->currentIndex(), 4);
    EXPECT_EQ(dlg.edJahr->text(), QStringLiteral("1998"));
    EXPECT_EQ(dlg.edMJD->text(), QStringLiteral("50956"));
    EXPECT_EQ(dlg.lbJD->text(), QStringLiteral("2.450.956,500"));

    // The Julian Date panel shares its place with the system date.
    dlg.JDJHdZeigen(true);
    EXPECT_FALSE(dlg.ShowJD_JHd());
    dlg.SystemDatumZeigen(false);
    EXPECT_FALSE(dlg.ShowJD_JHd());
    EXPECT_TRUE(dlg.ShowMJD2Panel->isHidden());
    EXPECT_TRUE(dlg.ShowSysDatumPanel->isHidden());
    dlg.JDJHdZeigen(true);
    EXPECT_TRUE(dlg.ShowJD_JHd());
    EXPECT_FALSE(dlg.ShowMJD2Panel->isHidden());
    dlg.MJDEditZeigen(true);
    EXPECT_FALSE(dlg.ShowMJDPanel->isHidden());

    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    dlg.Positionieren(QPoint(100, 100), 80, 22);
    EXPECT_EQ(dlg.geometry(), QRect(100, 100, 250, 180));
    const int x = schirm.right() - 100;
    dlg.Positionieren(QPoint(x, 100), 80, 22);
    EXPECT_EQ(dlg.geometry().right() + 1, x + 80 + 22);  // 22 pixels right of the edit's right edge
    const int y = schirm.bottom() - 50;
    dlg.Positionieren(QPoint(100, y), 80, 22);
    EXPECT_EQ(dlg.geometry().top(), y - 22 - 180);  // above the edit

    // The year field shows a sign and seven digits whole, between month list and spin button,
    // clear of the buttons.
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.edJahr->setText(QStringLiteral("-8888888"));
    EXPECT_TRUE(test::ZeigtGanz(*dlg.edJahr));
    EXPECT_LT(dlg.MonatCombo->geometry().right(), dlg.edJahr->x());
    EXPECT_LT(dlg.edJahr->geometry().right(), dlg.JahrSpin->x());
    EXPECT_LT(dlg.JahrSpin->geometry().right(), dlg.OKBtn->x());
    EXPECT_LT(dlg.OKBtn->geometry().right(), TvexKalenderDlg::Breite);
}

TEST_F(Auswahl, SystemDatePanelWritesOnePeriodAfterAShortMonthName)
{
    test::UhrGuard uhr(2026, 12, 8);
    const struct {
        const char* kurz;  // the locale's short name of December
        const char* erwartet;
    } faelle[] = {{"Dez", "Dez. 2026"}, {"Dez.", "Dez. 2026"}, {"Dec", "Dec. 2026"}};
    for (const auto& f : faelle) {
        TRegionaleEinstellungen e = DeutscheEinstellungen();
        e.KurzeMonatsNamen[11] = f.kurz;
        test::RegionalGuard r(e);
        TvexKalenderDlg dlg;
        EXPECT_EQ(dlg.lbmonatjahr->text().toStdString(), f.erwartet) << f.kurz;
    }
}

TEST_F(Auswahl, YearAndMjdFields)
{
    TvexKalenderDlg dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.KalenderCtrl1->setModJulDat(MJDAusDatum(29, 2, 2000, 0));
    dlg.edJahr->clear();
    QTest::keyClicks(dlg.edJahr, QStringLiteral("1998"));
    QTest::keyClick(dlg.edJahr, Qt::Key_Return);
    EXPECT_EQ(dlg.KalenderCtrl1->TextDatum(), QStringLiteral("01.03.1998"));
    EXPECT_TRUE(dlg.isVisible());  // Enter does not close the dialog
    EXPECT_EQ(dlg.edJahr->selectedText(), QStringLiteral("1998"));

    dlg.edJahr->clear();
    QTest::keyClicks(dlg.edJahr, QStringLiteral("-5000"));
    QTest::keyClick(dlg.edJahr, Qt::Key_Return);
    EXPECT_EQ(dlg.KalenderCtrl1->Jahr(), -4712);

    dlg.edJahr->clear();
    QTest::keyClicks(dlg.edJahr, QStringLiteral("12a-3-"));  // letters and a second inner "-" are dropped
    EXPECT_EQ(dlg.edJahr->text(), QStringLiteral("12-3"));
    QTest::keyClick(dlg.edJahr, Qt::Key_Return);
    ASSERT_EQ(m_Boxen.Texte.size(), 1);
    EXPECT_TRUE(m_Boxen.Texte[0].startsWith(QStringLiteral("KalenderCtrl:\n\r\n\r")));
    EXPECT_TRUE(m_Boxen.Texte[0].endsWith(QLatin1Char('.')));
    EXPECT_EQ(dlg.edJahr->text(), QStringLiteral("-4712"));  // the year is put back
    dlg.edJahr->clear();
    QTest::keyClicks(dlg.edJahr, QStringLiteral("-12-"));
    EXPECT_EQ(dlg.edJahr->text(), QStringLiteral("-12-"));  // a leading "-" does not stop another
    dlg.edJahr->clear();
    QTest::keyClick(dlg.edJahr, Qt::Key_Return);  // empty: nothing happens
    EXPECT_EQ(m_Boxen.Texte.size(), 1);

    dlg.KalenderCtrl1->setModJulDat(50956.25L);
    dlg.edMJD->clear();
    QTest::keyClicks(dlg.edMJD, QStringLiteral("51544"));
    QTest::keyClick(dlg.edMJD, Qt::Key_Return);
    EXPECT_EQ(dlg.KalenderCtrl1->ModJulDat(), 51544.25L);  // the time of day stays

    QTest::mouseClick(dlg.JahrSpin->ObereHaelfte(), Qt::LeftButton);
    EXPECT_EQ(dlg.KalenderCtrl1->Jahr(), 2001);
    dlg.KalenderCtrl1->setMaxJahr(2001);
    QTest::mouseClick(dlg.JahrSpin->ObereHaelfte(), Qt::LeftButton);
    EXPECT_EQ(dlg.KalenderCtrl1->Jahr(), 2001);  // the spin stops at the limit
    dlg.MonatCombo->setCurrentIndex(6);
    Q_EMIT dlg.MonatCombo->activated(6);
    EXPECT_EQ(dlg.KalenderCtrl1->Monat(), 7);

    dlg.SetGesperrt(true);
    EXPECT_FALSE(dlg.MonatCombo->isEnabled());
    EXPECT_FALSE(dlg.edJahr->isEnabled());
    EXPECT_FALSE(dlg.JahrSpin->isEnabled());
    EXPECT_TRUE(dlg.KalenderCtrl1->Gesperrt());
}

TEST_F(Auswahl, DoubleClickClosesOnlyOnADayOfTheMonth)
{
    TvexKalenderDlg dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    TKalenderCtrl& gitter = *dlg.KalenderCtrl1;
    test::DoppelKlick(&gitter, Mitte(gitter, 1, 2));  // 27 April
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), 0);
    test::DoppelKlick(&gitter, Mitte(gitter, 3, 4));  // 13 May
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(gitter.TextDatum(), QStringLiteral("13.05.1998"));
}

TEST_F(Auswahl, ButtonOpensTheDialogUnderItsEdit)
{
    QWidget fenster;
    fenster.resize(300, 100);
    TKalenderEdit edit(&fenster);
    edit.setObjectName(QStringLiteral("KalenderEdit1"));
    edit.setGeometry(10, 10, 80, 22);
    TKalenderBtn knopf(&fenster);
    knopf.setGeometry(92, 9, 23, 23);
    knopf.setDatumEdit(&edit);
    edit.setKalender(&knopf);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QLineEdit& feld = edit;
    feld.setText(QStringLiteral("14.04.1998"));
    QSignalSpy geaendert(&knopf, &TKalenderBtn::OnDatumChange);
    QSignalSpy klicks(&knopf, &TKalenderBtn::OnClick);

    TvexKalenderDlg* dlg = knopf.Dialog();
    QPoint lage;
    int markiert = 0;
    bool gedrueckt = false;
    test::WennOffen(dlg, [&] {
        lage = dlg->frameGeometry().topLeft();  // the outer frame, title bar included
        markiert = dlg->KalenderCtrl1->MarkerZelle().Wert;
        gedrueckt = knopf.Gedrueckt();
        EXPECT_EQ(dlg->KalenderCtrl1->Monat(), 4);
        dlg->OKBtn->click();
    });
    QTest::mousePress(&knopf, Qt::LeftButton);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    EXPECT_EQ(markiert, 14);
    EXPECT_TRUE(gedrueckt);
    EXPECT_FALSE(knopf.Gedrueckt());
    EXPECT_EQ(lage, fenster.mapToGlobal(QPoint(10, 32)));
    EXPECT_FALSE(knopf.Geaendert());  // OK without a new day
    EXPECT_EQ(geaendert.count(), 2);  // on opening and after OK
    EXPECT_EQ(klicks.count(), 1);

    // Cancel after picking other days puts grid and edit back.
    geaendert.clear();
    test::WennOffen(dlg, [&] {
        TKalenderCtrl& g = *dlg->KalenderCtrl1;
        QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier, Mitte(g, 1, 4));  // 13 April
        EXPECT_EQ(feld.text(), QStringLiteral("13.04.1998"));
        dlg->CancelBtn->click();
    });
    QTest::mousePress(&knopf, Qt::LeftButton);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    EXPECT_EQ(feld.text(), QStringLiteral("14.04.1998"));
    EXPECT_EQ(knopf.ModJulDat(), MJDAusDatum(14, 4, 1998, 0));
    EXPECT_EQ(geaendert.count(), 1);  // only when the dialog opened

    // OK after a new day: Geaendert and the edit's text.
    test::WennOffen(dlg, [&] {
        TKalenderCtrl& g = *dlg->KalenderCtrl1;
        QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier, Mitte(g, 3, 5));  // 22 April
        dlg->OKBtn->click();
    });
    QTest::mousePress(&knopf, Qt::LeftButton);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    EXPECT_TRUE(knopf.Geaendert());
    EXPECT_EQ(feld.text(), QStringLiteral("22.04.1998"));
}

TEST_F(Auswahl, ButtonPressesThatDoNotOpen)
{
    QWidget fenster;
    fenster.resize(200, 60);
    TKalenderEdit edit(&fenster);
    TKalenderBtn knopf(&fenster);
    knopf.move(100, 0);
    knopf.setDatumEdit(&edit);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QSignalSpy klicks(&knopf, &TKalenderBtn::OnClick);
    int geoeffnet = 0;
    QObject::connect(knopf.Dialog(), &QDialog::finished, [&] { ++geoeffnet; });
    test::WennOffen(knopf.Dialog(), [&] { knopf.Dialog()->reject(); });
    QTest::mousePress(&knopf, Qt::LeftButton, Qt::ShiftModifier);
    QTest::mouseRelease(&knopf, Qt::LeftButton, Qt::ShiftModifier);
    QTest::mousePress(&knopf, Qt::LeftButton, Qt::ControlModifier);
    QTest::mouseRelease(&knopf, Qt::LeftButton, Qt::ControlModifier);
    QTest::mousePress(&knopf, Qt::RightButton);
    QTest::mouseRelease(&knopf, Qt::RightButton);
    EXPECT_EQ(klicks.count(), 3);
    QLineEdit& feld = edit;
    feld.setText(QStringLiteral("31.02.1998"));  // no date: the edit gets the focus instead
    QTest::mousePress(&knopf, Qt::LeftButton);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    EXPECT_EQ(feld.selectedText(), QStringLiteral("31.02.1998"));
    knopf.setEnabled(false);
    feld.setText(QStringLiteral("01.02.1998"));
    QTest::mousePress(&knopf, Qt::LeftButton);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    EXPECT_EQ(geoeffnet, 0);
    knopf.setEnabled(true);
    QTest::mousePress(&knopf, Qt::LeftButton);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    EXPECT_EQ(geoeffnet, 1);

    // The disabled look is the second picture frame, grey instead of red.
    const QImage aus = [&] {
        knopf.setEnabled(false);
        return knopf.grab().toImage();
    }();
    knopf.setEnabled(true);
    const QImage an = knopf.grab().toImage();
    bool rot = false, grauStattRot = true;
    for (int y = 0; y < an.height(); ++y)
        for (int x = 0; x < an.width(); ++x) {
            if (an.pixelColor(x, y) == QColor(0xC0, 0, 0)) {
                rot = true;
                grauStattRot = grauStattRot && aus.pixelColor(x, y) == QColor(0xC0, 0xC0, 0xC0);
            }
        }
    EXPECT_TRUE(rot);
    EXPECT_TRUE(grauStattRot);
}

TEST_F(Auswahl, EditKeyFilter)
{
    TKalenderEdit edit;
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QLineEdit& feld = edit;
    const struct {
        const char* vorher;
        const char* getippt;
        const char* nachher;
    } faelle[] = {
        {"", "1a.", "1."},      {"1.", ".", "1."},       {"12.05.", ".", "12.05."}, {"12.051", ".", "12.051"},
        {"1.1.", "-", "1.1.-"}, {"1.1.2", "-", "1.1.2"}, {"1.1", "-", "1.1"},       {"1.1.-4", "-", "1.1.-4"},
        {"1/1/", "5", "1/1/5"}, {"", "#,;", "#,;"},
    };
    for (const auto& f : faelle) {
        feld.setText(QString::fromLatin1(f.vorher));
        feld.end(false);
        QTest::keyClicks(&edit, QString::fromLatin1(f.getippt));
        EXPECT_EQ(feld.text().toStdString(), f.nachher) << f.vorher << " + " << f.getippt;
    }
    EXPECT_EQ(m_Boxen.Texte.size(), 0);
}

TEST_F(Auswahl, EditEnterEscAndText)
{
    TKalenderEdit edit;
    edit.setObjectName(QStringLiteral("KalenderEdit1"));
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QSignalSpy bearbeitet(&edit, &TKalenderEdit::AfterDatumEdit);
    QLineEdit& feld = edit;
    feld.setText(QStringLiteral("1.4.1998"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(feld.text(), QStringLiteral("01.04.1998"));  // normalised without a calendar
    feld.setText(QStringLiteral("1.4.98"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(feld.text(), QStringLiteral("01.04.98"));  // the year as typed
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(feld.text(), QStringLiteral("23.05.1998"));  // today
    EXPECT_EQ(bearbeitet.count(), 3);
    edit.setUseDefaultDatum(true);
    edit.setDefaultDatum(MJDAusDatum(24, 12, 2000, 0));
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(feld.text(), QStringLiteral("24.12.2000"));

    edit.setText(QString());
    ASSERT_EQ(m_Boxen.Texte.size(), 1);
    EXPECT_EQ(m_Boxen.Texte[0], QStringLiteral("Das eingebene Datum ist nicht korrekt."));
    EXPECT_EQ(m_Boxen.Titel[0], QStringLiteral("KalenderEdit1"));
    EXPECT_EQ(edit.ModJulDat(), MJDJetzt());
    edit.setModJulDat(50956);
    EXPECT_EQ(feld.text(), QStringLiteral("23.05.1998"));
    EXPECT_EQ(edit.DatumZeit(), 35938.0);
    edit.setDatumZeit(-700000);  // no date value: the default date
    EXPECT_EQ(feld.text(), QStringLiteral("24.12.2000"));
}

TEST_F(Auswahl, EditTakesTheLongestDatesWholeAndRefusesTooLongPastes)
{
    TKalenderEdit edit;
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QLineEdit& feld = edit;
    const struct {
        const char* eingabe;
        bool einfuegen;       // pasted with Ctrl+V over the whole text instead of typed
        const char* nachher;  // the text after Enter
        Extended mjd;
        int meldungen;
    } faelle[] = {
        {"1.1.5879490", false, "01.01.5879490", MJDAusDatum(1, 1, 5879490, 0), 0},
        {"31.12.-4712", false, "31.12.-4712", MJDAusDatum(31, 12, -4712, 0), 0},
        {"31.12.58794901", false, "31.12.5879490", MJDAusDatum(31, 12, 5879490, 0), 0},  // typing stops
        {"31.12.5879490", true, "31.12.5879490", MJDAusDatum(31, 12, 5879490, 0), 0},
        // ISO dates are typed whole, signs and all, and shown in the regional form.
        {"1998-05-23", false, "23.05.1998", 50956, 0},
        {"-0044-03-15", false, "15.03.-44", MJDAusDatum(15, 3, -44, 0), 0},
        {"5879490-12-31", false, "31.12.5879490", MJDAusDatum(31, 12, 5879490, 0), 0},
        // Cut to 13 characters this would be 01.01.2000000: the paste is refused whole.
        {"01.01.20000000000000", true, "23.05.1998", 50956, 1},
    };
    for (const auto& f : faelle) {
        edit.setModJulDat(50956);
        m_Boxen.Texte.clear();
        feld.selectAll();
        if (f.einfuegen) {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(f.eingabe));
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(&edit, QString::fromLatin1(f.eingabe));
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(m_Boxen.Texte.size(), f.meldungen) << f.eingabe;
        QTest::keyClick(&edit, Qt::Key_Return);
        EXPECT_EQ(feld.text().toStdString(), f.nachher) << f.eingabe;
        EXPECT_EQ(edit.ModJulDat(), f.mjd) << f.eingabe;
    }
}

TEST_F(Auswahl, EditBoundToAGridBothWays)
{
    QWidget fenster;
    TKalenderEdit edit(&fenster);
    edit.setObjectName(QStringLiteral("KalenderEdit1"));
    TKalenderCtrl gitter(&fenster);
    gitter.move(0, 30);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    gitter.setDatumEdit(&edit);
    edit.setKalender(&gitter);
    EXPECT_TRUE(edit.IstKalenderCtrl());
    QLineEdit& feld = edit;
    feld.setText(QStringLiteral("31.02.1999"));
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(m_Boxen.Texte.size(), 1);
    EXPECT_EQ(gitter.ModJulDat(), 50956);
    feld.setText(QStringLiteral("1.3.1999"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(gitter.TextDatum(), QStringLiteral("01.03.1999"));
    EXPECT_EQ(feld.text(), QStringLiteral("01.03.1999"));

    // Leaving the field with a wrong date warns and keeps the focus there.
    QLineEdit anderes(&fenster);
    anderes.move(150, 0);
    anderes.show();
    feld.setText(QStringLiteral("40.1.1999"));
    edit.setFocus();
    anderes.setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    EXPECT_EQ(m_Boxen.Texte.size(), 2);
    EXPECT_TRUE(edit.hasFocus());
    {
        TKalenderCtrl kurz;
        edit.setKalender(&kurz);
    }
    EXPECT_EQ(edit.Kalender(), nullptr);  // cleared when the calendar goes away
}

}  // namespace
}  // namespace lunoria
