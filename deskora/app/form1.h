// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// TForm1: the planner's one window, " Terminplaner".
//
// The desk pad fills the upper part; below it a hint about saving, the buttons "Mond" (starts
// Lunoria), "Hilfe" and "Schließen", a field with the date of the program start and a web
// label. The window also holds the tray icon (minimising hides the window to the notification
// area) and the single-instance guard, which runs while the window is built.
//
// Nothing typed is lost when the window goes: closing it, minimising it to the tray and the
// end of the desktop session save the shown page first. When that save fails the user is told
// and the window stays; a second close then ends without saving.

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QSessionManager;
class QToolButton;

namespace deskora {

class TCalendarPad;
class TExeSpeedButton;
class THttpLabel;
class TOneInstance;
class TTrayIcon;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Client size of the window: an outer size of 398 x 389 less the frame and the title bar.
    static constexpr int FormClientWidth = 390;
    static constexpr int FormClientHeight = 362;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TCalendarPad* CalendarPad1() const { return FCalendarPad1; }
    QLabel* Label1() const { return FLabel1; }
    TExeSpeedButton* ExeSpeedButton1() const { return FExeSpeedButton1; }
    QToolButton* SpeedButton1() const { return FSpeedButton1; }
    QToolButton* SpeedButton2() const { return FSpeedButton2; }
    QLineEdit* Edit1() const { return FEdit1; }
    THttpLabel* HttpLabel1() const { return FHttpLabel1; }
    TTrayIcon* TrayIcon1() const { return FTrayIcon1; }
    TOneInstance* OneInstance1() const { return FOneInstance1; }

    // Whether the window is to be shown at start: not when another copy runs, nor when the
    // tray icon starts hidden.
    bool ShowAtStart() const;

    // Saves the shown page when it holds unsaved text; the error text when that fails.
    QString SaveShownPage();

    // What a request to end from outside made of the shown page: the exit status (0 saved or
    // nothing to save, 1 not saved) and, when it was not saved, a message for standard error
    // that says where the text went.
    struct TEndReport {
        int Status = 0;
        QString Message;
    };
    // Saves the shown page; where that fails, writes it to a rescue file in the user's state
    // folder, and where even that fails, puts the text itself into the message. Never asks the
    // user: the program is about to end.
    TEndReport SaveOrRescue();

    // The end of the desktop session: the page is saved, or the end is cancelled.
    void CommitData(QSessionManager& manager);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void FormCreate();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void TrayMinimizeQuery(TTrayIcon* sender, bool& allow);

    TCalendarPad* FCalendarPad1 = nullptr;
    QLabel* FLabel1 = nullptr;
    TExeSpeedButton* FExeSpeedButton1 = nullptr;
    QToolButton* FSpeedButton1 = nullptr;
    QToolButton* FSpeedButton2 = nullptr;
    QLineEdit* FEdit1 = nullptr;
    THttpLabel* FHttpLabel1 = nullptr;
    TTrayIcon* FTrayIcon1 = nullptr;
    TOneInstance* FOneInstance1 = nullptr;
    // Set when a save on close failed: the next close ends without saving.
    bool FCloseWithoutSaving = false;
};

}  // namespace deskora
