// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The month grid: caption with month buttons, weekday header, six week rows, an optional
// calendar-week column, the day marker and the system-date and default-date picture cells.

#include <QPixmap>
#include <array>
#include <cstdint>
#include <memory>

#include "basiskalender.h"
#include "calendar/kalendermodell.h"
#include "calendar/sommerzeit.h"
#include "farben.h"

class QToolButton;

namespace lunoria {

class TSonneMondAufUnter;

enum TKalenderZellenArt : std::uint8_t {
    kza_KW = 0,   // calendar-week number
    kza_Tag = 1,  // Monday to Friday of the shown month
    kza_Samstag = 2,
    kza_Sonntag = 3,
    kza_Ungueltig = 4,    // a day of a neighbour month, or a week cell without a day of the month
    kza_Kopf = 5,         // weekday header
    kza_SysDatum = 6,     // system-date picture
    kza_DefaultDatum = 7  // default-date picture
};

struct TKalenderZelle {
    int Wert = 0;  // day of month; -1 for header and picture cells; 0 for week cells
    QString Text;  // at most two characters
    TKalenderZellenArt Art = kza_KW;
    int Spalte = 0;      // 0 week column, 1 ... 7 weekdays from StartWochentag
    int Zeile = 0;       // 0 caption, 1 header, 2 ... 7 weeks
    bool Heute = false;  // the cell's date is the system date
};

// Size of the grid from the text width of "Mo" and the text height of "M".
struct TGitterMasse {
    int Breite;        // control width: always eight base cells
    int Hoehe;         // control height
    int ZellenBreite;  // width div 8 with week column, div 7 without
    int ZellenHoehe;   // height div 8 with caption, div 7 without
};
TGitterMasse GitterMasse(int breiteMo, int hoeheM, bool showCaption, bool showKalenderWoche);

// The widget of the month grid: it shows a TKalenderModell and turns clicks, keys and property
// changes into calls of it.
class TKalenderCtrl : public TBasisKalenderClass {
    Q_OBJECT
    Q_PROPERTY(int Jahr READ Jahr WRITE setJahr)
    Q_PROPERTY(int Monat READ Monat WRITE setMonat)
    Q_PROPERTY(int Day READ Day WRITE setDay)
    Q_PROPERTY(int MinJahr READ MinJahr WRITE setMinJahr)
    Q_PROPERTY(int MaxJahr READ MaxJahr WRITE setMaxJahr)
    Q_PROPERTY(int StartWochentag READ StartWochentag WRITE setStartWochentag)
    Q_PROPERTY(bool ShowKalenderWoche READ ShowKalenderWoche WRITE setShowKalenderWoche)
    Q_PROPERTY(int Aussehen READ Aussehen WRITE setAussehen)
    Q_PROPERTY(int ZeitBasis READ ZeitBasis WRITE setZeitBasis)
    Q_PROPERTY(bool ShowTagesMarker READ ShowTagesMarker WRITE setShowTagesMarker)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE setShowCaption)
    Q_PROPERTY(QString TextDatum READ TextDatum WRITE setTextDatum)
    Q_PROPERTY(QString SommerzeitBeginn READ SommerzeitBeginn)
    Q_PROPERTY(QString SommerzeitEnde READ SommerzeitEnde)

public:
    explicit TKalenderCtrl(QWidget* parent = nullptr);
    ~TKalenderCtrl() override;

    // Creates the month buttons and applies the date once; runs by itself when the grid is
    // first shown. Nothing is drawn and no size is computed before.
    void FensterErzeugen();
    bool FensterDa() const { return m_FensterDa; }

    // Date properties.
    Extended ModJulDat() const { return m_Modell.AktDatum(); }
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
    int Day() const { return m_Modell.Day(); }
    void setDay(int tag);
    int Monat() const { return m_Modell.Monat(); }
    void setMonat(int monat);
    int Jahr() const { return m_Modell.Jahr(); }
    void setJahr(int jahr);
    int MinJahr() const { return m_Modell.MinJahr(); }
    void setMinJahr(int jahr) { m_Modell.setMinJahr(jahr); }
    int MaxJahr() const { return m_Modell.MaxJahr(); }
    void setMaxJahr(int jahr) { m_Modell.setMaxJahr(jahr); }
    int ZeitBasis() const { return m_ZeitBasis; }
    void setZeitBasis(int basis);
    Extended ZeitZonenOffset() const;
    QString SommerzeitBeginn() const { return m_SommerzeitBeginn; }
    QString SommerzeitEnde() const { return m_SommerzeitEnde; }
    void setDatumEdit(TKalBasisEdit* edit) override;

    // Layout and drawing properties.
    int StartWochentag() const { return m_Modell.StartWochentag(); }
    void setStartWochentag(int wert);
    bool ShowKalenderWoche() const { return m_ShowKalenderWoche; }
    void setShowKalenderWoche(bool wert);
    int Aussehen() const { return m_Aussehen; }
    void setAussehen(int wert);
    bool ShowCaption() const { return m_ShowCaption; }
    void setShowCaption(bool wert);
    bool ShowTagesMarker() const { return m_ShowTagesMarker; }
    void setShowTagesMarker(bool wert);
    TKalenderFarben& Farben() { return m_Farben; }
    const TKalenderFarben& Farben() const { return m_Farben; }
    TSonneMondAufUnter& SonneMondAufUnter() { return *m_SonneMondAufUnter; }
    const TSonneMondAufUnter& SonneMondAufUnter() const { return *m_SonneMondAufUnter; }

