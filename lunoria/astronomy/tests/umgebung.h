#pragma once
// Fixed surroundings for the astronomy tests: German regional settings, a fixed clock, and
// (where a test needs one) a zone rule, each restored when the guard goes.

#include <string>
#include <utility>

#include "calendar/regional.h"
#include "calendar/uhr.h"

namespace lunoria::test {

class DeutschGuard {
public:
    DeutschGuard() : m_Vorher(SetzeRegionalQuelle([] { return DeutscheEinstellungen(); })) {}
    explicit DeutschGuard(TRegionaleEinstellungen e) : m_Vorher(SetzeRegionalQuelle([e] { return e; })) {}
    ~DeutschGuard() { SetzeRegionalQuelle(std::move(m_Vorher)); }
    DeutschGuard(const DeutschGuard&) = delete;
    DeutschGuard& operator=(const DeutschGuard&) = delete;

private:
    TRegionalQuelle m_Vorher;
};

// The clock stands at 12:00 local time of the given day (UTC one hour earlier).
class FesteUhr {
public:
    FesteUhr(int tag, int monat, int jahr)
        : m_Vorher(SetzeUhr([=] {
              TZeitpunkt z;
              z.Lokal = {jahr, monat, tag, 12, 0, 0, 0};
              z.Utc = 0;
              return z;
          }))
    {
    }
    ~FesteUhr() { SetzeUhr(std::move(m_Vorher)); }
    FesteUhr(const FesteUhr&) = delete;
    FesteUhr& operator=(const FesteUhr&) = delete;

private:
    TUhr m_Vorher;
};

}  // namespace lunoria::test
