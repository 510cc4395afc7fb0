// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "kalenderctrl.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QIcon>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "astronomy/jahreszeiten.h"
#include "astronomy/sonnemond.h"
#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/texte.h"
#include "calendar/regional.h"
#include "kalenderzugang.h"
#include "meldungsbox.h"
#include "ressourcen.h"
#include "zeichenkette.h"

namespace lunoria {

namespace {

const QColor Navy(0, 0, 128);
const QColor Grau(128, 128, 128);

bool IstTag(TKalenderZellenArt art)
{
    return art == kza_Tag || art == kza_Samstag || art == kza_Sonntag;
}

QPixmap BildMitSchluessel(const QString& pfad, const QColor& schluessel)
{
    QPixmap bild = RessourcenBild(pfad, "XPM");
    if (!bild.isNull())
        bild.setMask(bild.createMaskFromColor(schluessel, Qt::MaskInColor));
    return bild;
}

// A line in the manner of a pen that moves from a to b: the end point itself stays unpainted.
void LinieBis(QPainter& p, QPoint a, QPoint b)
{
    if (a == b)
        return;
    QPoint ende = b;
    if (a.x() == b.x())
        ende.ry() += (b.y() > a.y()) ? -1 : 1;
    else if (a.y() == b.y())
        ende.rx() += (b.x() > a.x()) ? -1 : 1;
    p.drawLine(a, ende);
}

// A one-pixel frame on the edge of the rectangle (left, top) to (right, bottom), right and
// bottom exclusive: top and left edge in colour a, right and bottom edge in colour b.
void Rahmen3D(QPainter& p, int links, int oben, int rechts, int unten, const QColor& a, const QColor& b)
{
    if (rechts - links < 1 || unten - oben < 1)
        return;
    p.setPen(a);
    p.drawLine(links, oben, rechts - 1, oben);
    p.drawLine(links, oben, links, unten - 1);
    p.setPen(b);
    p.drawLine(rechts - 1, oben, rechts - 1, unten - 1);
    p.drawLine(links, unten - 1, rechts - 1, unten - 1);
}

}  // namespace

TGitterMasse GitterMasse(int breiteMo, int hoeheM, bool showCaption, bool showKalenderWoche)
{
    const int bw = breiteMo + 4;
    const int bh = hoeheM + 4;
    TGitterMasse m{};
    m.Breite = 8 * bw;
    m.Hoehe = (showCaption ? 8 : 7) * bh + 1;
    m.ZellenBreite = showKalenderWoche ? m.Breite / 8 : m.Breite / 7;
    m.ZellenHoehe = showCaption ? m.Hoehe / 8 : m.Hoehe / 7;
    return m;
}

TKalenderCtrl::TKalenderCtrl(QWidget* parent)
    : TBasisKalenderClass(parent)
{
    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setPointSize(8);
    setFont(schrift);
    // A tab stop: the keys pick the day (arrows), the month (Page Up, Page Down) and the year
    // (with Ctrl); Tab moves on to the next control.
    setFocusPolicy(Qt::StrongFocus);
    ZugangInstallieren();
    m_ZeitBasis = kzbGerman;
    m_SonneMondAufUnter = std::make_unique<TSonneMondAufUnter>(static_cast<TKalenderZeitBasis>(m_ZeitBasis));
    SteuerRessourcenLaden();
    m_DefaultDatumBild = BildMitSchluessel(QStringLiteral(":/lunoria/controls/DEFAULTDATUMBMP.xpm"), Qt::blue);
    m_SysDatumBild = BildMitSchluessel(QStringLiteral(":/lunoria/controls/SYSTEMZEITBMP.xpm"), Qt::blue);
    m_TagAngeklickt = true;
    m_ShowCaption = true;
    m_ShowTagesMarker = true;
    m_ShowKalenderWoche = false;
    m_Aussehen = kst_Standard;
    m_AktDatum = m_Modell.AktDatum();
}

TKalenderCtrl::~TKalenderCtrl() = default;

void TKalenderCtrl::FensterErzeugen()
{
    if (m_FensterDa)
        return;
    m_FensterDa = true;
    m_MarkerZelle.Wert = -2;
    m_Farben.setBesitzer(this);
    const auto knopf = [this](const char* name, const QString& glyphe, int tag) {
        auto* k = new QToolButton(this);
        k->setObjectName(QLatin1String(name));
        k->setAutoRaise(true);
        k->setFocusPolicy(Qt::NoFocus);  // Page Up and Page Down do the same from the keyboard
        k->setIcon(QIcon(RessourcenBild(glyphe, "XPM")));
        k->setIconSize(QSize(13, 13));
        k->move(1, 1);
        k->hide();
        connect(k, &QToolButton::clicked, this, [this, tag] { MonatBlaettern(tag); });
        return k;
    };
    m_KnopfLinks = knopf("KnopfLinks", QStringLiteral(":/lunoria/controls/KALSPINLEFT.xpm"), 0);
    m_KnopfLinks->setAccessibleName(QStringLiteral("Vorheriger Monat"));
    m_KnopfRechts = knopf("KnopfRechts", QStringLiteral(":/lunoria/controls/KALSPINRIGHT.xpm"), 1);
    m_KnopfRechts->setAccessibleName(QStringLiteral("Nächster Monat"));
    KopfzeileAufbauen();
    m_Modell.Uebernehmen();
    DatumUebernommen();
    GroesseBerechnen();
    DatumAnzeigen(this);
    m_DefaultModus = false;
}

void TKalenderCtrl::showEvent(QShowEvent* event)
{
    FensterErzeugen();
    TBasisKalenderClass::showEvent(event);
}

// ---- layout -------------------------------------------------------------------------------

void TKalenderCtrl::GroesseBerechnen()
{
    PufferVeraltet();
    if (!m_FensterDa || !m_KnopfLinks || !m_KnopfRechts)
        return;
    const QFontMetrics fm(font());
    const TGitterMasse ziel = GitterMasse(fm.horizontalAdvance(QStringLiteral("Mo")), fm.height(), m_ShowCaption,
                                          m_ShowKalenderWoche);
    if (width() != ziel.Breite || height() != ziel.Hoehe)
        resize(ziel.Breite, ziel.Hoehe);
    m_ZellenBreite = BerechneZellenBreite();
    m_ZellenHoehe = BerechneZellenHoehe();
    m_Puffer = QPixmap(QSize(ziel.Breite, ziel.Hoehe) * devicePixelRatioF());
    m_Puffer.setDevicePixelRatio(devicePixelRatioF());
    if (m_ShowCaption) {
        m_KnopfLinks->setGeometry(1, 1, m_ZellenBreite, m_ZellenHoehe - 1);
        const int rechts = m_Aussehen == kst_3D ? (m_ShowKalenderWoche ? 7 : 6) * m_ZellenBreite + 1
                                                : width() - m_ZellenBreite;
        m_KnopfRechts->setGeometry(rechts, 1, m_ZellenBreite, m_ZellenHoehe - 1);
    } else {
        m_KnopfLinks->resize(0, 0);
        m_KnopfRechts->resize(0, 0);
    }
    m_KnopfLinks->setVisible(m_ShowCaption);
    m_KnopfRechts->setVisible(m_ShowCaption);
}

int TKalenderCtrl::BerechneZellenBreite() const
{
    return m_ShowKalenderWoche ? width() / 8 : width() / 7;
}

int TKalenderCtrl::BerechneZellenHoehe() const
{
    return m_ShowCaption ? height() / 8 : height() / 7;
}

QPoint TKalenderCtrl::ZellenUrsprung(const TKalenderZelle& zelle) const
{
    const int x = (m_ShowKalenderWoche ? zelle.Spalte : zelle.Spalte - 1) * m_ZellenBreite;
    const int y = (m_ShowCaption ? zelle.Zeile : zelle.Zeile - 1) * m_ZellenHoehe;
    return {x, y};
}

const TKalenderZelle& TKalenderCtrl::Zelle(int spalte, int zeile) const
{
    return m_Zellen[static_cast<std::size_t>(std::clamp(spalte, 0, 7))]
                   [static_cast<std::size_t>(std::clamp(zeile, 0, 7))];
}

void TKalenderCtrl::KopfzeileAufbauen()
{
    auto& z = m_Zellen;
    z[0][0].Spalte = 0, z[0][0].Zeile = 0;
    z[7][0].Spalte = 7, z[7][0].Zeile = 0;
    z[0][1] = TKalenderZelle{-1, QString(), kza_Kopf, 0, 1, false};
    const auto& e = RegionaleEinstellungen();
    for (int i = 1; i <= 7; ++i) {
        int d = StartWochentag() + i;  // 1 = Sunday ... 7 = Saturday
        if (d > 7)
            d -= 7;
        const QString name = Q(e.KurzeTagNamen[static_cast<std::size_t>(d - 1)]).left(2);
        z[static_cast<std::size_t>(i)][1] = TKalenderZelle{-1, name, kza_Kopf, i, 1, false};
    }
    z[7][7] = TKalenderZelle{-1, QString(), kza_SysDatum, 7, 7, false};
    z[6][7] = TKalenderZelle{-1, QString(), kza_DefaultDatum, 6, 7, false};
}

void TKalenderCtrl::MonatAufbauen()
{
    const int monat = m_Modell.Monat();
    const int laenge = m_Modell.TageImAktMonat();
    const Extended m1 = MJDAusDatum(1, monat, m_Modell.Jahr(), 0);
    const int w = Wochentag(0, m1);
    int q = w - StartWochentag() + 1;
    if (q <= 0)
        q += 7;
    // The marker goes to the day of the requested date; floor keeps dates before 1858 on their day.
    const Extended markerTag = std::floor(m_Modell.NeuDatum());
    const auto& e = RegionaleEinstellungen();
    const QString name = (monat >= 1 && monat <= 12) ? Q(e.LangeMonatsNamen[static_cast<std::size_t>(monat - 1)])
                                                     : QString();
    m_Titel = QStringLiteral("%1 %2").arg(name).arg(m_Modell.Jahr());

    // Leading days of the previous month: its last q - 1 days, counted from its length, so
    // that the month before the calendar's first one needs no date that Caldat refuses.
    const int vorMonat = monat == 1 ? 12 : monat - 1;
    int vorTag = TageImMonat(vorMonat, monat == 1 ? m_Modell.Jahr() - 1 : m_Modell.Jahr()) - q + 2;
    for (int s = 1; s < q; ++s, ++vorTag)
        m_Zellen[static_cast<std::size_t>(s)][2] = TKalenderZelle{vorTag, QString::number(vorTag), kza_Ungueltig, s, 2,
                                                                  false};

    int spalte = q;
    int zeile = 2;
    for (Extended p = m1; !(spalte == 6 && zeile == 7); p += 1) {
        int d, m, j;
        Extended h;
        if (!Caldat(p, d, m, j, h))
            break;
        TKalenderZelle zelle{d, QString::number(d), kza_Ungueltig, spalte, zeile, false};
        if (!(d > laenge || m != monat)) {
            const int iso = Wochentag(1, p);
            zelle.Art = iso == 6 ? kza_Samstag : (iso == 7 ? kza_Sonntag : kza_Tag);
        }
        zelle.Heute = (p == m_Modell.SysDatum());
        m_Zellen[static_cast<std::size_t>(spalte)][static_cast<std::size_t>(zeile)] = zelle;
        if (p == markerTag)
            m_MarkerZelle = zelle;
        if (++spalte > 7) {
            spalte = 1;
            ++zeile;
        }
    }

    // Week column; its numbers assume rows that start on Monday.
    Extended k = KalenderwocheStart(m1);
    for (int j = 2; j <= 7; ++j, k += 7) {
        TKalenderZelle& zelle = m_Zellen[0][static_cast<std::size_t>(j)];
        zelle.Spalte = 0;
        zelle.Zeile = j;
        zelle.Heute = false;
        zelle.Art = kza_Ungueltig;
        zelle.Text.clear();  // a row without a day of the month shows no week
        if (j == 2 || IstTag(m_Zellen[1][static_cast<std::size_t>(j)].Art)) {
            zelle.Art = kza_KW;
            zelle.Text = QString::number(Kalenderwoche(k));
        }
    }
}

// ---- drawing -------------------------------------------------------------------------------

void TKalenderCtrl::AllesZeichnen()
{
    PufferVeraltet();
    update();
}

void TKalenderCtrl::paintEvent(QPaintEvent*)
{
    if (!m_FensterDa || m_Puffer.isNull())
        return;
    // Drawn at the screen's device pixel ratio, in logical coordinates; a move to a screen of
    // another ratio makes the buffer anew.
    if (const qreal verhaeltnis = devicePixelRatioF(); m_Puffer.devicePixelRatio() != verhaeltnis) {
        const QSize logisch = m_Puffer.deviceIndependentSize().toSize();
        m_Puffer = QPixmap(logisch * verhaeltnis);
        m_Puffer.setDevicePixelRatio(verhaeltnis);
        PufferVeraltet();
    }
    // Colours can change behind the grid's back (its colour set only repaints the owner), so
    // the colours drawn with are compared too; the marker goes over the copy.
    if (m_PufferVeraltet || !(m_PufferFarben == m_Farben)) {
        PufferZeichnen();
        m_PufferFarben = m_Farben;
        m_PufferVeraltet = false;
    }
    QPainter p(this);
    p.drawPixmap(QPointF(0, 0), m_Puffer,
                 QRectF(QPointF(0, 0), QSizeF(width(), height() + 1) * m_Puffer.devicePixelRatio()));
    p.setFont(font());
    MarkerZeichnen(p, m_MarkerZelle, !m_ShowTagesMarker);
    if (hasFocus() && m_MarkerZelle.Wert >= 1) {
        // Where the keys act: a focus frame just inside the selected day's cell.
        QStyleOptionFocusRect rahmen;
        rahmen.initFrom(this);
        rahmen.rect = QRect(ZellenUrsprung(m_MarkerZelle), QSize(m_ZellenBreite, m_ZellenHoehe)).adjusted(1, 1, -1, -1);
        rahmen.backgroundColor = FarbeZuQColor(m_Farben.FarbeBkTage());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &rahmen, &p, this);
    }
}

