#include "padfonts.h"

#include <QFontDatabase>

#include <algorithm>

namespace deskora {

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
