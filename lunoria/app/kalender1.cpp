// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "kalender1.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/regional.h"
#include "calendar/tagesinfo.h"
#include "astronomy/astroinfo.h"
#include "astronomy/mondbild.h"
#include "astronomy/sonnemond.h"
#include "controls/farben.h"
#include "controls/kalenderbtn.h"
#include "controls/kalenderctrl.h"
#include "controls/kalenderedit.h"
#include "controls/ressourcen.h"
#include "controls/schriften.h"
#include "controls/zeichenkette.h"
#include "calendar/zonenregel.h"
#include "ortdialog.h"

// The window's pictures live in this static library's resources, which the linker keeps only
// when something refers to them.
static void FensterRessourcenLaden()
{
    static const bool geladen = [] {
        Q_INIT_RESOURCE(lunoria);
        return true;
    }();
    (void)geladen;
}

namespace lunoria {

namespace {

constexpr int FensterBreite = 544;
constexpr int FensterHoehe = 374;

// Rows of the facts group: caption texts in the order of their value labels.
constexpr TBeschriftung InfoCaptions[] = {
    bsWochentag, bsMonat, bsJahr, bsLangesDatum, bsKalenderwoche, bsWocheBeginnt, bsTageSeit, bsTageBis, bsSchaltjahr,
};

constexpr int InfoZeilenAbstand = 22;
constexpr int InfoErsteZeile = 22;
constexpr int InfoCaptionX = 10;
constexpr int InfoWertX = 96;
constexpr int InfoLinks = 278;
constexpr int InfoBreite = 250;
constexpr int InfoZeilen = 10;  // nine facts, the long date on a row of its own

// The moon picture's frame on the "Astronomie" tab: left and right edge, and the row below it.
constexpr int MondLinks = 404;
constexpr int MondRechts = 534;
constexpr int MondUnten = 138;

// Row of the group that holds fact i (0 ... 8): the facts after the long date move down one
// row, since the long date's value takes the row below its caption.
constexpr int InfoZeileVon(int i)
{
    return i <= 3 ? i : i + 1;
}

constexpr int InfoZeileY(int zeile)
{
    return InfoErsteZeile + zeile * InfoZeilenAbstand;
}

QToolButton* SchliessenKnopf(QWidget* eltern, const char* name)
{
    auto* knopf = new QToolButton(eltern);
    knopf->setObjectName(QLatin1String(name));
    knopf->setText(QStringLiteral("Schließen"));
    knopf->setAutoRaise(true);             // flat until the pointer is over it
    knopf->setGeometry(436, 306, 88, 25);  // bottom right of the tab
    return knopf;
}

}  // namespace

TKalender1::TKalender1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    FensterRessourcenLaden();
    setObjectName(QStringLiteral("Kalender1"));
    setWindowTitle(QStringLiteral(" Brinvale Kalender"));
    // The window icon in the sizes that title bars and task switchers show; the 256-pixel
    // picture is for the menus. The window system receives every size of the icon as plain
    // pixels, which for 256 pixels alone costs the start some milliseconds.
    QIcon symbol;
    for (const QString& groesse : {QStringLiteral("16"), QStringLiteral("48")})
        symbol.addPixmap(RessourcenBild(QStringLiteral(":/lunoria/app/lunoria-%1.png").arg(groesse), "PNG"));
    setWindowIcon(symbol);
    QFont schrift;
    InstallierteFamilie(schrift, FensterFamilien());
    schrift.setPointSize(8);
    setFont(schrift);
    resize(FensterBreite, FensterHoehe);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        const QRect frei = bildschirm->availableGeometry();
        move(frei.center() - QPoint(FensterBreite / 2, FensterHoehe / 2));
    }

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, FensterBreite, FensterHoehe);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Allgemein"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Astronomie"));

    gbInfo = new QGroupBox(QStringLiteral(" Allgemeine Info's: "), TabSheet1);
    gbInfo->setObjectName(QStringLiteral("gbInfo"));
    gbInfo->setGeometry(InfoLinks, 8, InfoBreite, InfoErsteZeile + InfoZeilen * InfoZeilenAbstand + 6);
    QLabel* infoCaptions[9];
    for (int i = 0; i < 9; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(Caption(InfoCaptions[i])), gbInfo);
        caption->setGeometry(InfoCaptionX, InfoZeileY(InfoZeileVon(i)), InfoWertX - InfoCaptionX, 18);
        infoCaptions[i] = caption;
    }
    lbTextWochentag = WerteLabel(gbInfo, "lbTextWochentag", 0);
    lbTextMonat = WerteLabel(gbInfo, "lbTextMonat", 1);
    lbJahr = WerteLabel(gbInfo, "lbJahr", 2);
    lbDatumLang = WerteLabel(gbInfo, "lbDatumLang", 3);
    // The long date ("Donnerstag, 25. September 5879490") is wider than the value column: it
    // takes the row below its caption, across the whole group.
    lbDatumLang->setGeometry(InfoCaptionX, InfoZeileY(InfoZeileVon(3) + 1), InfoBreite - InfoCaptionX - 6, 18);
    lbKalWoche = WerteLabel(gbInfo, "lbKalWoche", 4);
    lbKWStart = WerteLabel(gbInfo, "lbKWStart", 5);
    lbTageseit = WerteLabel(gbInfo, "lbTageseit", 6);
    lbTagebis = WerteLabel(gbInfo, "lbTagebis", 7);
    lbSchaltjahr = WerteLabel(gbInfo, "lbSchaltjahr", 8);
    QLabel* infoWerte[9] = {lbTextWochentag, lbTextMonat, lbJahr,    lbDatumLang, lbKalWoche,
                            lbKWStart,       lbTageseit,  lbTagebis, lbSchaltjahr};
    for (int i = 0; i < 9; ++i)
        infoCaptions[i]->setBuddy(infoWerte[i]);

    // The month grid with its stored settings, applied through the setters in stored order.
    KalenderCtrl1 = new TKalenderCtrl(TabSheet1);
    KalenderCtrl1->setObjectName(QStringLiteral("KalenderCtrl1"));
    KalenderCtrl1->move(8, 8);
    QFont gitterSchrift;
    InstallierteFamilie(gitterSchrift, FensterFamilien());
    gitterSchrift.setPixelSize(19);
    KalenderCtrl1->setFont(gitterSchrift);
    QPalette gitterFarben = KalenderCtrl1->palette();
    gitterFarben.setColor(QPalette::WindowText, Qt::yellow);
    KalenderCtrl1->setPalette(gitterFarben);
    KalenderCtrl1->setStartWochentag(1);
    KalenderCtrl1->setZeitBasis(kzbGerman);
    KalenderCtrl1->setAussehen(kst_win95);
    KalenderCtrl1->setShowCaption(true);
    KalenderCtrl1->setUseDefaultDatum(false);
    KalenderCtrl1->SonneMondAufUnter().setBreite(49.47L);
    KalenderCtrl1->SonneMondAufUnter().setLaenge(-9.65L);
    connect(KalenderCtrl1, &TKalenderCtrl::OnDatumChange, this, &TKalender1::KalenderCtrl1DatumChange);

    cbKalenderwoche = CheckBox(TabSheet1, "cbKalenderwoche", "Kalenderwoche zeigen", 0, true);
    cbKalenderwoche->move(8, 250);
    cbTagesmarker = CheckBox(TabSheet1, "cbTagesmarker", "Tagesmarker", 1, false);
    cbTagesmarker->move(8, 272);
    cbSysDatBmp = CheckBox(TabSheet1, "cbSysDatBmp", "SysDatBmp", 2, false);
    cbSysDatBmp->move(120, 272);
    cbShowCaption = CheckBox(TabSheet1, "cbShowCaption", "ShowCaption", 4, false);
    cbShowCaption->move(8, 294);
    lbStartWochentag = new QLabel(QStringLiteral("Start Wochentag:"), TabSheet1);
    lbStartWochentag->setObjectName(QStringLiteral("lbStartWochentag"));
    const int unterGruppe = gbInfo->geometry().bottom() + 8;
    lbStartWochentag->setGeometry(InfoLinks, unterGruppe + 2, 90, 18);
    lbStartWochentag->hide();
    ComboBox1 = new QComboBox(TabSheet1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(InfoLinks + 92, unterGruppe, 120, 22);
    ComboBox1->hide();
    connect(ComboBox1, &QComboBox::activated, this, &TKalender1::ComboBox1Change);

    AstronomieAufbauen();

    SpeedButton1 = SchliessenKnopf(TabSheet1, "SpeedButton1");
    SpeedButton2 = SchliessenKnopf(TabSheet2, "SpeedButton2");
    connect(SpeedButton1, &QToolButton::clicked, this, &TKalender1::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TKalender1::SpeedButton1Click);

    // The place in the row of the close button: the button that changes it, then its name and
    // coordinates up to the close button.
    OrtKnopf = new QToolButton(TabSheet2);
    OrtKnopf->setObjectName(QStringLiteral("OrtKnopf"));
    OrtKnopf->setText(QStringLiteral("Ort…"));
    OrtKnopf->setGeometry(10, 306, 56, 25);
    connect(OrtKnopf, &QToolButton::clicked, this, &TKalender1::OrtKnopfClick);
    lbOrt = new QLabel(TabSheet2);
    lbOrt->setObjectName(QStringLiteral("lbOrt"));
    lbOrt->setGeometry(72, 310, 436 - 72 - 6, 16);
    m_Ort = VorgabeOrt();

    // Tab follows the screen: the place's button left of the close button.
    setTabOrder(OrtKnopf, SpeedButton2);
    // The controls stand at fixed places: smaller, the window would cut values and buttons.
    setMinimumSize(FensterBreite, FensterHoehe);

    PageControl1->setCurrentWidget(TabSheet2);  // the astronomy tab is the one shown at start
    FarbenAnpassen();
    FormCreate();
    OrtZeigen();
}