    // Status of the last date operation.
    TKalenderFehler Fehler() const { return m_Modell.Fehler(); }
    const TKalenderModell& Modell() const { return m_Modell; }
    bool TagAngeklickt() const { return m_TagAngeklickt; }
    int ZellenBreite() const { return m_ZellenBreite; }
    int ZellenHoehe() const { return m_ZellenHoehe; }
    const TKalenderZelle& Zelle(int spalte, int zeile) const;
    const TKalenderZelle& MarkerZelle() const { return m_MarkerZelle; }
    // Top left corner of a cell in client pixels (hidden rows and columns lie outside).
    QPoint ZellenUrsprung(const TKalenderZelle& zelle) const;
    // The caption's text: month name and year.
    const QString& Titel() const { return m_Titel; }
    // What a click does to a day of the shown month and a double click to a shown picture
    // cell, for a screen reader's press on that cell; nothing while locked.
    void ZelleAktivieren(int spalte, int zeile);

    // Facts of the current date for the information window.
    QString LangDatum() const;
    int KalenderWoche() { return m_Modell.KalenderWoche(); }
    Extended KalenderWocheStart() { return m_Modell.KalenderWocheStart(); }
    int TageImJahr() const { return m_Modell.TageImJahr(); }
    bool IstSchaltjahr() const { return m_Modell.IstSchaltjahr(); }
    int TagImJahr() const { return m_Modell.TagImJahr(); }
    QString WochentagName() const;
    QString MonatName() const;
    void SommerzeitDaten(TSommerzeitInfoRec& rec) const;
    void JahreszeitenLokal(int jahr, std::array<Extended, 4>& zeiten) const;
    void ZumSystemDatum();

    void DatumAnzeigen(QObject* quelle) override;
    void SetGesperrt(bool wert) override;

Q_SIGNALS:
    void OnDatumChange(QObject* sender);
    void OnClick();
    void OnDblClick();

public Q_SLOTS:
    // Previous month for tag 0, next month for tag 1.
    void MonatBlaettern(int tag);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    virtual void ZelleZeichnen(QPainter& p, const TKalenderZelle& zelle);
    virtual void MarkerZeichnen(QPainter& p, const TKalenderZelle& zelle, bool loeschen);
    virtual void MarkerSetzen();
    virtual int BerechneZellenBreite() const;
    virtual int BerechneZellenHoehe() const;
    virtual void DatumGeaendert();

private:
    void KopfzeileAufbauen();
    void MonatAufbauen();
    void GroesseBerechnen();
    void AllesZeichnen();
    void PufferZeichnen();
    void KopfZeichnen(QPainter& p);
    void TageZeichnen(QPainter& p);
    void TitelZeichnen(QPainter& p);
    void LinienZeichnen(QPainter& p);
    void MarkerNeuZeichnen(const TKalenderZelle& zelle);
    QRect MarkerRechteck(const TKalenderZelle& zelle) const;
    // A text colour against the colour of its row: the colour where it is readable there, else
    // one of the palette's text colours. A fixed colour is kept on a light palette.
    QColor LesbarAuf(TColor farbe, TColor hintergrund) const;
    QColor LesbarAuf(const QColor& farbe, bool festeFarbe, TColor hintergrund) const;

    // After the model applied a date: the base's copy of the date, sun and moon, the event.
    void DatumUebernommen();
    // After a date operation of the model: DatumUebernommen, then the whole grid anew.
    void NeuesDatumZeigen();
    void ZelleWaehlen(int x, int y);
    void ZelleAuswaehlen(const TKalenderZelle& zelle);
    bool ZelleUnter(int x, int y, int& spalte, int& zeile) const;
    // What the off-screen buffer shows must be drawn anew.
    void PufferVeraltet() { m_PufferVeraltet = true; }

    TKalenderModell m_Modell;
    std::array<std::array<TKalenderZelle, 8>, 8> m_Zellen{};  // [column][row]
    QString m_Titel;                                          // month name and year of the caption
    int m_ZellenHoehe = 0;
    int m_ZellenBreite = 0;
    bool m_DefaultModus = false;  // only during a jump to the default date
    bool m_TagAngeklickt = true;
    bool m_ShowKalenderWoche = false;
    QPixmap m_DefaultDatumBild;
    QPixmap m_SysDatumBild;
    int m_Aussehen = kst_Standard;
    int m_ZeitBasis = kzbGerman;
    TKalenderZelle m_MarkerZelle;
    bool m_ShowTagesMarker = true;
    bool m_ShowCaption = true;
    std::unique_ptr<TSonneMondAufUnter> m_SonneMondAufUnter;
    TKalenderFarben m_Farben;
    QString m_SommerzeitBeginn;
    QString m_SommerzeitEnde;
    QToolButton* m_KnopfLinks = nullptr;
    QToolButton* m_KnopfRechts = nullptr;
    QPixmap m_Puffer;  // off-screen image of the whole control
    bool m_PufferVeraltet = true;
    TKalenderFarben m_PufferFarben;  // the colours the buffer was drawn with
    bool m_FensterDa = false;
};

}  // namespace lunoria
