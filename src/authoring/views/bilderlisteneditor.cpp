#include "authoring/views/bilderlisteneditor.h"

#include "album/core/fotouebernahme.h"
#include "album/core/listenabgleich.h"
#include "album/core/listenregeln.h"
#include "album/core/restordner.h"
#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/fortschrittsanzeige.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "authoring/views/zweizeilig.h"
#include "platform/bitmapfile.h"
#include "platform/fonts.h"
#include "platform/inputfile.h"

#include <QEvent>
#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace authoring {

using Art = platform::Meldungen::Art;

namespace {

constexpr int kLinks = 123;         // the list's left edge; the column before it holds the previews
constexpr int kBreitMitNeuen = 385; // the list's width while new pictures are offered
constexpr int kBreitOhneNeue = 537;
constexpr QSize kVorschauBox(112, 84);   // preview of the current line
constexpr QSize kNeuesBildBox(136, 102); // preview of the chosen new picture

// The miniature spread: two pages of eight cells at the places the marker takes.
QPixmap Miniatur() {
    QPixmap bild(114, 82);
    bild.fill(QColor(192, 192, 192));
    QPainter p(&bild);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::white);
    p.drawRect(12, 6, 46, 73);
    p.drawRect(66, 6, 46, 73);
    p.setBrush(QColor(222, 222, 222));
    for (int k = 0; k < 16; ++k) {
        const QPoint stelle = *album::MarkerStelle(k);
        p.drawRect(stelle.x() + 2, stelle.y() + 2, 13, 10);
    }
    return bild;
}

