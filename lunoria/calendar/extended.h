#pragma once

namespace lunoria {

// Every extended-precision quantity (MJD, hours, Julian centuries): 80-bit on x86-64.
using Extended = long double;

// Days since 30 December 1899, 0 h (= MJD - 15018).
using TDateTime = double;

}  // namespace lunoria
