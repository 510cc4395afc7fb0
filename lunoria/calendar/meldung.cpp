// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "meldung.h"

#include <cstdio>
#include <utility>

namespace lunoria {

namespace {
TMeldungsHook& Hook()
{
    static TMeldungsHook hook;
    return hook;
}
}  // namespace

void Fehlermeldung(const std::string& text)
{
    const TMeldungsHook& hook = Hook();
    if (hook)
        hook(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

TMeldungsHook SetzeMeldungsHook(TMeldungsHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

}  // namespace lunoria