QLabel *bezeichnung(QWidget *eltern, const char *name, const QString &text = {}) {
    auto *l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QPushButton *knopf(QWidget *eltern, const char *name, const QString &text, const QString &zugang = {}) {
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(zugang.isEmpty() ? text : zugang);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

void ListenMemo::mouseReleaseEvent(QMouseEvent *event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    Q_EMIT geklickt();
}

void ListenMemo::mouseDoubleClickEvent(QMouseEvent *event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    Q_EMIT doppelgeklickt();
}

void ListenMemo::keyReleaseEvent(QKeyEvent *event) {
    QPlainTextEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) Q_EMIT tasteLosgelassen(event->key());
}

Bilderlisteneditor::Bilderlisteneditor(Bearbeitungskontext &kontext, QWidget *feld)
    : QWidget(feld), kontext_(kontext), feld_(feld) {
    setObjectName("PanelMemoListeInhalt");
    feld_->resize(kBreite, kHoehe);
    auto *rahmen = new QVBoxLayout(feld_);
    rahmen->setContentsMargins(0, 0, 0, 0);
    rahmen->addWidget(this);
    setAutoFillBackground(true);
    QPalette farbe = palette();
    farbe.setColor(QPalette::Window, QColor(192, 192, 192));
    farbe.setColor(QPalette::WindowText, Qt::black);
    setPalette(farbe);
    setFont(platform::screenFont("MS Sans Serif", 8));

    PanelSmallBook = new QWidget(this);
    PanelSmallBook->setObjectName("PanelSmallBook");
    PanelSmallBook->setGeometry(4, 4, 114, 82);
    Image2 = bezeichnung(PanelSmallBook, "Image2");
    Image2->setPixmap(Miniatur());
    Image2->setGeometry(0, 0, 114, 82);
    Shape3 = new QFrame(PanelSmallBook);
    Shape3->setObjectName("Shape3");
    Shape3->setStyleSheet("border: 2px solid #d00000; background: transparent;");
    Shape3->setGeometry(16, 10, 17, 14);

    LabelBisherigeBilder = bezeichnung(this, "LabelBisherigeBilder");
    LabelBisherigeBilder->setGeometry(4, 90, 116, 16);
    ImageBisherigeBilder = bezeichnung(this, "ImageBisherigeBilder");
    ImageBisherigeBilder->setScaledContents(true);
    ImageBisherigeBilder->move(4, 108);
    ImageBisherigeBilder->hide();
    LabelKommentar = bezeichnung(this, "LabelKommentar");
    LabelKommentar->setWordWrap(true);
    LabelKommentar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelKommentar->setGeometry(4, 196, 116, 56);

    Memoredigieren = new QPlainTextEdit(this);
    Memoredigieren->setObjectName("Memoredigieren");
    Memoredigieren->setAccessibleName(tr("So können Sie die Liste redigieren"));
    Memoredigieren->setReadOnly(true);
    Memoredigieren->setFrameShape(QFrame::NoFrame);
    Memoredigieren->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memoredigieren->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memoredigieren->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memoredigieren->setFocusPolicy(Qt::NoFocus);
    QFont schraeg = platform::screenFont("Arial", 7, 96, true);
    schraeg.setItalic(true);
    Memoredigieren->setFont(schraeg);
    Memoredigieren->setPalette(farbe);
    Memoredigieren->viewport()->setAutoFillBackground(false);
    Memoredigieren->setPlainText(QStringList{
        tr("So können Sie die Liste "), tr("redigieren:"), tr("- Klicken Sie auf eine Zeile "),
        tr("  Das Rähmen in der Abb. "), tr("  links zeigt die Position des "), tr("  Bildes auf der Seite "),
        tr("- Fügen Sie Leerzeilen ein,"), tr("  wo kein Bild sein soll"), tr("- Schreiben Sie Titel von"),
        tr("  Abschnitten beginnend"), tr("  mit ") + "\":I:\"" + tr(" in eine leere Zeile"), " "}
                                     .join('\n'));
    Memoredigieren->document()->setDocumentMargin(1);
    Memoredigieren->setGeometry(2, 256, 121, 196);

    LabelBildkommentare = bezeichnung(this, "LabelBildkommentare");
    LabelBildkommentare->setWordWrap(true);
    LabelBildkommentare->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MemoListe = new ListenMemo(this);
    MemoListe->setObjectName("MemoListe");
    MemoListe->setAccessibleName(tr("Bilderliste"));
    MemoListe->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoListe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoListe->setFont(platform::screenFont("MS Sans Serif", 8));

    PanelNeueBilder = new QWidget(this);
    PanelNeueBilder->setObjectName("PanelNeueBilder");
    PanelNeueBilder->setGeometry(kLinks + kBreitMitNeuen + 4, 4, kBreite - kLinks - kBreitMitNeuen - 8, 374);
    LabelNeueBilder = bezeichnung(PanelNeueBilder, "LabelNeueBilder");
    LabelNeueBilder->setGeometry(4, 4, 116, 18);
    BitBtnNichtshinzu = knopf(PanelNeueBilder, "BitBtnNichtshinzu", QStringLiteral("×"), tr("Neue Bilder schließen"));
    BitBtnNichtshinzu->setGeometry(PanelNeueBilder->width() - 24, 2, 22, 22);
    ImageNeueBilder = bezeichnung(PanelNeueBilder, "ImageNeueBilder");
    ImageNeueBilder->setScaledContents(true);
    ImageNeueBilder->move(4, 26);
    ImageNeueBilder->hide();
    LabelKurzkommentar = bezeichnung(PanelNeueBilder, "LabelKurzkommentar", tr("Kommentar"));
    LabelKurzkommentar->setGeometry(4, 132, 136, 16);
    EditBildKommentar = new QLineEdit(PanelNeueBilder);
    EditBildKommentar->setObjectName("EditBildKommentar");
    EditBildKommentar->setAccessibleName(tr("Kommentar"));
    EditBildKommentar->setGeometry(4, 150, 136, 22);
    ListboxNeueBilder = new QListWidget(PanelNeueBilder);
    ListboxNeueBilder->setObjectName("ListboxNeueBilder");
    ListboxNeueBilder->setAccessibleName(tr("Neue Bilder"));
    ListboxNeueBilder->setGeometry(4, 176, 136, 194);

    const int rechts = kLinks + kBreitMitNeuen + 4;
    PanelNameIstTitel = knopf(this, "PanelNameIstTitel", tr("Name = Titel"));
    PanelNameIstTitel->setGeometry(rechts + 4, 382, 136, 24);
    BitBtnAlle = knopf(this, "BitBtnAlle", tr("Alle hinzu"));
    BitBtnAlle->setGeometry(rechts + 4, 410, 66, 26);
    BitBtnDateiWeg = knopf(this, "BitBtnDateiWeg", tr("Datei weg"));
    BitBtnDateiWeg->setGeometry(rechts + 74, 410, 66, 26);
    PanelSave = knopf(this, "PanelSave", zweizeilig(tr("Spei- chern")));
    PanelSave->setGeometry(kLinks, 422, 90, 34);
    BitBtnDontSave = knopf(this, "BitBtnDontSave", QStringLiteral("×"), tr("Schließen ohne Speichern"));
    BitBtnDontSave->setGeometry(kLinks + 96, 424, 28, 28);

    hinweise_ = {
        {BitBtnNichtshinzu, tr("Schließt die Liste der neuen Bilder")},
        {BitBtnDontSave, tr("Verwirft Änderungen an der bestehenden Liste und schließt das Bearbeitungsfenster")},
        {PanelNameIstTitel, tr("Sortiert die Liste der neuen Bilder")},
        {BitBtnAlle, tr("Fügt die neuen Bilder an die bestehende Liste an")},
        {BitBtnDateiWeg, tr("Verschiebt die ausgewählte Datei (Neue Bilder) in das Verzeichnis Rest")},
        {PanelSave, tr("Speichert die Liste der vorhandenen Bilder und schließt das Bearbeitungsfenster")},
    };
    for (QObject *o : hinweise_.keys())
        o->installEventFilter(this);

    connect(MemoListe, &ListenMemo::geklickt, this, &Bilderlisteneditor::MemoListeClick);
    connect(MemoListe, &ListenMemo::doppelgeklickt, this, &Bilderlisteneditor::MemoListeDblClick);
    connect(MemoListe, &ListenMemo::tasteLosgelassen, this, &Bilderlisteneditor::MemoListeKeyUp);
    connect(MemoListe, &QPlainTextEdit::textChanged, this, &Bilderlisteneditor::MemoListeChange);
    connect(ListboxNeueBilder, &QListWidget::itemClicked, this, &Bilderlisteneditor::ListboxNeueBilderClick);
    // Chosen with the arrow keys, a picture counts as clicked.
    connect(ListboxNeueBilder, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0 && ListboxNeueBilder->hasFocus()) ListboxNeueBilderClick();
    });
    connect(PanelNameIstTitel, &QPushButton::clicked, this, &Bilderlisteneditor::PanelNameIstTitelClick);
    connect(BitBtnAlle, &QPushButton::clicked, this, &Bilderlisteneditor::BitBtnAlleClick);
    connect(BitBtnNichtshinzu, &QPushButton::clicked, this, &Bilderlisteneditor::BitBtnNichtshinzuClick);
    connect(BitBtnDateiWeg, &QPushButton::clicked, this, &Bilderlisteneditor::BitBtnDateiWegClick);
    connect(PanelSave, &QPushButton::clicked, this, &Bilderlisteneditor::PanelSaveClick);
    connect(BitBtnDontSave, &QPushButton::clicked, this, &Bilderlisteneditor::BitBtnDontSaveClick);
    feld_->hide();
}

