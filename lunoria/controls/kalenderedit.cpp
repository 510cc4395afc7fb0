// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "kalenderedit.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QTimer>

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "kalenderbtn.h"
#include "kalenderctrl.h"
#include "meldungsbox.h"
#include "zeichenkette.h"

namespace lunoria {

namespace {

bool IstTrenner(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char('/') ||
           c == QLatin1Char(';');
}

}  // namespace

TKalenderEdit::TKalenderEdit(QWidget* parent)
    : TKalBasisEdit(parent)
{
    resize(75, height());
    setMaxLength(static_cast<int>(LaengstesDatum().size()));
    TKalBasisEdit::setText(Q(MJDZuTextDatum(MJDHeute())));
    m_DefaultDatum = MJDHeute();
    m_UseDefaultDatum = false;
    setAccessibleName(QStringLiteral("Datum"));
}

QString TKalenderEdit::LaengstesDatum()
{
    // Day and month take two digits on the last day of a year; the year's digits and sign
    // are most at one end of the range.
    QString laengstes;
    for (const int jahr : {MinJahrStandard, MaxJahrStandard}) {
        const QString text = Q(MJDZuTextDatum(MJDAusDatum(31, 12, jahr, 0)));
        if (text.size() > laengstes.size())
            laengstes = text;
    }
    return laengstes;
}

void TKalenderEdit::setKalender(TBasisKalenderClass* kalender)
{
    if (m_Kalender)
        disconnect(m_Kalender, nullptr, this, nullptr);
    m_Kalender = kalender;
    m_IstKalenderCtrl = false;
    if (!kalender)
        return;
    // The calendar is half destroyed when it says so: forget it without touching it.
    connect(kalender, &QObject::destroyed, this, [this] {
        m_Kalender.clear();
        m_IstKalenderCtrl = false;
    });
    m_IstKalenderCtrl = qobject_cast<TKalenderCtrl*>(kalender) != nullptr;
    setText(KalenderText());
    if (kalender->ShowDefaultDatumBmp())
        m_DefaultDatum = kalender->DefaultDatum();
}

void TKalenderEdit::setText(const QString& text)
{
    TKalBasisEdit::setText(text);
    int status = 0;
    TextDatumZuMJD(text.toStdString(), status);
    if (status == 4) {
        FehlerMelden();
        selectAll();
        setFocus();
    }
}

Extended TKalenderEdit::ModJulDat() const
{
    int status = 0;
    const Extended mjd = TextDatumZuMJD(text().toStdString(), status);
    return status == 0 ? mjd : MJDJetzt();
}

void TKalenderEdit::setModJulDat(Extended mjd)
{
    setText(Q(MJDZuTextDatum(mjd)));
}

TDateTime TKalenderEdit::DatumZeit() const
{
    int status = 0;
    const Extended mjd = TextDatumZuMJD(text().toStdString(), status);
    return DateTimeAusMJD(status == 0 ? mjd : MJDHeute());
}

void TKalenderEdit::setDatumZeit(TDateTime wert)
{
    // Date values exist for the years 1 ... 9999.
    const Extended mjd = MJDAusDateTime(wert);
    if (std::isfinite(wert) && mjd >= MJDAusDatum(1, 1, 1, 0) && mjd < MJDAusDatum(1, 1, 10000, 0))
        setText(Q(MJDZuTextDatum(mjd)));
    else if (m_UseDefaultDatum)
        setText(Q(MJDZuTextDatum(m_DefaultDatum)));
    else
        setText(Q(TextDatumHeute()));
}

QString TKalenderEdit::KalenderText() const
{
    if (auto* gitter = qobject_cast<TKalenderCtrl*>(m_Kalender.data()))
        return gitter->TextDatum();
    if (auto* knopf = qobject_cast<TKalenderBtn*>(m_Kalender.data()))
        return knopf->TextDatum();
    return Q(TextDatumHeute());
}

void TKalenderEdit::FehlerMelden()
{
    ZeigeMeldung(window(), objectName(), QStringLiteral("Das eingebene Datum ist nicht korrekt."),
                 TMeldungsArt::Warnung);
}

bool TKalenderEdit::DatumPruefen()
{
    m_Pruefend = true;
    int status = 0;
    const Extended mjd = TextDatumZuMJD(text().toStdString(), status);
    const bool ok = status == 0;
    const QString normal = Q(MJDZuTextDatum(mjd));
    if (!ok) {
        FehlerMelden();
    } else if (m_Kalender) {
        if (auto* gitter = qobject_cast<TKalenderCtrl*>(m_Kalender.data()))
            gitter->setTextDatum(text());
        else if (auto* knopf = qobject_cast<TKalenderBtn*>(m_Kalender.data()))
            knopf->setTextDatum(text());
    } else {
        TKalBasisEdit::setText(normal);
    }
    m_Pruefend = false;
    return ok;
}

void TKalenderEdit::DatumEditiert()
{
    Q_EMIT AfterDatumEdit(this);
}

void TKalenderEdit::FokusZurueck()
{
    QTimer::singleShot(0, this, [this] {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    });
}

void TKalenderEdit::keyPressEvent(QKeyEvent* event)
{
    const int taste = event->key();
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
        if (!DatumPruefen())
            setFocus();
        selectAll();
        event->accept();
        DatumEditiert();
        return;
    }
    // Alt+Down opens the bound drop-down button's picker, as in a date field with a list.
    if (taste == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) {
        event->accept();
        if (auto* knopf = qobject_cast<TKalenderBtn*>(m_Kalender.data()))
            knopf->Oeffnen();
        return;
    }
    if (taste == Qt::Key_Escape) {
        TKalBasisEdit::setText(m_UseDefaultDatum ? Q(MJDZuTextDatum(m_DefaultDatum)) : KalenderText());
        selectAll();
        event->accept();
        DatumEditiert();
        return;
    }
    const QString zeichen = event->text();
    if (taste == Qt::Key_Backspace || taste == Qt::Key_Tab || zeichen.isEmpty() || !zeichen[0].isPrint() ||
        event->matches(QKeySequence::Paste)) {
        TKalBasisEdit::keyPressEvent(event);  // editing and moving keys
        return;
    }
    const QChar c = zeichen[0];
    const int i = cursorPosition();  // characters before the caret
    const QChar davor = i > 0 && i <= text().size() ? text()[i - 1] : QChar();
    // The text as it would read with the character typed (over the selection, if any).
    QString neu = text();
    const int von = hasSelectedText() ? selectionStart() : i;
    neu.replace(von, hasSelectedText() ? selectedText().size() : 0, c);
    // The beginning of an ISO date "JJJJ-MM-TT", with its signs: "-0044-03-15", "+100000-01-01".
    static const QRegularExpression isoAnfang(QStringLiteral("^[+-]?[0-9]{0,9}(-[0-9]{0,2}(-[0-9]{0,2})?)?$"));
    const bool erlaubt = (c.isDigit() && c.unicode() < 128) || (IstTrenner(c) && i <= 5 && davor != c) ||
                         // A minus sign may only start the year part.
                         (c == QLatin1Char('-') && i >= 4 && !text().contains(QLatin1Char('-')) && !davor.isDigit()) ||
                         ((c == QLatin1Char('-') || c == QLatin1Char('+')) && isoAnfang.match(neu).hasMatch());
    if (!erlaubt) {
        event->accept();  // every other character is dropped
        return;
    }
    m_Tippend = true;
    TKalBasisEdit::keyPressEvent(event);
    m_Tippend = false;
}

void TKalenderEdit::ZuLangAbgelehnt()
{
    if (m_Tippend)
        return;
    QMetaObject::invokeMethod(this, &TKalenderEdit::FehlerMelden, Qt::QueuedConnection);
}

void TKalenderEdit::focusOutEvent(QFocusEvent* event)
{
    TKalBasisEdit::focusOutEvent(event);
    if (m_Pruefend || event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (!DatumPruefen())
        FokusZurueck();
}

}  // namespace lunoria
