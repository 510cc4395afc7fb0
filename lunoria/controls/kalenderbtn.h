// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// A small square button with a calendar sheet that opens the date-picker dialog under its linked
// date edit. The dialog's month grid holds the button's whole date state.

#include <QPixmap>
#include <array>
#include <memory>

#include "basiskalender.h"
#include "calendar/sommerzeit.h"
#include "farben.h"

namespace lunoria {

class TKalenderCtrl;
class TSonneMondAufUnter;
class TvexKalenderDlg;

enum TKalBtnStil : int { kbs_Standard = 0, kbs_Neu = 1 };

class TKalenderBtn : public TBasisKalenderClass {
    Q_OBJECT
public:
    explicit TKalenderBtn(QWidget* parent = nullptr);
    ~TKalenderBtn() override;

    TvexKalenderDlg* Dialog() const { return m_Dialog.get(); }
    TKalenderCtrl* Gitter() const;

    bool Geaendert() const { return m_Geaendert; }
    bool Gedrueckt() const { return m_Gedrueckt; }
    int ButtonStil() const { return m_ButtonStil; }
    void setButtonStil(int stil);

    // Date properties of the dialog's grid; writes fire OnDatumChange.
    TKalBasisEdit* DatumEdit() const;
    void setDatumEdit(TKalBasisEdit* edit) override;
    Extended ModJulDat() const;
    void setModJulDat(Extended mjd);
    Extended JulDat() const;
    void setJulDat(Extended jd);
    Extended JulJHd() const;
    void setJulJHd(Extended jhd);
    TDateTime DatumZeit();
    void setDatumZeit(TDateTime wert);
    double DatumWert();
    void setDatumWert(double wert);
    QString TextDatum() const;
    void setTextDatum(const QString& text);
    int Day() const;
    void setDay(int tag);
    int Monat() const;
    void setMonat(int monat);
    int Jahr() const;
    void setJahr(int jahr);

    // Properties of the grid, forwarded without an event.
    void setDefaultDatum(Extended mjd) override;
    bool ShowKalenderWoche() const;
    void setShowKalenderWoche(bool an);
    int MaxJahr() const;
    void setMaxJahr(int jahr);
    int MinJahr() const;
    void setMinJahr(int jahr);
    int Aussehen() const;
    void setAussehen(int stil);
    int StartWochentag() const;
    void setStartWochentag(int tag);
    int ZeitBasis() const;
    void setZeitBasis(int basis);
    TKalenderFarben& Farben();
    // Copies the colours: the grid keeps its own colour set.
    void setFarben(const TKalenderFarben& farben);
    TSonneMondAufUnter& SonneMondAufUnter();
    QString SommerzeitBeginn() const;
    QString SommerzeitEnde() const;
    Extended ZeitZonenOffset() const;

    // The dialog's panel switches.
    bool ShowSystemDatum() const;
    void setShowSystemDatum(bool an);
    bool ShowMJDEdit() const;
    void setShowMJDEdit(bool an);
    bool ShowJD_JHd() const;
    void setShowJD_JHd(bool an);

    void JahreszeitenLokal(int jahr, std::array<Extended, 4>& zeiten) const;
    void SommerzeitDaten(TSommerzeitInfoRec& rec) const;
    void ZumSystemDatum();

    void DatumAnzeigen(QObject* quelle) override;
    void SetGesperrt(bool wert) override;

public Q_SLOTS:
    // Opens the picker under the linked edit, modally, as a left press does: OK takes the
    // picked date, Cancel puts the old one back. An unreadable date in the edit keeps it shut
    // and gives the edit the focus.
    void Oeffnen();

Q_SIGNALS:
    void OnDatumChange(QObject* sender);
    void OnClick();

protected:
    virtual void DatumGeaendert();
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<TvexKalenderDlg> m_Dialog;
    QPixmap m_Bild;  // three frames: normal, disabled, pressed
    bool m_Geaendert = false;
    bool m_Gedrueckt = false;
    bool m_MausDrueber = false;
    int m_ButtonStil = kbs_Standard;
};

}  // namespace lunoria
