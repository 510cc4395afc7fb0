// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "zonennamen.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

#include <cmath>
#include <future>

namespace lunoria {

bool IstVersatzName(const std::string& name)
{
    // Optional GMT or UTC, then a sign (ASCII or the minus sign U+2212) and digits; or nothing.
    static const QRegularExpression versatz(QStringLiteral("^\\s*(GMT|UTC)?\\s*([+\\-\\x{2212}]\\s*\\d.*)?$"));
    return versatz.match(QString::fromStdString(name)).hasMatch();
}

TZonenNamen QtZonenNamen(const QTimeZone& zone, const QLocale& locale)
{
    TZonenNamen namen;
    if (!zone.isValid())
        return namen;
    const QLocale sprache = locale.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany) : locale;
    const auto lang = [&](QTimeZone::TimeType typ) {
        const std::string name = zone.displayName(typ, QTimeZone::LongName, sprache).toStdString();
        return IstVersatzName(name) ? std::string() : name;
    };
    namen.Normalzeit = lang(QTimeZone::StandardTime);
    if (zone.hasDaylightTime())
        namen.Sommerzeit = lang(QTimeZone::DaylightTime);
    return namen;
}

TZonenregelStand MitLangenNamen(TZonenregelStand stand, const TZonenNamen& namen, int qtNormalOffsetSekunden)
{
    if (qtNormalOffsetSekunden != -stand.Regel.Bias * 60)
        return stand;
    if (!namen.Normalzeit.empty())
        stand.Regel.StandardName = namen.Normalzeit;
    if (stand.Status != 0 && !namen.Sommerzeit.empty())
        stand.Regel.DaylightName = namen.Sommerzeit;
    return stand;
}

namespace {

// The system zone as Qt sees it, and the language of its names.
struct TLangeNamen {
    QTimeZone Zone;
    QLocale Sprache;
};

TLangeNamen LangeNamenLesen(const QLocale& locale)
{
    TLangeNamen n{QTimeZone::systemTimeZone(),
                  locale.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany) : locale};
    // The first name asked for loads ICU's zone names; here, in the reading thread.
    if (n.Zone.isValid())
        n.Zone.displayName(QDateTime::currentDateTimeUtc(), QTimeZone::LongName, n.Sprache);
    return n;
}

// The long name of the local time in force at the instant, where the zone Qt sees has that
// offset then (so that a name never belongs to another zone than the one computed).
std::string LangerName(const TLangeNamen& n, const TTZifTyp& zeit, Extended u)
{
    // Local mean time (offsets with seconds, before a zone took a standard time) keeps its
    // abbreviation: the zone's long names belong to its standard times.
    // The zone of a chosen place, else the system's.
    static std::string ortsName;
    static QTimeZone ortsZone;
    if (!OrtsZone().empty() && OrtsZone() != ortsName) {
        ortsName = OrtsZone();
        ortsZone = QTimeZone(QByteArray::fromStdString(ortsName));
    }
    const QTimeZone& zone = OrtsZone().empty() ? n.Zone : ortsZone;
    if (!zone.isValid() || zeit.Offset % 60 != 0)
        return std::string();
    const qint64 ms = static_cast<qint64>(std::llround((u - MJDvon1970) * 86400)) * 1000;
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
    if (zone.offsetFromUtc(moment) != zeit.Offset)
        return std::string();
    const std::string name = zone.displayName(moment, QTimeZone::LongName, n.Sprache).toStdString();
    return IstVersatzName(name) ? std::string() : name;
}

// The reading thread of a running application, waited for before the application object goes:
// the thread uses Qt's time-zone and locale data.
std::shared_future<TLangeNamen>& Lesefaden()
{
    static std::shared_future<TLangeNamen> faden;
    return faden;
}

void LesefadenAbwarten()
{
    if (Lesefaden().valid())
        Lesefaden().wait();
}

}  // namespace

void InstalliereZonenNamen()
{
    InstalliereZonenNamen(QLocale::system());
}

void InstalliereZonenNamen(const QLocale& sprache)
{
    // The names come from the time-zone data of ICU, whose loading costs a millisecond or two:
    // in a window program a second thread reads them while the window is built, and the first
    // rule asked for waits for it. Without an application object (the command-line program)
    // they are read at once.
    std::shared_future<TLangeNamen> namen;
    if (QCoreApplication::instance()) {
        namen = std::async(std::launch::async, LangeNamenLesen, sprache).share();
        Lesefaden() = namen;
        qAddPostRoutine(LesefadenAbwarten);
    } else {
        std::promise<TLangeNamen> sofort;
        sofort.set_value(LangeNamenLesen(sprache));
        namen = sofort.get_future().share();
    }
    SetzeZonenNamenQuelle([namen](const TTZifTyp& zeit, Extended u) { return LangerName(namen.get(), zeit, u); });
}

}  // namespace lunoria
