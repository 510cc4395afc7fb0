// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The perpetual calendar dialog, shown and driven like a user would.

#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/language.h"
#include "pad/perpcal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "printers.h"

namespace deskora {
namespace {

class PerpetualCalendar : public ::testing::Test {
protected:
    void SetUp() override
    {
        FOldClock = SetClock([] { return QDateTime(QDate(2024, 6, 15), QTime(10, 0)); });
        FOldLanguage = SetProfileLanguageProvider([] { return QStringLiteral("DEU"); });
        FOldSettings = DateFormatSettings();
        SetDateFormatSettings({QStringLiteral("dd.mm.yy"), QLatin1Char('.')});
    }
    void TearDown() override
    {
        SetClock(FOldClock);
        SetProfileLanguageProvider(FOldLanguage);
        SetDateFormatSettings(FOldSettings);
    }

    static void Show(TPerpetualCalendarDlg& dialog, const char* date, TLanguage language)
    {
        dialog.setLanguage(language);
        dialog.setDateText(QString::fromLatin1(date));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    static QLineEdit* YearText(TPerpetualCalendarDlg& dialog)
    {
        return dialog.Year->findChild<QLineEdit*>();
    }

private:
    TClock FOldClock;
    TProfileLanguageProvider FOldLanguage;
    TDateFormatSettings FOldSettings;
};

TEST_F(PerpetualCalendar, ShowsTheGivenDayInTheLanguageAsked)
{
    TPerpetualCalendarDlg dialog;
    Show(dialog, "31.03.02", laDefault);
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(2002, 3, 31));
    EXPECT_EQ(dialog.Calendar->firstDayOfWeek(), Qt::Monday);
    EXPECT_EQ(dialog.Month->currentIndex(), 2);
    EXPECT_EQ(dialog.Month->count(), 12);
    EXPECT_EQ(dialog.Month->itemText(2), QStringLiteral("März"));
    EXPECT_EQ(dialog.Year->value(), 2002);
    // laDefault became the system's German.
    EXPECT_EQ(dialog.Language(), laGerman);
    EXPECT_EQ(dialog.BitBtn2->text(), QStringLiteral("&Annulieren"));
    EXPECT_EQ(NameSettings().ShortDayNames.at(1), QStringLiteral("Mon"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kalender"));

    struct Caption {
        TLanguage language;
        const char* text;
        const char16_t* month;
    };
    const Caption captions[] = {{laEnglish, "&Cancel", u"March"},
                                {laFrench, "&Annuler", u"Mars"},
                                {laItalian, "&Annulare", u"Marzo"},
                                {laSpanish, "&Cancelar", u"Marzo"}};
    for (const Caption& c : captions) {
        TPerpetualCalendarDlg other;
        Show(other, "31.03.02", c.language);
        EXPECT_EQ(other.BitBtn2->text(), QLatin1String(c.text));
        EXPECT_EQ(other.Month->itemText(2), QString::fromUtf16(c.month));
    }
}

TEST_F(PerpetualCalendar, MonthAndYearChangesCutTheDayToTheMonth)
{
    TPerpetualCalendarDlg dialog;
    Show(dialog, "31.03.02", laGerman);
    dialog.Month->setCurrentIndex(3);
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(2002, 4, 30));
    dialog.Month->setCurrentIndex(4);
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(2002, 5, 30));

    TPerpetualCalendarDlg leap;
    Show(leap, "29.02.04", laGerman);
    leap.Year->setValue(2005);
    EXPECT_EQ(leap.Calendar->selectedDate(), QDate(2005, 2, 28));
}

TEST_F(PerpetualCalendar, EveryTypedYearIsAppliedAsItStands)
{
    TPerpetualCalendarDlg dialog;
    Show(dialog, "29.02.04", laGerman);
    QLineEdit* year = YearText(dialog);
    year->setFocus();
    year->selectAll();
    // 29 February needs a leap year: year 2 cuts the day to 28, and it stays cut.
    const struct {
        char key;
        QDate date;
    } steps[] = {{'2', QDate(2, 2, 28)},
                 {'0', QDate(20, 2, 28)},
                 {'0', QDate(200, 2, 28)},
                 {'5', QDate(2005, 2, 28)}};
    for (const auto& step : steps) {
        QTest::keyClick(year, step.key);
        EXPECT_EQ(dialog.Calendar->selectedDate(), step.date) << year->text().toStdString();
    }

    year->setText(QStringLiteral("0"));
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(2005, 2, 28));
    year->setText(QStringLiteral("abc"));
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(1981, 2, 28));
}

