#include "search/views/suchleiste.h"

#include "platform/keycontrols.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>

namespace search {

Suchleiste::Suchleiste(QWidget *parent) : QFrame(parent) {
    setObjectName("PanelSuchen");
    resize(664, 58);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(236, 228, 208)));
    LabelGesuchterName = new QLabel(tr("Suche"), this);
    LabelGesuchterName->setObjectName("LabelGesuchterName");
    LabelGesuchterName->setGeometry(8, 6, 60, 20);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    Edit2->setAccessibleName(tr("Suchbegriff"));
    Edit2->setGeometry(8, 28, 200, 24);
    CheckBox1 = new QCheckBox(tr("schreibungstolerant"), this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setChecked(true);
    CheckBox1->setGeometry(70, 6, 140, 20);
    auto bereich = [this](const char *name, const char *beschriftung, const QString &text, int links) {
        auto *f = new QFrame(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setFrameShape(QFrame::Panel);
        f->setGeometry(links, 8, 110, 42);
        f->setCursor(Qt::PointingHandCursor);
        f->installEventFilter(this);
        // The scope panels are clicked, not their captions: they carry the captions' names.
        f->setAccessibleName(text);
        auto *l = new QLabel(text, f);
        l->setObjectName(QString::fromLatin1(beschriftung));
        l->setGeometry(4, 4, 102, 34);
        l->setAlignment(Qt::AlignCenter);
        l->installEventFilter(this);
        return std::pair{f, l};
    };
    std::tie(PanelImBuch, LabelSucheBuch) = bereich("PanelImBuch", "LabelSucheBuch", tr("im Text"), 218);
    std::tie(PanelImAlbum, LabelSucheAlbum) = bereich("PanelImAlbum", "LabelSucheAlbum", tr("im Album"), 332);
    std::tie(PanelInDerHilfe, LabelSucheHilfe) = bereich("PanelInDerHilfe", "LabelSucheHilfe", tr("in der Hilfe"), 446);
    bereiche_ = {PanelImAlbum, PanelImBuch, PanelInDerHilfe};
    // The scopes are choices of their own: Tab reaches each, Space chooses it,
    // the arrows move the choice as among radio buttons.
    auto *tasten = new platform::KeyControls(this);
    for (QFrame *f : {PanelImBuch, PanelImAlbum, PanelInDerHilfe}) {
        const int i = int(std::find(bereiche_.begin(), bereiche_.end(), f) - bereiche_.begin());
        f->setFocusPolicy(Qt::StrongFocus);
        tasten->add(f, QAccessible::RadioButton, [this, i] { Q_EMIT bereichGeklickt(i); });
        // Return searches from a scope as from every other control of the bar.
        for (int k : {int(Qt::Key_Return), int(Qt::Key_Enter)})
            tasten->key(f, k, [this] { BitBtn3->click(); });
        platform::KeyControls::setChecked(f, false);
    }
    // On the screen the order is text, album, help.
    const std::array<QFrame *, 3> reihe = {PanelImBuch, PanelImAlbum, PanelInDerHilfe};
    for (int r = 0; r < 3; ++r)
        for (int schritt : {-1, 1}) {
            QFrame *ziel = reihe[size_t((r + schritt + 3) % 3)];
            const int i = int(std::find(bereiche_.begin(), bereiche_.end(), ziel) - bereiche_.begin());
            auto waehlen = [this, ziel, i] {
                ziel->setFocus(Qt::OtherFocusReason);
                Q_EMIT bereichGeklickt(i);
            };
            tasten->key(reihe[size_t(r)], schritt < 0 ? Qt::Key_Left : Qt::Key_Right, waehlen);
            tasten->key(reihe[size_t(r)], schritt < 0 ? Qt::Key_Up : Qt::Key_Down, waehlen);
        }
    BitBtn3 = new QPushButton(tr("OK"), this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn3->setGeometry(564, 6, 92, 22);
    BitBtn3->setDefault(true);
    BitBtn4 = new QPushButton(tr("Abbrechen"), this);
    BitBtn4->setObjectName("BitBtn4");
    BitBtn4->setAutoDefault(true); // Return on it closes the bar, as Space does
    BitBtn4->setGeometry(564, 30, 92, 22);
    PanelNotFound = new QLabel(tr("Suchbegriff nicht gefunden"), this);
    PanelNotFound->setObjectName("PanelNotFound");
    PanelNotFound->setAutoFillBackground(true);
    PanelNotFound->setPalette(QPalette(QColor(255, 240, 120)));
    PanelNotFound->setAlignment(Qt::AlignCenter);
    // Below the controls, in a strip the bar grows by while the notice shows: it never
    // covers the scope buttons.
    PanelNotFound->setGeometry(218, 58, 338, 24);
    PanelNotFound->hide();
    connect(Edit2, &QLineEdit::returnPressed, BitBtn3, &QPushButton::click);
    connect(BitBtn3, &QPushButton::clicked, this, &Suchleiste::suchen);
    connect(BitBtn4, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void Suchleiste::eingabeFokussieren(bool auswaehlen) {
    Edit2->setFocus(auswaehlen ? Qt::ShortcutFocusReason : Qt::OtherFocusReason);
    if (auswaehlen) Edit2->selectAll();
}

void Suchleiste::nichtGefundenZeigen(bool zeigen) {
    resize(width(), zeigen ? 86 : 58);
    PanelNotFound->setVisible(zeigen);
    if (zeigen) PanelNotFound->raise();
}

QWidget *Suchleiste::tastenfeld() const {
    QWidget *fokus = QApplication::focusWidget();
    return fokus && isAncestorOf(fokus) ? fokus : Edit2;
}

void Suchleiste::BevelImBuch(int bereich) {
    if (bereich < 0 || bereich > 2) return;
    for (int i = 0; i < 3; ++i) {
        bereiche_[size_t(i)]->setFrameShadow(i == bereich ? QFrame::Sunken : QFrame::Raised);
        platform::KeyControls::setChecked(bereiche_[size_t(i)], i == bereich);
    }
}

void Suchleiste::keyPressEvent(QKeyEvent *event) {
    // F3 finds the next hit from anywhere in the bar, as OK does.
    if (event->key() == Qt::Key_F3) {
        BitBtn3->click();
        return;
    }
    QFrame::keyPressEvent(event);
}

bool Suchleiste::eventFilter(QObject *obj, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 3; ++i) {
            QFrame *f = bereiche_[size_t(i)];
            if (obj == f || obj->parent() == f) {
                Q_EMIT bereichGeklickt(i);
                return true;
            }
        }
    }
    return QFrame::eventFilter(obj, event);
}

} // namespace search
