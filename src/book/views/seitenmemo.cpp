#include "book/views/seitenmemo.h"

#include "book/views/seitenzugang.h"

#include <QAccessible>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace book {

namespace {

const QColor kTinte(30, 26, 20);
const QColor kMarker(255, 226, 120, 170); // a light yellow the paper shows through
constexpr int kEinzug = 2;

} // namespace

SeitenMemo::SeitenMemo(QWidget *parent) : QWidget(parent) {
    SeitenzugangEinrichten();
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void SeitenMemo::setZeilen(const QStringList &zeilen) {
    if (schreibbar()) return;
    const QString vorher = QAccessible::isActive() ? zeilen_.join('\n') : QString();
    zeilen_ = zeilen;
    markierungen_.clear();
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent neu(this, 0, vorher, zeilen_.join('\n'));
        QAccessible::updateAccessibility(&neu);
    }
}

void SeitenMemo::setMarkierungen(const QList<Markierung> &markierungen) {
    if (markierungen == markierungen_) return;
    markierungen_ = markierungen;
    update();
}

QRect SeitenMemo::zeichenRechteck(int zeile, int anfang, int laenge) const {
    const QString text = zeilen_.value(zeile);
    const QFontMetrics mass(font());
    const int links = kEinzug + mass.horizontalAdvance(text.left(anfang));
    return {links, zeile * kZeilenHoehe, mass.horizontalAdvance(text.mid(anfang, laenge)), kZeilenHoehe};
}

bool SeitenMemo::schreibbar() const {
    return schreibfeld_ && !schreibfeld_->isHidden();
}

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
        // Block by block: the plain text would turn non-breaking spaces into blanks.
        zeilen_.clear();
        if (schreibfeld_->document()->isEmpty()) return;
        for (QTextBlock b = schreibfeld_->document()->begin(); b.isValid(); b = b.next())
            zeilen_ << b.text();
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
    zeile.setLeftMargin(kEinzug);
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
    for (const Markierung &m : std::as_const(markierungen_))
        p.fillRect(zeichenRechteck(m.zeile, m.anfang, m.laenge).adjusted(0, 1, 0, 0), kMarker);
    const int zeilen = int(qMin<qsizetype>(zeilen_.size(), height() / kZeilenHoehe + 1));
    for (int i = 0; i < zeilen; ++i)
        p.drawText(QRect(kEinzug, i * kZeilenHoehe, width() - kEinzug, kZeilenHoehe), Qt::AlignLeft | Qt::AlignVCenter,
                   zeilen_[i]);
}

} // namespace book
