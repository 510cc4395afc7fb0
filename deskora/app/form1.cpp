// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "form1.h"

#include "app/exespeedbutton.h"
#include "app/helpviewer.h"
#include "app/httplabel.h"
#include "app/oneinstance.h"
#include "app/shellpictures.h"
#include "app/trayicon.h"

#include "pad/calendarpad.h"
#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/entryfiles.h"
#include "pad/errors.h"
#include "pad/padfonts.h"
#include "pad/rescue.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSessionManager>
#include <QToolButton>

#include <mutex>

namespace deskora {

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QColor Silver(0xC0, 0xC0, 0xC0);
// The planner's red, a shade deeper than pure red: white on pure red and pure red on white read
// at only 4 : 1; this red gives 5.9 : 1 both ways (the day number and weekday in the date box,
// the current hour on the white page).
const QColor PlannerRed(0xCC, 0x00, 0x00);

// The window's font. Where "MS Sans Serif" is not installed, an Arial-metric family stands in:
// the widths of the captions were laid out for a narrow sans serif.
QFont SansSerif(int points, bool bold = false)
{
    return PadFont(QStringList{QStringLiteral("MS Sans Serif")} + ArialFamilies(), points, bold);
}

// The window keeps its own colours under any palette of the desktop; marked text is the same
// pair the other way round, and reads as well.
void SetColours(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::Highlight})
        palette.setColor(role, text);
    for (QPalette::ColorRole role :
         {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::HighlightedText})
        palette.setColor(role, background);
    widget->setPalette(palette);
}

// The caption carries the button's key: "&Hilfe" is Alt+H.
void SetUpSpeedButton(QToolButton* button, const QString& caption, const QString& description,
                      const QPixmap& picture, const QRect& place)
{
    button->setGeometry(place);
    button->setText(caption);
    button->setAccessibleDescription(description);
    button->setIcon(picture);
    button->setIconSize(picture.size());
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    // Tab reaches the buttons; Space presses the one that has the focus.
    button->setFocusPolicy(Qt::TabFocus);
    button->setFont(SansSerif(8, true));
    SetColours(button, Silver, Navy);
}

