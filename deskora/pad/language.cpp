// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "language.h"

#include <QLocale>

#include <utility>

namespace deskora {

namespace {

struct TNameTable {
    std::array<const char16_t*, 7> LongDays;
    std::array<const char16_t*, 12> LongMonths;
    std::array<const char16_t*, 7> ShortDays;
    std::array<const char16_t*, 12> ShortMonths;
    TPadWords Words;
};

// Indexed by TLanguage - 1 (laEnglish .. laSpanish).
const std::array<TNameTable, 5>& Tables()
{
    static const std::array<TNameTable, 5> tables = {{
        {{u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
         {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
          u"September", u"October", u"November", u"December"},
         {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"},
         {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov",
          u"Dec"},
         {QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("prior"),
          QStringLiteral("next"), QStringLiteral("go")}},
        {{u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"},
         {u"Januar", u"Februar", u"März", u"April", u"Mai", u"Juni", u"Juli", u"August",
          u"September", u"Oktober", u"November", u"Dezember"},
         {u"Son", u"Mon", u"Die", u"Mit", u"Don", u"Fre", u"Sam"},
         {u"Jan", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov",
          u"Dez"},
         {QStringLiteral("Tag"), QStringLiteral("Woche"), QStringLiteral("Vortag"),
          QStringLiteral("Folgendtag"), QStringLiteral("Gehen")}},
        {{u"Dimanche", u"Lundi", u"Mardi", u"Mercredi", u"Jeudi", u"Vendredi", u"Samedi"},
         {u"Janvier", u"Février", u"Mars", u"Avril", u"Mai", u"Juin", u"Juillet", u"Août",
          u"Septembre", u"Octobre", u"Novembre", u"Décembre"},
         {u"Dim", u"Lun", u"Mar", u"Mer", u"Jeu", u"Ven", u"Sam"},
         // June and July share "Jui" in this table.
         {u"Jan", u"Fév", u"Mar", u"Avr", u"Mai", u"Jui", u"Jui", u"Aoû", u"Sep", u"Oct", u"Nov",
          u"Déc"},
         {QStringLiteral("Jour"), QStringLiteral("Semaine"), QStringLiteral("Jour précédent"),
          QStringLiteral("Jour suivant"), QStringLiteral("Aller à")}},
        {{u"Domenica", u"Lunedi", u"Martedi", u"Mercoledi", u"Giovedi", u"Venerdi", u"Sabato"},
         {u"Gennaio", u"Febbraio", u"Marzo", u"Aprile", u"Maggio", u"Giugno", u"Luglio", u"Agosto",
          u"Settembre", u"Ottobre", u"Novembre", u"Dicembre"},
         {u"Dom", u"Lun", u"Mar", u"Mer", u"Gio", u"Ven", u"Sab"},
         {u"Gen", u"Feb", u"Mar", u"Apr", u"Mag", u"Giu", u"Lug", u"Ago", u"Set", u"Ott", u"Nov",
          u"Dic"},
         {QStringLiteral("Giorno"), QStringLiteral("Settimana"), QStringLiteral("anteriore"),
          QStringLiteral("prossimo"), QStringLiteral("andare")}},
        {{u"Domingo", u"Lunes", u"Martes", u"Miércoles", u"Jueves", u"Viernes", u"Sábado"},
         {u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio", u"Agosto",
          u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre"},
         {u"Dom", u"Lun", u"Mar", u"Mié", u"Jue", u"Vie", u"Sáb"},
         {u"Ene", u"Feb", u"Mar", u"Abr", u"May", u"Jun", u"Jul", u"Ago", u"Sep", u"Oct", u"Nov",
          u"Dic"},
         {QStringLiteral("Diario"), QStringLiteral("Semana"), QStringLiteral("anterior"),
          QStringLiteral("proximo"), QStringLiteral("ir")}},
    }};
    return tables;
}

const TNameTable& Table(TLanguage language)
{
    const TLanguage resolved = ResolveLanguage(language);
    return Tables()[static_cast<std::size_t>(resolved) - 1];
}

TProfileLanguageProvider& Provider()
{
    static TProfileLanguageProvider provider;
    return provider;
}

QString ProfileLanguage()
{
    const TProfileLanguageProvider& provider = Provider();
    return provider ? provider() : QLocale::system().name();
}

template <std::size_t N>
QString Pick(const std::array<const char16_t*, N>& names, int index)
{
    if (index < 1 || index > static_cast<int>(N))
        return {};
    return QString::fromUtf16(names[static_cast<std::size_t>(index) - 1]);
}

template <std::size_t N>
QStringList ToList(const std::array<const char16_t*, N>& names)
{
    QStringList list;
    for (const char16_t* name : names)
        list << QString::fromUtf16(name);
    return list;
}

TNameSettings SystemNames()
{
    const QLocale locale = QLocale::system();
    TNameSettings names;
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;  // Qt counts Monday = 1 .. Sunday = 7
        names.ShortDayNames << locale.dayName(qtDay, QLocale::ShortFormat);
        names.LongDayNames << locale.dayName(qtDay, QLocale::LongFormat);
    }
    for (int month = 1; month <= 12; ++month) {
        names.ShortMonthNames << locale.monthName(month, QLocale::ShortFormat);
        names.LongMonthNames << locale.monthName(month, QLocale::LongFormat);
    }
    return names;
}

TNameSettings& Names()
{
    static TNameSettings names = SystemNames();
    return names;
}

}  // namespace

TProfileLanguageProvider SetProfileLanguageProvider(TProfileLanguageProvider provider)
{
    return std::exchange(Provider(), std::move(provider));
}

TLanguage SystemLanguage()
{
    // The profile value holds at most 9 characters.
    const QString code = ProfileLanguage().left(9).toUpper().left(2);
    if (code == QLatin1String("DE"))
        return laGerman;
    if (code == QLatin1String("ES"))
        return laSpanish;
    if (code == QLatin1String("FR"))
        return laFrench;
    if (code == QLatin1String("IT"))
        return laItalian;
    return laEnglish;
}

TLanguage ResolveLanguage(TLanguage language)
{
    if (language < laEnglish || language > laSpanish)
        return SystemLanguage();
    return language;
}

QString WeekdayName(int weekday, TLanguage language)
{
    return Pick(Table(language).LongDays, weekday);
}

QString MonthName(int month, TLanguage language)
{
    return Pick(Table(language).LongMonths, month);
}

QString ShortWeekdayName(int weekday, TLanguage language)
{
    return Pick(Table(language).ShortDays, weekday);
}

QString ShortMonthName(int month, TLanguage language)
{
    return Pick(Table(language).ShortMonths, month);
}

const TNameSettings& NameSettings()
{
    return Names();
}

void ApplyLanguageNames(TLanguage language)
{
    const TNameTable& table = Table(language);
    TNameSettings& names = Names();
    names.ShortDayNames = ToList(table.ShortDays);
    names.LongDayNames = ToList(table.LongDays);
    names.ShortMonthNames = ToList(table.ShortMonths);
    names.LongMonthNames = ToList(table.LongMonths);
}

TPadWords PadWords(TLanguage language)
{
    return Table(language).Words;
}

}  // namespace deskora