void TKalender1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        FarbenAnpassen();
}

void TKalender1::FarbenAnpassen()
{
    const QPalette& pal = QApplication::palette();
    const QColor navy(0, 0, 128);
    const QColor farbe = DunklePalette(pal) ? LesbareFarbe(navy, pal.color(QPalette::Window),
                                                           {pal.color(QPalette::Link), pal.color(QPalette::WindowText)})
                                            : navy;
    for (QLabel* label : m_WerteLabels) {
        QPalette farben = label->palette();
        farben.setColor(QPalette::WindowText, farbe);
        label->setPalette(farben);
    }
}

void TKalender1::WerteBenennen()
{
    for (const QLabel* caption : findChildren<QLabel*>()) {
        auto* wert = qobject_cast<QLabel*>(caption->buddy());
        if (!wert)
            continue;
        // A value cut to the label's width is whole in its tooltip.
        const bool gekuerzt = wert->text().endsWith(QChar(0x2026)) && !wert->toolTip().isEmpty();
        wert->setAccessibleName(caption->text() + QLatin1Char(' ') + (gekuerzt ? wert->toolTip() : wert->text()));
    }
}

void TKalender1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PageControl1->setGeometry(rect());
}

QLabel* TKalender1::WerteLabel(QWidget* eltern, const char* name, int zeile)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(InfoWertX, InfoZeileY(InfoZeileVon(zeile)), InfoBreite - InfoWertX - 6, 18);
    m_WerteLabels.push_back(label);  // navy
    return label;
}

