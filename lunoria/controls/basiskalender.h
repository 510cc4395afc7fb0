// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// What every calendar control shares: the date state, the link to a date edit, the picture-cell
// switches and the lock against user input.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include "calendar/extended.h"

namespace lunoria {

// The single-line edit that a calendar control can show its date in. Its length limit holds for
// what the user types, pastes or drops, and a change beyond it is refused whole: a pasted text
// is never cut into another date. A text that the program writes is shown whole, so that a
// date longer than the limit is never cut either; typing can then shorten that text but not
// lengthen it.
class TKalBasisEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
public:
    explicit TKalBasisEdit(QWidget* parent = nullptr);

    // The input limit in characters.
    int maxLength() const { return m_Tippgrenze; }
    void setMaxLength(int laenge);
    // Shows the text whole, whatever the input limit.
    void setText(const QString& text);

protected:
    // A change of the user's is refused for its length; the toolkit keeps the text as it was.
    // Called from within the toolkit's check of the change: show nothing modal from here.
    virtual void ZuLangAbgelehnt() {}

private:
    class TLaengenPruefer;

    // Whether the user may change the text to neu: no longer than the limit, or than a longer
    // text already shown.
    bool LaengeErlaubt(const QString& neu);

    int m_Tippgrenze = 32767;  // the toolkit's default: no practical limit
    qsizetype m_Laenge = 0;    // length of the text shown before the change being checked
};

// The width that a line edit needs to show text whole, in its font, margins and frame.
int EditBreite(const QLineEdit& edit, const QString& text);

class TBasisKalenderClass : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double DefaultDatum READ DefaultDatumD WRITE setDefaultDatumD)
    Q_PROPERTY(QString Version READ Version WRITE setVersion)
    Q_PROPERTY(bool ShowDefaultDatumBmp READ ShowDefaultDatumBmp WRITE setShowDefaultDatumBmp)
    Q_PROPERTY(bool ShowSysDatBmp READ ShowSysDatBmp WRITE setShowSysDatBmp)
    Q_PROPERTY(bool UseDefaultDatum READ UseDefaultDatum WRITE setUseDefaultDatum)

public:
    explicit TBasisKalenderClass(QWidget* parent = nullptr);

    TKalBasisEdit* DatumEdit() const { return m_DatumEdit; }
    virtual void setDatumEdit(TKalBasisEdit* edit);

    Extended NeuDatum() const { return m_NeuDatum; }
    Extended SysDatum() const { return m_SysDatum; }
    Extended DefaultDatum() const { return m_DefaultDatum; }
    virtual void setDefaultDatum(Extended mjd) { m_DefaultDatum = mjd; }
    QString Version() const { return m_Version; }
    void setVersion(const QString& v) { m_Version = v; }

    bool Gesperrt() const { return m_Gesperrt; }
    virtual void SetGesperrt(bool wert);
    bool ShowDefaultDatumBmp() const { return m_ShowDefaultDatumBmp; }
    void setShowDefaultDatumBmp(bool wert);
    bool ShowSysDatBmp() const { return m_ShowSysDatBmp; }
    void setShowSysDatBmp(bool wert);
    bool UseDefaultDatum() const { return m_UseDefaultDatum; }
    void setUseDefaultDatum(bool wert);

    // Shows the current date; the base updates the linked edit when quelle is this control.
    virtual void DatumAnzeigen(QObject* quelle);

protected:
    Extended AktDatum() const { return m_AktDatum; }

    QPointer<TKalBasisEdit> m_DatumEdit;  // not owned; cleared when the edit goes away
    Extended m_NeuDatum = 0;              // requested date, applied by the grid
    Extended m_DefaultDatum = 0;
    Extended m_SysDatum = 0;  // today at creation and after each go-to-today
    Extended m_AktDatum = 0;  // the applied date
    QString m_Version;
    bool m_Gesperrt = false;
    bool m_ShowDefaultDatumBmp = false;
    bool m_ShowSysDatBmp = true;
    bool m_UseDefaultDatum = false;

private:
    double DefaultDatumD() const { return static_cast<double>(m_DefaultDatum); }
    void setDefaultDatumD(double mjd) { setDefaultDatum(mjd); }
};

}  // namespace lunoria
