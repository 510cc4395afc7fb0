// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// printf-style texts and the decimal number formats of the windows.

#include <string>

#include "extended.h"

namespace lunoria {

// printf into a std::string.
std::string Format(const char* muster, ...) __attribute__((format(printf, 1, 2)));

// A number in a picture of the form "#,#0.0000", "#,#0.000000" or "#0": a "," asks for
// thousands grouping, the zeros after "." give the number of decimals (rounded half away from
// zero). Separators come from the regional settings: 2450917.5 in "#,#0.0000" with German
// settings is 2.450.917,5000. NaN and infinity give an empty text.
std::string FormatFloat(const std::string& muster, Extended wert);

}  // namespace lunoria