TEST_F(PerpetualCalendar, YearStaysWithin1981And2099)
{
    TPerpetualCalendarDlg dialog;
    Show(dialog, "15.06.99", laGerman);
    dialog.Year->stepUp();
    EXPECT_EQ(dialog.Year->value(), 2099);
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(2099, 6, 15));

    dialog.Year->setValue(1981);
    dialog.Year->stepDown();
    EXPECT_EQ(dialog.Year->value(), 1981);

    // A year below the range, typed and left, becomes 1981.
    QLineEdit* year = YearText(dialog);
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, QStringLiteral("1900"));
    dialog.BitBtn1->setFocus();
    EXPECT_EQ(dialog.Year->value(), 1981);
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(1981, 6, 15));
}

TEST_F(PerpetualCalendar, OkGivesThePickedDateCancelTheOneGiven)
{
    TPerpetualCalendarDlg dialog;
    Show(dialog, "31.03.02", laGerman);
    dialog.Month->setCurrentIndex(10);
    dialog.Year->setValue(2010);
    QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.DateText(), QLatin1String("31.03.02"));

    TPerpetualCalendarDlg picked;
    Show(picked, "31.03.02", laGerman);
    picked.Month->setCurrentIndex(10);
    picked.Year->setValue(2010);
    QTest::mouseClick(picked.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(picked.result(), QDialog::Accepted);
    EXPECT_EQ(picked.DateText(), QLatin1String("30.11.10"));
}

TEST_F(PerpetualCalendar, FieldsFollowTheGridAndReturnTakesTheDay)
{
    TPerpetualCalendarDlg dialog;
    Show(dialog, "15.11.99", laGerman);
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* year = YearText(dialog);
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, QStringLiteral("2150"));
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(2150, 11, 15));
    auto* grid = dialog.Calendar->findChild<QTableView*>();
    ASSERT_NE(grid, nullptr);
    grid->setFocus();
    EXPECT_EQ(dialog.Year->value(), 2099);
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(2099, 11, 15));

    // Paging stops at December 2099 and January 1981.
    const struct {
        Qt::Key key;
        QDate date;
    } pages[] = {{Qt::Key_PageDown, QDate(2099, 12, 15)},
                 {Qt::Key_PageDown, QDate(2099, 12, 15)},
                 {Qt::Key_PageUp, QDate(2099, 11, 15)}};
    for (const auto& page : pages) {
        QTest::keyClick(grid, page.key);
        EXPECT_EQ(dialog.Calendar->selectedDate(), page.date);
        EXPECT_EQ(dialog.Month->currentIndex(), page.date.month() - 1) << page.key;
        EXPECT_EQ(dialog.Year->value(), page.date.year()) << page.key;
    }
    dialog.Year->setValue(1981);
    dialog.Month->setCurrentIndex(0);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_PageUp);
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(1981, 1, 15));
    EXPECT_EQ(dialog.Month->currentIndex(), 0);
    EXPECT_EQ(dialog.Year->value(), 1981);

    // January 1981 began on a Thursday: the grid's last row runs from Monday 2 February.
    const QModelIndex last = grid->model()->index(grid->model()->rowCount() - 1, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(last).center());
    EXPECT_EQ(dialog.Calendar->selectedDate(), QDate(1981, 2, 2));
    EXPECT_EQ(dialog.Month->currentIndex(), 1);
    EXPECT_EQ(dialog.Year->value(), 1981);

    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PerpetualCalendar, OkKeepsTheCenturyOfThePickedDay)
{
    // The clock is in the 2000s: a two-digit year would read as 20xx.
    const struct {
        int year;
        const char* text;
    } cases[] = {{1985, "15.03.1985"}, {1999, "15.03.1999"}, {2085, "15.03.85"}};
    for (const auto& c : cases) {
        TPerpetualCalendarDlg dialog;
        Show(dialog, "15.03.02", laGerman);
        dialog.Year->setValue(c.year);
        QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        EXPECT_EQ(dialog.DateText(), QLatin1String(c.text));
        EXPECT_EQ(ReadDate(dialog.DateText()), QDate(c.year, 3, 15));
    }
}

}  // namespace
}  // namespace deskora
