#include "basiskalender.h"

#include <algorithm>

#include "calendar/datumstext.h"
#include "calendar/julian.h"

namespace lunoria {

TKalBasisEdit::TKalBasisEdit(QWidget* parent)
    : QLineEdit(parent)
{
    m_Tippgrenze = QLineEdit::maxLength();
    connect(this, &QLineEdit::textChanged, this, &TKalBasisEdit::GrenzeAnpassen);
}

void TKalBasisEdit::setMaxLength(int laenge)
{
    m_Tippgrenze = std::max(laenge, 0);
    GrenzeAnpassen();
}

void TKalBasisEdit::setText(const QString& text)
{
    // Raised before writing, or the toolkit would cut the text to the old limit.
    if (text.size() > QLineEdit::maxLength())
        QLineEdit::setMaxLength(static_cast<int>(text.size()));
    QLineEdit::setText(text);
    GrenzeAnpassen();
}

void TKalBasisEdit::GrenzeAnpassen()
{
    const int grenze = std::max(m_Tippgrenze, static_cast<int>(text().size()));
    if (grenze == QLineEdit::maxLength())
        return;
    // Setting the toolkit's limit puts the caret at the end; the user's caret stays where it was.
    const int caret = cursorPosition();
    QLineEdit::setMaxLength(grenze);
    setCursorPosition(caret);
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
