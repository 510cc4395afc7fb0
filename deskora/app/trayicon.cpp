// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "trayicon.h"

#include "pad/errors.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <utility>

namespace deskora {

// --- timer component ---------------------------------------------------------------------

TTimerComponent::TTimerComponent(QObject* owner) : TShellComponent(owner)
{
    connect(&FTimer, &QTimer::timeout, this, [this] {
        try {
            Timer();
        } catch (const EDeskoraError& e) {
            ShowErrorMessage(e.Message());
        }
    });
}

void TTimerComponent::setTimerEnabled(bool on)
{
    if (on == FTimerEnabled)
        return;
    FTimerEnabled = on;
    UpdateTimer();
}

void TTimerComponent::setInterval(unsigned milliseconds)
{
    if (milliseconds == FInterval)
        return;
    FInterval = milliseconds;
    UpdateTimer();
}

void TTimerComponent::setOnTimer(std::function<void()> handler)
{
    FOnTimer = std::move(handler);
    UpdateTimer();
}

void TTimerComponent::UpdateTimer()
{
    FTimer.stop();
    if (FInterval != 0 && FTimerEnabled && FOnTimer)
        FTimer.start(static_cast<int>(std::min<unsigned>(FInterval, INT_MAX)));
}

void TTimerComponent::Timer()
{
    if (FOnTimer)
        FOnTimer();
}

// --- image list --------------------------------------------------------------------------

QIcon TImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? FImages.at(index) : QIcon();
}

void TImageList::Add(const QIcon& image)
{
    FImages.append(image);
    emit OnChange();
}

void TImageList::Clear()
{
    FImages.clear();
    emit OnChange();
}

// --- tray icon ---------------------------------------------------------------------------

namespace {

TTrayIcon::TTrayAvailability& Availability()
{
    static TTrayIcon::TTrayAvailability availability;
    return availability;
}

// Only a desktop that really has a notification area is handed the icon; the logic of the
// component may still run on a replaced availability in tests.
bool PlatformTray()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace

TTrayIcon::TTrayAvailability TTrayIcon::SetTrayAvailability(TTrayAvailability availability)
{
    return std::exchange(Availability(), std::move(availability));
}

bool TTrayIcon::TrayAvailable()
{
    const TTrayAvailability& availability = Availability();
    return availability ? availability() : PlatformTray();
}

TTrayIcon::TTrayIcon(QWidget* owner) : TTimerComponent(owner), FOwner(owner)
{
    FTray = new QSystemTrayIcon(this);
    connect(FTray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                const QPoint pos = QCursor::pos();
                switch (reason) {
                case QSystemTrayIcon::Trigger:
                    TrayMessage(tmLeftDown, pos);
                    TrayMessage(tmLeftUp, pos);
                    break;
                case QSystemTrayIcon::DoubleClick: TrayMessage(tmLeftDblClick, pos); break;
                case QSystemTrayIcon::Context:
                    TrayMessage(tmRightDown, pos);
                    TrayMessage(tmRightUp, pos);
                    break;
                case QSystemTrayIcon::MiddleClick:
                    TrayMessage(tmMiddleDown, pos);
                    TrayMessage(tmMiddleUp, pos);
                    break;
                case QSystemTrayIcon::Unknown: break;
                }
            });

    // An empty handler lets the timer run; the cycling itself is in Timer().
    setOnTimer([] {});
    setCycleIcons(false);
    setCycleInterval(200);

    FTrayWatch.setInterval(TrayWatchInterval);
    connect(&FTrayWatch, &QTimer::timeout, this, &TTrayIcon::WatchTray);

    // The minimise of the owner window is caught through its window-state change.
    if (FOwner)
        FOwner->installEventFilter(this);
}

TTrayIcon::~TTrayIcon()
{
    // The owner is being destroyed: the icon goes, the window is not shown again.
    if (FVisible)
        HideIcon(false);
    if (FOwner)
        FOwner->removeEventFilter(this);
}

void TTrayIcon::setHint(const QString& hint)
{
    const QString cut = hint.left(MaxHintLength);
    if (cut == FHint)
        return;
    FHint = cut;
    UpdateIcon();
}

void TTrayIcon::setIcon(const QIcon& icon)
{
    FIcon = icon;
    UpdateIcon();
}

void TTrayIcon::setImageList(TImageList* list)
{
    if (FImageList)
        disconnect(FImageList, nullptr, this, nullptr);
    FImageList = list;
    if (FImageList)
        connect(FImageList, &TImageList::OnChange, this, &TTrayIcon::UpdateImage);
    UpdateImage();
}

void TTrayIcon::setImageIndex(int index)
{
    FImageIndex = index;
    UpdateImage();
}

void TTrayIcon::setIconID(int id)
{
    const bool wasVisible = FVisible;
    if (wasVisible)
        HideIcon(false);
    FIconID = id;
    if (wasVisible)
        ShowIcon();
}

void TTrayIcon::setShowHint(bool on)
{
    if (on == FShowHint)
        return;
    FShowHint = on;
    UpdateIcon();
}

void TTrayIcon::setVisible(bool on)
{
    if (on == FVisible)
        return;
    if (on)
        ShowIcon();
    else
        HideIcon(true);
}

QString TTrayIcon::PlatformTip() const
{
    return FShowHint ? FHint : QString();
}

