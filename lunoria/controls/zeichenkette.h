// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Q(): a text of the Qt-free layers (UTF-8 std::string) as the QString the widgets show.

#include <QString>
#include <string>

namespace lunoria {

inline QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace lunoria
