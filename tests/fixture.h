#pragma once
// A data root in a temporary folder, written file by file, for tests.
#include "platform/cp1252.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

namespace testing {

class Datenwurzel {
public:
    Datenwurzel() : files_(platform::DriveMap::system()) {}

    // Native folder and stored form ("C:\tmp\x\") of the root.
    QString nativ(const QString &relativ = {}) const { return dir_.path() + '/' + relativ; }
    QString gespeichert() const { return files_.stored(dir_.path() + '/'); }
    const platform::Files &dateien() const { return files_; }

    void schreiben(const QString &relativ, const QByteArray &bytes) const {
        const QString pfad = nativ(relativ);
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        QFile f(pfad);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    // Text in Windows-1252 with CR LF after every line.
    void text(const QString &relativ, const QStringList &zeilen) const {
        QByteArray b;
        for (const QString &z : zeilen)
            b += platform::toCp1252(z) + "\r\n";
        schreiben(relativ, b);
    }
    void bitmap(const QString &relativ, int w, int h, QColor farbe = Qt::gray) const {
        QDir().mkpath(QFileInfo(nativ(relativ)).absolutePath());
        QImage bild(w, h, QImage::Format_RGB32);
        bild.fill(farbe);
        bild.save(nativ(relativ), "BMP");
    }
    QByteArray lesen(const QString &relativ) const {
        QFile f(nativ(relativ));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool gibt(const QString &relativ) const { return QFileInfo::exists(nativ(relativ)); }
    // Makes the write test fail even for root: "Test.txt" is a folder.
    void schreibschutz() const { QDir().mkpath(nativ("Test.txt")); }

private:
    QTemporaryDir dir_;
    platform::Files files_;
};

} // namespace testing
