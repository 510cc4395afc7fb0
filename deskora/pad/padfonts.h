#pragma once
// The planner's fonts.

#include <QFont>
#include <QStringList>

namespace deskora {

// Arial, or its metric twin where Arial is not installed.
inline QStringList ArialFamilies()
{
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}

// A font of the given size in points of a 96-dpi screen, so that the layout's pixel sizes hold,
// in the first of the families that is installed (all of them in turn where none is). Qt asks
// the font configuration for a stand-in of every family name that is not installed, once per
// font, which costs the start milliseconds; an installed name is found at once.
QFont PadFont(const QStringList& families, int points, bool bold = false);

}  // namespace deskora
