#include "platform/bitmapheader.h"

#include "platform/inputfile.h"

#include <QFile>
#include <QtEndian>

namespace platform {

std::optional<BitmapHeader> readBitmapHeader(QIODevice &device) {
    const QByteArray b = device.read(54);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const auto *p = reinterpret_cast<const uchar *>(b.constData());
    BitmapHeader h;
    h.dataOffset = qFromLittleEndian<quint32>(p + 10);
    if (qFromLittleEndian<quint32>(p + 14) < 40) return std::nullopt;
    h.width = qFromLittleEndian<qint32>(p + 18);
    h.height = qFromLittleEndian<qint32>(p + 22);
    h.bits = qFromLittleEndian<quint16>(p + 28);
    h.compression = qFromLittleEndian<quint32>(p + 30);
    if (h.width <= 0 || h.height == 0 || h.width > 65535 || h.height > 65535 || h.height < -65535) return std::nullopt;
    return h;
}

std::optional<QSize> bitmapHeaderSize(const QString &nativePath) {
    QFile f(nativePath);
    if (checkInput(nativePath) != InputCheck::Ok || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    if (const auto h = readBitmapHeader(f)) return QSize(h->width, qAbs(h->height));
    return std::nullopt;
}

} // namespace platform
