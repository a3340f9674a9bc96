#pragma once
// The search bar's controls as a screen reader or a test finds them: by their names.
// A control renamed or gone stops the test at once.
#include "buchteile.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace testing {

struct Suchteile {
    explicit Suchteile(const QObject &leiste)
        : Edit2(kindNamens<QLineEdit>(leiste, "Edit2")), CheckBox1(kindNamens<QCheckBox>(leiste, "CheckBox1")),
          PanelNotFound(kindNamens<QLabel>(leiste, "PanelNotFound")),
          PanelImAlbum(kindNamens<QFrame>(leiste, "PanelImAlbum")),
          PanelImBuch(kindNamens<QFrame>(leiste, "PanelImBuch")),
          PanelInDerHilfe(kindNamens<QFrame>(leiste, "PanelInDerHilfe")),
          BitBtn3(kindNamens<QPushButton>(leiste, "BitBtn3")), BitBtn4(kindNamens<QPushButton>(leiste, "BitBtn4")) {}
    QLineEdit *Edit2;
    QCheckBox *CheckBox1;
    QLabel *PanelNotFound;
    QFrame *PanelImAlbum;
    QFrame *PanelImBuch;
    QFrame *PanelInDerHilfe;
    QPushButton *BitBtn3; // OK
    QPushButton *BitBtn4; // cancel
};

} // namespace testing
