#include "basiskalender.h"

#include "calendar/datumstext.h"
#include "calendar/julian.h"

namespace lunoria {

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
