// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The tray icon through its own state and signals; the notification area is replaced by a
// switch, so the tests run without a desktop.

#include "app/trayicon.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace deskora {
namespace {

QIcon Coloured(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

class Tray : public ::testing::Test {
protected:
    void SetUp() override
    {
        FOldAvailability = TTrayIcon::SetTrayAvailability([this] { return FTrayThere; });
        FWindow = std::make_unique<QWidget>();
        FWindow->resize(200, 100);
        FTray = new TTrayIcon(FWindow.get());
        FWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(FWindow.get()));
    }

    void TearDown() override
    {
        FWindow.reset();
        TTrayIcon::SetTrayAvailability(FOldAvailability);
    }

    // Minimises the window the way the title bar does and lets the events run.
    void Minimise()
    {
        FWindow->setWindowState(FWindow->windowState() | Qt::WindowMinimized);
        QTest::qWait(20);
    }

    bool FTrayThere = true;
    TTrayIcon::TTrayAvailability FOldAvailability;
    std::unique_ptr<QWidget> FWindow;
    TTrayIcon* FTray = nullptr;
};

TEST_F(Tray, HintIsCutTo63CharactersAndHiddenWithoutShowHint)
{
    const QString seventy = QString(60, QLatin1Char('a')) + QStringLiteral("0123456789");
    ASSERT_EQ(seventy.size(), 70);
    FTray->setHint(seventy);
    EXPECT_EQ(FTray->Hint(), QString(60, QLatin1Char('a')) + QStringLiteral("012"));
    EXPECT_EQ(FTray->PlatformTip().size(), 63);

    FTray->setHint(QStringLiteral("Deskora"));
    EXPECT_EQ(FTray->Hint(), QStringLiteral("Deskora"));
    FTray->setShowHint(false);
    EXPECT_TRUE(FTray->PlatformTip().isEmpty());
}

TEST_F(Tray, CyclesThroughThreeImagesInTurn)
{
    TImageList images;
    images.Add(Coloured(Qt::red));
    images.Add(Coloured(Qt::green));
    images.Add(Coloured(Qt::blue));
    FTray->setImageList(&images);
    EXPECT_EQ(FTray->ImageIndex(), 0);

    QList<int> seen;
    QObject::connect(FTray, &TTrayIcon::OnCycleIcons, FTray, [&] { seen << FTray->ImageIndex(); });
    FTray->setCycleInterval(15);
    FTray->setCycleIcons(true);
    EXPECT_TRUE(FTray->TimerActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 5; }, 3000));
    FTray->setCycleIcons(false);
    EXPECT_FALSE(FTray->TimerActive());
    EXPECT_EQ(seen.mid(0, 5), (QList<int>{1, 2, 0, 1, 2}));

    // The shown picture is the list's image at the index: blue for index 2.
    FTray->setImageIndex(2);
    EXPECT_EQ(FTray->Icon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::blue));
    // A cycle interval of 0 stops the timer even with cycling on.
    FTray->setCycleIcons(true);
    FTray->setCycleInterval(0);
    EXPECT_FALSE(FTray->TimerActive());
}

TEST_F(Tray, DisabledIconIgnoresClicksWhileTheTimerStillCycles)
{
    TImageList images;
    images.Add(Coloured(Qt::red));
    images.Add(Coloured(Qt::green));
    FTray->setImageList(&images);
    FTray->setEnabled(false);
    QSignalSpy clicks(FTray, &TTrayIcon::OnClick);
    QSignalSpy doubles(FTray, &TTrayIcon::OnDblClick);
    QSignalSpy downs(FTray, &TTrayIcon::OnMouseDown);
    QSignalSpy cycles(FTray, &TTrayIcon::OnCycleIcons);

    FTray->setCycleInterval(10);
    FTray->setCycleIcons(true);
    FTray->TrayMessage(tmLeftDown, QPoint(5, 5));
    FTray->TrayMessage(tmLeftUp, QPoint(5, 5));
    FTray->TrayMessage(tmLeftDblClick, QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return cycles.size() >= 2; }, 3000));
    EXPECT_EQ(clicks.size(), 0);
    EXPECT_EQ(doubles.size(), 0);
    EXPECT_EQ(downs.size(), 0);
    EXPECT_TRUE(FWindow->isVisible());
}

