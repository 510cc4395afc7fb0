// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "systemquellen.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include "calendar/meldung.h"
#include "zonennamen.h"

namespace lunoria {

namespace {

// The first character of a format that is not a letter: the separator between its fields.
std::string ErsterTrenner(const QString& format, const char* vorgabe)
{
    bool inZitat = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            inZitat = !inZitat;
            continue;
        }
        if (!inZitat && !c.isLetter())
            return QString(c).toStdString();
    }
    return vorgabe;
}

}  // namespace

TRegionaleEinstellungen QtRegionaleEinstellungen()
{
    return EinstellungenAusLocale(QLocale::system());
}

TRegionaleEinstellungen EinstellungenAusLocale(const QLocale& locale)
{
    if (locale.language() == QLocale::C) {
        // Without regional settings the words and the date format are German, but the numbers
        // are the C locale's: a point before the decimals and no digit grouping, so that
        // scripts read them as they are.
        TRegionaleEinstellungen e = DeutscheEinstellungen();
        e.Dezimaltrenner = std::string(1, '.');  // not from a literal: GCC 12 warns falsely (-Wrestrict)
        e.Tausendertrenner.clear();
        return e;
    }

    TRegionaleEinstellungen e;
    const QString kurz = locale.dateFormat(QLocale::ShortFormat);
    e.KurzesDatumsformat = kurz.toStdString();
    e.LangesDatumsformat = locale.dateFormat(QLocale::LongFormat).toStdString();
    e.DatumsTrenner = ErsterTrenner(kurz, ".");
    e.ZeitTrenner = ErsterTrenner(locale.timeFormat(QLocale::ShortFormat), ":");
    for (int i = 0; i < 7; ++i) {
        const int qtTag = i == 0 ? 7 : i;  // Qt counts 1 = Monday ... 7 = Sunday
        e.LangeTagNamen[static_cast<std::size_t>(i)] = locale.dayName(qtTag, QLocale::LongFormat).toStdString();
        e.KurzeTagNamen[static_cast<std::size_t>(i)] = locale.dayName(qtTag, QLocale::ShortFormat).toStdString();
    }
    for (int m = 1; m <= 12; ++m) {
        e.LangeMonatsNamen[static_cast<std::size_t>(m - 1)] = locale.monthName(m, QLocale::LongFormat).toStdString();
        e.KurzeMonatsNamen[static_cast<std::size_t>(m - 1)] = locale.monthName(m, QLocale::ShortFormat).toStdString();
    }
    e.Dezimaltrenner = locale.decimalPoint().toStdString();
    e.Tausendertrenner = locale.groupSeparator().toStdString();
    return e;
}

void InstalliereKonsolenQuellen(bool deutsch)
{
    if (deutsch) {
        SetzeRegionalQuelle({});
        InstalliereZonenNamen(QLocale(QLocale::German, QLocale::Germany));
        return;
    }
    SetzeRegionalQuelle(&QtRegionaleEinstellungen);
    InstalliereZonenNamen();
}

void InstalliereSystemQuellen()
{
    InstalliereKonsolenQuellen();
    SetzeMeldungsHook([](const std::string& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                              QString::fromStdString(text), QMessageBox::Ok);
    });
}

}  // namespace lunoria
