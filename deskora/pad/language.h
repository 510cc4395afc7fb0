// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Display languages of the pad: weekday and month names in five languages, the pad's own words,
// and the choice of the system's language.

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace deskora {
Q_NAMESPACE

enum TLanguage { laDefault, laEnglish, laGerman, laFrench, laItalian, laSpanish };
Q_ENUM_NS(TLanguage)

// The system's profile language value (a code such as "DEU", "de_DE" or "en"), read through a
// replaceable provider. The production provider gives the name of the system locale.
using TProfileLanguageProvider = std::function<QString()>;
TProfileLanguageProvider SetProfileLanguageProvider(TProfileLanguageProvider provider);

// The language of the system: the first two letters of the profile value, upper-cased:
// "DE" German, "ES" Spanish, "FR" French, "IT" Italian; anything else English.
TLanguage SystemLanguage();

// laDefault becomes SystemLanguage(); every other value stays.
TLanguage ResolveLanguage(TLanguage language);

// Long names: weekday 1 = Sunday .. 7 = Saturday, month 1 = January .. 12 = December.
// laDefault is resolved first; an index out of range gives an empty text.
QString WeekdayName(int weekday, TLanguage language);
QString MonthName(int month, TLanguage language);
// Three-letter names, same indexes.
QString ShortWeekdayName(int weekday, TLanguage language);
QString ShortMonthName(int month, TLanguage language);

// The process-wide day and month names that the stock calendar grid uses for its headings.
// Weekday lists start with Sunday.
struct TNameSettings {
    QStringList ShortDayNames;
    QStringList LongDayNames;
    QStringList ShortMonthNames;
    QStringList LongMonthNames;
};

const TNameSettings& NameSettings();

// Replaces the process-wide names with the tables of the language (laDefault resolved first).
void ApplyLanguageNames(TLanguage language);

// The words the pad writes on its page and shows as hints.
struct TPadWords {
    QString DayWord;    // footer: "Tag 46 - ..."
    QString WeekWord;   // footer: "... - Woche 7"
    QString PriorHint;  // lower-left corner
    QString NextHint;   // lower-right corner
    QString GoHint;     // date box
};

TPadWords PadWords(TLanguage language);

}  // namespace deskora
