// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "basiskalender.h"

#include <algorithm>

#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include "calendar/datumstext.h"
#include "calendar/julian.h"

namespace lunoria {

// The toolkit's own length limit would cut a pasted text to fit, which can turn it into another
// date; a validator sees the whole change and can refuse it, and the toolkit then puts the old
// text back.
class TKalBasisEdit::TLaengenPruefer : public QValidator {
public:
    explicit TLaengenPruefer(TKalBasisEdit* edit)
        : QValidator(edit),
          m_Edit(edit)
    {
    }
    State validate(QString& text, int&) const override { return m_Edit->LaengeErlaubt(text) ? Acceptable : Invalid; }

private:
    TKalBasisEdit* m_Edit;
};

TKalBasisEdit::TKalBasisEdit(QWidget* parent)
    : QLineEdit(parent)
{
    m_Tippgrenze = QLineEdit::maxLength();
    setValidator(new TLaengenPruefer(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { m_Laenge = text.size(); });
}

void TKalBasisEdit::setMaxLength(int laenge)
{
    m_Tippgrenze = std::max(laenge, 0);
}

void TKalBasisEdit::setText(const QString& text)
{
    m_Laenge = std::max(m_Laenge, text.size());  // the program's text passes the check whole
    QLineEdit::setText(text);
    m_Laenge = QLineEdit::text().size();
}

bool TKalBasisEdit::LaengeErlaubt(const QString& neu)
{
    if (neu.size() <= std::max<qsizetype>(m_Tippgrenze, m_Laenge))
        return true;
    ZuLangAbgelehnt();
    return false;
}

int EditBreite(const QLineEdit& edit, const QString& text)
{
    // As the toolkit sizes a line edit: two pixels on each side of the text and one for the
    // caret, the text and contents margins, then the style's frame around them.
    const QMargins t = edit.textMargins();
    const QMargins c = edit.contentsMargins();
    const int innen = edit.fontMetrics().horizontalAdvance(text) + 2 * 2 + 1 + t.left() + t.right() + c.left() +
                      c.right();
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.state |= QStyle::State_Sunken;
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(innen, edit.height()), &edit).width();
}

TBasisKalenderClass::TBasisKalenderClass(QWidget* parent)
    : QWidget(parent)
{
    m_SysDatum = MJDHeute();
    m_AktDatum = m_SysDatum;
    m_NeuDatum = m_SysDatum;
}

void TBasisKalenderClass::setDatumEdit(TKalBasisEdit* edit)
{
    m_DatumEdit = edit;
}

void TBasisKalenderClass::SetGesperrt(bool wert)
{
    if (m_Gesperrt != wert)
        m_Gesperrt = wert;
}

void TBasisKalenderClass::setShowDefaultDatumBmp(bool wert)
{
    m_ShowDefaultDatumBmp = wert;
    DatumAnzeigen(this);
}

void TBasisKalenderClass::setShowSysDatBmp(bool wert)
{
    m_ShowSysDatBmp = wert;
    DatumAnzeigen(this);
}

void TBasisKalenderClass::setUseDefaultDatum(bool wert)
{
    if (m_UseDefaultDatum == wert)
        return;
    m_UseDefaultDatum = wert;
    setShowDefaultDatumBmp(wert);
}

void TBasisKalenderClass::DatumAnzeigen(QObject* quelle)
{
    if (quelle == this && m_DatumEdit)
        m_DatumEdit->setText(QString::fromStdString(MJDZuTextDatum(m_AktDatum)));
}

}  // namespace lunoria