void TTrayIcon::UpdateIcon()
{
    FTray->setIcon(FIcon);
    FTray->setToolTip(PlatformTip());
}

void TTrayIcon::UpdateImage()
{
    if (!FImageList)
        return;
    FIcon = FImageList->Image(FImageIndex);
    UpdateIcon();
}

void TTrayIcon::ShowIcon()
{
    UpdateIcon();
    if (PlatformTray())
        FTray->show();
    FVisible = true;
    emit OnShow();
}

void TTrayIcon::HideIcon(bool showOwner)
{
    FTray->hide();
    FVisible = false;
    emit OnHide();
    if (!showOwner)
        return;
    if (FMinimizeToTray)
        ShowApplication();
    if (FOwner && !FOwner->isVisible())
        FOwner->show();
}

void TTrayIcon::Loaded()
{
    // Starting hidden needs a way back: without a notification area the window is shown.
    if (FMinimizeOnStart && TrayAvailable()) {
        FHidesMainForm = true;
        DoMinimize();
    }
    if (FVisible && PlatformTray())
        FTray->show();
}

void TTrayIcon::ShowApplication()
{
    if (!FOwner)
        return;
    FOwner->showNormal();
    FOwner->raise();
    FOwner->activateWindow();
}

void TTrayIcon::HideApplication()
{
    if (FOwner && FOwner->isVisible()) {
        FOwner->hide();
        FTrayWatch.start();
    }
}

void TTrayIcon::WatchTray()
{
    if (!FOwner || FOwner->isVisible()) {
        FTrayWatch.stop();
        return;
    }
    if (TrayAvailable())
        return;
    // The only way back to the window is gone with the notification area.
    FTrayWatch.stop();
    ShowApplication();
}

void TTrayIcon::DoMinimize()
{
    bool allow = true;
    emit OnMinimizeQuery(this, allow);
    if (!allow)
        return;
    HideApplication();
    setVisible(true);
    emit OnMinimize();
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FOwner && event->type() == QEvent::WindowStateChange && FMinimizeToTray
        && FOwner->isMinimized() && TrayAvailable()) {
        // The window finishes minimising first; hiding it from inside its own state change
        // would leave the window manager with a half-done request.
        QTimer::singleShot(0, this, [this] {
            if (FOwner && FOwner->isMinimized() && FOwner->isVisible())
                DoMinimize();
        });
    }
    return TTimerComponent::eventFilter(watched, event);
}

void TTrayIcon::BringOwnerForward()
{
    if (FOwner && FOwner->isVisible()) {
        FOwner->raise();
        FOwner->activateWindow();
    }
}

void TTrayIcon::TrayMessage(TTrayMessage message, const QPoint& pos,
                            Qt::KeyboardModifiers modifiers)
{
    if (!FEnabled)
        return;
    switch (message) {
    case tmMouseMove: emit OnMouseMove(modifiers, pos); break;
    case tmLeftDown:
        emit OnMouseDown(Qt::LeftButton, modifiers, pos);
        FLeftDown = true;
        break;
    case tmLeftUp:
        BringOwnerForward();
        emit OnMouseUp(Qt::LeftButton, modifiers, pos);
        if (FLeftDown) {
            emit OnClick();
            Click();
        }
        if (FPopupByLeft)
            Popup();
        FLeftDown = false;
        break;
    case tmLeftDblClick: DoubleClick(); break;
    case tmRightDown: emit OnMouseDown(Qt::RightButton, modifiers, pos); break;
    case tmRightUp:
        BringOwnerForward();
        emit OnMouseUp(Qt::RightButton, modifiers, pos);
        Popup();
        break;
    case tmMiddleDown: emit OnMouseDown(Qt::MiddleButton, modifiers, pos); break;
    case tmMiddleUp:
        BringOwnerForward();
        emit OnMouseUp(Qt::MiddleButton, modifiers, pos);
        break;
    }
}

void TTrayIcon::Click()
{
    // With PopupByLeft the left click is the menu's.
    if (FPopupByLeft || !FOwner || FOwner->isVisible())
        return;
    ShowApplication();
    FShownByClick.start();
}

void TTrayIcon::DoubleClick()
{
    emit OnDblClick();
    if (FPopupMenu && !FPopupByLeft && FPopupMenu->defaultAction()) {
        FPopupMenu->defaultAction()->trigger();
        return;
    }
    if (!FOwner)
        return;
    // A double click begins with a click, and that click has already brought the window back:
    // the double click leaves it in view rather than hiding it again at once.
    const bool shownByItsFirstClick =
        FShownByClick.isValid()
        && FShownByClick.elapsed() <= QGuiApplication::styleHints()->mouseDoubleClickInterval();
    FShownByClick.invalidate();
    if (FMinimizeToTray && FOwner->isVisible() && !shownByItsFirstClick)
        HideApplication();
    else
        ShowApplication();
}

void TTrayIcon::Popup()
{
    if (!FPopupMenu)
        return;
    const QPoint pos = QCursor::pos();
    BringOwnerForward();
    FPopupMenu->popup(pos);
    emit OnPopupMenu();
}

void TTrayIcon::Timer()
{
    if (FImageList) {
        int next = FImageIndex + 1;
        if (next >= FImageList->Count())
            next = 0;
        setImageIndex(next);
    }
    emit OnCycleIcons();
}

}  // namespace deskora
