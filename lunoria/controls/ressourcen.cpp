#include "ressourcen.h"

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

}  // namespace lunoria