// The planner's window is a window to a screen reader, not a plain area.
QAccessibleInterface* FormAccessible(const QString& /*className*/, QObject* object)
{
    if (auto* form = qobject_cast<TForm1*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    static std::once_flag accessible;
    std::call_once(accessible, [] { QAccessible::installFactory(FormAccessible); });
    CreateControls();
    FormCreate();
}

TForm1::~TForm1()
{
    CloseHelp();
}

void TForm1::CreateControls()
{
    setWindowTitle(QStringLiteral(" Terminplaner"));
    // System menu and minimise, no maximise; the size is fixed.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    move(207, 108);
    setFixedSize(FormClientWidth, FormClientHeight);
    SetColours(this, Qt::black, Navy);
    setAutoFillBackground(true);
    setFont(SansSerif(8));
    setWindowIcon(ProgramIcon());

    FCalendarPad1 = new TCalendarPad(this);
    FCalendarPad1->setGeometry(2, 2, 387, 278);
    FCalendarPad1->setYearColor(Qt::black);
    FCalendarPad1->setMonthColor(Qt::black);
    FCalendarPad1->setDateColor(Qt::white);
    FCalendarPad1->setDayColor(Qt::white);
    FCalendarPad1->setDateBackgroundColor(PlannerRed);
    // The footer (day of the year and week) keeps the pad's black: white would vanish on the
    // white page.
    FCalendarPad1->setDayWeekColor(Qt::black);
    FCalendarPad1->setTimeColor(Qt::black);
    FCalendarPad1->setTimeFieldColor(Qt::black);
    FCalendarPad1->setCurrentTimeColor(PlannerRed);
    FCalendarPad1->setLanguage(laDefault);
    FCalendarPad1->setExtensionFile(QStringLiteral("000"));
    FCalendarPad1->setStartTime(7);
    FCalendarPad1->setDestroyDelay(10);
    FCalendarPad1->setFont(PadFont(ArialFamilies(), 9));
    FCalendarPad1->setSoundFileName(QStringLiteral("paper.wav"));
    FCalendarPad1->setSoundEffect(true);

    FLabel1 = new QLabel(this);
    FLabel1->setGeometry(7, 280, 381, 13);
    // The pad saves typed text on its own a moment after the last keystroke.
    FLabel1->setText(QStringLiteral("Ihre Einträge werden beim Schreiben gespeichert."));
    FLabel1->setFont(SansSerif(8, true));
    SetColours(FLabel1, Silver, Navy);

    FExeSpeedButton1 = new TExeSpeedButton(this);
    SetUpSpeedButton(FExeSpeedButton1, QStringLiteral("&Mond"),
                     QStringLiteral("Startet Lunoria, den Kalender mit den Mondphasen."),
                     MondPicture(), QRect(104, 302, 73, 25));
    // Lunoria of this installation: beside Deskora's own binary, else on PATH.
    FExeSpeedButton1->setExeName(QStringLiteral("lunoria"));
    FExeSpeedButton1->setParameter(QString());

    FSpeedButton1 = new QToolButton(this);
    SetUpSpeedButton(FSpeedButton1, QStringLiteral("&Hilfe"),
                     QStringLiteral("Öffnet das Handbuch."), HilfePicture(),
                     QRect(184, 302, 73, 25));
    connect(FSpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);

    FSpeedButton2 = new QToolButton(this);
    SetUpSpeedButton(FSpeedButton2, QStringLiteral("&Schließen"),
                     QStringLiteral("Speichert das Blatt und beendet Deskora."),
                     SchliessenPicture(), QRect(264, 302, 81, 25));
    connect(FSpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);

    FEdit1 = new QLineEdit(this);
    FEdit1->setGeometry(40, 308, 57, 24);
    FEdit1->setReadOnly(true);
    FEdit1->setFrame(false);
    FEdit1->setFont(SansSerif(10, true));
    FEdit1->setTextMargins(0, 0, 0, 0);
    SetColours(FEdit1, Silver, Navy);
    FEdit1->setAccessibleName(QStringLiteral("Heute"));
    // Tab goes as the eye does: the notes, the hours, then the row below the pad from the left.
    setTabOrder(FCalendarPad1->SlotField(17), FEdit1);
    setTabOrder(FEdit1, FExeSpeedButton1);
    setTabOrder(FExeSpeedButton1, FSpeedButton1);
    setTabOrder(FSpeedButton1, FSpeedButton2);

    FHttpLabel1 = new THttpLabel(this);
    FHttpLabel1->setGeometry(89, 331, 213, 20);
    // The maker has no web address of its own yet: the caption stays empty.
    FHttpLabel1->setText(QString());
    FHttpLabel1->setFont(SansSerif(12, true));
    SetColours(FHttpLabel1, Silver, Navy);
    FHttpLabel1->setSecureHttp(false);
    // A label without an address shows nothing and offers nothing, a screen reader included.
    FHttpLabel1->setVisible(FHttpLabel1->NamesAddress());

    FTrayIcon1 = new TTrayIcon(this);
    FTrayIcon1->setIcon(ProgramIcon());
    FTrayIcon1->setMinimizeToTray(true);
    // The icon's tooltip names the program.
    FTrayIcon1->setHint(QStringLiteral("Deskora"));
    FTrayIcon1->setShowHint(true);
    connect(FTrayIcon1, &TTrayIcon::OnMinimizeQuery, this, &TForm1::TrayMinimizeQuery,
            Qt::DirectConnection);

    FOneInstance1 = new TOneInstance(this);

    // The stored settings are in place: the components finish loading in their order.
    FTrayIcon1->Loaded();
    FOneInstance1->Loaded();
}

void TForm1::FormCreate()
{
    SetDateFormatSettings({QStringLiteral("dd.mm.yy"), QLatin1Char('.')});
    FEdit1->setText(WriteDate(Now().date()));
    FEdit1->setCursorPosition(0);
    // The field shows today: after midnight or a jump of the clock, the new today.
    connect(FCalendarPad1, &TCalendarPad::TodayChanged, FEdit1, [this](const QString& today) {
        FEdit1->setText(today);
        FEdit1->setCursorPosition(0);
    });
    FCalendarPad1->setDate(FEdit1->text());
}

bool TForm1::ShowAtStart() const
{
    return !FOneInstance1->Terminated() && !FTrayIcon1->HidesMainForm();
}

void TForm1::SpeedButton1Click()
{
    HelpContext(100);
}

void TForm1::SpeedButton2Click()
{
    close();
}

QString TForm1::SaveShownPage()
{
    if (!FCalendarPad1->Modified())
        return QString();
    try {
        FCalendarPad1->SaveEntries();
    } catch (const EDeskoraError& e) {
        return e.Message();
    }
    return QString();
}

TForm1::TEndReport TForm1::SaveOrRescue()
{
    const QString error = SaveShownPage();
    if (error.isEmpty())
        return {};
    const QString date = FCalendarPad1->Date();
    const QStringList notes = FCalendarPad1->NotesField()->DisplayLines();
    const QStringList slotLines = FCalendarPad1->SlotLines();
    try {
        const QString path = WriteRescueFile(RescueFolder(), EntryFileStem(date),
                                             FCalendarPad1->ExtensionFile(), notes, slotLines,
                                             Now());
        return {1, QStringLiteral("%1\nDie ungesicherten Einträge vom %2 stehen jetzt in %3")
                       .arg(error, date, QDir::toNativeSeparators(path))};
    } catch (const EDeskoraError& e) {
        // The last place left for the text is the message itself (a terminal, the journal).
        QString message = QStringLiteral("%1\n%2\nDie ungesicherten Einträge vom %3:\n")
                              .arg(error, e.Message(), date);
        message += QStringLiteral("Notizen:\n") + notes.join(QLatin1Char('\n'));
        message += QStringLiteral("\nStunden:\n") + slotLines.join(QLatin1Char('\n'));
        return {1, message};
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FCloseWithoutSaving) {
        const QString error = SaveShownPage();
        if (!error.isEmpty()) {
            FCloseWithoutSaving = true;
            event->ignore();
            ShowErrorMessage(error);
            return;
        }
    }
    CloseHelp();
    event->accept();
}

void TForm1::TrayMinimizeQuery(TTrayIcon* /*sender*/, bool& allow)
{
    const QString error = SaveShownPage();
    if (error.isEmpty())
        return;
    // The window stays in view with the text that could not be saved.
    allow = false;
    showNormal();
    ShowErrorMessage(error);
}

void TForm1::CommitData(QSessionManager& manager)
{
    const QString error = SaveShownPage();
    if (error.isEmpty())
        return;
    if (manager.allowsInteraction()) {
        ShowErrorMessage(error);
        manager.release();
        manager.cancel();
    }
}

}  // namespace deskora
