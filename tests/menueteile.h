#pragma once
// The image menu strip's controls as a screen reader or a test finds them: by their
// names. A control renamed or gone stops the test at once.
#include "buchteile.h"

#include <QLabel>
#include <array>

namespace testing {

struct Menueteile {
    explicit Menueteile(const QObject &leiste)
        : ImageMenu(kindNamens<QLabel>(leiste, "ImageMenu")),
          LabelLesezeichen(kindNamens<QLabel>(leiste, "LabelLesezeichen")),
          LabelFundliste(kindNamens<QLabel>(leiste, "LabelFundliste")),
          ImageFundliste(kindNamens<QLabel>(leiste, "ImageFundliste")),
          LesezeichenAbdeckung(kindNamens<QWidget>(leiste, "LesezeichenAbdeckung")) {
        for (int i = 0; i < 4; ++i)
            LesezeichenU[size_t(i)] = kindNamens<QLabel>(leiste, QStringLiteral("LesezeichenU%1").arg(i + 1));
    }
    QLabel *ImageMenu;
    std::array<QLabel *, 4> LesezeichenU{};
    QLabel *LabelLesezeichen;
    QLabel *LabelFundliste;
    QLabel *ImageFundliste;
    QWidget *LesezeichenAbdeckung; // covers the holder while no book is open
};

} // namespace testing
