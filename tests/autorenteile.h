#pragma once
// The authoring window's controls as a screen reader or a test finds them: by their
// names. A control renamed or gone stops the test at once instead of reading a null
// pointer.
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/tbearbeitung.h"
#include "buchteile.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace testing {

// A task panel of the window by its name ("Panel4Rahmendaten" …).
template <class Panel> Panel &panel(const authoring::TBearbeitung &fenster, const QString &name) {
    return *kindNamens<Panel>(fenster, name);
}

// The panel in front.
inline QWidget *vorderesPanel(const authoring::TBearbeitung &fenster) {
    return kindNamens<QStackedWidget>(fenster, "Aufgabenstapel")->currentWidget();
}

// A task as the author starts it: the start panel in front, a click on its entry
// ("ImageFundamentals", "PanelProjektTitel" …).
inline void starten(authoring::TBearbeitung &fenster, const QString &eintrag) {
    fenster.Auswahl(authoring::Aufgabe::Start);
    QTest::mouseClick(kindNamens<QPushButton>(*kindNamens<QWidget>(fenster, "Panel1DemoOderProjekt"), eintrag),
                      Qt::LeftButton);
}

// The title editor's fields and figures.
struct Titelteile {
    explicit Titelteile(const QWidget &panel) : t(panel) {}
    const QWidget &t;
    QLineEdit *EditTitel = kindNamens<QLineEdit>(t, "EditTitel");
    QLineEdit *EditUntertitel = kindNamens<QLineEdit>(t, "EditUntertitel");
    QLabel *LabelTitelLeft = kindNamens<QLabel>(t, "LabelTitelLeft");
    QLabel *LabelShadowTop = kindNamens<QLabel>(t, "LabelShadowTop");
    QLabel *PanelTitelSize = kindNamens<QLabel>(t, "PanelTitelSize");
    QPushButton *BitBtnTitelOk = kindNamens<QPushButton>(t, "BitBtnTitelOk");
};

// The picture list editor's controls, with what it tells of itself.
struct Listenteile {
    explicit Listenteile(authoring::Bilderlisteneditor &editor) : e(editor) {}
    authoring::Bilderlisteneditor &e;
    QPlainTextEdit *MemoListe = kindNamens<QPlainTextEdit>(e, "MemoListe");
    QFrame *Shape3 = kindNamens<QFrame>(e, "Shape3");
    QLabel *ImageBisherigeBilder = kindNamens<QLabel>(e, "ImageBisherigeBilder");
    QLabel *LabelKommentar = kindNamens<QLabel>(e, "LabelKommentar");
    QLabel *LabelBisherigeBilder = kindNamens<QLabel>(e, "LabelBisherigeBilder");
    QLabel *LabelBildkommentare = kindNamens<QLabel>(e, "LabelBildkommentare");
    QWidget *PanelNeueBilder = kindNamens<QWidget>(e, "PanelNeueBilder");
    QLabel *LabelNeueBilder = kindNamens<QLabel>(e, "LabelNeueBilder");
    QLabel *ImageNeueBilder = kindNamens<QLabel>(e, "ImageNeueBilder");
    QLineEdit *EditBildKommentar = kindNamens<QLineEdit>(e, "EditBildKommentar");
    QListWidget *ListboxNeueBilder = kindNamens<QListWidget>(e, "ListboxNeueBilder");
    QPushButton *PanelNameIstTitel = kindNamens<QPushButton>(e, "PanelNameIstTitel");
    QPushButton *BitBtnAlle = kindNamens<QPushButton>(e, "BitBtnAlle");
    QPushButton *BitBtnDateiWeg = kindNamens<QPushButton>(e, "BitBtnDateiWeg");
    QPushButton *PanelSave = kindNamens<QPushButton>(e, "PanelSave");
    QPushButton *BitBtnDontSave = kindNamens<QPushButton>(e, "BitBtnDontSave");
    QStringList zeilen() const { return e.zeilen(); }
    QStringList neueBilder() const { return e.neueBilder(); }
};

} // namespace testing
