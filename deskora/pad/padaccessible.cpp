// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "padaccessible.h"

#include "pad/calendarpad.h"
#include "pad/errors.h"
#include "pad/language.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <array>
#include <mutex>
#include <vector>

namespace deskora {

namespace {

// The painted parts, in the order the page is read.
enum class TPart { Date, Footer, Prior, Next };

class TPadAccessible;

// One painted part: no object of its own, owned by the pad's interface.
class TPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TPartAccessible(TPadAccessible* parent, TPart part) : FParent(parent), FPart(part) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && IsCorner())
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override
    {
        return IsCorner() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (!IsCorner() || actionName != pressAction())
            return {};
        return FPart == TPart::Next
                   ? QStringList{QStringLiteral("Alt+Right"), QStringLiteral("Ctrl+PgDown")}
                   : QStringList{QStringLiteral("Alt+Left"), QStringLiteral("Ctrl+PgUp")};
    }

    TPart Part() const { return FPart; }

private:
    bool IsCorner() const { return FPart == TPart::Prior || FPart == TPart::Next; }
    TCalendarPad* Pad() const;

    TPadAccessible* FParent;
    TPart FPart;
};

class TPadAccessible : public QAccessibleWidget {
public:
    explicit TPadAccessible(TCalendarPad* pad) : QAccessibleWidget(pad, QAccessible::Pane)
    {
        for (std::size_t i = 0; i < FParts.size(); ++i) {
            FParts[i] = new TPartAccessible(this, static_cast<TPart>(i));
            FPartIds[i] = QAccessible::registerAccessibleInterface(FParts[i]);
        }
    }
    ~TPadAccessible() override
    {
        for (const QAccessible::Id id : FPartIds)
            QAccessible::deleteAccessibleInterface(id);
    }

    TCalendarPad* Pad() const { return static_cast<TCalendarPad*>(widget()); }
    QAccessibleInterface* Part(TPart part) const { return FParts[std::size_t(part)]; }

    int childCount() const override { return int(Children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const std::vector<TChild> children = Children();
        if (index < 0 || index >= int(children.size()))
            return nullptr;
        const TChild& c = children[std::size_t(index)];
        return c.Widget ? QAccessible::queryAccessibleInterface(c.Widget) : Part(c.Part);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<TChild> children = Children();
        for (std::size_t i = 0; i < children.size(); ++i) {
            const TChild& c = children[i];
            if (c.Widget ? child->object() == c.Widget : child == Part(c.Part))
                return int(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* c = child(i);
            if (c && !c->state().invisible && c->rect().contains(x, y))
                return c;
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return QStringLiteral(
                "Alt+Pfeil rechts und Alt+Pfeil links blättern, Alt+Pos1 "
                "schlägt heute auf, Strg+K öffnet den immerwährenden "
                "Kalender.");
        return QAccessibleWidget::text(t);
    }

private:
    struct TChild {
        QWidget* Widget = nullptr;
        TPart Part = TPart::Date;
    };
    // The date, the notes and the notices, the footer, the corner of the day before, the
    // hours, the corner of the next day.
    std::vector<TChild> Children() const
    {
        TCalendarPad* pad = Pad();
        std::vector<TChild> children{{nullptr, TPart::Date}};
        std::vector<TChild> hours;
        for (QObject* object : pad->children()) {
            auto* w = qobject_cast<QWidget*>(object);
            if (!w || w->isWindow())
                continue;
            (qobject_cast<QLineEdit*>(w) ? hours : children).push_back({w, TPart::Date});
        }
        children.push_back({nullptr, TPart::Footer});
        children.push_back({nullptr, TPart::Prior});
        children.insert(children.end(), hours.begin(), hours.end());
        children.push_back({nullptr, TPart::Next});
        return children;
    }

    std::array<TPartAccessible*, 4> FParts{};
    std::array<QAccessible::Id, 4> FPartIds{};
};

bool TPartAccessible::isValid() const
{
    return FParent->isValid();
}

TCalendarPad* TPartAccessible::Pad() const
{
    return FParent->Pad();
}

QWindow* TPartAccessible::window() const
{
    return FParent->window();
}

QAccessibleInterface* TPartAccessible::parent() const
{
    return FParent;
}

QString TPartAccessible::text(QAccessible::Text t) const
{
    const TCalendarPad* pad = Pad();
    switch (t) {
    case QAccessible::Name:
        switch (FPart) {
        case TPart::Date: return pad->FullDateText();
        case TPart::Footer: try { return TCalendarPad::FooterText(pad->Date(), pad->Language());
            } catch (const EDeskoraError&) {
                return QString();
            }
        case TPart::Prior: return QStringLiteral("Vorheriger Tag");
        case TPart::Next: return QStringLiteral("Nächster Tag");
        }
        break;
    case QAccessible::Description:
        switch (FPart) {
        case TPart::Date: return QStringLiteral("Strg+K öffnet den immerwährenden Kalender.");
        case TPart::Footer: return QStringLiteral("Tag des Jahres und Kalenderwoche");
        case TPart::Prior:
            return pad->CanTurn(false) ? QStringLiteral("Alt+Pfeil links")
                                       : QStringLiteral("Der Kalender beginnt am 01.01.1901.");
        case TPart::Next:
            return pad->CanTurn(true) ? QStringLiteral("Alt+Pfeil rechts")
                                      : QStringLiteral("Der Kalender reicht bis zum 31.12.2099.");
        }
        break;
    default: break;
    }
    return QString();
}

QRect TPartAccessible::rect() const
{
    const TCalendarPad* pad = Pad();
    const QRect local = FPart == TPart::Date     ? TCalendarPad::DateArea()
                        : FPart == TPart::Footer ? TCalendarPad::FooterArea()
                                                 : TCalendarPad::CornerRect(FPart == TPart::Next);
    return QRect(pad->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role TPartAccessible::role() const
{
    return IsCorner() ? QAccessible::Button : QAccessible::StaticText;
}

QAccessible::State TPartAccessible::state() const
{
    QAccessible::State state;
    const TCalendarPad* pad = Pad();
    state.invisible = !pad->isVisible();
    state.offscreen = !pad->isVisible();
    if (IsCorner())
        state.disabled = !pad->CanTurn(FPart == TPart::Next);
    state.readOnly = FPart == TPart::Date || FPart == TPart::Footer;
    return state;
}

void TPartAccessible::doAction(const QString& actionName)
{
    if (!IsCorner() || actionName != pressAction())
        return;
    // After the call has returned to the screen reader: a turn may show a message box.
    QPointer<TCalendarPad> pad = Pad();
    const bool forward = FPart == TPart::Next;
    QTimer::singleShot(0, pad, [pad, forward] {
        if (pad)
            pad->TurnPage(forward);
    });
}

QAccessibleInterface* PadFactory(const QString& /*className*/, QObject* object)
{
    if (auto* pad = qobject_cast<TCalendarPad*>(object))
        return new TPadAccessible(pad);
    return nullptr;
}

}  // namespace

void InstallPadAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(PadFactory); });
}

void AnnouncePadDate(TCalendarPad* pad)
{
    auto* padInterface = dynamic_cast<TPadAccessible*>(QAccessible::queryAccessibleInterface(pad));
    if (!padInterface)
        return;
    for (const TPart part : {TPart::Date, TPart::Footer}) {
        QAccessibleEvent changed(padInterface->Part(part), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

}  // namespace deskora