QString Bilderlisteneditor::listenDatei() const {
    const projekt::Zustand &z = kontext_.zustand();
    return z.ort.datei(projekt::Seitendatei::Bilderliste);
}

bool Bilderlisteneditor::offen() const {
    return feld_->isVisibleTo(feld_->parentWidget());
}

QStringList Bilderlisteneditor::zeilen() const {
    // Every character as it stands, non-breaking spaces included.
    return Inhaltsbearbeitung::zeilen(MemoListe);
}

QStringList Bilderlisteneditor::neueBilder() const {
    QStringList namen;
    for (int i = 0; i < ListboxNeueBilder->count(); ++i)
        namen << ListboxNeueBilder->item(i)->text();
    return namen;
}

void Bilderlisteneditor::NeueBilderLeeren() {
    ListboxNeueBilder->clear();
    neueDateien_.clear();
    fotos_.clear();
}

bool Bilderlisteneditor::fotosInRest() {
    if (!fotosInRest_)
        fotosInRest_ = kontext_.meldungen().jaNein(
            tr("Die Fotos werden als Bitmaps in den Album-Ordner übernommen. Sollen die Originale danach in den "
               "Ordner Rest verschoben werden? (Nein: sie bleiben im Album-Ordner.)"));
    return *fotosInRest_;
}

