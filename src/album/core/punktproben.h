#pragma once
// Point sampling of a bitmap: every d-th pixel in each direction, reading from an
// uncompressed bitmap file only the rows it samples. Other formats are decoded whole.
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

namespace album {

// The samples S(i, j) = picture pixel (i·d, j·d) for i·d < width and j·d < height.
std::optional<QImage> Punktproben(const QString &nativePath, int d);

// The same with d chosen from the picture's size, the file opened once for both.
struct Stichprobe {
    QImage proben;
    QSize groesse;
    int d = 1;
};
std::optional<Stichprobe> Punktproben(const QString &nativePath, const std::function<int(int w, int h)> &teiler);

} // namespace album
