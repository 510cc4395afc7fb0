#pragma once
// The regional settings held fixed while the texts of one computation are made.

#include <utility>

#include "calendar/regional.h"

namespace lunoria {

// For its lifetime every RegionaleEinstellungen() answers with the snapshot taken when it was
// made: the provider in force is asked once. The system's provider builds its snapshot from the
// locale at every call, some microseconds each, and the texts of one date ask for it some ten to
// twenty times. Nested holders take their snapshot from the outer one; each puts back the
// provider it found.
class TEinstellungenFest {
public:
    TEinstellungenFest()
    {
        const TRegionaleEinstellungen e = RegionaleEinstellungen();
        m_Vorher = SetzeRegionalQuelle([e] { return e; });
    }
    ~TEinstellungenFest() { SetzeRegionalQuelle(std::move(m_Vorher)); }
    TEinstellungenFest(const TEinstellungenFest&) = delete;
    TEinstellungenFest& operator=(const TEinstellungenFest&) = delete;

private:
    TRegionalQuelle m_Vorher;
};

}  // namespace lunoria
