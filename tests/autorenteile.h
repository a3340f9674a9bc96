#pragma once
// The authoring window's controls as a screen reader or a test finds them: by their
// names. A control renamed or gone stops the test at once instead of reading a null
// pointer.
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/tbearbeitung.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace testing {

template <class T> T *teilNamens(const QObject &eltern, const QString &name) {
    T *kind = eltern.findChild<T *>(name);
    if (!kind) qFatal("%s has no control named %s", qPrintable(eltern.objectName()), qPrintable(name));
    return kind;
}

// A task panel of the window by its name ("Panel4Rahmendaten" …).
template <class Panel> Panel &panel(const authoring::TBearbeitung &fenster, const QString &name) {
    return *teilNamens<Panel>(fenster, name);
}

// The panel in front.
inline QWidget *vorderesPanel(const authoring::TBearbeitung &fenster) {
    return teilNamens<QStackedWidget>(fenster, "Aufgabenstapel")->currentWidget();
}

// A task as the author starts it: the start panel in front, a click on its entry
// ("ImageFundamentals", "PanelProjektTitel" …).
inline void starten(authoring::TBearbeitung &fenster, const QString &eintrag) {
    fenster.Auswahl(authoring::Aufgabe::Start);
    QTest::mouseClick(teilNamens<QPushButton>(*teilNamens<QWidget>(fenster, "Panel1DemoOderProjekt"), eintrag),
                      Qt::LeftButton);
}

// The title editor's fields and figures.
struct Titelteile {
    explicit Titelteile(const QWidget &panel) : t(panel) {}
    const QWidget &t;
    QLineEdit *EditTitel = teilNamens<QLineEdit>(t, "EditTitel");
    QLineEdit *EditUntertitel = teilNamens<QLineEdit>(t, "EditUntertitel");
    QLabel *LabelTitelLeft = teilNamens<QLabel>(t, "LabelTitelLeft");
    QLabel *LabelShadowTop = teilNamens<QLabel>(t, "LabelShadowTop");
    QLabel *PanelTitelSize = teilNamens<QLabel>(t, "PanelTitelSize");
    QPushButton *BitBtnTitelOk = teilNamens<QPushButton>(t, "BitBtnTitelOk");
};

// The picture list editor's controls, with what it tells of itself.
struct Listenteile {
    explicit Listenteile(authoring::Bilderlisteneditor &editor) : e(editor) {}
    authoring::Bilderlisteneditor &e;
    QPlainTextEdit *MemoListe = teilNamens<QPlainTextEdit>(e, "MemoListe");
    QFrame *Shape3 = teilNamens<QFrame>(e, "Shape3");
    QLabel *ImageBisherigeBilder = teilNamens<QLabel>(e, "ImageBisherigeBilder");
    QLabel *LabelKommentar = teilNamens<QLabel>(e, "LabelKommentar");
    QLabel *LabelBisherigeBilder = teilNamens<QLabel>(e, "LabelBisherigeBilder");
    QLabel *LabelBildkommentare = teilNamens<QLabel>(e, "LabelBildkommentare");
    QWidget *PanelNeueBilder = teilNamens<QWidget>(e, "PanelNeueBilder");
    QLabel *LabelNeueBilder = teilNamens<QLabel>(e, "LabelNeueBilder");
    QLabel *ImageNeueBilder = teilNamens<QLabel>(e, "ImageNeueBilder");
    QLineEdit *EditBildKommentar = teilNamens<QLineEdit>(e, "EditBildKommentar");
    QListWidget *ListboxNeueBilder = teilNamens<QListWidget>(e, "ListboxNeueBilder");
    QPushButton *PanelNameIstTitel = teilNamens<QPushButton>(e, "PanelNameIstTitel");
    QPushButton *BitBtnAlle = teilNamens<QPushButton>(e, "BitBtnAlle");
    QPushButton *BitBtnDateiWeg = teilNamens<QPushButton>(e, "BitBtnDateiWeg");
    QPushButton *PanelSave = teilNamens<QPushButton>(e, "PanelSave");
    QPushButton *BitBtnDontSave = teilNamens<QPushButton>(e, "BitBtnDontSave");
    QStringList zeilen() const { return e.zeilen(); }
    QStringList neueBilder() const { return e.neueBilder(); }
};

} // namespace testing
