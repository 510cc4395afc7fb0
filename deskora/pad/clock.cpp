// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "clock.h"

#include <utility>

namespace deskora {

namespace {
TClock& Installed()
{
    static TClock clock;
    return clock;
}
}  // namespace

QDateTime Now()
{
    const TClock& clock = Installed();
    return clock ? clock() : QDateTime::currentDateTime();
}

TClock SetClock(TClock clock)
{
    return std::exchange(Installed(), std::move(clock));
}

}  // namespace deskora
