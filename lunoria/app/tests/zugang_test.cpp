// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Lunoria's window for everyone: every control named for a screen reader, every action from
// the keyboard, every text readable on a light and on a dark palette, no text cut or covered.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <map>

#include <gtest/gtest.h>

#include "app/kalender1.h"
#include "app/ortdialog.h"
#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/tests/testquellen.h"
#include "calendar/tests/zonenregelguard.h"
#include "controls/farben.h"
#include "controls/kalenderbtn.h"
#include "controls/kalenderctrl.h"
#include "controls/kalenderdlg.h"
#include "controls/kalenderedit.h"
#include "controls/tests/steuertest.h"
#include "controls/zeichenkette.h"

namespace lunoria {
namespace {

class Zugang : public ::testing::Test {
protected:
    test::RegionalGuard m_Regional;
    test::ZonenregelGuard m_Zone;
    test::UhrGuard m_Uhr{2026, 12, 8, 12, 0};  // Tuesday 8 December 2026
    test::MeldungsboxRecorder m_Boxen;

    template <class T>
    T* Teil(QObject& fenster, const char* name)
    {
        T* t = fenster.findChild<T*>(QLatin1String(name));
        EXPECT_NE(t, nullptr) << name;
        return t;
    }
};

// The controls below wurzel that a user can work or that take the focus, but have no name.
QStringList Unbenannt(QWidget& wurzel)
{
    static const QList<QAccessible::Role> bedienbar = {
        QAccessible::Button,  QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::SpinBox, QAccessible::EditableText, QAccessible::Table,       QAccessible::List,
        QAccessible::PageTab, QAccessible::Slider,       QAccessible::ButtonMenu,  QAccessible::Link};
    QStringList fehlt;
    for (QWidget* w : wurzel.findChildren<QWidget*>()) {
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(w);
        if (!w->isVisibleTo(&wurzel) || !zugang || w->focusProxy())  // the proxy takes the focus
            continue;
        const bool bedient = (w->focusPolicy() & Qt::TabFocus) || bedienbar.contains(zugang->role());
        if (bedient && zugang->text(QAccessible::Name).trimmed().isEmpty())
            fehlt << QStringLiteral("%1 (%2, role %3)")
                         .arg(w->objectName(), QLatin1String(w->metaObject()->className()))
                         .arg(zugang->role());
    }
    return fehlt;
}

TEST_F(Zugang, EveryControlHasANameAndTheGridReadsWholeDates)
{
    TKalender1 fenster;
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    auto* seiten = Teil<QTabWidget>(fenster, "PageControl1");
    for (int seite = 0; seite < seiten->count(); ++seite) {
        seiten->setCurrentIndex(seite);
        EXPECT_EQ(Unbenannt(fenster).join(u'\n').toStdString(), "") << seiten->tabText(seite).toStdString();
    }
    auto* knopf = Teil<TKalenderBtn>(fenster, "KalenderBtn1");
    EXPECT_EQ(Unbenannt(*knopf->Dialog()).join(u'\n').toStdString(), "");
    Teil<QToolButton>(fenster, "OrtKnopf")->click();
    auto* ort = Teil<TOrtDialog>(fenster, "OrtDialog");
    EXPECT_EQ(Unbenannt(*ort).join(u'\n').toStdString(), "");

    // Names and roles a screen reader reads.
    QAccessibleInterface* k = QAccessible::queryAccessibleInterface(knopf);
    EXPECT_EQ(k->role(), QAccessible::Button);
    EXPECT_EQ(k->text(QAccessible::Name), QStringLiteral("Kalender öffnen"));
    EXPECT_TRUE(k->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(Teil<TKalenderEdit>(fenster, "KalenderEdit1"))->text(QAccessible::Name),
        QStringLiteral("Datum"));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Mond zu \\d{1,3} % beleuchtet, (zu|ab)nehmend$"))
            .match(QAccessible::queryAccessibleInterface(Teil<QLabel>(fenster, "Image1"))->text(QAccessible::Name))
            .hasMatch());
    for (const auto& [name, caption] :
         {std::pair{"lbSonneAuf", "Sonnenaufgang: "}, std::pair{"lbJD", "Julianisches Datum (JD): "},
          std::pair{"lbDatumLang", "langes Datum: "}}) {
        auto* wert = Teil<QLabel>(fenster, name);
        ASSERT_FALSE(wert->text().isEmpty()) << name;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(wert)->text(QAccessible::Name), caption + wert->text());
    }

