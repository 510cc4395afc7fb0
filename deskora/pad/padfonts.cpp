// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "padfonts.h"

#include <QFontDatabase>

#include <algorithm>

#include <dlfcn.h>

namespace deskora {

std::jthread ReadFontConfiguration()
{
    // fontconfig comes with Qt's libraries, so its FcInit is looked up rather than linked; it
    // loads the configuration once per process, and Qt's own call later finds it loaded.
    using TInit = int (*)();
    return std::jthread([init = reinterpret_cast<TInit>(::dlsym(RTLD_DEFAULT, "FcInit"))] {
        if (init)
            init();
    });
}

QFont PadFont(const QStringList& families, int points, bool bold)
{
    QFont font;
    // The installed families, read once: the pad asks for its fonts at every paint.
    static const QStringList installed = QFontDatabase::families();
    const auto first = std::find_if(families.begin(), families.end(), [&](const QString& family) {
        return installed.contains(family);
    });
    font.setFamilies(first != families.end() ? QStringList{*first} : families);
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(bold);
    return font;
}

}  // namespace deskora
