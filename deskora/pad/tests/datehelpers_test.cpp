// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Day arithmetic and date texts of the pad, read and written as "dd.mm.yy".

#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/errors.h"

#include <gtest/gtest.h>

#include "printers.h"

namespace deskora {
namespace {

class DateTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        FOldClock = SetClock([] { return QDateTime(QDate(2024, 6, 15), QTime(10, 0)); });
        FOldSettings = DateFormatSettings();
        SetDateFormatSettings({QStringLiteral("dd.mm.yy"), QLatin1Char('.')});
    }
    void TearDown() override
    {
        SetClock(FOldClock);
        SetDateFormatSettings(FOldSettings);
    }

private:
    TClock FOldClock;
    TDateFormatSettings FOldSettings;
};

TEST_F(DateTexts, DaysInMonthFollowsTheDivisibleByFourRule)
{
    struct Case {
        int month, year, days;
    };
    const Case cases[] = {
        {1, 2001, 31}, {2, 2000, 29},  {2, 2001, 28},  {2, 2004, 29},  {3, 2001, 31},
        {4, 2001, 30}, {5, 2001, 31},  {6, 2001, 30},  {7, 2001, 31},  {8, 2001, 31},
        {9, 2001, 30}, {10, 2001, 31}, {11, 2001, 30}, {12, 2001, 31},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
}

TEST_F(DateTexts, StepsAcrossMonthYearAndCenturyEnds)
{
    struct Case {
        const char* from;
        int n;
        const char* added;
        const char* subtracted;
    };
    const Case cases[] = {
        {"28.02.04", 1, "29.02.04", "27.02.04"},
        {"31.12.99", 1, "01.01.00", "30.12.99"},
        {"01.03.03", 1, "02.03.03", "28.02.03"},
        {"01.01.02", 1, "02.01.02", "31.12.01"},
        {"01.03.04", 1, "02.03.04", "29.02.04"},
        // 13 more days reach 28 February 2002, the next 17 run into March.
        {"15.02.02", 30, "17.03.02", "16.01.02"},
        // 2004 has 366 days, 2003 has 365.
        {"01.01.04", 366, "01.01.05", "31.12.02"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddDays(QString::fromLatin1(c.from), c.n), QLatin1String(c.added)) << c.from;
        EXPECT_EQ(SubtractDays(QString::fromLatin1(c.from), c.n), QLatin1String(c.subtracted))
            << c.from;
    }
}

TEST_F(DateTexts, StepsKeepAYearWrittenInFourDigits)
{
    struct Case {
        const char* from;
        const char* added;
        const char* subtracted;
    };
    const Case cases[] = {
        {"31.12.1985", "01.01.1986", "30.12.1985"}, {"31.12.1999", "01.01.2000", "30.12.1999"},
        {"01.01.2000", "02.01.2000", "31.12.1999"}, {"01.03.1984", "02.03.1984", "29.02.1984"},
        {"01.01.00", "02.01.00", "31.12.99"},       {"1.1.1", "02.01.01", "31.12.00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddDays(QString::fromLatin1(c.from), 1), QLatin1String(c.added)) << c.from;
        EXPECT_EQ(SubtractDays(QString::fromLatin1(c.from), 1), QLatin1String(c.subtracted))
            << c.from;
    }
}

TEST_F(DateTexts, DayOfYearWeekNumberAndWeekday)
{
    // Weekdays from the calendar: 15 Feb 2002 was a Friday, 1 Jan 2021 a Friday, 4 Jan 2021 a
    // Monday, 29 Dec 2025 a Monday, 28 Dec 2026 a Monday, 31 Dec 2004 a Friday.
    struct Case {
        const char* date;
        int dayOfYear, week, weekday;
    };
    const Case cases[] = {
        {"31.12.04", 366, 53, 6},
        {"01.03.03", 60, 9, 7},
        {"15.02.02", 46, 7, 6},
        {"01.01.21", 1, 53, 6},
        {"04.01.21", 4, 1, 2},
        {"29.12.25", 363, 1, 2},
        {"28.12.26", 362, 53, 2},
        {"01.01.06", 1, 52, 1},
        // A four-digit year of the last century: 15 March 1985 was a Friday.
        {"15.03.1985", 74, 11, 6},
    };
    for (const Case& c : cases) {
        const QString date = QString::fromLatin1(c.date);
        EXPECT_EQ(DayOfYear(date), c.dayOfYear) << c.date;
        EXPECT_EQ(WeekNumber(date), c.week) << c.date;
        EXPECT_EQ(WeekdayIndex(date), c.weekday) << c.date;
    }
}

TEST_F(DateTexts, ReadsTwoDigitYearsIntoTheClocksCentury)
{
    struct Case {
        const char* text;
        QDate date;
    };
    const Case cases[] = {
        {"15.02.02", QDate(2002, 2, 15)},  {" 1. 3.04", QDate(2004, 3, 1)},
        {"1.3.4", QDate(2004, 3, 1)},      {"15.02.1902", QDate(1902, 2, 15)},
        {"31.12.99", QDate(2099, 12, 31)}, {"29.02.04", QDate(2004, 2, 29)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadDate(QString::fromLatin1(c.text)), c.date) << c.text;

    SetClock([] { return QDateTime(QDate(1999, 12, 31), QTime(23, 0)); });
    EXPECT_EQ(ReadDate(QStringLiteral("15.02.02")), QDate(1902, 2, 15));
}

TEST_F(DateTexts, RefusesTextsThatAreNoDate)
{
    const char* texts[] = {"",         "abc",      "15.02",    "15.02.02x", "32.01.02",
                           "29.02.03", "00.01.02", "15-02-02", "15.13.02",  "1.1.123456789"};
    for (const char* text : texts) {
        try {
            ReadDate(QString::fromLatin1(text));
            ADD_FAILURE() << "read " << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' ist kein gültiges Datum").arg(text));
        }
    }
    EXPECT_THROW(AddDays(QStringLiteral("x"), 1), EConvertError);
    EXPECT_THROW(DatePart(QStringLiteral("x"), 0), EConvertError);
}

TEST_F(DateTexts, FollowsTheShortDateFormatInUse)
{
    EXPECT_EQ(WriteDate(2004, 3, 5), QLatin1String("05.03.04"));
    EXPECT_EQ(WriteDate(QDate(2000, 1, 1)), QLatin1String("01.01.00"));

    SetDateFormatSettings({QStringLiteral("mm/dd/yyyy"), QLatin1Char('-')});
    EXPECT_EQ(ReadDate(QStringLiteral("02-15-02")), QDate(2002, 2, 15));
    EXPECT_EQ(WriteDate(2004, 3, 5), QLatin1String("03-05-2004"));
    EXPECT_EQ(AddDays(QStringLiteral("02-28-2004"), 1), QLatin1String("02-29-2004"));
}

TEST_F(DateTexts, ZeroPadAndDateParts)
{
    struct Pad {
        int n, w;
        const char* text;
    };
    const Pad pads[] = {{7, 2, "07"},  {123, 2, "123"}, {5, 4, "0005"},    {0, 2, "00"},
                        {12, 2, "12"}, {5, 1, "5"},     {2002, 2, "2002"}, {42, 8, "00000042"}};
    for (const Pad& p : pads)
        EXPECT_EQ(ZeroPad(p.n, p.w), QLatin1String(p.text)) << p.n << "," << p.w;

    EXPECT_EQ(DatePart(QStringLiteral("5.2.02"), 0), QLatin1String("05"));
    EXPECT_EQ(DatePart(QStringLiteral("5.2.02"), 1), QLatin1String("02"));
    EXPECT_EQ(DatePart(QStringLiteral("5.2.02"), 2), QLatin1String("2002"));
}

TEST(PointInRectTest, AllFourEdgesCount)
{
    const QRect rect(QPoint(1, 249), QPoint(36, 269));
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {{1, 249, true},   {36, 269, true},  {36, 249, true},
                          {1, 269, true},   {20, 260, true},  {0, 260, false},
                          {37, 260, false}, {20, 248, false}, {20, 270, false}};
    for (const Case& c : cases)
        EXPECT_EQ(PointInRect(c.x, c.y, rect), c.inside) << c.x << "," << c.y;
}

}  // namespace
}  // namespace deskora
