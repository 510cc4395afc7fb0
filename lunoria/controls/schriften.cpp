#include "schriften.h"

#include <QFontDatabase>

namespace lunoria {

QStringList FensterFamilien()
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
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
