// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <cstdio>
#include <cstdlib>

#include "eigenschaften.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string fehler = lunoria::fuzz::PruefeDatumstext(daten, groesse);
    if (!fehler.empty()) {
        std::fprintf(stderr, "property broken: %s\n", fehler.c_str());
        std::abort();
    }
    return 0;
}