    // Both grids: six weeks by seven days from Monday 30 November, the 8th selected; the two
    // picture places say where they lead.
    for (TKalenderCtrl* gitter : {Teil<TKalenderCtrl>(fenster, "KalenderCtrl1"), knopf->Gitter()}) {
        QAccessibleInterface* tabelle = QAccessible::queryAccessibleInterface(gitter);
        ASSERT_EQ(tabelle->role(), QAccessible::Table);
        QAccessibleTableInterface* t = tabelle->tableInterface();
        ASSERT_TRUE(t && t->rowCount() == 6 && t->columnCount() == 7);
        EXPECT_EQ(t->columnDescription(0), QStringLiteral("Montag"));
        EXPECT_EQ(tabelle->childCount(), 44);  // 42 cells and the two month buttons
        const Extended start = MJDAusDatum(30, 11, 2026, 0);
        for (int i = 0; i < 42; ++i) {
            QAccessibleInterface* zelle = t->cellAt(i / 7, i % 7);
            ASSERT_NE(zelle, nullptr);
            EXPECT_EQ(tabelle->child(i), zelle);
            EXPECT_EQ(tabelle->indexOfChild(zelle), i);
            QString erwartet = Q(MJDZuLangDatum(start + i));
            if (i == 40)
                erwartet = QStringLiteral("Vorgabedatum: ") + Q(MJDZuLangDatum(std::floor(gitter->DefaultDatum())));
            if (i == 41)
                erwartet = QStringLiteral("Heute: Dienstag, 8. Dezember 2026");
            EXPECT_EQ(zelle->text(QAccessible::Name), erwartet) << i;
            EXPECT_EQ(zelle->state().selected, i == 8) << i;
            EXPECT_EQ(zelle->state().disabled, i == 0 || (i >= 32 && i < 40)) << i;
        }
        EXPECT_EQ(t->selectedCells(), QList<QAccessibleInterface*>{t->cellAt(1, 1)});
        // A press on a cell picks its day, as a click does.
        QAccessibleInterface* zwoelfter = t->cellAt(1, 5);
        zwoelfter->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(gitter->TextDatum(), QStringLiteral("12.12.2026"));
        EXPECT_TRUE(zwoelfter->state().selected);
    }
}

TEST_F(Zugang, TheKeysDoWhatTheMouseDoes)
{
    TKalender1 fenster;
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    auto* seiten = Teil<QTabWidget>(fenster, "PageControl1");
    auto* gitter = Teil<TKalenderCtrl>(fenster, "KalenderCtrl1");
    auto* edit = Teil<TKalenderEdit>(fenster, "KalenderEdit1");
    auto* knopf = Teil<TKalenderBtn>(fenster, "KalenderBtn1");
    const auto taste = [](int key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr) << key;
        QTest::keyClick(fokus, static_cast<Qt::Key>(key), mod);
    };

    // Tab walks each page as it reads, from the tab bar round to the tab bar.
    const std::map<int, QStringList> reihen = {{0, {"KalenderCtrl1", "cbKalenderwoche", "SpeedButton1", ""}},
                                               {1, {"KalenderEdit1", "KalenderBtn1", "OrtKnopf", "SpeedButton2", ""}}};
    for (const auto& [seite, reihe] : reihen) {
        seiten->setCurrentIndex(seite);
        seiten->tabBar()->setFocus();
        QStringList gegangen;
        for (qsizetype i = 0; i < reihe.size(); ++i) {
            taste(Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            gegangen << (f == seiten->tabBar() ? QString() : f->objectName());
        }
        EXPECT_EQ(gegangen.join(u',').toStdString(), reihe.join(u',').toStdString()) << seite;
    }

    // The grid on "Allgemein", key after key; the facts follow.
    seiten->setCurrentIndex(0);
    gitter->setFocus();
    const struct {
        int taste;
        Qt::KeyboardModifiers mod;
        const char* datum;
    } schritte[] = {
        {Qt::Key_Right, Qt::NoModifier, "09.12.2026"},    {Qt::Key_Down, Qt::NoModifier, "16.12.2026"},
        {Qt::Key_End, Qt::NoModifier, "31.12.2026"},      {Qt::Key_Right, Qt::NoModifier, "31.12.2026"},
        {Qt::Key_Home, Qt::NoModifier, "01.12.2026"},     {Qt::Key_Left, Qt::NoModifier, "01.12.2026"},
        {Qt::Key_PageDown, Qt::NoModifier, "01.01.2027"}, {Qt::Key_End, Qt::NoModifier, "31.01.2027"},
        {Qt::Key_PageDown, Qt::NoModifier, "28.02.2027"}, {Qt::Key_PageUp, Qt::ControlModifier, "28.02.2026"},
        {Qt::Key_PageUp, Qt::NoModifier, "28.01.2026"},   {Qt::Key_PageDown, Qt::ControlModifier, "28.01.2027"},
        {Qt::Key_Home, Qt::AltModifier, "08.12.2026"},
    };
    for (const auto& s : schritte) {
        taste(s.taste, s.mod);
        EXPECT_EQ(gitter->TextDatum(), QLatin1String(s.datum)) << s.taste << " " << s.mod;
    }
    EXPECT_EQ(Teil<QLabel>(fenster, "lbDatumLang")->text(), QStringLiteral("Dienstag, 8. Dezember 2026"));
    EXPECT_TRUE(gitter->hasFocus());

    // The picker opens from the button (Space, Enter) and from the edit (Alt+Down) with its grid
    // focused; Enter takes the picked day, Escape leaves the date as it was.
    seiten->setCurrentIndex(1);
    TvexKalenderDlg* dlg = knopf->Dialog();
    const struct {
        QWidget* wo;
        int oeffnen;
        Qt::KeyboardModifiers mod;
        int waehlen;
        int schliessen;
        const char* datum;
    } faelle[] = {
        {knopf, Qt::Key_Space, Qt::NoModifier, Qt::Key_Right, Qt::Key_Return, "09.12.2026"},
        {knopf, Qt::Key_Return, Qt::NoModifier, Qt::Key_Down, Qt::Key_Escape, "09.12.2026"},
        {edit, Qt::Key_Down, Qt::AltModifier, Qt::Key_Left, Qt::Key_Enter, "08.12.2026"},
    };
    for (const auto& f : faelle) {
        fenster.activateWindow();  // back from the closed picker
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        f.wo->setFocus();
        bool gitterFokus = false;
        test::WennOffen(dlg, [&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
            gitterFokus = QApplication::focusWidget() == dlg->KalenderCtrl1;
            taste(f.waehlen);
            taste(f.schliessen);
        });
        taste(f.oeffnen, f.mod);
        EXPECT_TRUE(gitterFokus) << f.oeffnen;
        EXPECT_FALSE(dlg->isVisible()) << f.oeffnen;
        EXPECT_EQ(edit->text(), QLatin1String(f.datum)) << f.oeffnen;
    }
    EXPECT_EQ(knopf->TextDatum(), QStringLiteral("08.12.2026"));
}