void TKalenderCtrl::PufferZeichnen()
{
    m_Puffer.fill(FarbeZuQColor(COLOR_BTNFACE));
    QPainter p(&m_Puffer);
    p.setFont(font());
    KopfZeichnen(p);
    TageZeichnen(p);
    if (m_ShowCaption)
        TitelZeichnen(p);
    LinienZeichnen(p);
}

void TKalenderCtrl::KopfZeichnen(QPainter& p)
{
    const int y = m_ZellenHoehe * (m_ShowCaption ? 1 : 0);
    p.fillRect(0, y, width(), m_ZellenHoehe, FarbeZuQColor(m_Farben.FarbeBkText()));
    for (int c = m_ShowKalenderWoche ? 0 : 1; c <= 7; ++c)
        ZelleZeichnen(p, m_Zellen[static_cast<std::size_t>(c)][1]);
}

void TKalenderCtrl::TageZeichnen(QPainter& p)
{
    const int oben = (m_ShowCaption ? 2 : 1) * m_ZellenHoehe;
    p.fillRect(0, oben, width(), std::max(0, m_Puffer.deviceIndependentSize().toSize().height() - oben),
               FarbeZuQColor(m_Farben.FarbeBkTage()));
    if (m_ShowKalenderWoche)
        for (int r = 2; r <= 7; ++r)
            ZelleZeichnen(p, m_Zellen[0][static_cast<std::size_t>(r)]);
    for (int r = 2; r <= 6; ++r)
        for (int c = 1; c <= 7; ++c)
            ZelleZeichnen(p, m_Zellen[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
    for (int c = 1; c <= 7; ++c)
        ZelleZeichnen(p, m_Zellen[static_cast<std::size_t>(c)][7]);
}

void TKalenderCtrl::TitelZeichnen(QPainter& p)
{
    p.fillRect(0, 0, width(), m_ZellenHoehe, FarbeZuQColor(m_Farben.FarbeBkCaption()));
    const QString& text = m_Titel;
    QFont fett = font();
    fett.setBold(true);
    p.setFont(fett);
    const QFontMetrics fm(fett);
    const int x = (width() - fm.horizontalAdvance(text)) / 2;
    const int y = (m_ZellenHoehe - fm.height()) / 2;
    p.setPen(LesbarAuf(m_Farben.FarbeCaption(), m_Farben.FarbeBkCaption()));
    p.drawText(x, y + fm.ascent(), text);
    p.setFont(font());
}

void TKalenderCtrl::ZelleZeichnen(QPainter& p, const TKalenderZelle& zelle)
{
    const QPoint ursprung = ZellenUrsprung(zelle);
    int x = ursprung.x();
    const int y = ursprung.y();
    const int w = m_ZellenBreite;
    const int h = m_ZellenHoehe;

    if (zelle.Art == kza_SysDatum || zelle.Art == kza_DefaultDatum) {
        const bool zeigen = zelle.Art == kza_SysDatum ? m_ShowSysDatBmp : m_ShowDefaultDatumBmp;
        const QPixmap& bild = zelle.Art == kza_SysDatum ? m_SysDatumBild : m_DefaultDatumBild;
        if (!zeigen || bild.isNull())
            return;
        const int bx = (m_Aussehen == kst_3D || m_ShowKalenderWoche) ? x + (w - bild.width()) / 2
                                                                     : x + w - bild.width() - 2;
        p.drawPixmap(bx, y + (h - bild.height()) / 2, bild);
        return;
    }

    TColor farbe = m_Farben.FarbeTage();
    switch (zelle.Art) {
    case kza_KW: farbe = m_Farben.FarbeKW(); break;
    case kza_Tag: farbe = m_Farben.FarbeTage(); break;
    case kza_Samstag: farbe = m_Farben.FarbeSamstag(); break;
    case kza_Sonntag: farbe = m_Farben.FarbeSonntag(); break;
    case kza_Ungueltig: farbe = m_Farben.FarbeUngueltig(); break;
    case kza_Kopf: farbe = m_Farben.FarbeText(); break;
    default: break;
    }
    const QFontMetrics fm(p.font());
    const int tw = fm.horizontalAdvance(zelle.Text);
    int dx = 1;
    if (zelle.Art == kza_Kopf) {
        x += (w - tw) / 2;
        dx = m_ShowKalenderWoche ? -1 : 0;
    } else {
        x += w - tw - 5;
    }
    QColor stift = FarbeZuQColor(farbe);
    bool fest = !(farbe & SystemFarbeFlag);
    if (zelle.Heute && zelle.Art != kza_Ungueltig) {
        stift = m_Aussehen == kst_win95 ? Navy : QColor(Qt::white);
        fest = true;
    }
    // Days of the neighbour months cannot be picked: they keep their colour, which may hide them.
    if (zelle.Art != kza_Ungueltig)
        stift = LesbarAuf(stift, fest, zelle.Art == kza_Kopf ? m_Farben.FarbeBkText() : m_Farben.FarbeBkTage());
    p.setPen(stift);
    p.drawText(x + dx, y + (h - fm.height()) / 2 + fm.ascent(), zelle.Text);
}

void TKalenderCtrl::LinienZeichnen(QPainter& p)
{
    const int w = m_ZellenBreite;
    const int h = m_ZellenHoehe;
    const int breite = width();
    const int hoehe = height();
    const QColor linien = FarbeZuQColor(m_Farben.FarbeLinien());
    const int tageOben = (m_ShowCaption ? 2 : 1) * h;
    switch (m_Aussehen) {
    case kst_Standard: {
        p.setPen(linien);
        LinieBis(p, {0, h}, {breite, h});
        if (m_ShowCaption) {
            LinieBis(p, {breite, h}, {breite, 0});
            LinieBis(p, {breite, 0}, {0, 0});
            LinieBis(p, {0, 0}, {0, 2 * h});
            LinieBis(p, {0, 2 * h}, {breite, 2 * h});
        }
        if (m_ShowKalenderWoche)
            LinieBis(p, {w, tageOben}, {w, hoehe});
        Rahmen3D(p, 0, 0, breite, hoehe, linien, linien);
        break;
    }
    case kst_3D: {
        for (int r = 1; r <= 7; ++r)
            for (int c = m_ShowKalenderWoche ? 0 : 1; c <= 7; ++c) {
                const QPoint o = ZellenUrsprung(m_Zellen[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
                Rahmen3D(p, o.x(), o.y(), o.x() + w, o.y() + h, Qt::white, Grau);
            }
        if (m_ShowCaption) {
            const int rechts = ZellenUrsprung(m_Zellen[7][0]).x();
            Rahmen3D(p, 0, 0, w, h, Qt::white, Grau);
            Rahmen3D(p, rechts, 0, rechts + w, h, Qt::white, Grau);
            Rahmen3D(p, w, 0, rechts, h, Qt::white, Grau);
        }
        break;
    }
    case kst_win95: {
        p.setPen(linien);
        if (m_ShowKalenderWoche)
            LinieBis(p, {w, tageOben}, {w, hoehe});
        Rahmen3D(p, 0, 0, breite, hoehe, Grau, Qt::white);
        Rahmen3D(p, 1, 1, breite - 1, hoehe - 1, Qt::black, FarbeZuQColor(COLOR_BTNFACE));
        break;
    }
    default: break;
    }
}

QColor TKalenderCtrl::LesbarAuf(TColor farbe, TColor hintergrund) const
{
    return LesbarAuf(FarbeZuQColor(farbe), !(farbe & SystemFarbeFlag), hintergrund);
}

QColor TKalenderCtrl::LesbarAuf(const QColor& farbe, bool festeFarbe, TColor hintergrund) const
{
    const QPalette& pal = QApplication::palette();
    if (festeFarbe && !DunklePalette(pal))
        return farbe;
    return LesbareFarbe(farbe, FarbeZuQColor(hintergrund),
                        {pal.color(QPalette::Link), pal.color(QPalette::Text), pal.color(QPalette::WindowText)});
}

QRect TKalenderCtrl::MarkerRechteck(const TKalenderZelle& zelle) const
{
    const QPoint o = ZellenUrsprung(zelle);
    return QRect(o.x() - 2, o.y() - 2, m_ZellenBreite + 5, m_ZellenHoehe + 5);
}

void TKalenderCtrl::MarkerNeuZeichnen(const TKalenderZelle& zelle)
{
    if (zelle.Wert >= 1)
        update(MarkerRechteck(zelle));
}

void TKalenderCtrl::MarkerZeichnen(QPainter& p, const TKalenderZelle& zelle, bool loeschen)
{
    if (zelle.Wert < 1)
        return;  // no day cell chosen yet
    const QPoint o = ZellenUrsprung(zelle);
    int x = o.x();
    int y = o.y();
    const int w = m_ZellenBreite;
    const int h = m_ZellenHoehe;
    switch (m_Aussehen) {
    case kst_Standard: {
        p.setPen(loeschen ? FarbeZuQColor(m_Farben.FarbeBkTage()) : QColor(Qt::black));
        if (zelle.Spalte == 7)
            x -= 1;
        if (zelle.Spalte == 1)
            x += 1;
        if (zelle.Zeile == 2)
            y += 1;
        if (zelle.Zeile == 7)
            y -= 1;
        const QPoint punkte[] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}};
        p.drawPolyline(punkte, 5);
        break;
    }
    case kst_3D:
        if (loeschen)
            Rahmen3D(p, x, y, x + w, y + h, Qt::white, Grau);
        else
            Rahmen3D(p, x, y, x + w, y + h, Grau, Qt::white);
        break;
    case kst_win95: {
        const QFontMetrics fm(p.font());
        const int th = fm.height();
        const int tw = fm.horizontalAdvance(zelle.Text);
        const int y0 = y + (h - th - 2) / 2;
        const int unten = y0 + th + 3 - (zelle.Zeile == 7 ? 1 : 0);
        const QRect feld(QPoint(x + w - tw - 6, y0), QPoint(x + w - 4 - 1, unten - 1));
        p.fillRect(feld, loeschen ? FarbeZuQColor(m_Farben.FarbeBkTage()) : Navy);
        QColor text = Qt::yellow;
        if (loeschen) {
            text = p.pen().color();
            if (zelle.Art == kza_Tag)
                text = LesbarAuf(m_Farben.FarbeTage(), m_Farben.FarbeBkTage());
            else if (zelle.Art == kza_Samstag)
                text = LesbarAuf(m_Farben.FarbeSamstag(), m_Farben.FarbeBkTage());
            else if (zelle.Art == kza_Sonntag)
                text = LesbarAuf(m_Farben.FarbeSonntag(), m_Farben.FarbeBkTage());
        }
        p.setPen(text);
        p.drawText(x + w - tw - 5, y0 + 1 + fm.ascent(), zelle.Text);
        break;
    }
    default: break;
    }
}

void TKalenderCtrl::MarkerSetzen()
{
    for (int c = m_ShowKalenderWoche ? 0 : 1; c <= 7; ++c)
        for (int r = 1; r <= 7; ++r) {
            const TKalenderZelle& zelle = m_Zellen[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            if (zelle.Art != kza_Ungueltig && zelle.Wert == Day())
                m_MarkerZelle = zelle;
        }
    MarkerNeuZeichnen(m_MarkerZelle);
}

void TKalenderCtrl::DatumAnzeigen(QObject* quelle)
{
    MonatAufbauen();
    AllesZeichnen();
    if (m_KnopfLinks)
        m_KnopfLinks->update();
    if (m_KnopfRechts)
        m_KnopfRechts->update();
    TBasisKalenderClass::DatumAnzeigen(quelle);
    GewaehlteZelleMelden(this);
}

void TKalenderCtrl::changeEvent(QEvent* event)
{
    TBasisKalenderClass::changeEvent(event);
    const QEvent::Type art = event->type();
    if (art == QEvent::PaletteChange || art == QEvent::ApplicationPaletteChange || art == QEvent::StyleChange)
        AllesZeichnen();
    if (art == QEvent::FontChange) {
        GroesseBerechnen();
        DatumAnzeigen(this);
    }
}

// ---- layout setters ------------------------------------------------------------------------

void TKalenderCtrl::setStartWochentag(int wert)
{
    if (wert == StartWochentag())
        return;
    m_Modell.setStartWochentag(wert);
    if (StartWochentag() != 1)
        m_ShowKalenderWoche = false;  // calendar weeks exist only for rows starting on Monday
    GroesseBerechnen();
    KopfzeileAufbauen();
    DatumAnzeigen(this);
}

void TKalenderCtrl::setShowKalenderWoche(bool wert)
{
    if (StartWochentag() != 1 || wert == m_ShowKalenderWoche)
        return;
    m_ShowKalenderWoche = wert;
    GroesseBerechnen();
    AllesZeichnen();
}

void TKalenderCtrl::setAussehen(int wert)
{
    if (wert == m_Aussehen)
        return;
    m_Aussehen = wert;
    GroesseBerechnen();
    m_Farben.FarbSchema(wert);
}

void TKalenderCtrl::setShowCaption(bool wert)
{
    m_ShowCaption = wert;
    GroesseBerechnen();
    AllesZeichnen();
}

void TKalenderCtrl::setShowTagesMarker(bool wert)
{
    if (wert == m_ShowTagesMarker)
        return;
    m_ShowTagesMarker = wert;
    MarkerNeuZeichnen(m_MarkerZelle);
}

void TKalenderCtrl::SetGesperrt(bool wert)
{
    TBasisKalenderClass::SetGesperrt(wert);
}

// ---- date state ----------------------------------------------------------------------------

void TKalenderCtrl::DatumUebernommen()
{
    m_AktDatum = m_Modell.AktDatum();
    m_NeuDatum = m_Modell.NeuDatum();
    m_SysDatum = m_Modell.SysDatum();
    m_SonneMondAufUnter->setZeitBasis(static_cast<TKalenderZeitBasis>(m_ZeitBasis));
    m_SonneMondAufUnter->Berechnen(m_AktDatum);
    m_SommerzeitBeginn = Q(m_SonneMondAufUnter->SommerzeitBeginn());
    m_SommerzeitEnde = Q(m_SonneMondAufUnter->SommerzeitEnde());
    DatumGeaendert();
}

void TKalenderCtrl::NeuesDatumZeigen()
{
    DatumUebernommen();
    DatumAnzeigen(this);
}

void TKalenderCtrl::DatumGeaendert()
{
    Q_EMIT OnDatumChange(this);
}

void TKalenderCtrl::setModJulDat(Extended mjd)
{
    m_Modell.ModJulDatSetzen(mjd);
    NeuesDatumZeigen();
}

Extended TKalenderCtrl::JulDat() const
{
    return m_Modell.JulDat();
}

void TKalenderCtrl::setJulDat(Extended jd)
{
    m_Modell.setJulDat(jd);
    NeuesDatumZeigen();
}

Extended TKalenderCtrl::JulJHd() const
{
    return m_Modell.JulJHd();
}

void TKalenderCtrl::setJulJHd(Extended jhd)
{
    m_Modell.setJulJHd(jhd);
    NeuesDatumZeigen();
}

TDateTime TKalenderCtrl::DatumZeit()
{
    return m_Modell.DatumZeit();
}

void TKalenderCtrl::setDatumZeit(TDateTime wert)
{
    m_Modell.setDatumZeit(wert);
    NeuesDatumZeigen();
}

double TKalenderCtrl::DatumWert()
{
    return m_Modell.DatumWert();
}

void TKalenderCtrl::setDatumWert(double wert)
{
    m_Modell.setDatumWert(wert);
    NeuesDatumZeigen();
}

QString TKalenderCtrl::TextDatum() const
{
    return Q(MJDZuTextDatum(m_Modell.AktDatum()));
}

void TKalenderCtrl::setTextDatum(const QString& text)
{
    if (!m_Modell.TextDatumSetzen(text.toStdString())) {
        ZeigeMeldung(window(), QStringLiteral("vexKalender - Lunoria Kalenderkomponenten"),
                     QString::fromUtf8(KalenderText(ktTextdatumUnlesbar)), TMeldungsArt::Warnung);
        return;
    }
    NeuesDatumZeigen();
}

void TKalenderCtrl::setDay(int tag)
{
    if (tag == Day())
        return;
    MarkerNeuZeichnen(m_MarkerZelle);
    m_Modell.TagSetzen(tag);
    DatumUebernommen();
    MarkerSetzen();
    TBasisKalenderClass::DatumAnzeigen(this);
    GewaehlteZelleMelden(this);
}

void TKalenderCtrl::setMonat(int monat)
{
    if (m_Modell.MonatSetzen(monat))
        NeuesDatumZeigen();
}

void TKalenderCtrl::setJahr(int jahr)
{
    if (m_Modell.JahrSetzen(jahr))
        NeuesDatumZeigen();
}

void TKalenderCtrl::setZeitBasis(int basis)
{
    if (basis == m_ZeitBasis)
        return;
    m_ZeitBasis = basis;
    m_Modell.Uebernehmen();
    DatumUebernommen();
}

Extended TKalenderCtrl::ZeitZonenOffset() const
{
    return ZeitZonenOffsetAm(m_AktDatum);
}

void TKalenderCtrl::setDatumEdit(TKalBasisEdit* edit)
{
    TBasisKalenderClass::setDatumEdit(edit);
    if (edit)
        edit->setText(TextDatum());
}

// ---- selection and input -------------------------------------------------------------------

bool TKalenderCtrl::ZelleUnter(int x, int y, int& spalte, int& zeile) const
{
    if (m_ZellenBreite <= 0 || m_ZellenHoehe <= 0 || x < 0 || y < 0)
        return false;
    spalte = x / m_ZellenBreite;
    if (!m_ShowKalenderWoche && spalte < 7)
        spalte += 1;
    zeile = y / m_ZellenHoehe;
    if (!m_ShowCaption)
        zeile += 1;
    return spalte >= 0 && spalte <= 7 && zeile >= 0 && zeile <= 7;
}

void TKalenderCtrl::ZelleAuswaehlen(const TKalenderZelle& zelle)
{
    MarkerNeuZeichnen(m_MarkerZelle);
    m_MarkerZelle = zelle;
    m_ShowTagesMarker = true;  // a picked day is always marked
    MarkerNeuZeichnen(m_MarkerZelle);
    m_Modell.TagWaehlen(zelle.Wert);
    DatumUebernommen();
    TBasisKalenderClass::DatumAnzeigen(this);
    GewaehlteZelleMelden(this);
}

void TKalenderCtrl::ZelleAktivieren(int spalte, int zeile)
{
    if (m_Gesperrt)
        return;
    const TKalenderZelle& zelle = Zelle(spalte, zeile);
    if (IstTag(zelle.Art)) {
        ZelleAuswaehlen(zelle);
    } else if (zelle.Art == kza_SysDatum && m_ShowSysDatBmp) {
        ZumSystemDatum();
    } else if (zelle.Art == kza_DefaultDatum && m_ShowDefaultDatumBmp) {
        m_DefaultModus = true;
        ZumSystemDatum();
        m_DefaultModus = false;
    }
}

void TKalenderCtrl::ZelleWaehlen(int x, int y)
{
    int c, r;
    if (!ZelleUnter(x, y, c, r) || !IstTag(m_Zellen[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)].Art)) {
        m_TagAngeklickt = false;
        return;
    }
    ZelleAuswaehlen(m_Zellen[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
    m_TagAngeklickt = true;
}

void TKalenderCtrl::mousePressEvent(QMouseEvent* event)
{
    TBasisKalenderClass::mousePressEvent(event);
}

void TKalenderCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    TBasisKalenderClass::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    if (m_Gesperrt)
        return;
    setFocus(Qt::MouseFocusReason);
    ZelleWaehlen(event->position().toPoint().x(), event->position().toPoint().y());
    Q_EMIT OnClick();
}

void TKalenderCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton || m_Gesperrt)
        return;
    int c, r;
    if (ZelleUnter(event->position().toPoint().x(), event->position().toPoint().y(), c, r)) {
        const TKalenderZellenArt art = m_Zellen[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)].Art;
        if (art == kza_SysDatum && m_ShowSysDatBmp) {
            ZumSystemDatum();
        } else if (art == kza_DefaultDatum && m_ShowDefaultDatumBmp) {
            m_DefaultModus = true;
            ZumSystemDatum();
            m_DefaultModus = false;
        }
    }
    Q_EMIT OnDblClick();
}

