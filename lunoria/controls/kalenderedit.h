// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// A one-line field for a numeric date that filters what is typed, checks the date on Enter and
// when the focus leaves, restores a date on Esc and hands accepted dates to a bound calendar.

#include <QPointer>

#include "basiskalender.h"

namespace lunoria {

class TKalenderEdit : public TKalBasisEdit {
    Q_OBJECT
public:
    explicit TKalenderEdit(QWidget* parent = nullptr);

    // The longest date text of the years MinJahrStandard ... MaxJahrStandard in the regional
    // short date format, e.g. 31.12.5879490: the edit's input limit is its length.
    static QString LaengstesDatum();

    TBasisKalenderClass* Kalender() const { return m_Kalender; }
    void setKalender(TBasisKalenderClass* kalender);
    bool IstKalenderCtrl() const { return m_IstKalenderCtrl; }

    Extended DefaultDatum() const { return m_DefaultDatum; }
    void setDefaultDatum(Extended mjd) { m_DefaultDatum = mjd; }
    bool UseDefaultDatum() const { return m_UseDefaultDatum; }
    void setUseDefaultDatum(bool an) { m_UseDefaultDatum = an; }
    QString Version() const { return m_Version; }
    void setVersion(const QString& v) { m_Version = v; }

    // Writing the text warns when it is no readable date.
    void setText(const QString& text);
    Extended ModJulDat() const;
    void setModJulDat(Extended mjd);
    TDateTime DatumZeit() const;
    void setDatumZeit(TDateTime wert);
    // The bound calendar's date text, or today's without a calendar.
    QString KalenderText() const;

    void FehlerMelden();
    bool DatumPruefen();

Q_SIGNALS:
    void AfterDatumEdit(QObject* sender);

protected:
    virtual void DatumEditiert();
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // A pasted or dropped text too long for the field: the date warning, once the toolkit has
    // put the old text back. A typed character past the limit is dropped without a word.
    void ZuLangAbgelehnt() override;

private:
    void FokusZurueck();

    QPointer<TBasisKalenderClass> m_Kalender;
    bool m_IstKalenderCtrl = false;
    Extended m_DefaultDatum = 0;
    bool m_UseDefaultDatum = false;
    QString m_Version;
    bool m_Pruefend = false;  // a check is running: its message box takes the focus away
    bool m_Tippend = false;   // a typed character is being inserted
};

}  // namespace lunoria
