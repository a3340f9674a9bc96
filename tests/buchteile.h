#pragma once
// The book's controls as a screen reader or a test finds them: by their names. A
// control renamed or gone stops the test at once instead of reading a null pointer.
#include "book/views/buchpanel.h"
#include "book/views/seitenmemo.h"

#include <QLabel>
#include <QListWidget>
#include <array>

namespace testing {

template <class T> T *kindNamens(const QObject &eltern, const QString &name) {
    T *kind = eltern.findChild<T *>(name);
    if (!kind) qFatal("%s has no control named %s", qPrintable(eltern.objectName()), qPrintable(name));
    return kind;
}

struct Buchteile {
    explicit Buchteile(const book::BuchPanel &buch) : b(buch) {
        for (int n = 0; n < 5; ++n)
            for (const char seite : {'L', 'R'}) {
                const QString nr = QStringLiteral("%1%2").arg(seite).arg(n + 1);
                (seite == 'L' ? GriffL : GriffR)[size_t(n)] = kindNamens<QWidget>(b, "Griff" + nr);
                (seite == 'L' ? LabelGriffL : LabelGriffR)[size_t(n)] = kindNamens<QLabel>(b, "LabelGriff" + nr);
                if (n < 4)
                    (seite == 'L' ? LesezeichenL : LesezeichenR)[size_t(n)] = kindNamens<QLabel>(b, "Lesezeichen" + nr);
            }
        for (int n = 0; n < 4; ++n) {
            PanelTextBild[size_t(n)] = kindNamens<QWidget>(b, QStringLiteral("PanelTextBild%1").arg(n + 1));
            ImageTextBild[size_t(n)] = kindNamens<QLabel>(b, QStringLiteral("ImageTextBild%1").arg(n + 1));
            Unterschrift[size_t(n)] = kindNamens<QLabel>(b, QStringLiteral("Unterschrift%1").arg(n + 1));
        }
    }

    const book::BuchPanel &b;
    QLabel *ImageBuch = kindNamens<QLabel>(b, "ImageBuch");
    book::SeitenMemo *MemoTextLinks = kindNamens<book::SeitenMemo>(b, "MemoTextLinks");
    book::SeitenMemo *MemoTextRechts = kindNamens<book::SeitenMemo>(b, "MemoTextRechts");
    QLabel *LabelSeitenzahlLinks = kindNamens<QLabel>(b, "LabelSeitenzahlLinks");
    QLabel *LabelSeitenzahlRechts = kindNamens<QLabel>(b, "LabelSeitenzahlRechts");
    QLabel *LabelProjekttitel3 = kindNamens<QLabel>(b, "LabelProjekttitel3");
    QLabel *LabelProjektUnterTitel = kindNamens<QLabel>(b, "LabelProjektUnterTitel");
    QLabel *ImageCBT = kindNamens<QLabel>(b, "ImageCBT");
    QWidget *PanelNoCBT = kindNamens<QWidget>(b, "PanelNoCBT");
    QLabel *LabelNoCBT = kindNamens<QLabel>(b, "LabelNoCBT");
    QLabel *ImageNoCBT = kindNamens<QLabel>(b, "ImageNoCBT");
    QLabel *ImageYesCBT = kindNamens<QLabel>(b, "ImageYesCBT");
    QWidget *PanelAlbum = kindNamens<QWidget>(b, "PanelAlbum");
    QLabel *ImageAlbum = kindNamens<QLabel>(b, "ImageAlbum");
    QWidget *PanelLinks = kindNamens<QWidget>(b, "PanelLinks");
    QWidget *PanelRechts = kindNamens<QWidget>(b, "PanelRechts");
    QLabel *TitelLinks = kindNamens<QLabel>(b, "TitelLinks");
    QLabel *TitelRechts = kindNamens<QLabel>(b, "TitelRechts");
    QLabel *PanelInhalt = kindNamens<QLabel>(b, "PanelInhalt");
    // The contents lists are made when the first contents page is shown.
    QListWidget *Inhalt1() const { return kindNamens<QListWidget>(b, "Inhalt1"); }
    QListWidget *Inhalt2() const { return kindNamens<QListWidget>(b, "Inhalt2"); }
    QLabel *PanelLinksPfeil = kindNamens<QLabel>(b, "PanelLinksPfeil");
    QLabel *PanelRechtsPfeil = kindNamens<QLabel>(b, "PanelRechtsPfeil");
    QLabel *ImageLeftArrow = kindNamens<QLabel>(b, "ImageLeftArrow");
    QLabel *ImageRightArrow = kindNamens<QLabel>(b, "ImageRightArrow");
    std::array<QWidget *, 5> GriffL{}, GriffR{};
    std::array<QLabel *, 5> LabelGriffL{}, LabelGriffR{};
    std::array<QLabel *, 4> LesezeichenL{}, LesezeichenR{};
    std::array<QWidget *, 4> PanelTextBild{};
    std::array<QLabel *, 4> ImageTextBild{}, Unterschrift{};
};

inline Buchteile teile(const book::BuchPanel &buch) {
    return Buchteile(buch);
}
inline Buchteile teile(const book::BuchPanel *buch) {
    return Buchteile(*buch);
}

} // namespace testing
