// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// TTrayIcon: an icon in the desktop's notification area that can stand in for the minimised
// window.
//
// With MinimizeToTray on, minimising the owner window hides it and shows the icon; a click on
// the icon (Linux desktops activate tray icons with a single click) or a double click shows the
// window again, and the icon stays. Should the notification area go away while the window is
// hidden (the panel crashed or restarts), the window comes back by itself within a second. The
// icon also reports mouse events, opens a pop-up menu and can cycle through the pictures of an
// image list on a timer.
//
// The component keeps its own state (Visible, ImageIndex, ...) and maps it to QSystemTrayIcon.
// Where the desktop has no notification area, minimising stays an ordinary minimise, so the
// window can always be brought back from the task bar.

#include <QElapsedTimer>
#include <QIcon>
#include <QMenu>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace deskora {

// Base of the non-visual components of the planner shell. There is no designer, so a
// component always runs.
class TShellComponent : public QObject {
    Q_OBJECT
public:
    explicit TShellComponent(QObject* owner = nullptr) : QObject(owner) {}
};

// A component with one timer. The timer runs exactly when the interval is not 0, the flag is on
// and a handler is assigned; each change of these three restarts it.
class TTimerComponent : public TShellComponent {
    Q_OBJECT
public:
    explicit TTimerComponent(QObject* owner = nullptr);

    bool TimerEnabled() const { return FTimerEnabled; }
    void setTimerEnabled(bool on);
    unsigned Interval() const { return FInterval; }
    void setInterval(unsigned milliseconds);
    const std::function<void()>& OnTimer() const { return FOnTimer; }
    void setOnTimer(std::function<void()> handler);

    // Whether the timer is running now.
    bool TimerActive() const { return FTimer.isActive(); }

protected:
    // One tick; raises the timer handler. An error raised inside is shown to the user.
    virtual void Timer();

private:
    void UpdateTimer();

    QTimer FTimer;
    bool FTimerEnabled = true;
    unsigned FInterval = 1000;
    std::function<void()> FOnTimer;
};

// The pictures that a tray icon can cycle through.
class TImageList : public QObject {
    Q_OBJECT
public:
    explicit TImageList(QObject* owner = nullptr) : QObject(owner) {}
    int Count() const { return static_cast<int>(FImages.size()); }
    QIcon Image(int index) const;
    void Add(const QIcon& image);
    void Clear();

signals:
    void OnChange();

private:
    QList<QIcon> FImages;
};

// Mouse messages of the icon, as the notification area reports them.
enum TTrayMessage {
    tmMouseMove,
    tmLeftDown,
    tmLeftUp,
    tmLeftDblClick,
    tmRightDown,
    tmRightUp,
    tmMiddleDown,
    tmMiddleUp
};

class TTrayIcon : public TTimerComponent {
    Q_OBJECT
    Q_PROPERTY(bool CycleIcons READ CycleIcons WRITE setCycleIcons)
    Q_PROPERTY(unsigned CycleInterval READ CycleInterval WRITE setCycleInterval)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(QIcon Icon READ Icon WRITE setIcon)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
    Q_PROPERTY(int IconID READ IconID WRITE setIconID)
    Q_PROPERTY(bool MinimizeToTray READ MinimizeToTray WRITE setMinimizeToTray)
    Q_PROPERTY(bool MinimizeOnStart READ MinimizeOnStart WRITE setMinimizeOnStart)
    Q_PROPERTY(bool PopupByLeft READ PopupByLeft WRITE setPopupByLeft)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool VisibleOnDesigning READ VisibleOnDesigning WRITE setVisibleOnDesigning)

