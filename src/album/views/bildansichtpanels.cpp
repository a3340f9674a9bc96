#include "album/views/bildansichtpanels.h"

#include "album/core/marken.h"
#include "platform/fonts.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace album {

BildtextPanel::BildtextPanel(QWidget *parent) : QWidget(parent) {
    setObjectName("PanelBildtext");
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    LabelBildtext = new QLabel(this);
    LabelBildtext->setObjectName("LabelBildtext");
    LabelBildtext->setFont(platform::screenFont("Arial", 10, 96, true));
    MemoBildtext = new QPlainTextEdit(this);
    MemoBildtext->setObjectName("MemoBildtext");
    MemoBildtext->setAccessibleName(tr("Bildtext"));
    MemoBildtext->setFont(platform::screenFont("Arial", 10));
    MemoBildtext->viewport()->installEventFilter(this);
    LabelBildtext->installEventFilter(this);
    BitBtnSichern = new QPushButton(tr("Sichern"), this);
    BitBtnSichern->setObjectName("BitBtnSichern");
    BitBtnAbbruch = new QPushButton(tr("Abbrechen"), this);
    BitBtnAbbruch->setObjectName("BitBtnAbbruch");
    hide();
}

void BildtextPanel::lesenZeigen(const QString &ueberschrift) {
    const int breite = width();
    if (!ueberschrift.isEmpty()) LabelBildtext->setText(ueberschrift);
    LabelBildtext->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    LabelBildtext->setGeometry(0, 2, breite, 20);
    const int zeilen = MemoBildtext->document()->blockCount() - (MemoBildtext->toPlainText().isEmpty() ? 1 : 0);
    const bool lang = zeilen >= 21;
    MemoBildtext->setGeometry(0, 23, breite, lang ? 340 : 17 * zeilen);
    MemoBildtext->setVerticalScrollBarPolicy(lang ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    MemoBildtext->setReadOnly(true);
    MemoBildtext->setFrameShape(QFrame::NoFrame);
    MemoBildtext->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    QPalette p = MemoBildtext->palette();
    p.setColor(QPalette::Base, QColor(192, 192, 192));
    MemoBildtext->setPalette(p);
    BitBtnSichern->hide();
    BitBtnAbbruch->hide();
    resize(breite, MemoBildtext->height() + 25);
}

void BildtextPanel::bearbeitenZeigen(const QString &ueberschrift) {
    const int breite = width();
    LabelBildtext->setText(ueberschrift);
    LabelBildtext->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LabelBildtext->setGeometry(8, 2, breite - 16, 20);
    MemoBildtext->setGeometry(8, 23, breite - 130, 69);
    MemoBildtext->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoBildtext->setReadOnly(false);
    MemoBildtext->setFrameShape(QFrame::Box);
    MemoBildtext->document()->setDefaultTextOption(QTextOption(Qt::AlignLeft));
    QPalette p = MemoBildtext->palette();
    p.setColor(QPalette::Base, Qt::white);
    MemoBildtext->setPalette(p);
    BitBtnSichern->setGeometry(breite - 112, 26, 100, 26);
    BitBtnAbbruch->setGeometry(breite - 112, 60, 100, 26);
    BitBtnSichern->show();
    BitBtnAbbruch->show();
    resize(breite, 109);
    show();
    raise();
    MemoBildtext->setFocus();
}

bool BildtextPanel::eventFilter(QObject *obj, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress && !bearbeitet() &&
        (obj == LabelBildtext || obj == MemoBildtext->viewport())) {
        Q_EMIT geklickt();
        return true;
    }
    return QWidget::eventFilter(obj, event);
}

