#pragma once
// The picture list editor, laid over the book: the list as free text, the bitmaps of
// the album folder that are not listed yet ("Neue Bilder"), previews of both, and the
// place of the current line's picture on a miniature album spread.
#include <QHash>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace authoring {

class Bearbeitungskontext;

// The list's text field: tells of clicks, double-clicks and released keys after it
// has moved its caret for them.
class ListenMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

Q_SIGNALS:
    void geklickt();
    void doppelgeklickt();
    void tasteLosgelassen(int taste);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};

class Bilderlisteneditor : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBreite = 660;
    static constexpr int kHoehe = 457;

    // Lays itself into `feld`, the main window's panel over the book.
    Bilderlisteneditor(Bearbeitungskontext &kontext, QWidget *feld);

    // Opens the editor on the project's list and the album folder.
    void Bilderliste();
    // The list as it stands in the editor.
    QStringList zeilen() const;
    bool offen() const;
    // The names offered as new pictures, in their order.
    QStringList neueBilder() const;
    void NeueBilderLeeren();
    // The number of list lines whose start lies before the caret.
    int ermittelterIndex() const;
    // Whether a new picture is chosen for taking into the list.
    bool neuesBildGewaehlt() const { return NeuesBildGewaehlt; }

protected:
    // The hints of the buttons while the mouse is over them.
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    // Lays the editor out without (true) or with (false) the new pictures, and shows it.
    void NurVorhandeneBilder(bool nurVorhandene);
    void PositionZeigen(int k);
    void Kontrollbild(const QString &zeile, QLabel *bild);
    void neuesBildZeigen(const QString &name);

    void MemoListeClick();
    void MemoListeDblClick();
    void MemoListeChange();
    void MemoListeKeyUp(int taste);
    void ListboxNeueBilderClick();
    void PanelNameIstTitelClick();
    void BitBtnAlleClick();
    void BitBtnNichtshinzuClick();
    void BitBtnDateiWegClick();
    void PanelSaveClick();
    void BitBtnDontSaveClick();

    int VorhandeneBilder = 0;
    bool NeuesBildGewaehlt = false;

    ListenMemo *MemoListe;
    QWidget *PanelSmallBook;
    QLabel *Image2;
    QFrame *Shape3;
    QLabel *ImageBisherigeBilder;
    QLabel *LabelKommentar;
    QLabel *LabelBisherigeBilder;
    QLabel *LabelBildkommentare;
    QPlainTextEdit *Memoredigieren;
    QWidget *PanelNeueBilder;
    QLabel *LabelNeueBilder;
    QLabel *ImageNeueBilder;
    QLabel *LabelKurzkommentar;
    QLineEdit *EditBildKommentar;
    QListWidget *ListboxNeueBilder;
    QPushButton *BitBtnNichtshinzu;
    QPushButton *PanelNameIstTitel;
    QPushButton *BitBtnAlle;
    QPushButton *BitBtnDateiWeg;
    QPushButton *PanelSave;
    QPushButton *BitBtnDontSave;

    QString listenDatei() const;
    // A picture of the album folder at a quarter of its size, within `box`.
    bool bildVorschau(const QString &datei, QLabel *bild, QSize box);
    void neueBilderZaehlen();
    void leereZeilenFuellen();
    void listeAbgeben();
    // Camera pictures offered as new: each becomes a bitmap when it is taken into the
    // list; its list name, or nothing when that failed (the author was told).
    QString fotoUebernehmen(const QString &datei, bool syncen = true);
    bool fotosInRest();

    Bearbeitungskontext &kontext_;
    QWidget *feld_;
    QHash<QString, QString> neueDateien_; // new picture's name -> its file in the album folder
    QHash<QObject *, QString> hinweise_;
    QSet<QString> fotos_;             // the new pictures that are photos, by their file name
    std::optional<bool> fotosInRest_; // asked at the first photo taken over since opening
};

} // namespace authoring