QLabel* TKalender1::AstroLabel(const char* caption, const char* name, int x, int y, int captionBreite, int wertBreite,
                               Qt::Alignment ausrichtung)
{
    auto* c = new QLabel(QString::fromUtf8(caption), TabSheet2);
    c->setGeometry(x, y, captionBreite, 16);
    auto* wert = new QLabel(TabSheet2);
    wert->setObjectName(QLatin1String(name));
    wert->setGeometry(x + captionBreite, y, wertBreite, 16);
    wert->setAlignment(ausrichtung | Qt::AlignVCenter);
    c->setBuddy(wert);
    m_WerteLabels.push_back(wert);  // navy
    return wert;
}

void TKalender1::AstronomieAufbauen()
{
    KalenderEdit1 = new TKalenderEdit(TabSheet2);
    KalenderEdit1->setObjectName(QStringLiteral("KalenderEdit1"));
    // Wide enough to show the longest date (31.12.5879490) whole; the button right beside it.
    const int editBreite = std::max(80, EditBreite(*KalenderEdit1, TKalenderEdit::LaengstesDatum()));
    KalenderEdit1->setGeometry(10, 10, editBreite, 22);
    KalenderBtn1 = new TKalenderBtn(TabSheet2);
    KalenderBtn1->setObjectName(QStringLiteral("KalenderBtn1"));
    KalenderBtn1->setGeometry(10 + editBreite + 2, 9, 23, 23);
    KalenderBtn1->setDatumEdit(KalenderEdit1);
    KalenderBtn1->setZeitBasis(kzbStandard);
    KalenderBtn1->setShowSystemDatum(true);
    KalenderBtn1->setShowKalenderWoche(false);
    KalenderBtn1->setShowJD_JHd(false);
    KalenderBtn1->setShowMJDEdit(false);
    KalenderBtn1->setStartWochentag(1);
    KalenderBtn1->setMinJahr(-4712);
    KalenderBtn1->setMaxJahr(5879490);
    KalenderBtn1->SonneMondAufUnter().setBreite(49.47L);
    KalenderBtn1->SonneMondAufUnter().setLaenge(-9.65L);
    KalenderEdit1->setKalender(KalenderBtn1);
    connect(KalenderEdit1, &QLineEdit::textChanged, this, &TKalender1::KalenderEdit1Change);
    // A checked date that reads the same as the typed text changes no text, but it changes the
    // button's date: refresh on that too, or the tab would keep the previous date's data.
    connect(KalenderBtn1, &TKalenderBtn::OnDatumChange, this, &TKalender1::KalenderEdit1Change);

    constexpr int links = 10;
    constexpr int zeile = 18;
    const QFontMetrics masse(TabSheet2->font());
    const auto captionBreite = [&masse](std::initializer_list<const char*> captions, int mindestens) {
        int breite = mindestens;
        for (const char* c : captions)
            breite = std::max(breite, masse.horizontalAdvance(QString::fromUtf8(c)) + 6);
        return breite;
    };
    // The numbers end at x = 316; their labels begin where the longest caption ends, so that
    // the Julian Date of the last years (2.149.160.837,5000) fits.
    constexpr int jdRechts = links + 210 + 96;
    const int jdCaption = captionBreite({Caption(bsJD), Caption(bsMJD), Caption(bsJHd)}, 0);
    const int jdWert = std::max(jdRechts - links - jdCaption, 96);
    lbJD = AstroLabel(Caption(bsJD), "lbJD", links, 44, jdCaption, jdWert, Qt::AlignRight);
    lbMJD = AstroLabel(Caption(bsMJD), "lbMJD", links, 44 + zeile, jdCaption, jdWert, Qt::AlignRight);
    lbJHd = AstroLabel(Caption(bsJHd), "lbJHd", links, 44 + 2 * zeile, jdCaption, jdWert, Qt::AlignRight);
    const int sonne = 108;
    lbSonneAuf = AstroLabel(Caption(bsSonnenaufgang), "lbSonneAuf", links, sonne, 110, 110);
    lbSonneUnter = AstroLabel(Caption(bsSonnenuntergang), "lbSonneUnter", links, sonne + zeile, 110, 110);
    lbMondAuf = AstroLabel(Caption(bsMondaufgang), "lbMondAuf", links, sonne + 2 * zeile, 110, 110);
    lbMondUnter = AstroLabel(Caption(bsMonduntergang), "lbMondUnter", links, sonne + 3 * zeile, 110, 110);
    lbMondPhase = AstroLabel(Caption(bsMondphase), "lbMondPhase", links, sonne + 4 * zeile, 110, 160);
    const int zone = sonne + 5 * zeile + 8;
    lbGMT = AstroLabel(Caption(bsGMT), "lbGMT", links, zone, 110, 110);
    // Zone names run long ("Nordamerikanische Westküsten-Normalzeit"): the row is free up to
    // the moon picture's right edge.
    lbZeitzone = AstroLabel(Caption(bsZeitzone), "lbZeitzone", links, zone + zeile, 110, MondRechts - links - 110);
    // Two summer periods in a year ("am 28.04. um 02:00 Uhr und am 10.08. um 02:00 Uhr") take
    // the zone row's width.
    lbStartSommerzeit = AstroLabel(Caption(bsSommerzeitanfang), "lbStartSommerzeit", links, zone + 2 * zeile, 110,
                                   MondRechts - links - 110);
    lbEndeSommerzeit = AstroLabel(Caption(bsSommerzeitende), "lbEndeSommerzeit", links, zone + 3 * zeile, 110,
                                  MondRechts - links - 110);
    // Far from the present the times are rough estimates, and a day the zone's clocks skipped
    // has none: a note below the rows, shown for those days only, as wide as the rows above it
    // and clear of the close button below.
    lbNaeherung = new QLabel(QString::fromUtf8(NaeherungZeile), TabSheet2);
    lbNaeherung->setObjectName(QStringLiteral("lbNaeherung"));
    lbNaeherung->setGeometry(links, zone + 4 * zeile + 6, MondRechts - links, 16);
    m_WerteLabels.push_back(lbNaeherung);  // navy, as the values
    lbNaeherung->hide();

    // The seasons under the moon picture, their values as wide as the picture: the dates of
    // seven-digit years ("23.03.5879490  01:33 Uhr") fit. Only the heading reaches up beside
    // the picture; the captions stand left of it, where the rows on the left leave room.
    auto* jahreszeiten = new QLabel(QString::fromUtf8(Caption(bsJahreszeiten)), TabSheet2);
    QFont fett = jahreszeiten->font();
    fett.setBold(true);
    jahreszeiten->setFont(fett);
    const int saisonCaption = std::max(
        captionBreite({Caption(bsFruehling), Caption(bsSommer), Caption(bsHerbst), Caption(bsWinter)}, 88),
        QFontMetrics(fett).horizontalAdvance(jahreszeiten->text()) + 6);
    const int rechts = MondLinks - saisonCaption;
    const int saison = MondUnten - zeile + 2;
    jahreszeiten->setGeometry(rechts, saison, saisonCaption, 16);
    lbFruehling = AstroLabel(Caption(bsFruehling), "lbFruehling", rechts, saison + zeile, saisonCaption,
                             MondRechts - MondLinks);
    lbSommer = AstroLabel(Caption(bsSommer), "lbSommer", rechts, saison + 2 * zeile, saisonCaption,
                          MondRechts - MondLinks);
    lbHerbst = AstroLabel(Caption(bsHerbst), "lbHerbst", rechts, saison + 3 * zeile, saisonCaption,
                          MondRechts - MondLinks);
    lbWinter = AstroLabel(Caption(bsWinter), "lbWinter", rechts, saison + 4 * zeile, saisonCaption,
                          MondRechts - MondLinks);

    // The moon picture in a raised frame, and the hidden image that holds the full moon.
    Panel1 = new QFrame(TabSheet2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(MondLinks, 8, MondRechts - MondLinks, MondUnten - 8);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(5, 5, 120, 120);
    MondImage = new QLabel(TabSheet2);
    MondImage->setObjectName(QStringLiteral("MondImage"));
    MondImage->setPixmap(RessourcenBild(QStringLiteral(":/lunoria/app/mondimage.png"), "PNG"));
    MondImage->setGeometry(404, 8, 120, 120);
    MondImage->hide();

    // The time basis of the drop-down button as a two-column choice, not shown; item 0 is the
    // stored selection and does not by itself change the button's stored basis.
    rgZB = new QGroupBox(QStringLiteral(" ZeitBasis"), TabSheet2);
    rgZB->setObjectName(QStringLiteral("rgZB"));
    rgZB->setGeometry(330, 260, 200, 42);
    rgZBItems = new QButtonGroup(rgZB);
    const char* eintraege[] = {"kzbGerman", "kzbStandard"};
    for (int i = 0; i < 2; ++i) {
        auto* knopf = new QRadioButton(QLatin1String(eintraege[i]), rgZB);
        knopf->setGeometry(8 + i * 96, 18, 92, 18);
        rgZBItems->addButton(knopf, i);
    }
    rgZBItems->button(0)->setChecked(true);
    rgZB->hide();
    connect(rgZBItems, &QButtonGroup::idClicked, this, &TKalender1::rgZBClick);
}

void TKalender1::rgZBClick()
{
    KalenderBtn1->setZeitBasis(rgZBItems->checkedId() == 0 ? kzbGerman : kzbStandard);
    KalenderEdit1Change();
}

void TKalender1::KalenderEdit1Change()
{
    if (!KalenderBtn1 || !Image1)
        return;  // the edit reports changes while the tab is still being built
    // The tab shows the drop-down button's date, not the edit's text: a typed but unconfirmed
    // text leaves the button, and so the tab, on the last accepted date. The edit's every
    // change and the button's date events both land here; only a new date, time basis or place
    // is worth computing.
    const TSonneMondAufUnter& sm = KalenderBtn1->SonneMondAufUnter();
    const TAstroStand stand{KalenderBtn1->ModJulDat(), KalenderBtn1->ZeitBasis(), sm.Breite(), sm.Laenge(), OrtsZone()};
    if (m_AstroStand == stand)
        return;
    m_AstroStand = stand;
    ++m_AstronomieBerechnungen;

    const Astroinfo info = AstroinfoDesKnopfs();
    const TAstroinfoTexte t = AstroinfoTexte(info);
    lbJD->setText(Q(t.lbJD));
    lbMJD->setText(Q(t.lbMJD));
    lbJHd->setText(Q(t.lbJHd));
    lbSonneAuf->setText(Q(t.lbSonneAuf));
    lbSonneUnter->setText(Q(t.lbSonneUnter));
    lbSonneAuf->setToolTip(Q(DaemmerungZeilen(t)));
    lbSonneUnter->setToolTip(lbSonneAuf->toolTip());
    lbMondAuf->setText(Q(t.lbMondAuf));
    lbMondUnter->setText(Q(t.lbMondUnter));
    lbMondPhase->setText(Q(t.lbMondPhase));
    lbGMT->setText(Q(t.lbGMT));
    lbZeitzone->setText(Q(t.lbZeitzone));
    // A year with two summer periods names both: as much as the label holds, whole in the
    // tooltip.
    for (const auto& [label, text] :
         {std::pair{lbStartSommerzeit, Q(t.lbStartSommerzeit)}, std::pair{lbEndeSommerzeit, Q(t.lbEndeSommerzeit)}}) {
        const QString gezeigt = label->fontMetrics().elidedText(text, Qt::ElideRight, label->width());
        label->setText(gezeigt);
        label->setToolTip(gezeigt == text ? QString() : text);
    }
    lbFruehling->setText(Q(t.lbFruehling));
    lbSommer->setText(Q(t.lbSommer));
    lbHerbst->setText(Q(t.lbHerbst));
    lbWinter->setText(Q(t.lbWinter));
    // A day the zone's clocks skipped says so in the note's row (no other note fits a year the
    // clocks of a zone knew).
    lbNaeherung->setText(info.Hinweis.empty() ? QString::fromUtf8(NaeherungZeile) : Q(info.Hinweis));
    lbNaeherung->setVisible(!info.Hinweis.empty() || GrobeNaeherung(JahrVon(stand.ModJulDat)));

    // The moon as it looks for the date: fills the whole image, on the button-face colour,
    // drawn at the screen's device pixel ratio (on a screen of ratio above 1 from the full moon
    // of twice the size).
    const qreal verhaeltnis = Image1->devicePixelRatioF();
    QImage& vollmond = verhaeltnis > 1 ? m_Vollmond2x : m_Vollmond;
    if (m_Vollmond.isNull())
        m_Vollmond = MondImage->pixmap().toImage();
    if (verhaeltnis > 1 && m_Vollmond2x.isNull())
        m_Vollmond2x = RessourcenBild(QStringLiteral(":/lunoria/app/mondimage@2x.png"), "PNG").toImage();
    Image1->setPixmap(
        QPixmap::fromImage(MondBild(Image1->size(), verhaeltnis, FarbeZuQColor(COLOR_BTNFACE), info.Beleuchtung,
                                    info.Bildwinkel, info.Zunehmend, vollmond.isNull() ? &m_Vollmond : &vollmond)));
    // What the picture shows, for a screen reader: "Mond zu 98 % beleuchtet, abnehmend".
    Image1->setAccessibleName(QStringLiteral("Mond zu %1 % beleuchtet, %2")
                                  .arg(static_cast<int>(std::lround(info.Beleuchtung)))
                                  .arg(info.Zunehmend ? QStringLiteral("zunehmend") : QStringLiteral("abnehmend")));
    WerteBenennen();
}

Astroinfo TKalender1::AstroinfoDesKnopfs()
{
    const TSonneMondAufUnter& sm = KalenderBtn1->SonneMondAufUnter();
    const Extended mjd = KalenderBtn1->ModJulDat();
    const auto basis = static_cast<TKalenderZeitBasis>(KalenderBtn1->ZeitBasis());
    // The button's grid has just run its sun-and-moon object for its date and basis, at the
    // place that the object keeps; each run replaces every output, so its outputs are those of
    // a fresh computation. Only when the object lags behind is the date computed anew.
    if (sm.Zeitpunkt() != mjd || sm.ZeitBasis() != basis)
        return AstroinfoBerechnen(mjd, basis, sm.Breite(), sm.Laenge());
    return AstroinfoAus(sm, mjd);
}

QCheckBox* TKalender1::CheckBox(QWidget* eltern, const char* name, const char* text, int tag, bool sichtbar)
{
    auto* box = new QCheckBox(QString::fromUtf8(text), eltern);
    box->setObjectName(QLatin1String(name));
    box->setProperty("Tag", tag);
    box->adjustSize();
    box->setVisible(sichtbar);
    // Bound like a click: it also runs when the program changes the state.
    connect(box, &QCheckBox::toggled, this, [this, box] { CheckBoxClick(box); });
    return box;
}

void TKalender1::FormCreate()
{
    const auto& e = RegionaleEinstellungen();
    for (const std::string& name : e.LangeTagNamen)
        ComboBox1->addItem(Q(name));
    KalenderCtrl1->ZumSystemDatum();
    KalenderCtrl1->setDefaultDatum(MJDAusDatum(1, 1, KalenderCtrl1->Jahr(), 0));
    ComboBox1->setCurrentIndex(KalenderCtrl1->StartWochentag());
    cbTagesmarker->setChecked(KalenderCtrl1->ShowTagesMarker());
    cbSysDatBmp->setChecked(KalenderCtrl1->ShowSysDatBmp());
    cbKalenderwoche->setChecked(KalenderCtrl1->ShowKalenderWoche());
    cbShowCaption->setChecked(KalenderCtrl1->ShowCaption());
    KalenderBtn1->ZumSystemDatum();
    KalenderEdit1Change();
}

void TKalender1::CheckBoxClick(QCheckBox* box)
{
    const bool an = box->isChecked();
    switch (box->property("Tag").toInt()) {
    case 0: KalenderCtrl1->setShowKalenderWoche(an); break;
    case 1: KalenderCtrl1->setShowTagesMarker(an); break;
    case 2: KalenderCtrl1->setShowSysDatBmp(an); break;
    case 4: KalenderCtrl1->setShowCaption(an); break;
    default: break;
    }
}

void TKalender1::ComboBox1Change()
{
    KalenderCtrl1->setStartWochentag(ComboBox1->currentIndex());
    if (cbKalenderwoche->isChecked())
        cbKalenderwoche->setChecked(false);
    // Calendar weeks are defined for weeks that start on Monday only.
    cbKalenderwoche->setEnabled(KalenderCtrl1->StartWochentag() == 1);
    KalenderCtrl1DatumChange();
}

void TKalender1::KalenderCtrl1DatumChange()
{
    if (!lbSchaltjahr)
        return;  // the grid reports dates while the window is still being built
    const Tagesinfo info = TagesinfoBerechnen(KalenderCtrl1->ModJulDat(), KalenderCtrl1->StartWochentag());
    lbTextWochentag->setText(Q(info.Wochentagname));
    lbTextMonat->setText(Q(info.Monatsname));
    lbJahr->setText(QString::number(info.Jahr));
    lbDatumLang->setText(Q(info.LangesDatum));
    if (info.KWBeginn != -1) {
        lbKalWoche->setText(QString::number(info.KW));
        lbKWStart->setText(Q(MJDZuTextDatum(info.KWBeginn)));
    } else {
        lbKalWoche->clear();
        lbKWStart->clear();
    }
    lbTageseit->setText(QString::number(info.TageSeit));
    lbTagebis->setText(QString::number(info.TageBis));
    lbSchaltjahr->setText(QString::fromUtf8(info.Schaltjahr ? JaText : NeinText));
    WerteBenennen();
}

void TKalender1::setOrt(const TOrt& ort, bool merken)
{
    m_Ort = ort;
    // The zone first: the sun-and-moon objects compute their local times anew with the place.
    if (!SetzeOrtsZone(m_Ort.Zone)) {
        m_Ort.Zone.clear();
        SetzeOrtsZone("");
    }
    for (TSonneMondAufUnter* sm : {&KalenderCtrl1->SonneMondAufUnter(), &KalenderBtn1->SonneMondAufUnter()}) {
        sm->setBreite(static_cast<Extended>(m_Ort.Breite));
        sm->setLaenge(static_cast<Extended>(-m_Ort.Laenge));  // kept west positive
        sm->Berechnen(sm->Zeitpunkt());                       // also when only the zone changed
    }
    OrtZeigen();
    KalenderEdit1Change();
    if (merken)
        OrtSpeichern(OrtsDatei(), m_Ort);
}

void TKalender1::OrtZeigen()
{
    const QString koordinaten = QString::fromStdString(KoordinatenText(m_Ort.Breite, m_Ort.Laenge));
    const QString name = QString::fromStdString(m_Ort.Name);
    const QString text = QString::fromUtf8(Caption(bsOrt)) + QLatin1Char(' ') +
                         (name == koordinaten ? name : name + " (" + koordinaten + ")");
    const QString gezeigt = lbOrt->fontMetrics().elidedText(text, Qt::ElideMiddle, lbOrt->width());
    lbOrt->setText(gezeigt);
    lbOrt->setToolTip(QString::fromStdString(OrtZeile(m_Ort)) +
                      (m_Ort.Zone.empty() ? QString() : QStringLiteral(", ") + QString::fromStdString(m_Ort.Zone)));
}

void TKalender1::OrtKnopfClick()
{
    if (!m_OrtDialog) {
        m_OrtDialog = new TOrtDialog(this);
        m_OrtDialog->setWindowFlag(Qt::Window);
        connect(m_OrtDialog, &TOrtDialog::OrtGewaehlt, this, [this](const TOrt& ort) { setOrt(ort, true); });
        m_OrtDialog->move(geometry().topRight() + QPoint(8, 0));
    }
    m_OrtDialog->show();
    m_OrtDialog->raise();
    m_OrtDialog->activateWindow();
}

void TKalender1::SpeedButton1Click()
{
    close();
}

}  // namespace lunoria
