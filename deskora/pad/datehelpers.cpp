// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "datehelpers.h"

#include <algorithm>

#include "clock.h"
#include "errors.h"

namespace deskora {

namespace {

TDateFormatSettings& Settings()
{
    static TDateFormatSettings settings;
    return settings;
}

[[noreturn]] void NotADate(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' ist kein gültiges Datum").arg(text));
}

// Order of day, month and year in the short date format: the position of each field's first
// letter. A format without one of them falls back to day, month, year.
struct TFieldOrder {
    int Day = 0, Month = 1, Year = 2;
};

TFieldOrder FieldOrder(const QString& format)
{
    const QString f = format.toLower();
    const qsizetype d = f.indexOf(QLatin1Char('d'));
    const qsizetype m = f.indexOf(QLatin1Char('m'));
    const qsizetype y = f.indexOf(QLatin1Char('y'));
    if (d < 0 || m < 0 || y < 0)
        return {};
    TFieldOrder order;
    order.Day = (d > m) + (d > y);
    order.Month = (m > d) + (m > y);
    order.Year = (y > d) + (y > m);
    return order;
}

bool IsLeapYear(int year)
{
    return year % 4 == 0;
}

}  // namespace

const TDateFormatSettings& DateFormatSettings()
{
    return Settings();
}

void SetDateFormatSettings(const TDateFormatSettings& settings)
{
    Settings() = settings;
}

namespace {

// ReadDate that also tells how many digits the year was written with.
QDate ReadDateText(const QString& text, int& yearDigits)
{
    const TDateFormatSettings& settings = Settings();
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    qsizetype pos = 0;
    const qsizetype length = text.size();
    for (int field = 0; field < 3; ++field) {
        if (field > 0) {
            if (pos >= length || text[pos] != settings.DateSeparator)
                NotADate(text);
            ++pos;
        }
        while (pos < length && text[pos] == QLatin1Char(' '))
            ++pos;
        // At most four digits per number: enough for any year and no overflow.
        while (pos < length && text[pos] >= QLatin1Char('0') && text[pos] <= QLatin1Char('9')) {
            if (++digits[field] > 4)
                NotADate(text);
            numbers[field] = numbers[field] * 10 + (text[pos].unicode() - '0');
            ++pos;
        }
        if (digits[field] == 0)
            NotADate(text);
    }
    while (pos < length && text[pos] == QLatin1Char(' '))
        ++pos;
    if (pos != length)
        NotADate(text);

    const TFieldOrder order = FieldOrder(settings.ShortDateFormat);
    const int day = numbers[order.Day];
    const int month = numbers[order.Month];
    int year = numbers[order.Year];
    yearDigits = digits[order.Year];
    if (yearDigits <= 2)
        year += Now().date().year() / 100 * 100;
    const QDate date(year, month, day);
    if (!date.isValid())
        NotADate(text);
    return date;
}

// WriteDate; fourDigitYear writes the year in four digits even where the format has "yy".
QString WriteDateText(int year, int month, int day, bool fourDigitYear)
{
    const TDateFormatSettings& settings = Settings();
    const QString& format = settings.ShortDateFormat;
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i].toLower();
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run].toLower() == c)
            ++run;
        if (c == QLatin1Char('d')) {
            out += run >= 2 ? ZeroPad(day, 2) : QString::number(day);
        } else if (c == QLatin1Char('m')) {
            out += run >= 2 ? ZeroPad(month, 2) : QString::number(month);
        } else if (c == QLatin1Char('y')) {
            out += run >= 3 || fourDigitYear ? ZeroPad(year, 4)
                                             : ZeroPad(((year % 100) + 100) % 100, 2);
        } else if (c == QLatin1Char('/')) {
            out += QString(run, settings.DateSeparator);
        } else {
            out += format.mid(i, run);
        }
        i += run;
    }
    return out;
}

}  // namespace

QDate ReadDate(const QString& text)
{
    int yearDigits = 0;
    return ReadDateText(text, yearDigits);
}

QString WriteDate(int year, int month, int day)
{
    return WriteDateText(year, month, day, false);
}

QString WriteDate(const QDate& date)
{
    return WriteDate(date.year(), date.month(), date.day());
}

QString WriteExactDate(const QDate& date)
{
    const QString text = WriteDate(date);
    try {
        if (ReadDate(text) == date)
            return text;
    } catch (const EConvertError&) {
        // A format that cannot be read back at all: the full year is the best there is.
    }
    return WriteDateText(date.year(), date.month(), date.day(), true);
}

QString ZeroPad(int n, int w)
{
    QString zeros;
    int threshold = 10;
    for (int zeroCount = 1; zeroCount <= 7; ++zeroCount, threshold *= 10) {
        if (n < threshold && w > zeroCount)
            zeros += QLatin1Char('0');
    }
    return zeros + QString::number(n);
}

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return IsLeapYear(year) ? 29 : 28;
    default: return 31;
    }
}

QString DatePart(const QString& dateText, int part)
{
    const QDate date = ReadDate(dateText);
    switch (part) {
    case 0: return ZeroPad(date.day(), 2);
    case 1: return ZeroPad(date.month(), 2);
    case 2: return ZeroPad(date.year(), 2);
    default: return {};
    }
}

namespace {

// Steps of whole days through QDate; fewer than one day leave the date as it is.
QString StepDays(const QString& dateText, int n)
{
    int yearDigits = 0;
    const QDate date = ReadDateText(dateText, yearDigits).addDays(n);
    return WriteDateText(date.year(), date.month(), date.day(), yearDigits > 2);
}

}  // namespace

QString AddDays(const QString& dateText, int n)
{
    return StepDays(dateText, std::max(n, 0));
}

QString SubtractDays(const QString& dateText, int n)
{
    return StepDays(dateText, -std::max(n, 0));
}

int DayOfYear(const QString& dateText)
{
    return ReadDate(dateText).dayOfYear();
}

int WeekNumber(const QString& dateText)
{
    return ReadDate(dateText).weekNumber();
}

int WeekdayIndex(const QString& dateText)
{
    // QDate counts 1 = Monday .. 7 = Sunday.
    return ReadDate(dateText).dayOfWeek() % 7 + 1;
}

bool PointInRect(int x, int y, const QRect& rect)
{
    return rect.contains(x, y);
}

}  // namespace deskora
