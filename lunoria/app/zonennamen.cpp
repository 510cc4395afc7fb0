#include "zonennamen.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

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

struct TLangeNamen {
    TZonenNamen Namen;
    int Offset = 0;
};

TLangeNamen LangeNamenLesen()
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const int offset = zone.isValid() ? zone.standardTimeOffset(QDateTime::currentDateTimeUtc()) : 0;
    return TLangeNamen{QtZonenNamen(zone, QLocale::system()), offset};
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
    // The names come from the time-zone data of ICU, whose loading costs a millisecond or two:
    // in a window program a second thread reads them while the window is built, and the first
    // rule asked for waits for it. Without an application object (the command-line program)
    // they are read at once.
    std::shared_future<TLangeNamen> namen;
    if (QCoreApplication::instance()) {
        namen = std::async(std::launch::async, LangeNamenLesen).share();
        Lesefaden() = namen;
        qAddPostRoutine(LesefadenAbwarten);
    } else {
        std::promise<TLangeNamen> sofort;
        sofort.set_value(LangeNamenLesen());
        namen = sofort.get_future().share();
    }
    SetzeZonenregelQuelle([namen](int jahr) {
        const TLangeNamen& n = namen.get();
        return MitLangenNamen(PosixZonenregel(jahr), n.Namen, n.Offset);
    });
}

}  // namespace lunoria
