#include "zonennamen.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

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

void InstalliereZonenNamen()
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const TZonenNamen namen = QtZonenNamen(zone, QLocale::system());
    const int offset = zone.isValid() ? zone.standardTimeOffset(QDateTime::currentDateTimeUtc()) : 0;
    SetzeZonenregelQuelle(
        [namen, offset](int jahr) { return MitLangenNamen(PosixZonenregel(jahr), namen, offset); });
}

}  // namespace lunoria