// The colour most pixels of the rectangle have: the background behind a line of text.
QColor Hintergrund(const QImage& bild, const QRect& feld)
{
    std::map<QRgb, int> anzahl;
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x)
            if (bild.valid(x, y))
                ++anzahl[bild.pixel(x, y)];
    QRgb haeufigste = 0;
    int n = 0;
    for (const auto& [farbe, zahl] : anzahl)
        if (zahl > n)
            haeufigste = farbe, n = zahl;
    return QColor::fromRgb(haeufigste);
}

// The pixel that stands out most from the background: the colour of a painted text.
QColor Vordergrund(const QImage& bild, const QRect& feld, const QColor& hintergrund)
{
    QColor best = hintergrund;
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x)
            if (bild.valid(x, y) && Kontrast(bild.pixelColor(x, y), hintergrund) > Kontrast(best, hintergrund))
                best = bild.pixelColor(x, y);
    return best;
}

QPalette DunklePaletteFuerTest()
{
    QPalette p;
    const QColor fenster(53, 53, 53);
    const QColor basis(42, 42, 42);
    p.setColor(QPalette::Window, fenster);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, basis);
    p.setColor(QPalette::AlternateBase, fenster);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, fenster);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::ToolTipBase, fenster);
    p.setColor(QPalette::ToolTipText, Qt::white);
    return p;
}

class PaletteGuard {
public:
    explicit PaletteGuard(const QPalette& p)
        : m_Vorher(QApplication::palette())
    {
        QApplication::setPalette(p);
    }
    ~PaletteGuard() { QApplication::setPalette(m_Vorher); }

private:
    QPalette m_Vorher;
};