QString Bilderlisteneditor::fotoUebernehmen(const QString &datei, bool syncen) {
    const projekt::Zustand &z = kontext_.zustand();
    const album::Fotoergebnis r = album::FotoUebernehmen(z.dateien, z.ProjektVerzeichnis, datei, fotosInRest(), syncen);
    if (!r.meldung.isEmpty()) kontext_.meldungen().zeigen(Art::Fehler, r.meldung);
    return r.status == album::Fotoergebnis::Status::Unlesbar ||
                   r.status == album::Fotoergebnis::Status::NichtGeschrieben
               ? QString()
               : r.name;
}

void Bilderlisteneditor::Bilderliste() {
    projekt::Zustand &z = kontext_.zustand();
    // The list as saved; without a list file the editor opens on an empty list.
    album::Bilderlistenmodell &modell = kontext_.buch()->Bilderliste();
    const album::Bilderlistenmodell::Stand stand = modell.laden(z.dateien, listenDatei());
    if (stand == album::Bilderlistenmodell::Stand::Unlesbar) {
        // A list that cannot be read is not opened: saving would replace it with nothing.
        kontext_.listeneditorBereit();
        kontext_.meldungen().zeigen(
            Art::Fehler, tr("Die Bilderliste %1 kann nicht gelesen werden.").arg(z.dateien.native(listenDatei())));
        return;
    }
    for (QWidget *w : {static_cast<QWidget *>(PanelNameIstTitel), static_cast<QWidget *>(BitBtnAlle),
                       static_cast<QWidget *>(BitBtnDateiWeg), PanelNeueBilder})
        w->show();
    VorhandeneBilder = 0;
    NeuesBildGewaehlt = false;
    EditBildKommentar->clear();
    QStringList liste = stand == album::Bilderlistenmodell::Stand::Gelesen ? modell.zeilen() : QStringList();

    const album::Listenabgleich abgleich =
        album::ListeAbgleichen(z.dateien, z.ProjektVerzeichnis, liste, z.einstellungen.wert("Wallpaper"));
    // The empty cells from the second line on are written out as blanks.
    for (int i : album::LeereZeilenAbZweiter(liste))
        liste[i] = album::kLeereZelle;
    {
        const QSignalBlocker still(MemoListe);
        MemoListe->setPlainText(liste.join('\n'));
    }
    VorhandeneBilder = abgleich.VorhandeneBilder;
    LabelBisherigeBilder->setText(tr("Bisherige Bilder (%1)").arg(VorhandeneBilder));

    NeueBilderLeeren();
    for (const album::NeuesBild &b : abgleich.neue) {
        ListboxNeueBilder->addItem(b.name);
        neueDateien_.insert(b.name, b.datei);
    }
    // Photos follow the bitmaps under their file names; taken in, each becomes a bitmap.
    fotosInRest_.reset();
    for (const QString &foto : album::FotosOhneBitmap(z.dateien, z.ProjektVerzeichnis)) {
        ListboxNeueBilder->addItem(foto);
        neueDateien_.insert(foto, foto);
        fotos_.insert(foto);
    }
    neueBilderZaehlen();
    ImageNeueBilder->hide();
    if (ListboxNeueBilder->count() > 0) neuesBildZeigen(ListboxNeueBilder->item(0)->text());

    NurVorhandeneBilder(ListboxNeueBilder->count() == 0);
    platform::Meldungen &m = kontext_.meldungen();
    if (!abgleich.fehlende.isEmpty())
        m.zeigen(Art::Fehler,
                 "\"" + album::NamenFuerMeldung(abgleich.fehlende) + "\"" + tr(" wurde verschoben oder gelöscht!"));
    if (!abgleich.langeNamen.isEmpty())
        m.zeigen(Art::Fehler, tr("Dateinamen von mehr als 40 Zeichen Länge (") +
                                  album::NamenFuerMeldung(abgleich.langeNamen) +
                                  tr(") können Schwierigkeiten hervorrufen"));
    kontext_.listeneditorBereit();
}

