// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Today and now for the pad, through a replaceable clock so that tests run at a fixed instant.

#include <QDateTime>

#include <functional>

namespace deskora {

using TClock = std::function<QDateTime()>;

// The present local date and time from the installed clock (the system clock without one).
QDateTime Now();

// Installs a clock (an empty one restores the system clock); returns the previous one.
TClock SetClock(TClock clock);

}  // namespace deskora
