// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "ressourcen.h"

#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QtGlobal>

static void SteuerRessourcenEinmalLaden()
{
    Q_INIT_RESOURCE(controls);
}

namespace lunoria {

void SteuerRessourcenLaden()
{
    static const bool geladen = [] {
        SteuerRessourcenEinmalLaden();
        return true;
    }();
    (void)geladen;
}

QPixmap RessourcenBild(const QString& pfad, const char* format)
{
    // Two month grids show the same glyphs: the cache keeps one copy.
    QPixmap bild;
    if (QPixmapCache::find(pfad, &bild))
        return bild;
    QImageReader leser(pfad, format);
    leser.setAutoDetectImageFormat(false);
    bild = QPixmap::fromImage(leser.read());
    if (!bild.isNull())
        QPixmapCache::insert(pfad, bild);
    return bild;
}

}  // namespace lunoria
