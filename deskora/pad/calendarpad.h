// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// TCalendarPad: one day of a ring-binder desk pad, 387 x 278 pixels.
//
// The left page shows the date (year, month, day number, weekday), the notes field and a footer
// with the day of the year and the week number; the right page shows 17 one-hour slots. The
// lower-left and lower-right corners turn to the previous and next day, a double click on the
// date box opens the perpetual calendar. What the page holds, when it is written and how
// another program's change is taken in is the page model's (padpage.h); the pad paints, turns
// input into calls of the model and shows what the model read or merged. The day's files are
// written a moment after typing, before a page turn, before the calendar opens and when the
// focus leaves the pad, and read when the date changes, when the pad is shown, when the focus
// enters the pad and after the calendar closed. Painting reads no file.
//
// Nothing typed is lost to a reload: the files are read into the fields only when the fields
// show another day or hold nothing unsaved. A file that cannot be read is reported once, its
// part of the page stays empty and read-only, and it is never overwritten.

#include "pad/entryfiles.h"
#include "pad/language.h"
#include "pad/padpage.h"

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <future>

class QLabel;
class QLineEdit;
class QTimer;

namespace deskora {

// The notes field: a borderless multi-line field that takes at most `MaxLength` typed
// characters, with a vertical scroll bar when its text is longer than the field; Tab moves on
// to the next field.
class TNotesField : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int MaxLength = NotesMaxChars;
    explicit TNotesField(QWidget* parent = nullptr);

    // The field's lines as it shows them: a paragraph wider than the field gives one line per
    // display line. A last empty line does not count.
    QStringList DisplayLines() const;

    // Shows the lines, one paragraph each.
    void SetLines(const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int Room() const;
    // Breaking a word of thousands of letters at word boundaries costs time that grows with
    // the square of its length; such text is broken anywhere, as it would be anyway.
    void ChooseWrapping(const QString& text);
};

class TCalendarPad : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap Background READ Background WRITE setBackground)
    Q_PROPERTY(QColor YearColor READ YearColor WRITE setYearColor)
    Q_PROPERTY(QColor MonthColor READ MonthColor WRITE setMonthColor)
    Q_PROPERTY(QColor DateColor READ DateColor WRITE setDateColor)
    Q_PROPERTY(QColor DayColor READ DayColor WRITE setDayColor)
    Q_PROPERTY(QColor DateBackgroundColor READ DateBackgroundColor WRITE setDateBackgroundColor)
    Q_PROPERTY(QColor DayWeekColor READ DayWeekColor WRITE setDayWeekColor)
    Q_PROPERTY(QColor TimeColor READ TimeColor WRITE setTimeColor)
    Q_PROPERTY(QColor TimeFieldColor READ TimeFieldColor WRITE setTimeFieldColor)
    Q_PROPERTY(QColor CurrentTimeColor READ CurrentTimeColor WRITE setCurrentTimeColor)
    Q_PROPERTY(deskora::TLanguage Language READ Language WRITE setLanguage)
    Q_PROPERTY(QString Date READ Date WRITE setDate)
    Q_PROPERTY(QString ExtensionFile READ ExtensionFile WRITE setExtensionFile)
    Q_PROPERTY(int StartTime READ StartTime WRITE setStartTime)
    Q_PROPERTY(int DestroyDelay READ DestroyDelay WRITE setDestroyDelay)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
    Q_PROPERTY(QString Directory READ Directory WRITE setDirectory)
    Q_PROPERTY(QString SoundFileName READ SoundFileName WRITE setSoundFileName)
    Q_PROPERTY(bool SoundEffect READ SoundEffect WRITE setSoundEffect)

