// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "kalenderbtn.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "astronomy/sonnemond.h"
#include "calendar/datumstext.h"
#include "kalenderctrl.h"
#include "kalenderdlg.h"
#include "kalenderzugang.h"
#include "ressourcen.h"

namespace lunoria {

namespace {

void Rahmen(QPainter& p, QRect r, const QColor& a, const QColor& b)
{
    p.setPen(a);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(b);
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
}

}  // namespace

TKalenderBtn::TKalenderBtn(QWidget* parent)
    : TBasisKalenderClass(parent)
{
    SteuerRessourcenLaden();
    m_Dialog = std::make_unique<TvexKalenderDlg>();
    resize(23, 23);
    m_ButtonStil = kbs_Standard;
    QPixmap bild = RessourcenBild(QStringLiteral(":/lunoria/controls/KALCTRLBTN.xpm"), "XPM");
    if (!bild.isNull())
        bild.setMask(bild.createMaskFromColor(QColor(255, 255, 0), Qt::MaskInColor));
    m_Bild = bild;
    // A tab stop that opens the picker with Space or Enter; a click leaves the focus where it
    // is, so that the edit beside it is not checked before the picker opens.
    setFocusPolicy(Qt::TabFocus);
    ZugangInstallieren();
}

TKalenderBtn::~TKalenderBtn() = default;

TKalenderCtrl* TKalenderBtn::Gitter() const
{
    return m_Dialog->KalenderCtrl1;
}

void TKalenderBtn::DatumGeaendert()
{
    Q_EMIT OnDatumChange(this);
}

void TKalenderBtn::setButtonStil(int stil)
{
    if (stil == m_ButtonStil)
        return;
    m_ButtonStil = stil;
    update();
}

TKalBasisEdit* TKalenderBtn::DatumEdit() const
{
    return Gitter()->DatumEdit();
}
void TKalenderBtn::setDatumEdit(TKalBasisEdit* edit)
{
    Gitter()->setDatumEdit(edit);
    DatumGeaendert();
}
Extended TKalenderBtn::ModJulDat() const
{
    return Gitter()->ModJulDat();
}
void TKalenderBtn::setModJulDat(Extended mjd)
{
    Gitter()->setModJulDat(mjd);
    DatumGeaendert();
}
Extended TKalenderBtn::JulDat() const
{
    return Gitter()->JulDat();
}
void TKalenderBtn::setJulDat(Extended jd)
{
    Gitter()->setJulDat(jd);
    DatumGeaendert();
}
Extended TKalenderBtn::JulJHd() const
{
    return Gitter()->JulJHd();
}
void TKalenderBtn::setJulJHd(Extended jhd)
{
    Gitter()->setJulJHd(jhd);
    DatumGeaendert();
}
TDateTime TKalenderBtn::DatumZeit()
{
    return Gitter()->DatumZeit();
}
void TKalenderBtn::setDatumZeit(TDateTime wert)
{
    Gitter()->setDatumZeit(wert);
    DatumGeaendert();
}
double TKalenderBtn::DatumWert()
{
    return Gitter()->DatumWert();
}
void TKalenderBtn::setDatumWert(double wert)
{
    Gitter()->setDatumWert(wert);
    DatumGeaendert();
}
QString TKalenderBtn::TextDatum() const
{
    return Gitter()->TextDatum();
}
void TKalenderBtn::setTextDatum(const QString& text)
{
    Gitter()->setTextDatum(text);
    DatumGeaendert();
}
int TKalenderBtn::Day() const
{
    return Gitter()->Day();
}
void TKalenderBtn::setDay(int tag)
{
    Gitter()->setDay(tag);
    DatumGeaendert();
}
int TKalenderBtn::Monat() const
{
    return Gitter()->Monat();
}
void TKalenderBtn::setMonat(int monat)
{
    Gitter()->setMonat(monat);
    DatumGeaendert();
}
int TKalenderBtn::Jahr() const
{
    return Gitter()->Jahr();
}
void TKalenderBtn::setJahr(int jahr)
{
    Gitter()->setJahr(jahr);
    DatumGeaendert();
}

void TKalenderBtn::setDefaultDatum(Extended mjd)
{
    TBasisKalenderClass::setDefaultDatum(mjd);
    Gitter()->setDefaultDatum(mjd);
}
bool TKalenderBtn::ShowKalenderWoche() const
{
    return Gitter()->ShowKalenderWoche();
}
void TKalenderBtn::setShowKalenderWoche(bool an)
{
    Gitter()->setShowKalenderWoche(an);
}
int TKalenderBtn::MaxJahr() const
{
    return Gitter()->MaxJahr();
}
void TKalenderBtn::setMaxJahr(int jahr)
{
    Gitter()->setMaxJahr(jahr);
}
int TKalenderBtn::MinJahr() const
{
    return Gitter()->MinJahr();
}
void TKalenderBtn::setMinJahr(int jahr)
{
    Gitter()->setMinJahr(jahr);
}
int TKalenderBtn::Aussehen() const
{
    return Gitter()->Aussehen();
}
void TKalenderBtn::setAussehen(int stil)
{
    Gitter()->setAussehen(stil);
}
int TKalenderBtn::StartWochentag() const
{
    return Gitter()->StartWochentag();
}
void TKalenderBtn::setStartWochentag(int tag)
{
    Gitter()->setStartWochentag(tag);
}
int TKalenderBtn::ZeitBasis() const
{
    return Gitter()->ZeitBasis();
}
void TKalenderBtn::setZeitBasis(int basis)
{
    Gitter()->setZeitBasis(basis);
}
TKalenderFarben& TKalenderBtn::Farben()
{
    return Gitter()->Farben();
}

void TKalenderBtn::setFarben(const TKalenderFarben& farben)
{
    TKalenderFarben& eigen = Gitter()->Farben();
    QWidget* besitzer = eigen.Besitzer();
    eigen = farben;
    eigen.setBesitzer(besitzer);
    Gitter()->update();
}

TSonneMondAufUnter& TKalenderBtn::SonneMondAufUnter()
{
    return Gitter()->SonneMondAufUnter();
}
QString TKalenderBtn::SommerzeitBeginn() const
{
    return Gitter()->SommerzeitBeginn();
}
QString TKalenderBtn::SommerzeitEnde() const
{
    return Gitter()->SommerzeitEnde();
}
Extended TKalenderBtn::ZeitZonenOffset() const
{
    return Gitter()->ZeitZonenOffset();
}
bool TKalenderBtn::ShowSystemDatum() const
{
    return m_Dialog->ShowSystemDatum();
}
void TKalenderBtn::setShowSystemDatum(bool an)
{
    m_Dialog->SystemDatumZeigen(an);
}
bool TKalenderBtn::ShowMJDEdit() const
{
    return m_Dialog->ShowMJDEdit();
}
void TKalenderBtn::setShowMJDEdit(bool an)
{
    m_Dialog->MJDEditZeigen(an);
}
bool TKalenderBtn::ShowJD_JHd() const
{
    return m_Dialog->ShowJD_JHd();
}
void TKalenderBtn::setShowJD_JHd(bool an)
{
    m_Dialog->JDJHdZeigen(an);
}

void TKalenderBtn::JahreszeitenLokal(int jahr, std::array<Extended, 4>& zeiten) const
{
    Gitter()->JahreszeitenLokal(jahr, zeiten);
}

void TKalenderBtn::SommerzeitDaten(TSommerzeitInfoRec& rec) const
{
    Gitter()->SommerzeitDaten(rec);
}

void TKalenderBtn::ZumSystemDatum()
{
    Gitter()->ZumSystemDatum();
    DatumGeaendert();
}

void TKalenderBtn::DatumAnzeigen(QObject* quelle)
{
    if (m_Dialog)
        Gitter()->DatumAnzeigen(quelle);
    TBasisKalenderClass::DatumAnzeigen(quelle);
}

void TKalenderBtn::SetGesperrt(bool wert)
{
    TBasisKalenderClass::SetGesperrt(wert);
    m_Dialog->SetGesperrt(wert);
}

void TKalenderBtn::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor flaeche = FarbeZuQColor(COLOR_BTNFACE);
    const int w = width();
    const int h = height();
    p.fillRect(rect(), flaeche);
    if (!m_Bild.isNull()) {
        const int a = m_Bild.width() / 3;
        const int x = m_Gedrueckt ? (w - a) / 2 : (w - a + 1) / 2;
        const int y = (h - m_Bild.height()) / 2;
        const int quelle = m_Gedrueckt ? 2 * a : (isEnabled() ? 0 : a);
        p.drawPixmap(x, y, m_Bild, quelle, 0, a, m_Bild.height());
    }
    const QRect aussen(0, 0, w, h);
    const QRect innen = aussen.adjusted(1, 1, -1, -1);
    const QColor grau(128, 128, 128);
    if (m_Gedrueckt) {
        Rahmen(p, aussen, Qt::black, Qt::white);
        Rahmen(p, innen, grau, Qt::white);
    } else if (m_ButtonStil == kbs_Neu) {
        if (m_MausDrueber && isEnabled())
            Rahmen(p, aussen, FarbeZuQColor(COLOR_WINDOW), FarbeZuQColor(COLOR_INACTIVECAPTION));
        else
            Rahmen(p, aussen, flaeche, flaeche);
    } else {
        Rahmen(p, aussen, flaeche, Qt::black);
        Rahmen(p, innen, Qt::white, grau);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = aussen.adjusted(3, 3, -3, -3);
        fokus.backgroundColor = flaeche;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
    }
}

