// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "schriften.h"

#include <QFontDatabase>

#include <dlfcn.h>

namespace lunoria {

QStringList FensterFamilien()
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
}

std::jthread SchriftkonfigurationLesen()
{
    return std::jthread([] {
        // FcInit loads the configuration once per process; Qt's own call later finds it loaded.
        if (auto* fcInit = reinterpret_cast<int (*)()>(::dlsym(RTLD_DEFAULT, "FcInit")))
            fcInit();
    });
}

void InstallierteFamilie(QFont& schrift, const QStringList& familien)
{
    const QStringList vorhanden = QFontDatabase::families();
    for (const QString& familie : familien) {
        if (vorhanden.contains(familie)) {
            schrift.setFamilies({familie});
            return;
        }
    }
    schrift.setFamilies(familien);
}

}  // namespace lunoria
