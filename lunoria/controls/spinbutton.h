// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// A spin control of two stacked halves that repeat while held: the first step at the press,
// the next after 400 ms, then one every 100 ms until the button is released.

#include <QPointer>
#include <QToolButton>
#include <functional>
#include <memory>

namespace lunoria {

// The clock that paces the repeat. The program uses a precise QTimer; a test installs a clock
// it steps by hand, so that the rhythm is checked without waiting for real time.
class TWiederholTakt {
public:
    virtual ~TWiederholTakt() = default;
    // Ticks every ms milliseconds from now on; a running clock starts over.
    virtual void Starten(int ms) = 0;
    virtual void Anhalten() = 0;
};

// Makes the clock of one button; tick is called at every tick.
using TTaktQuelle = std::function<std::unique_ptr<TWiederholTakt>(QObject* besitzer, std::function<void()> tick)>;

// Installs the source of the clocks that buttons create from now on and returns the previous
// one; an empty source stands for the QTimer.
TTaktQuelle SetzeTaktQuelle(TTaktQuelle quelle);

class TTimerSpeedButton : public QToolButton {
    Q_OBJECT
public:
    static constexpr int ErsteWiederholungMs = 400;
    static constexpr int WiederholungMs = 100;

    explicit TTimerSpeedButton(QWidget* parent = nullptr);
    ~TTimerSpeedButton() override;

    bool AutoWiederholung() const { return m_AutoWiederholung; }
    void setAutoWiederholung(bool an) { m_AutoWiederholung = an; }
    bool FokusRechteck() const { return m_FokusRechteck; }
    void setFokusRechteck(bool an);

    // One step, as a press or a key does it.
    void Klicken();

Q_SIGNALS:
    void Klick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void TimerAbgelaufen();

    std::unique_ptr<TWiederholTakt> m_Takt;  // created on first use
    bool m_AutoWiederholung = true;
    bool m_FokusRechteck = false;
};

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    // The control that takes the focus when a half is pressed.
    QWidget* FocusControl() const { return m_FocusControl; }
    void setFocusControl(QWidget* w) { m_FocusControl = w; }

    TTimerSpeedButton* ObereHaelfte() const { return m_Oben; }
    TTimerSpeedButton* UntereHaelfte() const { return m_Unten; }
    TTimerSpeedButton* FokusHaelfte() const { return m_Fokus; }

Q_SIGNALS:
    void OnUpClick();
    void OnDownClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void HaelftenAnordnen();
    void FokusHaelfteSetzen(TTimerSpeedButton* haelfte);

    TTimerSpeedButton* m_Oben = nullptr;
    TTimerSpeedButton* m_Unten = nullptr;
    TTimerSpeedButton* m_Fokus = nullptr;
    QPointer<QWidget> m_FocusControl;
};

}  // namespace lunoria
