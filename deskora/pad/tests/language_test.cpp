// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Language choice and the five name tables.

#include "pad/language.h"

#include <gtest/gtest.h>

#include "printers.h"

namespace deskora {
namespace {

class Languages : public ::testing::Test {
protected:
    void SetUp() override
    {
        FOld = SetProfileLanguageProvider([this] { return FProfile; });
    }
    void TearDown() override { SetProfileLanguageProvider(FOld); }
    QString FProfile;

private:
    TProfileLanguageProvider FOld;
};

TEST_F(Languages, SystemLanguageTakesTheFirstTwoLettersInAnyCase)
{
    struct Case {
        const char* profile;
        TLanguage language;
    };
    const Case cases[] = {
        {"deu", laGerman},    {"DEU", laGerman}, {"de_AT", laGerman}, {"ENU", laEnglish},
        {"NLD", laEnglish},   {"", laEnglish},   {"esp", laSpanish},  {"FRA", laFrench},
        {"it_IT", laItalian}, {"d", laEnglish},
    };
    for (const Case& c : cases) {
        FProfile = QString::fromLatin1(c.profile);
        EXPECT_EQ(SystemLanguage(), c.language) << c.profile;
    }
}

TEST_F(Languages, NamesComeFromTheLanguagesTable)
{
    struct Case {
        TLanguage language;
        int weekday;
        const char16_t* day;
        int month;
        const char16_t* monthName;
    };
    const Case cases[] = {
        {laEnglish, 1, u"Sunday", 12, u"December"},  {laGerman, 4, u"Mittwoch", 3, u"März"},
        {laFrench, 7, u"Samedi", 8, u"Août"},        {laItalian, 2, u"Lunedi", 1, u"Gennaio"},
        {laSpanish, 7, u"Sábado", 9, u"Septiembre"}, {laSpanish, 4, u"Miércoles", 5, u"Mayo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WeekdayName(c.weekday, c.language), QString::fromUtf16(c.day));
        EXPECT_EQ(MonthName(c.month, c.language), QString::fromUtf16(c.monthName));
    }
    EXPECT_EQ(ShortWeekdayName(7, laSpanish), QStringLiteral("Sáb"));
    EXPECT_EQ(ShortMonthName(6, laFrench), QStringLiteral("Jui"));
    EXPECT_EQ(ShortMonthName(7, laFrench), QStringLiteral("Jui"));
    EXPECT_EQ(WeekdayName(0, laGerman), QString());
    EXPECT_EQ(MonthName(13, laGerman), QString());

    FProfile = QStringLiteral("DEU");
    EXPECT_EQ(WeekdayName(1, laDefault), QStringLiteral("Sonntag"));
    FProfile = QStringLiteral("FRA");
    EXPECT_EQ(MonthName(2, laDefault), QStringLiteral("Février"));
}

TEST_F(Languages, ApplyLanguageNamesReplacesTheProcessWideNames)
{
    ApplyLanguageNames(laGerman);
    EXPECT_EQ(NameSettings().ShortDayNames,
              QStringList({"Son", "Mon", "Die", "Mit", "Don", "Fre", "Sam"}));
    EXPECT_EQ(NameSettings().ShortMonthNames.at(2), QStringLiteral("Mär"));
    EXPECT_EQ(NameSettings().LongDayNames.at(0), QStringLiteral("Sonntag"));

    FProfile = QStringLiteral("ita");
    ApplyLanguageNames(laDefault);
    EXPECT_EQ(NameSettings().ShortDayNames,
              QStringList({"Dom", "Lun", "Mar", "Mer", "Gio", "Ven", "Sab"}));
    EXPECT_EQ(NameSettings().LongMonthNames.at(11), QStringLiteral("Dicembre"));
}

}  // namespace
}  // namespace deskora