void Bilderlisteneditor::NurVorhandeneBilder(bool nurVorhandene) {
    if (!nurVorhandene)
        LabelBildkommentare->setText(tr("Wählen Sie rechts ein Bild aus, schreiben Sie einen Kurzkommentar und "
                                        "doppelklicken Sie links auf der Zeile, vor der es eingefügt werden soll "));
    else if (VorhandeneBilder <= 0)
        LabelBildkommentare->clear();
    else
        LabelBildkommentare->setText(tr("Alle Bilder sind in der endgültigen Bilderliste. Sie können diese Liste wie "
                                        "in einem Texteditor redigieren"));
    const int breite = nurVorhandene ? kBreitOhneNeue : kBreitMitNeuen;
    LabelBildkommentare->setGeometry(kLinks, 4, breite, 40);
    MemoListe->setGeometry(kLinks, 46, breite, 374);
    if (Buchsteuerung *buch = kontext_.buch()) {
        buch->HintergrundZeigen();
        feld_->move(buch->Buchecke());
    }
    feld_->show();
    feld_->raise();
    for (QWidget *w : {PanelNeueBilder, static_cast<QWidget *>(BitBtnAlle), static_cast<QWidget *>(PanelNameIstTitel),
                       static_cast<QWidget *>(BitBtnDateiWeg)})
        w->setVisible(!nurVorhandene);
    if (!nurVorhandene) EditBildKommentar->setFocus();
    if (VorhandeneBilder > 0) {
        const QStringList liste = zeilen();
        Kontrollbild(liste.isEmpty() ? QString() : liste.last(), ImageBisherigeBilder);
    }
}

int Bilderlisteneditor::ermittelterIndex() const {
    const QTextCursor c = MemoListe->textCursor();
    QTextCursor anfang(MemoListe->document());
    anfang.setPosition(c.selectionStart());
    return album::ermittelterIndex(anfang.blockNumber(), anfang.positionInBlock());
}

void Bilderlisteneditor::PositionZeigen(int k) {
    if (const auto stelle = album::MarkerStelle(k)) Shape3->move(*stelle);
}