TEST_F(Tray, MouseMessagesRaiseTheirEventsInOrder)
{
    QStringList events;
    QObject::connect(
        FTray, &TTrayIcon::OnMouseDown, FTray,
        [&](Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint& p) {
            events << QStringLiteral("down %1 %2,%3").arg(int(b)).arg(p.x()).arg(p.y());
        });
    QObject::connect(FTray, &TTrayIcon::OnMouseUp, FTray,
                     [&](Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint&) {
                         events << QStringLiteral("up %1").arg(int(b));
                     });
    QObject::connect(FTray, &TTrayIcon::OnClick, FTray, [&] { events << "click"; });
    QObject::connect(FTray, &TTrayIcon::OnMouseMove, FTray, [&] { events << "move"; });

    FTray->TrayMessage(tmMouseMove, QPoint(1, 2));
    FTray->TrayMessage(tmLeftDown, QPoint(3, 4));
    FTray->TrayMessage(tmLeftUp, QPoint(3, 4));
    // A left release without a press on the icon is no click.
    FTray->TrayMessage(tmLeftUp, QPoint(3, 4));
    FTray->TrayMessage(tmRightDown, QPoint(7, 8));
    FTray->TrayMessage(tmRightUp, QPoint(7, 8));
    EXPECT_EQ(events,
              (QStringList{"move", "down 1 3,4", "up 1", "click", "up 1", "down 2 7,8", "up 2"}));
}

TEST_F(Tray, DoubleClickPrefersTheMenusDefaultItem)
{
    QMenu menu;
    QAction* open = menu.addAction(QStringLiteral("Öffnen"));
    menu.setDefaultAction(open);
    QSignalSpy triggered(open, &QAction::triggered);
    FTray->setPopupMenu(&menu);
    FTray->setMinimizeToTray(true);

    FTray->TrayMessage(tmLeftDblClick, QPoint());
    EXPECT_EQ(triggered.size(), 1);
    // The default item took the double click: the visible window was not hidden.
    EXPECT_TRUE(FWindow->isVisible());

    // With PopupByLeft the default item is not used, and the double click hides the window.
    FTray->setPopupByLeft(true);
    FTray->TrayMessage(tmLeftDblClick, QPoint());
    EXPECT_EQ(triggered.size(), 1);
    EXPECT_FALSE(FWindow->isVisible());
    menu.close();
}

TEST_F(Tray, MinimiseWithoutMinimizeToTrayStaysAnOrdinaryMinimise)
{
    QSignalSpy minimised(FTray, &TTrayIcon::OnMinimize);
    Minimise();
    EXPECT_TRUE(FWindow->isMinimized());
    EXPECT_TRUE(FWindow->isVisible());
    EXPECT_FALSE(FTray->Visible());
    EXPECT_EQ(minimised.size(), 0);
}

TEST_F(Tray, MinimiseToTrayHidesTheWindowAndDoubleClickBringsItBack)
{
    FTray->setMinimizeToTray(true);
    QSignalSpy shown(FTray, &TTrayIcon::OnShow);
    QSignalSpy minimised(FTray, &TTrayIcon::OnMinimize);

    Minimise();
    EXPECT_FALSE(FWindow->isVisible());
    EXPECT_TRUE(FTray->Visible());
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(minimised.size(), 1);

    FTray->TrayMessage(tmLeftDblClick, QPoint());
    EXPECT_TRUE(FWindow->isVisible());
    EXPECT_FALSE(FWindow->isMinimized());
    // The icon stays until the program ends.
    EXPECT_TRUE(FTray->Visible());

    // Minimising again hides the window; the icon is already there.
    Minimise();
    EXPECT_FALSE(FWindow->isVisible());
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(minimised.size(), 2);
}

