#include "authoring/core/textimport.h"

#include <QFont>

namespace authoring {

Importmasse Importmasse::Gemessen() {
    auto font = [](const char *familie, int pixel, bool fett) {
        QFont f(QString::fromLatin1(familie));
        f.setPixelSize(pixel);
        f.setBold(fett);
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setKerning(false);
        return f;
    };
    return {
        platform::ByteWidths(font("MS Sans Serif", 12, false)), platform::ByteWidths(font("MS Sans Serif", 12, true)),
        platform::ByteWidths(font("MS Sans Serif", 11, false)), platform::ByteWidths(font("Small Fonts", 8, false))};
}

} // namespace authoring
