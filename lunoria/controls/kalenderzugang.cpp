// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "kalenderzugang.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPointer>
#include <array>
#include <cmath>

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/regional.h"
#include "kalenderbtn.h"
#include "kalenderctrl.h"
#include "zeichenkette.h"

namespace lunoria {

namespace {

bool IstTagesZelle(const TKalenderZelle& z)
{
    return z.Art == kza_Tag || z.Art == kza_Samstag || z.Art == kza_Sonntag;
}

bool IstBildZelle(const TKalenderZelle& z)
{
    return z.Art == kza_SysDatum || z.Art == kza_DefaultDatum;
}

bool BildGezeigt(const TKalenderCtrl& g, const TKalenderZelle& z)
{
    return z.Art == kza_SysDatum ? g.ShowSysDatBmp() : g.ShowDefaultDatumBmp();
}

// The date of a day place, also of the neighbour months' days: the places count on from the
// first of the month, which stands in row 2.
Extended ZellenDatum(const TKalenderCtrl& g, int spalte, int zeile)
{
    int ersteSpalte = 1;
    for (int c = 1; c <= 7; ++c)
        if (IstTagesZelle(g.Zelle(c, 2)) && g.Zelle(c, 2).Wert == 1) {
            ersteSpalte = c;
            break;
        }
    const Extended erster = MJDAusDatum(1, g.Monat(), g.Jahr(), 0);
    return erster + (zeile - 2) * 7 + (spalte - 1) - (ersteSpalte - 1);
}

class TZelleZugang : public QAccessibleInterface,
                     public QAccessibleTableCellInterface,
                     public QAccessibleActionInterface {
public:
    TZelleZugang(TKalenderCtrl* gitter, int zeile, int spalte)
        : m_Gitter(gitter),
          m_Zeile(zeile),
          m_Spalte(spalte)
    {
    }

    bool isValid() const override { return !m_Gitter.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_Gitter ? m_Gitter->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_Gitter.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_Gitter)
            return {};
        if (t == QAccessible::Name)
            return ZellenName(*m_Gitter, GitterSpalte(), GitterZeile());
        if (t == QAccessible::Description && Zelle().Heute && IstTagesZelle(Zelle()))
            return QStringLiteral("heute");
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_Gitter)
            return {};
        const QPoint o = m_Gitter->mapToGlobal(m_Gitter->ZellenUrsprung(Zelle()));
        return QRect(o, QSize(m_Gitter->ZellenBreite(), m_Gitter->ZellenHoehe()));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_Gitter)
            return s;
        const TKalenderZelle& z = Zelle();
        s.invisible = !m_Gitter->isVisible() || (IstBildZelle(z) && !BildGezeigt(*m_Gitter, z));
        s.disabled = !IstTagesZelle(z) && !IstBildZelle(z);  // a day of a neighbour month
        s.selectable = IstTagesZelle(z);
        s.focusable = IstTagesZelle(z);
        s.selected = isSelected();
        s.focused = s.selected && m_Gitter->hasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // Table cell.
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_Spalte; }
    int rowIndex() const override { return m_Zeile; }
    bool isSelected() const override
    {
        if (!m_Gitter || !m_Gitter->ShowTagesMarker())
            return false;
        const TKalenderZelle& m = m_Gitter->MarkerZelle();
        return m.Wert >= 1 && m.Spalte == GitterSpalte() && m.Zeile == GitterZeile();
    }
    QAccessibleInterface* table() const override { return parent(); }

    // Pressing a day picks it; pressing a shown picture jumps to its date, as a double click.
    QStringList actionNames() const override
    {
        if (!m_Gitter || m_Gitter->Gesperrt())
            return {};
        const TKalenderZelle& z = Zelle();
        if (IstTagesZelle(z) || (IstBildZelle(z) && BildGezeigt(*m_Gitter, z)))
            return {pressAction()};
        return {};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && m_Gitter && !actionNames().isEmpty())
            m_Gitter->ZelleAktivieren(GitterSpalte(), GitterZeile());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    int GitterSpalte() const { return m_Spalte + 1; }
    int GitterZeile() const { return m_Zeile + 2; }
    const TKalenderZelle& Zelle() const { return m_Gitter->Zelle(GitterSpalte(), GitterZeile()); }

    QPointer<TKalenderCtrl> m_Gitter;
    int m_Zeile;
    int m_Spalte;
};