TEST_F(Tray, SingleClickBringsTheWindowBackAndItsDoubleClickKeepsItInView)
{
    FTray->setMinimizeToTray(true);
    QSignalSpy clicks(FTray, &TTrayIcon::OnClick);
    Minimise();
    ASSERT_FALSE(FWindow->isVisible());

    FTray->TrayMessage(tmLeftDown, QPoint());
    FTray->TrayMessage(tmLeftUp, QPoint());
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_TRUE(FWindow->isVisible());
    EXPECT_FALSE(FWindow->isMinimized());
    // A Linux desktop reports a double click as a click and then the double click: the window
    // that the click brought back stays.
    FTray->TrayMessage(tmLeftDblClick, QPoint());
    EXPECT_TRUE(FWindow->isVisible());
    // A double click of its own on the window in view hides it, as before.
    FTray->TrayMessage(tmLeftDblClick, QPoint());
    EXPECT_FALSE(FWindow->isVisible());

    // With PopupByLeft the click is the menu's and leaves the window in the tray.
    FTray->setPopupByLeft(true);
    FTray->TrayMessage(tmLeftDown, QPoint());
    FTray->TrayMessage(tmLeftUp, QPoint());
    EXPECT_FALSE(FWindow->isVisible());
}

TEST_F(Tray, WindowComesBackWhenTheNotificationAreaGoesAway)
{
    FTray->setMinimizeToTray(true);
    Minimise();
    ASSERT_FALSE(FWindow->isVisible());
    QTest::qWait(TTrayIcon::TrayWatchInterval * 2);
    EXPECT_FALSE(FWindow->isVisible());

    FTrayThere = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return FWindow->isVisible(); }, 5000));
    EXPECT_FALSE(FWindow->isMinimized());
}

TEST_F(Tray, WithoutNotificationAreaMinimiseToTrayStaysAnOrdinaryMinimise)
{
    FTrayThere = false;
    FTray->setMinimizeToTray(true);
    Minimise();
    EXPECT_TRUE(FWindow->isMinimized());
    EXPECT_TRUE(FWindow->isVisible());
    EXPECT_FALSE(FTray->Visible());
}

TEST_F(Tray, MinimiseQueryThatRefusesKeepsTheWindow)
{
    FTray->setMinimizeToTray(true);
    QObject::connect(
        FTray, &TTrayIcon::OnMinimizeQuery, FTray, [](TTrayIcon*, bool& allow) { allow = false; },
        Qt::DirectConnection);
    Minimise();
    EXPECT_TRUE(FWindow->isVisible());
    EXPECT_FALSE(FTray->Visible());
}

TEST_F(Tray, HidingTheIconShowsTheApplicationAgain)
{
    FTray->setMinimizeToTray(true);
    Minimise();
    ASSERT_FALSE(FWindow->isVisible());
    QSignalSpy hidden(FTray, &TTrayIcon::OnHide);
    FTray->setVisible(false);
    EXPECT_EQ(hidden.size(), 1);
    EXPECT_TRUE(FWindow->isVisible());
}

TEST_F(Tray, MinimizeOnStartStartsHiddenOnlyWhereATrayExists)
{
    auto window = std::make_unique<QWidget>();
    auto* tray = new TTrayIcon(window.get());
    tray->setMinimizeOnStart(true);
    tray->Loaded();
    EXPECT_TRUE(tray->HidesMainForm());
    EXPECT_TRUE(tray->Visible());

    FTrayThere = false;
    auto other = std::make_unique<QWidget>();
    auto* noTray = new TTrayIcon(other.get());
    noTray->setMinimizeOnStart(true);
    noTray->Loaded();
    EXPECT_FALSE(noTray->HidesMainForm());
    EXPECT_FALSE(noTray->Visible());
}

}  // namespace
}  // namespace deskora
