#include "search/views/tfundliste.h"

#include "platform/fonts.h"

#include <QKeyEvent>

namespace search {

TFundliste::TFundliste(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("Fundliste");
    setWindowTitle(tr("Fundliste"));
    resize(329, 197);
    LabelNichtsgefunden = new QLabel(this);
    LabelNichtsgefunden->setObjectName("LabelNichtsgefunden");
    LabelNichtsgefunden->setWordWrap(true);
    LabelNichtsgefunden->setGeometry(16, 16, 289, 41);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(0, 0, 321, 169);
    ListBox1->hide();
    ListBoxFund = new QListWidget(this);
    ListBoxFund->setObjectName("ListBoxFund");
    ListBoxFund->setGeometry(0, 0, 321, 169);
    ListBoxFund->setFont(platform::screenFont("Arial", 9));
    ListBoxFund->setUniformItemSizes(true);
    // The picture's name stands first and whole; a long comment is cut at its end.
    ListBoxFund->setTextElideMode(Qt::ElideRight);
    connect(ListBoxFund, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT fundGewaehlt(ListBoxFund->row(item) + 1); });
    connect(ListBoxFund, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { Q_EMIT fundGewaehlt(ListBoxFund->row(item) + 1); });
}

void TFundliste::FundeZeigen(const QList<Albumfund> &funde, int bildschirmHoehe) {
    LabelNichtsgefunden->hide(); // an earlier search's notice must not lie over the list
    ListBoxFund->clear();
    ListBox1->clear();
    funde_ = funde;
    for (const Albumfund &f : funde) {
        ListBox1->addItem(f.zeile);
        auto *eintrag = new QListWidgetItem(f.bild + ": " + f.kommentar, ListBoxFund);
        eintrag->setToolTip(f.kommentar);
        eintrag->setSizeHint(QSize(0, 16));
    }
    const search::Fundlistenmass m = search::FundlisteBemessen(int(funde.size()), bildschirmHoehe);
    if (m.zweiSpalten) {
        ListBoxFund->setFlow(QListView::TopToBottom);
        ListBoxFund->setWrapping(true);
        ListBoxFund->setResizeMode(QListView::Adjust);
        ListBoxFund->setGridSize(QSize(321, 16));
    }
    const int breite = ListBoxFund->isWrapping() ? 642 : 321;
    ListBoxFund->setGeometry(0, m.listeOben, breite, m.listeHoehe);
    ListBoxFund->show();
    resize(breite + 8, m.fensterHoehe);
    show();
    raise();
}

void TFundliste::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT zurueckZumBuch();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFundliste::NichtsGefunden(const QString &begriff) {
    ListBoxFund->clear();
    ListBox1->clear();
    funde_.clear();
    LabelNichtsgefunden->setText('"' + begriff + "\" " + tr("wurde nicht gefunden"));
    ListBoxFund->hide();
    LabelNichtsgefunden->show();
    LabelNichtsgefunden->raise();
    resize(329, 90);
    show();
    raise();
}

} // namespace search