bool Bilderlisteneditor::bildVorschau(const QString &datei, QLabel *bild, QSize box) {
    const platform::Files &dateien = kontext_.zustand().dateien;
    if (!dateien.exists(datei)) return false;
    // A quarter of the picture, made smaller still where it would leave its box.
    QImage geladen;
    QSize viertel;
    if (album::IstFoto(datei)) {
        // A photo is decoded at a quarter of its size, upright: a large one takes no time.
        if (platform::checkInput(dateien.native(datei)) != platform::InputCheck::Ok) return false;
        QImageReader leser(dateien.native(datei));
        const QSize voll = leser.size();
        if (voll.isValid()) leser.setScaledSize(QSize(qMax(1, voll.width() / 4), qMax(1, voll.height() / 4)));
        leser.setAutoTransform(true);
        if (!leser.read(&geladen)) return false;
        viertel = geladen.size();
    } else {
        const auto bitmap = platform::readBitmap(dateien.native(datei));
        if (!bitmap || bitmap->isNull()) return false;
        geladen = *bitmap;
        viertel = QSize(qMax(1, geladen.width() / 4), qMax(1, geladen.height() / 4));
    }
    const QSize groesse = viertel.boundedTo(box) == viertel ? viertel : viertel.scaled(box, Qt::KeepAspectRatio);
    bild->setPixmap(QPixmap::fromImage(geladen.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    bild->resize(groesse);
    bild->show();
    return true;
}

void Bilderlisteneditor::Kontrollbild(const QString &zeile, QLabel *bild) {
    if (zeile.isEmpty() || zeile.startsWith(':')) {
        bild->hide();
        LabelKommentar->setText(zeile);
        return;
    }
    const qsizetype doppelpunkt = zeile.indexOf(':');
    const QString name = doppelpunkt < 0 ? QString() : zeile.left(doppelpunkt);
    // A missing bitmap leaves the previous picture in the preview.
    if (!name.isEmpty())
        bildVorschau(kontext_.zustand().ProjektVerzeichnis + "Album\\" + name + ".bmp", bild, kVorschauBox);
    LabelKommentar->setText(doppelpunkt < 0 ? zeile : zeile.mid(doppelpunkt + 1).left(200));
}

void Bilderlisteneditor::neuesBildZeigen(const QString &name) {
    if (name.isEmpty() || name.startsWith(':')) {
        ImageNeueBilder->hide();
        return;
    }
    const QString datei = neueDateien_.value(name, name + ".bmp");
    bildVorschau(kontext_.zustand().ProjektVerzeichnis + "Album\\" + datei, ImageNeueBilder, kNeuesBildBox);
}

void Bilderlisteneditor::neueBilderZaehlen() {
    LabelNeueBilder->setText(tr("Neue Bilder (%1)").arg(ListboxNeueBilder->count()));
}

void Bilderlisteneditor::MemoListeClick() {
    const int k = ermittelterIndex();
    PositionZeigen(k - 1);
    const QStringList liste = zeilen();
    Kontrollbild(k - 1 >= 0 ? liste.value(k - 1) : QString(), ImageBisherigeBilder);
}

void Bilderlisteneditor::MemoListeKeyUp(int taste) {
    if (taste == Qt::Key_Up || taste == Qt::Key_Down)
        MemoListeClick();
    else if (taste == Qt::Key_Return || taste == Qt::Key_Enter)
        leereZeilenFuellen();
}

void Bilderlisteneditor::leereZeilenFuellen() {
    QTextDocument *doc = MemoListe->document();
    QTextCursor c(doc);
    c.beginEditBlock();
    for (QTextBlock b = doc->begin().next(); b.isValid(); b = b.next()) {
        if (!b.text().isEmpty()) continue;
        c.setPosition(b.position());
        c.insertText(album::kLeereZelle);
    }
    c.endEditBlock();
}

void Bilderlisteneditor::MemoListeChange() {
    VorhandeneBilder = album::VorhandeneBilder(zeilen());
    LabelBisherigeBilder->setText(tr("Bisherige Bilder (%1)").arg(VorhandeneBilder));
}

void Bilderlisteneditor::MemoListeDblClick() {
    const int k = ermittelterIndex();
    QListWidgetItem *gewaehlt = ListboxNeueBilder->currentItem();
    const QString name = NeuesBildGewaehlt && gewaehlt && fotos_.contains(gewaehlt->text())
                             ? fotoUebernehmen(gewaehlt->text())
                         : gewaehlt ? gewaehlt->text()
                                    : QString();
    if (NeuesBildGewaehlt && gewaehlt && !name.isEmpty()) {
        const QString zeile = name + ": " + EditBildKommentar->text();
        QTextDocument *doc = MemoListe->document();
        QTextCursor c(doc);
        if (k < doc->blockCount()) {
            c.setPosition(doc->findBlockByNumber(k).position());
            c.insertText(zeile + '\n');
        } else {
            c.movePosition(QTextCursor::End);
            c.insertText(MemoListe->toPlainText().isEmpty() ? zeile : '\n' + zeile);
        }
        neueDateien_.remove(gewaehlt->text());
        fotos_.remove(gewaehlt->text());
        delete ListboxNeueBilder->takeItem(ListboxNeueBilder->row(gewaehlt));
        ListboxNeueBilder->setCurrentRow(-1);
        neueBilderZaehlen();
    }
    EditBildKommentar->clear();
    NeuesBildGewaehlt = false;
}

void Bilderlisteneditor::ListboxNeueBilderClick() {
    if (QListWidgetItem *gewaehlt = ListboxNeueBilder->currentItem()) {
        neuesBildZeigen(gewaehlt->text());
        NeuesBildGewaehlt = true;
    }
}

void Bilderlisteneditor::PanelNameIstTitelClick() {
    if (QListWidgetItem *gewaehlt = ListboxNeueBilder->currentItem()) EditBildKommentar->setText(gewaehlt->text());
}

void Bilderlisteneditor::BitBtnAlleClick() {
    QStringList anhang;
    const QStringList neue = neueBilder();
    const auto anzahlFotos =
        std::count_if(neue.begin(), neue.end(), [this](const QString &n) { return fotos_.contains(n); });
    int fotos = 0;
    Fortschrittsanzeige *fortschritt = kontext_.fortschritt();
    for (const QString &name : neue) {
        if (!fotos_.contains(name)) {
            anhang << name + ":";
            continue;
        }
        // Many photos show their progress; the disk is synced once after the last.
        if (anzahlFotos > 1) {
            fortschritt->zeigen(tr("Fotos werden übernommen:"), tr("%1 von %2").arg(++fotos).arg(anzahlFotos));
            fortschritt->neuZeichnen();
        }
        const QString bitmap = fotoUebernehmen(name, anzahlFotos == 1);
        if (!bitmap.isEmpty()) anhang << bitmap + ":";
    }
    if (anzahlFotos > 1) {
        const projekt::Zustand &z = kontext_.zustand();
        if (!z.dateien.syncFolder(z.ProjektVerzeichnis + "Album\\"))
            kontext_.meldungen().zeigen(Art::Fehler,
                                        tr("Die übernommenen Fotos können nicht sicher gespeichert werden."));
        fortschritt->verbergen();
    }
    if (!anhang.isEmpty()) {
        QTextCursor c(MemoListe->document());
        c.movePosition(QTextCursor::End);
        // An empty last line takes the first new picture.
        c.insertText((c.block().text().isEmpty() ? QString() : QStringLiteral("\n")) + anhang.join('\n'));
    }
    NeueBilderLeeren();
    neueBilderZaehlen();
    NurVorhandeneBilder(true);
}

void Bilderlisteneditor::BitBtnNichtshinzuClick() {
    NurVorhandeneBilder(true);
}

void Bilderlisteneditor::BitBtnDateiWegClick() {
    QListWidgetItem *gewaehlt = ListboxNeueBilder->currentItem();
    if (!gewaehlt) return;
    const QString name = gewaehlt->text();
    const projekt::Zustand &z = kontext_.zustand();
    const QString datei = neueDateien_.value(name, name + ".bmp");
    const album::Restergebnis r = album::InRestVerschieben(z.dateien, z.ProjektVerzeichnis, datei);
    if (r.status != album::Restergebnis::Status::Verschoben) return; // the picture stays offered
    neueDateien_.remove(name);
    fotos_.remove(name);
    delete ListboxNeueBilder->takeItem(ListboxNeueBilder->row(gewaehlt));
    ListboxNeueBilder->setCurrentRow(-1);
    NeuesBildGewaehlt = false;
    ImageNeueBilder->hide();
    neueBilderZaehlen();
    if (r.umbenannt)
        kontext_.meldungen().zeigen(
            Art::Information, tr("Im Verzeichnis Rest gibt es schon eine Datei %1. Das Bild liegt dort jetzt als %2.")
                                  .arg(datei, r.ziel));
}

void Bilderlisteneditor::listeAbgeben() {
    feld_->hide();
    if (Buchsteuerung *buch = kontext_.buch()) {
        buch->Bilderliste().setzen(zeilen());
        buch->Hinweis(QString());
    }
}

void Bilderlisteneditor::PanelSaveClick() {
    const projekt::Zustand &z = kontext_.zustand();
    if (!z.dateien.write(listenDatei(), platform::joinLines(zeilen()))) {
        kontext_.meldungen().zeigen(
            Art::Fehler, tr("Die Bilderliste %1 kann nicht gespeichert werden.").arg(z.dateien.native(listenDatei())));
        return;
    }
    listeAbgeben();
    kontext_.Auswahl(Aufgabe::Albumfrage);
}

void Bilderlisteneditor::BitBtnDontSaveClick() {
    listeAbgeben();
    kontext_.fortschritt()->verbergen();
}

bool Bilderlisteneditor::eventFilter(QObject *obj, QEvent *event) {
    const QEvent::Type typ = event->type();
    if ((typ == QEvent::Enter || typ == QEvent::Leave) && hinweise_.contains(obj)) {
        if (Buchsteuerung *buch = kontext_.buch())
            buch->Hinweis(typ == QEvent::Enter ? hinweise_.value(obj) : QString());
    }
    return QWidget::eventFilter(obj, event);
}

} // namespace authoring
