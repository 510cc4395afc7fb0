#pragma once
// The fonts of Lunoria's windows.

#include <QFont>
#include <QStringList>

namespace lunoria {

// The narrow sans serif the windows were laid out for, then its stand-ins of the same widths.
QStringList FensterFamilien();

// Gives the font the first of the families that is installed, or all of them in turn where none
// is. Qt asks the font configuration for a stand-in of every family name that is not installed,
// once per font, which costs the start milliseconds; an installed name is found at once.
void InstallierteFamilie(QFont& schrift, const QStringList& familien);

}  // namespace lunoria
