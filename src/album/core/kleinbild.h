#pragma once
// The small copy of an album picture for the text, "Slides\<name>.bmp": the picture
// point-sampled by the smallest d with width div d <= 240 and height div d <= 150.
#include "platform/files.h"

#include <QString>

namespace album {

struct Kleinbildergebnis {
    int zeilen = 0; // text lines the copy occupies: its height div 13 + 1; 0 on failure
    QString fehler; // the message for the user, empty on success
};

// The reduction for a picture of w × h.
int KleinbildTeiler(int w, int h);

Kleinbildergebnis Kleinbild(const platform::Files &dateien, const QString &projektVerzeichnis, const QString &name);

} // namespace album