public:
    // Longest tooltip the notification area takes.
    static constexpr int MaxHintLength = 63;
    // How often, in milliseconds, the icon asks whether the notification area is still there
    // while the window is hidden to it.
    static constexpr int TrayWatchInterval = 500;

    // The owner is the window that the icon stands in for.
    explicit TTrayIcon(QWidget* owner);
    ~TTrayIcon() override;

    bool CycleIcons() const { return TimerEnabled(); }
    void setCycleIcons(bool on) { setTimerEnabled(on); }
    unsigned CycleInterval() const { return Interval(); }
    void setCycleInterval(unsigned milliseconds) { setInterval(milliseconds); }
    // Whether mouse messages of the icon are handled.
    bool Enabled() const { return FEnabled; }
    void setEnabled(bool on) { FEnabled = on; }
    QString Hint() const { return FHint; }
    void setHint(const QString& hint);
    QIcon Icon() const { return FIcon; }
    void setIcon(const QIcon& icon);
    TImageList* ImageList() const { return FImageList; }
    void setImageList(TImageList* list);
    int ImageIndex() const { return FImageIndex; }
    void setImageIndex(int index);
    int IconID() const { return FIconID; }
    void setIconID(int id);
    bool MinimizeToTray() const { return FMinimizeToTray; }
    void setMinimizeToTray(bool on) { FMinimizeToTray = on; }
    bool MinimizeOnStart() const { return FMinimizeOnStart; }
    void setMinimizeOnStart(bool on) { FMinimizeOnStart = on; }
    QMenu* PopupMenu() const { return FPopupMenu; }
    void setPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    bool PopupByLeft() const { return FPopupByLeft; }
    void setPopupByLeft(bool on) { FPopupByLeft = on; }
    bool ShowHint() const { return FShowHint; }
    void setShowHint(bool on);
    bool Visible() const { return FVisible; }
    void setVisible(bool on);
    bool VisibleOnDesigning() const { return FVisibleOnDesigning; }
    void setVisibleOnDesigning(bool on) { FVisibleOnDesigning = on; }

    // Called once the owner's settings are in place: starts hidden with MinimizeOnStart, then
    // shows the icon when Visible is set.
    void Loaded();
    // Whether the owner window is to stay hidden at start (MinimizeOnStart with a tray).
    bool HidesMainForm() const { return FHidesMainForm; }

    void ShowApplication();
    void HideApplication();
    void DoMinimize();

    // Handles one mouse message of the icon at a screen position.
    void TrayMessage(TTrayMessage message, const QPoint& pos,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The tooltip the notification area is given: Hint, or nothing without ShowHint.
    QString PlatformTip() const;

    // Whether the desktop has a notification area; tests replace it.
    using TTrayAvailability = std::function<bool()>;
    static TTrayAvailability SetTrayAvailability(TTrayAvailability availability);
    static bool TrayAvailable();

signals:
    // Asked before the window is hidden to the tray; a handler that clears Allow keeps the
    // window as it is. Connect it directly.
    void OnMinimizeQuery(deskora::TTrayIcon* Sender, bool& Allow);
    void OnMinimize();
    void OnClick();
    void OnDblClick();
    void OnPopupMenu();
    void OnShow();
    void OnHide();
    void OnCycleIcons();
    void OnMouseMove(Qt::KeyboardModifiers Shift, const QPoint& Pos);
    void OnMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, const QPoint& Pos);
    void OnMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, const QPoint& Pos);

protected:
    void Timer() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowIcon();
    void HideIcon(bool showOwner);
    void UpdateIcon();
    void UpdateImage();
    void Click();
    void DoubleClick();
    void WatchTray();
    void Popup();
    void BringOwnerForward();

    QPointer<QWidget> FOwner;
    QSystemTrayIcon* FTray = nullptr;
    QPointer<TImageList> FImageList;
    QPointer<QMenu> FPopupMenu;
    // Runs while the window is hidden to the tray, to bring it back should the tray go away.
    QTimer FTrayWatch;
    // Since the last click that brought the window back; invalid when there was none.
    QElapsedTimer FShownByClick;
    QString FHint;
    QIcon FIcon;
    int FImageIndex = 0;
    int FIconID = 0;
    bool FEnabled = true;
    bool FMinimizeToTray = false;
    bool FMinimizeOnStart = false;
    bool FPopupByLeft = false;
    bool FShowHint = true;
    bool FVisible = false;
    bool FVisibleOnDesigning = false;
    bool FHidesMainForm = false;
    bool FLeftDown = false;
};

}  // namespace deskora
