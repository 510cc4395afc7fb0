// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "spinbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include "ressourcen.h"

namespace lunoria {

namespace {

class TQTimerTakt : public TWiederholTakt {
public:
    TQTimerTakt(QObject* besitzer, std::function<void()> tick)
    {
        m_Timer.setTimerType(Qt::PreciseTimer);  // the repeat rhythm is felt by the user
        QObject::connect(&m_Timer, &QTimer::timeout, besitzer, std::move(tick));
    }
    void Starten(int ms) override { m_Timer.start(ms); }
    void Anhalten() override { m_Timer.stop(); }

private:
    QTimer m_Timer;
};

TTaktQuelle& TaktQuelle()
{
    static TTaktQuelle quelle;
    return quelle;
}

}  // namespace

TTaktQuelle SetzeTaktQuelle(TTaktQuelle quelle)
{
    std::swap(TaktQuelle(), quelle);
    return quelle;
}

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::setFokusRechteck(bool an)
{
    if (m_FokusRechteck != an) {
        m_FokusRechteck = an;
        update();
    }
}

void TTimerSpeedButton::Klicken()
{
    Q_EMIT Klick();
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (m_AutoWiederholung) {
        if (!m_Takt) {
            const auto tick = [this] { TimerAbgelaufen(); };
            m_Takt = TaktQuelle() ? TaktQuelle()(this, tick) : std::make_unique<TQTimerTakt>(this, tick);
        }
        m_Takt->Starten(ErsteWiederholungMs);
    }
    Klicken();
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_Takt)
        m_Takt->Anhalten();
    QToolButton::mouseReleaseEvent(event);
}

void TTimerSpeedButton::TimerAbgelaufen()
{
    m_Takt->Starten(WiederholungMs);
    if (isDown())
        Klicken();
    else
        m_Takt->Anhalten();
}

void TTimerSpeedButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!m_FokusRechteck)
        return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3).translated(isDown() ? QPoint(1, 1) : QPoint());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent)
{
    SteuerRessourcenLaden();
    m_Oben = new TTimerSpeedButton(this);
    m_Oben->setObjectName(QStringLiteral("ObereHaelfte"));
    m_Oben->setIcon(QIcon(RessourcenBild(QStringLiteral(":/lunoria/controls/KALSPINUP.xpm"), "XPM")));
    m_Unten = new TTimerSpeedButton(this);
    m_Unten->setObjectName(QStringLiteral("UntereHaelfte"));
    m_Unten->setIcon(QIcon(RessourcenBild(QStringLiteral(":/lunoria/controls/KALSPINDOWN.xpm"), "XPM")));
    for (TTimerSpeedButton* h : {m_Oben, m_Unten}) {
        h->setIconSize(QSize(9, 5));
        h->installEventFilter(this);
    }
    connect(m_Oben, &TTimerSpeedButton::Klick, this, &TSpinButton::OnUpClick);
    connect(m_Unten, &TTimerSpeedButton::Klick, this, &TSpinButton::OnDownClick);
    m_Fokus = m_Oben;
    setFocusPolicy(Qt::NoFocus);  // not a tab stop unless the owner makes it one
    resize(20, 25);
    HaelftenAnordnen();
}

void TSpinButton::HaelftenAnordnen()
{
    const int oben = height() / 2;
    m_Oben->setGeometry(0, 0, width(), oben);
    m_Unten->setGeometry(0, oben - 1, width(), height() - (oben - 1));
}

void TSpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    HaelftenAnordnen();
}

void TSpinButton::FokusHaelfteSetzen(TTimerSpeedButton* haelfte)
{
    if (haelfte == m_Fokus || focusPolicy() == Qt::NoFocus || !isEnabled())
        return;
    m_Fokus->setFokusRechteck(false);
    m_Fokus = haelfte;
    m_Fokus->setFokusRechteck(hasFocus());
}

bool TSpinButton::eventFilter(QObject* objekt, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        FokusHaelfteSetzen(objekt == m_Oben ? m_Oben : m_Unten);
        if (m_FocusControl && m_FocusControl->focusPolicy() != Qt::NoFocus && m_FocusControl->isEnabled() &&
            !m_FocusControl->hasFocus())
            m_FocusControl->setFocus(Qt::MouseFocusReason);
        else if (focusPolicy() != Qt::NoFocus && isEnabled() && !hasFocus())
            setFocus(Qt::MouseFocusReason);
    }
    return QWidget::eventFilter(objekt, event);
}

void TSpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space: m_Fokus->Klicken(); break;
    case Qt::Key_Up:
        FokusHaelfteSetzen(m_Oben);
        m_Oben->Klicken();
        break;
    case Qt::Key_Down:
        FokusHaelfteSetzen(m_Unten);
        m_Unten->Klicken();
        break;
    default: QWidget::keyPressEvent(event);
    }
}

void TSpinButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_Fokus->setFokusRechteck(true);
}

void TSpinButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_Fokus->setFokusRechteck(false);
}

}  // namespace lunoria
