// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The perpetual calendar: a small modal dialog in which the user picks a day from a month grid,
// with a month list and a year spin field for 1981 to 2099. The pad opens it from its date box,
// hands it the shown date and language and takes the picked date text back.
//
// The month list and the year field follow the grid when it shows another month (Page Up/Down,
// arrow keys, a click on a day of the neighbouring month), and the grid follows them. A year of
// up to four digits typed into the field moves the grid as it stands; leaving the field brings
// it into 1981..2099. Return in the grid takes the day like OK.

#include "pad/language.h"

#include <QCalendarWidget>
#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace deskora {

// The stock month grid, weeks from Monday, with its weekday headings taken from the
// process-wide short day names (ApplyLanguageNames sets them).
class TStockCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit TStockCalendar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TPerpetualCalendarDlg : public QDialog {
    Q_OBJECT
    Q_PROPERTY(deskora::TLanguage Language READ Language WRITE setLanguage)
    Q_PROPERTY(QString DateText READ DateText WRITE setDateText)
public:
    explicit TPerpetualCalendarDlg(QWidget* parent = nullptr);
    ~TPerpetualCalendarDlg() override;

    // Language of month names, weekday headings and the cancel button; laDefault is resolved
    // when the dialog is shown.
    TLanguage Language() const { return FLanguage; }
    void setLanguage(TLanguage language) { FLanguage = language; }

    // In: the date to show. Out: the picked date after OK, the input after cancel.
    // At most 10 characters. A picked day that the short date format would read into another
    // century is written with its four-digit year ("15.03.1985").
    QString DateText() const { return FDateText; }
    void setDateText(const QString& text) { FDateText = text.left(10); }

    // The cancel button's caption in a language.
    static QString CancelCaption(TLanguage language);

    QComboBox* Month;
    QSpinBox* Year;
    TStockCalendar* Calendar;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void MonthChange(int index);
    void YearChange(const QString& text);
    // The grid shows another month, the user's doing: the month list and the year field follow,
    // and a month outside 1981..2099 is turned back to the nearest one inside.
    void GridPageChange(int year, int month);
    void BitBtn1Click();
    void BitBtn2Click();
    // Moves the grid to day/month/year, the day first cut to the length of the month.
    void MoveGrid(int month, int year);

    TLanguage FLanguage = laDefault;
    QString FDateText;
    // True while FormShow fills the month list, whose change is then no user pick.
    bool FShowing = false;
    // True while the dialog itself moves the grid: its page change is no user step.
    bool FMovingGrid = false;
    // True while the month list and the year field are set from the grid: their change must
    // not move the grid in turn.
    bool FFollowingGrid = false;
};

}  // namespace deskora
