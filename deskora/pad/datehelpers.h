// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Date texts of the desk pad and the day arithmetic on them.
//
// The pad keeps its date as a text in the process-wide short date format ("dd.mm.yy" in
// Deskora, so two-digit day, month and year separated by dots). Reading a text takes a year of
// at most two digits as a year of the current century, so stepping forward from 31.12.99 gives
// 01.01.00, the first day of the same century. A day of another century, picked in the
// perpetual calendar, is kept with its four-digit year ("15.03.1985"), and the day arithmetic
// keeps that year in four digits. DaysInMonth counts every year divisible by 4 as a leap year,
// which is exact from 1901 to 2099, the years of the perpetual calendar; the day arithmetic
// is QDate's.

#include <QChar>
#include <QDate>
#include <QRect>
#include <QString>

namespace deskora {

// The process-wide short date format and date separator. In the format, d/dd stand for the
// day, m/mm for the month, yy for the two-digit and yyyy for the four-digit year, and "/" for
// the separator; every other character is written as it is.
struct TDateFormatSettings {
    QString ShortDateFormat = QStringLiteral("dd.mm.yy");
    QChar DateSeparator = QLatin1Char('.');
};

const TDateFormatSettings& DateFormatSettings();
void SetDateFormatSettings(const TDateFormatSettings& settings);

// Reads a date text: day, month and year in the order of the short date format, separated by
// the date separator, blanks before a number skipped. A year of one or two digits gets the
// current century of the clock added; three or four digits are the year as written. Throws EConvertError "'%s' ist kein gültiges Datum"
// for anything else, including days that do not exist.
QDate ReadDate(const QString& text);

// Writes a date in the short date format.
QString WriteDate(int year, int month, int day);
QString WriteDate(const QDate& date);

// Writes a date so that ReadDate gives the same date back: as WriteDate where that holds, else
// with the year in four digits whatever the format says ("15.03.1985" while the clock is in
// the 2000s, where "15.03.85" would read as 2085).
QString WriteExactDate(const QDate& date);

// Decimal text of n with leading zeros up to width w: ZeroPad(7, 2) = "07", ZeroPad(5, 4) =
// "0005"; a number wider than w is written in full (ZeroPad(123, 2) = "123").
QString ZeroPad(int n, int w);

// 28..31 days of the month under the divisible-by-4 leap rule.
int DaysInMonth(int month, int year);

// Part 0: the day as two digits; 1: the month as two digits; 2: the four-digit year.
QString DatePart(const QString& dateText, int part);

// The date text n days later (n >= 1) or earlier; n below 1 gives the date as it is. A text whose year
// was written with more than two digits gives a four-digit year ("31.12.1999" + 1 =
// "01.01.2000"); one with a short year is written by WriteDate ("31.12.99" + 1 = "01.01.00").
QString AddDays(const QString& dateText, int n);
QString SubtractDays(const QString& dateText, int n);

// Day of the year, 1..366.
int DayOfYear(const QString& dateText);

// ISO 8601 week number, 1..53 (weeks from Monday, week 1 holds the year's first Thursday).
int WeekNumber(const QString& dateText);

// Weekday index of the date: 1 = Sunday .. 7 = Saturday, the index of the name tables.
int WeekdayIndex(const QString& dateText);

// True when the point lies inside the rectangle or on any of its four edges (QRect::contains).
bool PointInRect(int x, int y, const QRect& rect);

}  // namespace deskora