void TKalenderCtrl::focusInEvent(QFocusEvent* event)
{
    TBasisKalenderClass::focusInEvent(event);
    MarkerNeuZeichnen(m_MarkerZelle);
    GewaehlteZelleMelden(this);
}

void TKalenderCtrl::focusOutEvent(QFocusEvent* event)
{
    TBasisKalenderClass::focusOutEvent(event);
    MarkerNeuZeichnen(m_MarkerZelle);
}

void TKalenderCtrl::keyPressEvent(QKeyEvent* event)
{
    if (m_Gesperrt) {
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers mod = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (event->key()) {
    // The window's keys: Tab moves the focus on, Ctrl+Tab to the next page of a tab widget, and
    // Enter and Escape close a dialog.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->ignore(); return;
    // A month, with Ctrl a year back or on; the day is kept where the month has it.
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        event->accept();
        const int schritt = event->key() == Qt::Key_PageUp ? -1 : 1;
        if (mod == Qt::ControlModifier)
            setJahr(Jahr() + schritt);
        else if (mod == Qt::NoModifier)
            MonatBlaettern(schritt < 0 ? 0 : 1);
        return;
    }
    // The first and the last day of the month; with Alt, today as a double click on the
    // system-date picture gives it.
    case Qt::Key_Home:
    case Qt::Key_End:
        event->accept();
        if (mod == Qt::AltModifier && event->key() == Qt::Key_Home)
            ZumSystemDatum();
        else if (mod == Qt::NoModifier)
            setDay(event->key() == Qt::Key_Home ? 1 : m_Modell.TageImAktMonat());
        return;
    default: break;
    }
    event->accept();
    int c = m_MarkerZelle.Spalte;
    int r = m_MarkerZelle.Zeile;
    switch (event->key()) {
    case Qt::Key_Left:
        if (--c < 1) {
            c = 7;
            if (r > 1)
                --r;
        }
        break;
    case Qt::Key_Right:
        if (++c > 7) {
            c = 1;
            if (r < 7)
                ++r;
        }
        break;
    case Qt::Key_Up:
        if (r > 1)
            --r;
        break;
    case Qt::Key_Down:
        if (r < 7)
            ++r;
        break;
    default: return;
    }
    if (c < 0 || c > 7 || r < 0 || r > 7)
        return;
    const TKalenderZelle& ziel = m_Zellen[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
    if (IstTag(ziel.Art))
        ZelleAuswaehlen(ziel);
}

void TKalenderCtrl::MonatBlaettern(int tag)
{
    m_Modell.MonatBlaettern(tag);
    NeuesDatumZeigen();
}

void TKalenderCtrl::ZumSystemDatum()
{
    if (m_DefaultModus)
        m_Modell.ZumDefaultDatum(m_DefaultDatum);
    else
        m_Modell.ZumSystemDatum();
    NeuesDatumZeigen();
}

// ---- facts for the information window ------------------------------------------------------

QString TKalenderCtrl::LangDatum() const
{
    return Q(m_Modell.Tagesfakten().LangesDatum);
}

QString TKalenderCtrl::WochentagName() const
{
    return Q(m_Modell.Tagesfakten().Wochentagname);
}

QString TKalenderCtrl::MonatName() const
{
    return Q(m_Modell.Tagesfakten().Monatsname);
}

void TKalenderCtrl::SommerzeitDaten(TSommerzeitInfoRec& rec) const
{
    rec = m_SonneMondAufUnter->SommerzeitDaten();
}

void TKalenderCtrl::JahreszeitenLokal(int jahr, std::array<Extended, 4>& zeiten) const
{
    zeiten = lunoria::JahreszeitenLokal(jahr, m_SonneMondAufUnter->SommerzeitDaten());
}

}  // namespace lunoria
