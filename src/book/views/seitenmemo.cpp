#include "book/views/seitenmemo.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace book {

namespace {

const QColor kTinte(30, 26, 20);

} // namespace

SeitenMemo::SeitenMemo(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void SeitenMemo::setZeilen(const QStringList &zeilen) {
    if (schreibbar()) return;
    zeilen_ = zeilen;
    update();
}

bool SeitenMemo::schreibbar() const { return schreibfeld_ && !schreibfeld_->isHidden(); }

void SeitenMemo::schreibfeldAnlegen() {
    schreibfeld_ = new QTextEdit(this);
    schreibfeld_->setObjectName(objectName() + "Schreibfeld");
    schreibfeld_->setAccessibleName(tr("Buchseite"));
    schreibfeld_->setAcceptRichText(false);
    schreibfeld_->setLineWrapMode(QTextEdit::NoWrap);
    schreibfeld_->setFrameShape(QFrame::NoFrame);
    schreibfeld_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    schreibfeld_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    schreibfeld_->viewport()->setAutoFillBackground(false);
    schreibfeld_->document()->setDocumentMargin(0);
    QPalette farben = schreibfeld_->palette();
    farben.setColor(QPalette::Base, Qt::transparent);
    farben.setColor(QPalette::Text, kTinte);
    schreibfeld_->setPalette(farben);
    connect(schreibfeld_, &QTextEdit::textChanged, this, [this] {
        const QString text = schreibfeld_->toPlainText();
        zeilen_ = text.isEmpty() ? QStringList() : text.split('\n');
    });
    schreibfeld_->hide();
}

void SeitenMemo::setSchreibbar(bool schreibbar) {
    if (schreibbar == this->schreibbar()) return;
    if (!schreibbar) {
        schreibfeld_->hide();
        update();
        return;
    }
    if (!schreibfeld_) schreibfeldAnlegen();
    schreibfeld_->setGeometry(rect());
    schreibfeld_->setFont(font());
    schreibfeld_->setPlainText(zeilen_.join('\n'));
    // The page's rows: 13 pixels each, the text 2 pixels in, as the page draws it. A new
    // line takes the format of the one it is split from.
    QTextCursor alles(schreibfeld_->document());
    alles.select(QTextCursor::Document);
    QTextBlockFormat zeile;
    zeile.setLineHeight(kZeilenHoehe, QTextBlockFormat::FixedHeight);
    zeile.setLeftMargin(2);
    alles.mergeBlockFormat(zeile);
    schreibfeld_->moveCursor(QTextCursor::Start);
    schreibfeld_->show();
    update();
}

void SeitenMemo::paintEvent(QPaintEvent *) {
    if (schreibbar()) return;
    QPainter p(this);
    p.setFont(font());
    p.setPen(kTinte);
    const int zeilen = int(qMin<qsizetype>(zeilen_.size(), height() / kZeilenHoehe + 1));
    for (int i = 0; i < zeilen; ++i)
        p.drawText(QRect(2, i * kZeilenHoehe, width() - 2, kZeilenHoehe), Qt::AlignLeft | Qt::AlignVCenter,
                   zeilen_[i]);
}

} // namespace book