void TKalenderBtn::focusInEvent(QFocusEvent* event)
{
    TBasisKalenderClass::focusInEvent(event);
    update();
}

void TKalenderBtn::focusOutEvent(QFocusEvent* event)
{
    TBasisKalenderClass::focusOutEvent(event);
    update();
}

void TKalenderBtn::keyPressEvent(QKeyEvent* event)
{
    const int taste = event->key();
    if ((taste == Qt::Key_Space || taste == Qt::Key_Return || taste == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (isEnabled())
            Oeffnen();
        Q_EMIT OnClick();
        return;
    }
    TBasisKalenderClass::keyPressEvent(event);
}

void TKalenderBtn::enterEvent(QEnterEvent* event)
{
    TBasisKalenderClass::enterEvent(event);
    m_MausDrueber = true;
    if (m_ButtonStil == kbs_Neu)
        update();
}

void TKalenderBtn::leaveEvent(QEvent* event)
{
    TBasisKalenderClass::leaveEvent(event);
    m_MausDrueber = false;
    if (m_ButtonStil == kbs_Neu)
        update();
}

void TKalenderBtn::changeEvent(QEvent* event)
{
    TBasisKalenderClass::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TKalenderBtn::mousePressEvent(QMouseEvent* event)
{
    TBasisKalenderClass::mousePressEvent(event);
    const bool linksAllein = event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton &&
                             (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (linksAllein && isEnabled())
        Oeffnen();
    Q_EMIT OnClick();
}

void TKalenderBtn::Oeffnen()
{
    if (!isEnabled() || m_Gedrueckt)
        return;
    TKalBasisEdit* edit = Gitter()->DatumEdit();
    int status = 0;
    const Extended start = edit ? TextDatumZuMJD(edit->text().toStdString(), status) : Gitter()->ModJulDat();
    if (status != 0) {
        edit->setFocus();
        edit->selectAll();
        return;
    }
    m_Gedrueckt = true;
    repaint();
    // The dialog opens under the edit's left edge, clear of the edit and of this button beside
    // it: the rows that either of them takes up are kept free.
    const QRect knopf(mapToGlobal(QPoint(0, 0)), size());
    QRect anker = knopf;
    if (edit) {
        setModJulDat(start);
        const QRect feld(edit->mapToGlobal(QPoint(0, 0)), edit->size());
        anker = QRect(QPoint(feld.left(), std::min(feld.top(), knopf.top())),
                      QPoint(feld.right(), std::max(feld.bottom(), knopf.bottom())));
    }
    m_Dialog->Positionieren(QPoint(anker.left(), anker.bottom() + 1), edit ? anker.width() : 0, anker.height());
    const int ergebnis = m_Dialog->exec();
    if (ergebnis == QDialog::Accepted) {
        m_Geaendert = Gitter()->ModJulDat() != start;
        if (edit)
            edit->setText(Gitter()->TextDatum());
        DatumGeaendert();
    } else if (ergebnis == QDialog::Rejected) {
        Gitter()->setModJulDat(start);
        if (edit)
            edit->setText(QString::fromStdString(MJDZuTextDatum(start)));
    }
    m_Gedrueckt = false;
    repaint();
}

}  // namespace lunoria