public:
    static constexpr int PadWidth = 387;
    static constexpr int PadHeight = 278;
    static constexpr int SlotMaxLength = 255;

    explicit TCalendarPad(QWidget* parent = nullptr);
    ~TCalendarPad() override;

    QPixmap Background() const;
    void setBackground(const QPixmap& picture);
    QColor YearColor() const { return FYearColor; }
    void setYearColor(const QColor& color);
    QColor MonthColor() const { return FMonthColor; }
    void setMonthColor(const QColor& color);
    QColor DateColor() const { return FDateColor; }
    void setDateColor(const QColor& color);
    QColor DayColor() const { return FDayColor; }
    void setDayColor(const QColor& color);
    QColor DateBackgroundColor() const { return FDateBackgroundColor; }
    void setDateBackgroundColor(const QColor& color);
    QColor DayWeekColor() const { return FDayWeekColor; }
    void setDayWeekColor(const QColor& color);
    QColor TimeColor() const { return FTimeColor; }
    void setTimeColor(const QColor& color);
    // Text colour of the slot fields outside the current hour; set on the fields at once.
    QColor TimeFieldColor() const { return FTimeFieldColor; }
    void setTimeFieldColor(const QColor& color);
    QColor CurrentTimeColor() const { return FCurrentTimeColor; }
    void setCurrentTimeColor(const QColor& color);
    TLanguage Language() const { return FLanguage; }
    void setLanguage(TLanguage language);

    // The shown day as a date text. Setting it asks OnChange first, then shows the day.
    QString Date() const { return FDate; }
    void setDate(const QString& date);

    // Extension of both entry files, at most 3 characters; a longer value is ignored.
    QString ExtensionFile() const { return FExtensionFile; }
    void setExtensionFile(const QString& extension);
    // Hour of the first slot, 0..23; other values are ignored.
    int StartTime() const { return FStartTime; }
    void setStartTime(int hour);
    // A number of days, 1..365, kept for the planner; other values are ignored.
    int DestroyDelay() const { return FDestroyDelay; }
    void setDestroyDelay(int days);
    // Whether the hints of the corners and the date box show as tooltips.
    bool ShowHint() const { return FShowHint; }
    void setShowHint(bool show) { FShowHint = show; }
    // Folder of the entry files, taken as given.
    QString Directory() const { return FDirectory; }
    void setDirectory(const QString& directory);
    QString SoundFileName() const { return FSoundFileName; }
    void setSoundFileName(const QString& fileName) { FSoundFileName = fileName; }
    bool SoundEffect() const { return FSoundEffect; }
    void setSoundEffect(bool on) { FSoundEffect = on; }

    // Writes the parts of the page edited since they were loaded or saved (merged first with
    // what another program wrote meanwhile), and the day's other file when it has none yet.
    // A day the user did not write on gets no files. A file that could not be read is left
    // alone. Throws EFileError or EConvertError.
    void SaveEntries();
    // Fills the fields from the files of the shown day. A file that cannot be read leaves its
    // part empty and read-only and is reported once per page shown. Throws EConvertError.
    void LoadEntries();
    // Whether the fields hold text typed since they were last loaded or saved.
    bool Modified() const { return FPage->Edited(); }
    TPadPage* Page() const { return FPage; }

    // The full paths of the shown day's notes and slot files.
    QString NotesFilePath() const;
    QString SlotFilePath() const;

    TNotesField* NotesField() const { return FNotes; }
    // Whether the notes file holds more than the notes field shows; a notice says so.
    bool NotesCut() const { return FPage->NotesCut(); }
    // The texts of the 17 slots, the first hour first: the lines of the slot file.
    QStringList SlotLines() const;
    // Slot field k, k = 1..17.
    QLineEdit* SlotField(int k) const;

    // The hour label of slot k, "07:00" and so on; with laEnglish on a twelve-hour dial.
    QString HourLabel(int k) const;
    // Whether slot k is the slot of the clock's current hour on today's page.
    bool IsCurrentHourSlot(int k) const;
    // Whether the shown day is today by the clock.
    bool ShowsToday() const;
    // "Tag 46 - Woche 7" for 15.02.02 in German.
    static QString FooterText(const QString& date, TLanguage language);

    // The shown day in words, "Freitag, 15. Februar 2002": what the page shows of the date, for
    // a screen reader. An unreadable date text is given as it stands.
    QString FullDateText() const;
    // Whether the corner can turn further: not beyond 01.01.1901 and 31.12.2099.
    bool CanTurn(bool forward) const { return LimitHint(forward).isEmpty(); }
    // The places of the painted parts, in pad coordinates: the corners, the date (year, month
    // and the date box) and the footer.
    static QRect CornerRect(bool forward);
    static QRect DateArea();
    static QRect FooterArea();

    // What a release over a corner does: saves the page left (a failed save stops the turn),
    // shows the neighbouring day and plays the sound. The keys and a screen reader's press on
    // a corner take the same way.
    void TurnPage(bool forward);
    // Saves the page and shows today.
    void TurnToToday();
    // Saves the page and lets the user pick a day in the perpetual calendar, whose top-left
    // corner is put at the given screen position.
    void OpenPerpetualCalendar(const QPoint& at);

    // Recolours the hour labels and slot fields for the clock's current hour.
    void RefreshHourLabels();
    // Looks at the clock: recolours the hours when the hour or the day changed, and turns a
    // page that showed today to the new today once the user pauses. Runs every two seconds.
    void FollowClock();

