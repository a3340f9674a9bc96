#include "search/views/suchleiste.h"

#include <QEvent>

namespace search {

Suchleiste::Suchleiste(QWidget *parent) : QFrame(parent) {
    setObjectName("PanelSuchen");
    resize(664, 58);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(236, 228, 208)));
    LabelGesuchterName = new QLabel(this);
    LabelGesuchterName->setGeometry(8, 6, 60, 20);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    Edit2->setAccessibleName(tr("Suchbegriff"));
    Edit2->setGeometry(8, 28, 200, 24);
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setChecked(true);
    CheckBox1->setGeometry(70, 6, 140, 20);
    auto bereich = [this](const char *name, int links) {
        auto *f = new QFrame(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setFrameShape(QFrame::Panel);
        f->setGeometry(links, 8, 110, 42);
        f->setCursor(Qt::PointingHandCursor);
        f->installEventFilter(this);
        auto *l = new QLabel(f);
        l->setGeometry(4, 4, 102, 34);
        l->setAlignment(Qt::AlignCenter);
        l->installEventFilter(this);
        return std::pair{f, l};
    };
    std::tie(PanelImBuch, LabelSucheBuch) = bereich("PanelImBuch", 218);
    std::tie(PanelImAlbum, LabelSucheAlbum) = bereich("PanelImAlbum", 332);
    std::tie(PanelInDerHilfe, LabelSucheHilfe) = bereich("PanelInDerHilfe", 446);
    bereiche_ = {PanelImAlbum, PanelImBuch, PanelInDerHilfe};
    BitBtn3 = new QPushButton(tr("OK"), this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn3->setGeometry(564, 6, 92, 22);
    BitBtn3->setDefault(true);
    BitBtn4 = new QPushButton(this);
    BitBtn4->setObjectName("BitBtn4");
    BitBtn4->setGeometry(564, 30, 92, 22);
    PanelNotFound = new QLabel(this);
    PanelNotFound->setObjectName("PanelNotFound");
    PanelNotFound->setAutoFillBackground(true);
    PanelNotFound->setPalette(QPalette(QColor(255, 240, 120)));
    PanelNotFound->setAlignment(Qt::AlignCenter);
    // Below the controls, in a strip the bar grows by while the notice shows: it never
    // covers the scope buttons.
    PanelNotFound->setGeometry(218, 58, 338, 24);
    PanelNotFound->hide();
    connect(Edit2, &QLineEdit::returnPressed, BitBtn3, &QPushButton::click);
    hide();
}

void Suchleiste::BevelImBuch(int bereich) {
    if (bereich < 0 || bereich > 2) return;
    for (int i = 0; i < 3; ++i)
        bereiche_[size_t(i)]->setFrameShadow(i == bereich ? QFrame::Sunken : QFrame::Raised);
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