EingabePanel::EingabePanel(QWidget *parent) : QWidget(parent) {
    setObjectName("PanelEingabe");
    resize(385, 53);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(250, 244, 226)));
    LabelSchreibenSie = new QLabel(this);
    LabelSchreibenSie->setObjectName("LabelSchreibenSie");
    const QString aufforderung = tr("Schreiben Sie einen Kommentar zu dem Bildelement oder klicken Sie auf \"x\"");
    LabelSchreibenSie->setText(aufforderung);
    LabelSchreibenSie->setGeometry(6, 3, 373, 16);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setAccessibleName(tr("Kommentar"));
    // A line of the mark file holds 80 characters of a comment; the field says so when full.
    Edit1->setMaxLength(kMaxMarkentext);
    connect(Edit1, &QLineEdit::textChanged, this, [this, aufforderung](const QString &text) {
        LabelSchreibenSie->setText(text.size() >= kMaxMarkentext ? tr("Ein Kommentar fasst höchstens 80 Zeichen.")
                                                                 : aufforderung);
    });
    Edit1->setGeometry(6, 24, 280, 24);
    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(292, 23, 56, 26);
    SpeedButton1 = new QPushButton(QStringLiteral("x"), this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setAccessibleName(tr("Ohne Kommentar schließen"));
    SpeedButton1->setGeometry(352, 23, 26, 26);
    connect(Edit1, &QLineEdit::returnPressed, BitBtn1, &QPushButton::click);
    hide();
}

BildlaufPanel::BildlaufPanel(QWidget *parent) : QWidget(parent) {
    setObjectName("PanelBildlauf");
    resize(281, 153);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(250, 244, 226)));
    LabelBildlauf = new QLabel(this);
    LabelBildlauf->setWordWrap(true);
    LabelBildlauf->setGeometry(10, 8, 261, 52);
    LabelBildwechsel = new QLabel(this);
    LabelBildwechsel->setGeometry(10, 72, 110, 24);
    SpinEditBildlauf = new QSpinBox(this);
    SpinEditBildlauf->setObjectName("SpinEditBildlauf");
    SpinEditBildlauf->setAccessibleName(tr("Bildwechsel nach Sekunden"));
    SpinEditBildlauf->setRange(1, 999);
    SpinEditBildlauf->setValue(2);
    SpinEditBildlauf->setGeometry(124, 70, 64, 26);
    LabelSekunden = new QLabel(this);
    LabelSekunden->setGeometry(194, 72, 80, 24);
    LabelGrenzen = new QLabel(tr("1 bis 999 Sekunden"), this);
    LabelGrenzen->setObjectName("LabelGrenzen");
    LabelGrenzen->setGeometry(124, 96, 150, 14);
    QFont klein = LabelGrenzen->font();
    klein.setPixelSize(10);
    LabelGrenzen->setFont(klein);
    BitBtnBildlaufOk = new QPushButton(tr("OK"), this);
    BitBtnBildlaufOk->setObjectName("BitBtnBildlaufOk");
    BitBtnBildlaufOk->setGeometry(40, 112, 90, 28);
    // A value outside the bounds (0, or nothing) is shown as such and cannot start the show.
    // The field's own editor tells of every keystroke; the spin box only of accepted values.
    connect(SpinEditBildlauf->findChild<QLineEdit *>(), &QLineEdit::textChanged, this, [this] {
        bool zahl = false;
        const int wert = SpinEditBildlauf->cleanText().toInt(&zahl);
        const bool gueltig = zahl && wert >= SpinEditBildlauf->minimum() && wert <= SpinEditBildlauf->maximum();
        QPalette p = LabelGrenzen->palette();
        p.setColor(QPalette::WindowText, gueltig ? QColor(Qt::black) : QColor(Qt::red));
        LabelGrenzen->setPalette(p);
        BitBtnBildlaufOk->setEnabled(gueltig);
    });
    BitBtnKeinBildlauf = new QPushButton(this);
    BitBtnKeinBildlauf->setObjectName("BitBtnKeinBildlauf");
    BitBtnKeinBildlauf->setGeometry(150, 112, 90, 28);
    // Return starts the show, from the field as from OK; Escape closes the dialog.
    BitBtnBildlaufOk->setAutoDefault(true);
    BitBtnBildlaufOk->setDefault(true);
    BitBtnKeinBildlauf->setAutoDefault(true);
    connect(SpinEditBildlauf->findChild<QLineEdit *>(), &QLineEdit::returnPressed, BitBtnBildlaufOk, [this] {
        if (BitBtnBildlaufOk->isEnabled()) BitBtnBildlaufOk->click();
    });
    hide();
}

void BildlaufPanel::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace album