signals:
    // Asked before the date changes; a handler that sets AllowChange to false keeps the page.
    // Connect it directly.
    void OnChange(deskora::TCalendarPad* Sender, const QString& NewDate, bool& AllowChange);
    // The clock reached another day (midnight, or a jump of the clock).
    void TodayChanged(const QString& today);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FocusChanged(QWidget* old, QWidget* now);
    bool Contains(const QWidget* widget) const;
    // LoadEntries unless that would replace unsaved text of the shown day.
    void RefreshEntries();
    // RefreshEntries for a page that is set or shown; a date that cannot be read is reported
    // once the pad is on screen.
    void ShowEntries();
    void ApplySlotColours();
    // Names the slots for a screen reader after their hour labels ("14 Uhr").
    void NameSlots();
    // Tells a screen reader that the date (and with it the footer) changed.
    void AnnounceDate();
    void CreateShortcuts();
    void ShowNotesCutNotice(bool shown);
    // Fills a part's fields from the model, keeping the cursor where it was.
    void ShowPart(TPadPage::TPart part, bool keepCursor);
    void ShowMergeNotice();
    void ShowAutosaveFailure(const QString& message);
    // The reason the corner cannot turn further, or nothing.
    QString LimitHint(bool forward) const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Runs an action; an error it raises is shown to the user. Returns whether it succeeded.
    template <class Action>
    bool Guarded(Action&& action);
    // Shows an error raised while painting, once per date text, after the paint is over.
    void ReportPaintError(const QString& message);
    QRect HourLabelStrip() const;

    // The pad's own background, painted in a second thread while the start builds the rest of
    // the window, and taken over at the first paint (or when asked for).
    mutable QPixmap FBackground;
    mutable std::future<QImage> FBackgroundPainting;
    void TakePaintedBackground() const;
    bool FOwnBackground = true;  // FBackground is the pad's own painting (redone for the screen)
    QColor FYearColor = Qt::black;
    QColor FMonthColor = Qt::black;
    QColor FDateColor = Qt::white;
    QColor FDayColor = Qt::white;
    QColor FDateBackgroundColor = Qt::red;
    QColor FDayWeekColor = Qt::black;
    QColor FTimeColor = Qt::black;
    QColor FTimeFieldColor = Qt::black;
    QColor FCurrentTimeColor = Qt::red;
    TLanguage FLanguage = laDefault;
    QString FDate;
    QString FExtensionFile = QStringLiteral("000");
    int FStartTime = 8;
    int FDestroyDelay = 10;
    bool FShowHint = false;
    QString FDirectory;
    QString FSoundFileName;
    bool FSoundEffect = true;

    TNotesField* FNotes = nullptr;
    QLabel* FNotesCutNotice = nullptr;
    std::array<QLineEdit*, 17> FSlots{};
    QLabel* FMergeNotice = nullptr;
    QTimer* FMergeNoticeTimer = nullptr;
    QTimer* FClockTimer = nullptr;
    TPadPage* FPage = nullptr;
    // Whether an input method is composing text in a field (nothing is written meanwhile).
    bool FComposing = false;
    // What the clock showed at the last look: the day and the current-hour slot.
    QDate FClockDay;
    int FClockHour = -1;
    // Whether the pointer is over a corner that cannot turn further.
    bool FLimitHint = false;
    std::array<QCursor, 3> FHandCursors;
    bool FHandCursorsMade = false;

    // Pointer over the previous-day corner, the next-day corner, the date box.
    bool FPriorFlag = false;
    bool FNextFlag = false;
    bool FDateFlag = false;
    int FCursorNumber = 0;

    bool FLoading = false;
    // The date whose unreadable date text painting has reported: every later paint would fail
    // the same way, so it reports no more. The date whose unreadable files have been reported.
    QString FPaintErrorDate;
    QString FLoadErrorDate;
};

}  // namespace deskora
