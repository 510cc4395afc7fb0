// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Error messages from code that knows no window: a replaceable hook shows them (a message box
// with one OK button in the programs, standard error without a hook, a recorder in tests).

#include <functional>
#include <string>

namespace lunoria {

using TMeldungsHook = std::function<void(const std::string& text)>;

// Shows one error message through the installed hook.
void Fehlermeldung(const std::string& text);

// Installs a hook (an empty one restores standard error); returns the previous one.
TMeldungsHook SetzeMeldungsHook(TMeldungsHook hook);

}  // namespace lunoria