// Every label text against the background painted behind it, and every painted text of a
// grid's day, header and caption cells against its cell, as far as the day can be picked.
QStringList SchwacheTexte(QWidget& wurzel, const QImage& bild, const QList<TKalenderCtrl*>& gitter)
{
    QStringList schwach;
    for (QLabel* l : wurzel.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&wurzel) || l->text().isEmpty() || !l->isEnabled())
            continue;
        const QRect feld(l->mapTo(&wurzel, QPoint(0, 0)), l->size());
        const QColor text = l->palette().color(l->foregroundRole());
        const double k = Kontrast(text, Hintergrund(bild, feld));
        if (k < MindestKontrast)
            schwach << QStringLiteral("%1 \"%2\": %3").arg(l->objectName(), l->text()).arg(k, 0, 'f', 2);
    }
    for (TKalenderCtrl* g : gitter) {
        const QImage gitterBild = g->grab().toImage();
        QList<QRect> felder{QRect(0, 0, g->width(), g->ZellenHoehe())};  // the caption
        for (int r = 1; r <= 7; ++r)
            for (int c = 1; c <= 7; ++c) {
                const TKalenderZelle& z = g->Zelle(c, r);
                const bool marker = z.Spalte == g->MarkerZelle().Spalte && z.Zeile == g->MarkerZelle().Zeile;
                if (z.Art <= kza_Sonntag || z.Art == kza_Kopf)
                    if (!marker)  // yellow on navy, whatever the palette
                        felder << QRect(g->ZellenUrsprung(z), QSize(g->ZellenBreite(), g->ZellenHoehe()))
                                      .adjusted(2, 2, -2, -2);
            }
        if (!g->ShowCaption())
            felder.removeFirst();
        for (const QRect& f : felder) {
            const QColor hinten = Hintergrund(gitterBild, f);
            const double k = Kontrast(Vordergrund(gitterBild, f, hinten), hinten);
            if (k < MindestKontrast)
                schwach
                    << QStringLiteral("%1 at %2,%3: %4").arg(g->objectName()).arg(f.x()).arg(f.y()).arg(k, 0, 'f', 2);
        }
    }
    return schwach;
}

TEST_F(Zugang, EveryTextIsReadableOnALightAndADarkPalette)
{
    EXPECT_NEAR(Kontrast(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(Kontrast(QColor(0, 0, 128), QColor(Qt::white)), 16.01, 0.01);
    for (const bool dunkel : {false, true}) {
        PaletteGuard palette(dunkel ? DunklePaletteFuerTest() : QApplication::style()->standardPalette());
        TKalender1 fenster;
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        auto* seiten = Teil<QTabWidget>(fenster, "PageControl1");
        TvexKalenderDlg* dlg = Teil<TKalenderBtn>(fenster, "KalenderBtn1")->Dialog();
        // The 9th selected: today, the 8th, is measured in its own colour.
        Teil<TKalenderCtrl>(fenster, "KalenderCtrl1")->setDay(9);
        dlg->KalenderCtrl1->setDay(9);
        for (int seite = 0; seite < seiten->count(); ++seite) {
            seiten->setCurrentIndex(seite);
            QTest::qWait(10);
            EXPECT_EQ(SchwacheTexte(fenster, fenster.grab().toImage(), {Teil<TKalenderCtrl>(fenster, "KalenderCtrl1")})
                          .join(u'\n')
                          .toStdString(),
                      "")
                << (dunkel ? "dark " : "light ") << seite;
        }
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg));
        EXPECT_EQ(SchwacheTexte(*dlg, dlg->grab().toImage(), {dlg->KalenderCtrl1}).join(u'\n').toStdString(), "")
            << (dunkel ? "dark" : "light");
        dlg->hide();
        // The values keep their navy on the light palette.
        EXPECT_EQ(Teil<QLabel>(fenster, "lbSonneAuf")->palette().color(QPalette::WindowText) == QColor(0, 0, 128),
                  !dunkel);
    }
}

// Where a label's text is painted, by its alignment.
QRect TextFeld(const QLabel& l)
{
    const QSize groesse(l.fontMetrics().horizontalAdvance(l.text()), l.fontMetrics().height());
    return QStyle::alignedRect(l.layoutDirection(), l.alignment(), groesse, l.contentsRect())
        .translated(l.mapTo(l.window(), QPoint(0, 0)));
}

TEST_F(Zugang, AtTheSmallestSizeNoTextIsCutOrCovered)
{
    TKalender1 fenster;
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    fenster.resize(100, 100);
    EXPECT_EQ(fenster.size(), fenster.minimumSize());
    auto* seiten = Teil<QTabWidget>(fenster, "PageControl1");
    for (int seite = 0; seite < seiten->count(); ++seite) {
        seiten->setCurrentIndex(seite);
        QList<QLabel*> labels;
        for (QLabel* l : fenster.findChildren<QLabel*>())
            if (l->isVisibleTo(&fenster) && !l->text().isEmpty())
                labels << l;
        for (QLabel* l : labels) {
            const QRect text = TextFeld(*l);
            const QRect sichtbar(l->parentWidget()->mapTo(&fenster, QPoint(0, 0)), l->parentWidget()->size());
            EXPECT_TRUE(l->contentsRect().width() >= text.width() && sichtbar.contains(text))
                << l->objectName().toStdString() << " \"" << l->text().toStdString() << "\"";
            for (QLabel* m : labels)
                EXPECT_TRUE(l == m || !text.intersects(TextFeld(*m)))
                    << l->text().toStdString() << " / " << m->text().toStdString();
        }
    }
}

}  // namespace
}  // namespace lunoria