class TGitterZugang : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TGitterZugang(TKalenderCtrl* gitter)
        : QAccessibleWidget(gitter, QAccessible::Table)
    {
    }
    ~TGitterZugang() override
    {
        for (QAccessible::Id id : m_Zellen)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    TKalenderCtrl* Gitter() const { return static_cast<TKalenderCtrl*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QStringLiteral("Monatskalender");
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return Gitter()->Titel();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The cells first, then the month buttons.
    int childCount() const override { return ZugangZeilen * ZugangSpalten + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index < ZugangZeilen * ZugangSpalten)
            return cellAt(index / ZugangSpalten, index % ZugangSpalten);
        return QAccessibleWidget::child(index - ZugangZeilen * ZugangSpalten);
    }
    int indexOfChild(const QAccessibleInterface* kind) const override
    {
        if (!kind)
            return -1;
        if (kind->role() == QAccessible::Cell && kind->parent() == this) {
            const QAccessibleTableCellInterface* zelle = const_cast<QAccessibleInterface*>(kind)->tableCellInterface();
            return zelle ? zelle->rowIndex() * ZugangSpalten + zelle->columnIndex() : -1;
        }
        const int i = QAccessibleWidget::indexOfChild(kind);
        return i < 0 ? -1 : i + ZugangZeilen * ZugangSpalten;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* k = child(i); k && !k->state().invisible && k->rect().contains(x, y))
                return k;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!Gitter()->hasFocus())
            return nullptr;
        const TKalenderZelle& m = Gitter()->MarkerZelle();
        return m.Wert >= 1 ? cellAt(m.Zeile - 2, m.Spalte - 1) : nullptr;
    }

    // Table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int zeile, int spalte) const override
    {
        if (zeile < 0 || zeile >= ZugangZeilen || spalte < 0 || spalte >= ZugangSpalten)
            return nullptr;
        QAccessible::Id& id = m_Zellen[static_cast<std::size_t>(zeile * ZugangSpalten + spalte)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new TZelleZugang(Gitter(), zeile, spalte));
        return QAccessible::accessibleInterface(id);
    }
    int selectedCellCount() const override { return selectedCells().size(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const TKalenderZelle& m = Gitter()->MarkerZelle();
        if (m.Wert < 1 || !Gitter()->ShowTagesMarker())
            return {};
        return {cellAt(m.Zeile - 2, m.Spalte - 1)};
    }
    QString columnDescription(int spalte) const override
    {
        if (spalte < 0 || spalte >= ZugangSpalten)
            return {};
        const int tag = (Gitter()->StartWochentag() + spalte) % 7;  // 0 = Sunday
        return Q(RegionaleEinstellungen().LangeTagNamen[static_cast<std::size_t>(tag)]);
    }
    QString rowDescription(int zeile) const override
    {
        const TKalenderZelle& kw = Gitter()->Zelle(0, zeile + 2);
        if (zeile < 0 || zeile >= ZugangZeilen || Gitter()->StartWochentag() != 1 || kw.Art != kza_KW)
            return {};
        return QStringLiteral("Kalenderwoche %1").arg(kw.Text);
    }
    int columnCount() const override { return ZugangSpalten; }
    int rowCount() const override { return ZugangZeilen; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<QAccessible::Id, ZugangZeilen * ZugangSpalten> m_Zellen{};
};

class TKnopfZugang : public QAccessibleWidget {
public:
    explicit TKnopfZugang(TKalenderBtn* knopf)
        : QAccessibleWidget(knopf, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QStringLiteral("Kalender öffnen");
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = static_cast<TKalenderBtn*>(widget())->Gedrueckt();
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList namen = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            namen.prepend(pressAction());
        return namen;
    }
    void doAction(const QString& name) override
    {
        // The picker runs modally: it opens once the screen reader's call has returned.
        if (name == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(static_cast<TKalenderBtn*>(widget()), &TKalenderBtn::Oeffnen,
                                      Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* Fabrik(const QString& klasse, QObject* objekt)
{
    if (klasse == QLatin1String("lunoria::TKalenderCtrl"))
        if (auto* gitter = qobject_cast<TKalenderCtrl*>(objekt))
            return new TGitterZugang(gitter);
    if (klasse == QLatin1String("lunoria::TKalenderBtn"))
        if (auto* knopf = qobject_cast<TKalenderBtn*>(objekt))
            return new TKnopfZugang(knopf);
    return nullptr;
}

}  // namespace

void ZugangInstallieren()
{
    static const bool installiert = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)installiert;
}

QString ZellenName(const TKalenderCtrl& gitter, int spalte, int zeile)
{
    const TKalenderZelle& z = gitter.Zelle(spalte, zeile);
    if (z.Art == kza_SysDatum)
        return QStringLiteral("Heute: ") + Q(MJDZuLangDatum(gitter.SysDatum()));
    if (z.Art == kza_DefaultDatum)
        return QStringLiteral("Vorgabedatum: ") + Q(MJDZuLangDatum(std::floor(gitter.DefaultDatum())));
    return Q(MJDZuLangDatum(ZellenDatum(gitter, spalte, zeile)));
}

void GewaehlteZelleMelden(TKalenderCtrl* gitter)
{
    if (!QAccessible::isActive() || !gitter->isVisible())
        return;
    const TKalenderZelle& m = gitter->MarkerZelle();
    QAccessibleInterface* tabelle = QAccessible::queryAccessibleInterface(gitter);
    if (m.Wert < 1 || !tabelle || !tabelle->tableInterface())
        return;
    QAccessibleInterface* zelle = tabelle->tableInterface()->cellAt(m.Zeile - 2, m.Spalte - 1);
    if (!zelle)
        return;
    QAccessibleEvent auswahl(zelle, QAccessible::Selection);
    QAccessible::updateAccessibility(&auswahl);
    if (gitter->hasFocus()) {
        QAccessibleEvent fokus(zelle, QAccessible::Focus);
        QAccessible::updateAccessibility(&fokus);
    }
}

}  // namespace lunoria
